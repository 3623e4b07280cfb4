// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elementinfo.h"
#include "wildcard.h"

#include <QString>

#include <memory>
#include <optional>

namespace Search {

// Tells whether a record is listed for a search text: the trimmed text contains the symbol, the
// symbol contains the trimmed text, or the name contains the text as typed (spaces at its ends
// included). The user's wildcards act as wildcards; a malformed pattern lists nothing.
//
// What depends only on the search text is prepared once and kept until a different text comes,
// so that a long text costs its length once per search rather than once per record.
class Matcher
{
public:
    bool matches(const ElementInfo &element, const QString &searchText);

private:
    struct Prepared
    {
        Prepared(const QString &searchText, const QString &trimmedText);
        QString searchText;
        Wildcard::Text trimmed;
        // The same pattern when the text has no spaces at its ends, as is usual.
        std::shared_ptr<const Wildcard::Pattern> inSymbol;
        std::shared_ptr<const Wildcard::Pattern> inName;
    };
    std::optional<Prepared> m_prepared;
};

} // namespace Search
