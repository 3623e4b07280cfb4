// SPDX-License-Identifier: GPL-3.0-or-later
#include "search.h"

#include "textservices.h"
#include "wildcard.h"

namespace Search {
namespace {

bool like(const QString &text, const QString &pattern)
{
    return Wildcard::match(text, pattern) == Wildcard::Result::Match;
}

} // namespace

bool matches(const ElementInfo &element, const QString &searchText)
{
    const QString trimmed = TextServices::trimSpaces(searchText);
    const QString star = QStringLiteral("*");
    // All three run for every record, as the search has always done; none has side effects.
    const bool textHoldsSymbol = like(trimmed, star + element.Symbol + star);
    const bool symbolHoldsText = like(element.Symbol, star + trimmed + star);
    const bool nameHoldsText = like(element.Name, star + searchText + star);
    return textHoldsSymbol || symbolHoldsText || nameHoldsText;
}

} // namespace Search
