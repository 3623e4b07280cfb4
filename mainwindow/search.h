// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elementinfo.h"

#include <QString>

namespace Search {

// Whether a record is listed for a search text: the trimmed text contains the symbol, the
// symbol contains the trimmed text, or the name contains the text as typed (spaces at its ends
// included). The user's wildcards act as wildcards; a malformed pattern lists nothing.
bool matches(const ElementInfo &element, const QString &searchText);

} // namespace Search
