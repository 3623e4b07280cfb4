// SPDX-License-Identifier: GPL-3.0-or-later
// A reference for the wildcard matcher, written from the rules in wildcard.h alone and sharing
// none of its code: a table over (pattern prefix, text prefix) instead of greedy backtracking,
// QChar::toCaseFolded() called directly, and a range tested by searching it for a character
// with the same folding. PCRE refuses unpaired surrogates, so a translation into
// QRegularExpression could not cover them.
#include "check.h"

#include "textservices.h"
#include "wildcard.h"

#include <QChar>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace WildcardCheck {
namespace {

std::vector<char32_t> characters(const std::u16string &units)
{
    std::vector<char32_t> out(units.size());
    char32_t *o = out.data();
    for (const char16_t *u = units.data(), *end = u + units.size(); u < end; ++u) {
        if (*u >= 0xD800 && *u <= 0xDBFF && u + 1 < end && u[1] >= 0xDC00 && u[1] <= 0xDFFF) {
            *o++ = 0x10000 + ((char32_t(*u) - 0xD800) << 10) + (u[1] - 0xDC00);
            ++u;
        } else {
            *o++ = *u;
        }
    }
    out.resize(o - out.data());
    return out;
}

char32_t fold(char32_t c)
{
    return QChar::toCaseFolded(c);
}

// Every character whose folding differs from itself: with the foldings themselves, the only
// characters that can share a folding with another.
const std::vector<char32_t> &unfoldedCharacters()
{
    static const std::vector<char32_t> list = [] {
        std::vector<char32_t> l;
        for (char32_t c = 0; c <= 0x10FFFF; ++c)
            if (fold(c) != c)
                l.push_back(c);
        return l;
    }();
    return list;
}

struct Item
{
    enum Kind { Star, One, Digit, Literal, Set } kind;
    char32_t literal = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;
    mutable std::map<char32_t, bool> memo;

    bool rangeHolds(std::pair<char32_t, char32_t> range, char32_t c) const
    {
        const auto inside = [&](char32_t y) { return y >= range.first && y <= range.second; };
        if (range.second - range.first < 4096) {
            for (char32_t y = range.first;; ++y) {
                if (fold(y) == fold(c))
                    return true;
                if (y == range.second)
                    return false;
            }
        }
        if (inside(fold(c)))
            return true;
        const auto &list = unfoldedCharacters();
        return std::any_of(list.begin(), list.end(),
                           [&](char32_t y) { return inside(y) && fold(y) == fold(c); });
    }

