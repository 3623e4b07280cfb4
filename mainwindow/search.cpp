// SPDX-License-Identifier: GPL-3.0-or-later
#include "search.h"

#include "textservices.h"

namespace Search {
namespace {

QString contains(QStringView text)
{
    return u'*' + text.toString() + u'*';
}

bool isMatch(Wildcard::Result result)
{
    return result == Wildcard::Result::Match;
}

} // namespace

Matcher::Prepared::Prepared(const QString &searchText, const QString &trimmedText)
    : searchText(searchText),
      trimmed(trimmedText),
      inSymbol(std::make_shared<const Wildcard::Pattern>(contains(trimmedText))),
      inName(trimmedText.size() == searchText.size()
                 ? inSymbol
                 : std::make_shared<const Wildcard::Pattern>(contains(searchText)))
{}

bool Matcher::matches(const ElementInfo &element, const QString &searchText)
{
    if (!m_prepared || m_prepared->searchText != searchText)
        m_prepared.emplace(searchText, TextServices::trimSpaces(searchText));
    // The tests have no side effects, so the one that walks the whole search text runs last
    // and only when the others fail.
    return isMatch(m_prepared->inSymbol->match(Wildcard::Text(element.Symbol))) ||
           isMatch(m_prepared->inName->match(Wildcard::Text(element.Name))) ||
           isMatch(Wildcard::Pattern(contains(element.Symbol)).match(m_prepared->trimmed));
}

} // namespace Search
