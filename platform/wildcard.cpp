// SPDX-License-Identifier: GPL-3.0-or-later
#include "wildcard.h"

#include "textservices.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace Wildcard {
namespace {

using TextServices::codePointAt;

// (folding, character) for every character that is not its own folding, sorted by folding:
// the rest of each case class. Built on first use; Unicode has about 1,500 such characters.
const std::vector<std::pair<char32_t, char32_t>> &caseVariants()
{
    static const std::vector<std::pair<char32_t, char32_t>> variants = [] {
        std::vector<std::pair<char32_t, char32_t>> list;
        for (char32_t c = 0; c <= QChar::LastValidCodePoint; ++c) {
            const char32_t folded = QChar::toCaseFolded(c);
            if (folded != c)
                list.emplace_back(folded, c);
        }
        std::sort(list.begin(), list.end());
        return list;
    }();
    return variants;
}

std::vector<char32_t> codePoints(QStringView text)
{
    std::vector<char32_t> points;
    points.reserve(text.size());
    for (qsizetype i = 0, units = 0; i < text.size(); i += units)
        points.push_back(codePointAt(text, i, &units));
    return points;
}

// Where a retry after a star may jump to the next occurrence of the literal that follows it:
// only a character of one UTF-16 unit that is not a surrogate, which cannot be found inside a pair.
bool searchable(char32_t c)
{
    return c < 0x10000 && !QChar::isSurrogate(c);
}

} // namespace

Text::Text(QStringView text)
    : m_folded(TextServices::foldCase(text))
{
    // Below this length a walk costs less than filling the tables.
    if (m_folded.size() < 4096)
        return;
    auto presence = std::make_shared<Presence>();
    const char16_t *units = reinterpret_cast<const char16_t *>(m_folded.constData());
    presence->units.set(units[0]);
    for (qsizetype i = 1; i < m_folded.size(); ++i) {
        presence->units.set(units[i]);
        presence->pairs.set(pairHash(units[i - 1], units[i]));
    }
    m_presence = std::move(presence);
}

size_t Text::pairHash(char16_t first, char16_t second)
{
    return (size_t(first) * 31 + second) & 0xFFFF;
}

bool Text::mayHold(char16_t unit) const
{
    return !m_presence || m_presence->units.test(unit);
}

bool Text::mayHold(char16_t first, char16_t second) const
{
    return !m_presence || m_presence->pairs.test(pairHash(first, second));
}

Pattern::Pattern(QStringView pattern)
{
    // Literals are read from the folded pattern, group members from the pattern as written:
    // folding keeps every character's place.
    const QString folded = TextServices::foldCase(pattern);
    m_tokens.reserve(pattern.size());
    std::vector<char32_t> members;
    for (qsizetype i = 0, units = 0; i < pattern.size(); i += units) {
        const char32_t c = codePointAt(pattern, i, &units);
        if (c == u'*') {
            // Consecutive stars mean the same as one.
            if (m_tokens.empty() || m_tokens.back() != AnyRun)
                m_tokens.push_back(AnyRun);
        } else if (c == u'?') {
            m_tokens.push_back(AnyChar);
        } else if (c == u'#') {
            m_tokens.push_back(Digit);
        } else if (c == u'[') {
            // "]" is never half of a surrogate pair, so the group's end is found unit by unit.
            const qsizetype end = pattern.indexOf(u']', i + 1);
            if (end < 0) {
                m_malformed = true;
                return;
            }
            members = codePoints(pattern.mid(i + 1, end - i - 1));
            const bool negated = !members.empty() && members.front() == u'!';
            const size_t firstRange = m_ranges.size();
            for (size_t k = negated ? 1 : 0; k < members.size(); ++k) {
                // A "-" first or last in the group stands for itself.
                if (k + 2 < members.size() && members[k + 1] == u'-') {
                    if (members[k] > members[k + 2]) {
                        m_malformed = true;
                        return;
                    }
                    m_ranges.push_back({members[k], members[k + 2]});
                    k += 2;
                } else {
                    m_ranges.push_back({members[k], members[k]});
                }
            }
            m_tokens.push_back(FirstGroup + Token(m_groups.size()));
            m_groups.push_back({negated, firstRange, m_ranges.size() - firstRange});
            units = end + 1 - i;
        } else {
            m_tokens.push_back(codePointAt(folded, i, &units));
        }
    }
}

bool Pattern::inGroup(const Group &group, char32_t folded) const
{
    const auto &variants = caseVariants();
    const auto othersBegin = std::lower_bound(variants.begin(), variants.end(),
                                              std::make_pair(folded, char32_t(0)));
    auto othersEnd = othersBegin;
    while (othersEnd != variants.end() && othersEnd->first == folded)
        ++othersEnd;
    for (size_t i = group.firstRange; i < group.firstRange + group.rangeCount; ++i) {
        const Range &range = m_ranges[i];
        if (folded >= range.first && folded <= range.last)
            return true;
        for (auto it = othersBegin; it != othersEnd; ++it)
            if (it->second >= range.first && it->second <= range.last)
                return true;
    }
    return false;
}

bool Pattern::accepts(Token token, char32_t folded) const
{
    if (token < AnyRun)
        return folded == token;
    if (token == AnyChar)
        return true;
    if (token == Digit)
        return folded >= u'0' && folded <= u'9';
    const Group &group = m_groups[token - FirstGroup];
    return inGroup(group, folded) != group.negated;
}

Result Pattern::match(const Text &text) const
{
    if (m_malformed)
        return Result::Malformed;
    const QStringView chars = text.m_folded;
    const qsizetype tokens = qsizetype(m_tokens.size());

    // Greedy matching that backs up only to the latest "*": a later star can take over
    // everything an earlier one could, so each text position is retried at most once per
    // token and the work stays within text length x pattern length.
    qsizetype t = 0, p = 0;
    qsizetype starToken = -1, starText = 0;
    while (t < chars.size()) {
        if (p < tokens && m_tokens[p] == AnyRun) {
            if (p + 1 == tokens)
                return Result::Match; // a last star takes the rest
            starToken = p++;
            starText = t;
            continue;
        }
        qsizetype units;
        const char32_t c = codePointAt(chars, t, &units);
        if (p < tokens && accepts(m_tokens[p], c)) {
            ++p;
            t += units;
            continue;
        }
        if (starToken < 0)
            return Result::NoMatch;
        // Let the star take one more character and try the rest again from there; when a
        // literal follows the star, only the places holding that literal can succeed.
        codePointAt(chars, starText, &units);
        starText += units;
        const Token next = m_tokens[starToken + 1];
        if (next < AnyRun && searchable(next)) {
            const Token after = starToken + 2 < tokens ? m_tokens[starToken + 2] : AnyRun;
            if (!text.mayHold(char16_t(next)) ||
                (after < AnyRun && searchable(after) && !text.mayHold(char16_t(next), char16_t(after))))
                return Result::NoMatch;
            starText = chars.indexOf(QChar(char16_t(next)), starText);
            if (starText < 0)
                return Result::NoMatch;
            p = starToken + 2;
            t = starText + 1;
        } else {
            p = starToken + 1;
            t = starText;
        }
    }
    while (p < tokens && m_tokens[p] == AnyRun)
        ++p;
    return p == tokens ? Result::Match : Result::NoMatch;
}

Result match(QStringView text, QStringView pattern)
{
    return Pattern(pattern).match(Text(text));
}

} // namespace Wildcard
