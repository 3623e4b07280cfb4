// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <bitset>
#include <memory>
#include <vector>

// Whole-text wildcard matching:
//   *        any run of characters, also none
//   ?        exactly one character
//   #        one digit 0 to 9
//   [abc]    one character of the group; [!abc] one character not in it
//   [a-z]    inside a group, every character from the first to the second
// Any other character stands for itself.
//
// One case rule holds for the whole pattern, the rule of TextServices::equalsIgnoringCase. A
// character is a code point (an unpaired surrogate is one of its own); its case class is every
// character with the same simple case folding. A literal matches the characters of its case
// class. A group member, single or a range, matches a character when any member of the
// character's case class lies inside it (a single member being a range of one), and a negated
// group matches exactly the characters its group does not.
namespace Wildcard {

enum class Result {
    Match,
    NoMatch,
    // A "[" without its "]", or a range whose first character sorts after its second.
    Malformed,
};

// A text case-folded once, to be tested against many patterns.
class Text
{
public:
    explicit Text(QStringView text);

private:
    friend class Pattern;
    // Which characters and pairs of neighbours a long text holds, so that a pattern needing
    // one it lacks fails without walking the text. Pairs are hashed: a hit may be false.
    struct Presence
    {
        std::bitset<0x10000> units;
        std::bitset<0x10000> pairs;
    };
    static size_t pairHash(char16_t first, char16_t second);
    bool mayHold(char16_t unit) const;
    bool mayHold(char16_t first, char16_t second) const;

    QString m_folded;
    std::shared_ptr<const Presence> m_presence; // none for short texts
};

// A pattern parsed once, to be tested against many texts.
class Pattern
{
public:
    explicit Pattern(QStringView pattern);

    // Runs in O(text length x pattern length) at worst, whatever the pattern.
    Result match(const Text &text) const;

private:
    // A token is a literal's folded character, or one of the values past the last code point
    // below; every token but AnyRun stands for exactly one character. Four bytes a token keep a
    // pattern built from a long search text small.
    using Token = char32_t;
    static constexpr Token AnyRun = 0x110000;
    static constexpr Token AnyChar = AnyRun + 1;
    static constexpr Token Digit = AnyRun + 2;
    static constexpr Token FirstGroup = AnyRun + 3; // FirstGroup + n is group n of m_groups

    struct Range
    {
        char32_t first;
        char32_t last;
    };
    struct Group
    {
        bool negated;
        size_t firstRange; // its ranges are m_ranges[firstRange, firstRange + rangeCount)
        size_t rangeCount;
    };

    bool accepts(Token token, char32_t folded) const;
    bool inGroup(const Group &group, char32_t folded) const;

    std::vector<Token> m_tokens;
    std::vector<Group> m_groups;
    std::vector<Range> m_ranges;
    bool m_malformed = false;
};

Result match(QStringView text, QStringView pattern);

} // namespace Wildcard