    bool accepts(char32_t c) const
    {
        switch (kind) {
        case Star:
        case One:
            return true;
        case Digit:
            return c >= '0' && c <= '9';
        case Literal:
            return fold(c) == fold(literal);
        case Set:
            break;
        }
        const auto known = memo.find(c);
        if (known != memo.end())
            return known->second;
        bool held = false;
        for (const auto &range : ranges)
            held = held || rangeHolds(range, c);
        return memo[c] = held != negated;
    }
};

// Empty when the pattern is malformed.
std::optional<std::vector<Item>> parse(const std::vector<char32_t> &p)
{
    std::vector<Item> items;
    for (size_t i = 0; i < p.size(); ++i) {
        Item item;
        switch (p[i]) {
        case '*':
            item.kind = Item::Star;
            break;
        case '?':
            item.kind = Item::One;
            break;
        case '#':
            item.kind = Item::Digit;
            break;
        case '[': {
            item.kind = Item::Set;
            const auto close = std::find(p.begin() + i + 1, p.end(), char32_t(']'));
            if (close == p.end())
                return std::nullopt;
            std::vector<char32_t> members(p.begin() + i + 1, close);
            i = close - p.begin();
            if (!members.empty() && members[0] == '!') {
                item.negated = true;
                members.erase(members.begin());
            }
            for (size_t k = 0; k < members.size(); ++k) {
                if (k + 2 < members.size() && members[k + 1] == '-') {
                    if (members[k] > members[k + 2])
                        return std::nullopt;
                    item.ranges.emplace_back(members[k], members[k + 2]);
                    k += 2;
                } else {
                    item.ranges.emplace_back(members[k], members[k]);
                }
            }
            break;
        }
        default:
            item.kind = Item::Literal;
            item.literal = p[i];
        }
        items.push_back(std::move(item));
    }
    return items;
}

Wildcard::Result reference(const std::vector<char32_t> &text, const std::vector<char32_t> &pattern)
{
    const auto items = parse(pattern);
    if (!items)
        return Wildcard::Result::Malformed;
    const size_t m = items->size();
    const Item *item = items->data();
    // matched[j]: the first j items match the text read so far. Plain pointers, as the fuzzer's
    // unoptimised build pays for every container call on texts of thousands of characters.
    std::vector<char> rows(2 * (m + 1), 0);
    char *matched = rows.data(), *next = matched + m + 1;
    matched[0] = 1;
    for (size_t j = 1; j <= m; ++j)
        matched[j] = matched[j - 1] && item[j - 1].kind == Item::Star;
    for (char32_t c : text) {
        bool alive = false;
        next[0] = 0;
        for (size_t j = 1; j <= m; ++j) {
            next[j] = item[j - 1].kind == Item::Star ? (next[j - 1] || matched[j])
                                                     : (matched[j - 1] && item[j - 1].accepts(c));
            alive = alive || next[j];
        }
        // No prefix of the pattern fits what has been read, so none fits any longer text.
        if (!alive)
            return Wildcard::Result::NoMatch;
        std::swap(matched, next);
    }
    return matched[m] ? Wildcard::Result::Match : Wildcard::Result::NoMatch;
}

const char *name(Wildcard::Result r)
{
    return r == Wildcard::Result::Match ? "match" : r == Wildcard::Result::NoMatch ? "no match" : "malformed";
}

} // namespace

QString check(const uint8_t *data, size_t size)
{
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(data[i * 2] | (data[i * 2 + 1] << 8));
    // The units from a place up to the next U+0000 or the end.
    const auto part = [&units](size_t from) {
        return units.substr(from, units.find(u'\0', from) - from);
    };
    const std::u16string pattern = part(0);
    std::u16string text = pattern.size() < units.size() ? part(pattern.size() + 1) : u"";
    // Each run: U+0000, a count, then its body.
    for (size_t i = pattern.size() + text.size() + 2; i < units.size();) {
        const std::u16string body = part(i + 1);
        size_t copies = body.empty() || text.size() > MaxRunText
                            ? 0
                            : std::min<size_t>(units[i], (MaxRunText - text.size()) / body.size());
        // By doubling: a few appends even for thousands of copies.
        for (std::u16string piece = body; copies > 0; copies >>= 1, piece += piece)
            if (copies & 1)
                text += piece;
        i += body.size() + 2;
    }
    const QStringView p(pattern), t(text);
    const Wildcard::Result got = Wildcard::match(t, p);
    const Wildcard::Result expected = reference(characters(text), characters(pattern));
    if (got != expected)
        return QStringLiteral("pattern \"%1\", text \"%2\": %3, expected %4")
            .arg(p.toString(), t.toString(), QLatin1String(name(got)), QLatin1String(name(expected)));

    // Without wildcards a pattern is a plain text, compared as the name lookup compares.
    const bool plain = std::none_of(pattern.begin(), pattern.end(), [](char16_t u) {
        return u == '*' || u == '?' || u == '#' || u == '[';
    });
    if (plain && (got == Wildcard::Result::Match) != TextServices::equalsIgnoringCase(t, p))
        return QStringLiteral("pattern \"%1\", text \"%2\": equalsIgnoringCase disagrees")
            .arg(p.toString(), t.toString());
    return QString();
}

} // namespace WildcardCheck
