// SPDX-License-Identifier: GPL-3.0-or-later
#include "wildcard.h"

#include <QChar>
#include <QList>

namespace Wildcard {
namespace {

// QStringView::toUcs4() gives uint code points in Qt 6.4.
using CodePoint = uint;

struct Range
{
    CodePoint first;
    CodePoint last;
};

// One pattern element; every kind but AnyRun stands for exactly one character.
struct Token
{
    enum Kind { AnyRun, AnyChar, Digit, Literal, Group };
    Kind kind = Literal;
    CodePoint literal = 0; // case-folded
    bool negated = false;
    // A group's ranges: ranges[firstRange .. firstRange + rangeCount) of the pattern.
    qsizetype firstRange = 0;
    qsizetype rangeCount = 0;
};

struct Pattern
{
    QList<Token> tokens;
    QList<Range> ranges;
};

CodePoint fold(CodePoint c)
{
    return QChar::toCaseFolded(c);
}

bool inGroup(const Pattern &pattern, const Token &group, CodePoint c)
{
    // Test the character as typed and in both cases, so [a-z] takes "Q" and [A-Z] takes "q".
    const CodePoint forms[] = {c, QChar::toLower(c), QChar::toUpper(c), fold(c)};
    for (qsizetype i = 0; i < group.rangeCount; ++i)
        for (CodePoint form : forms)
            if (form >= pattern.ranges[group.firstRange + i].first &&
                form <= pattern.ranges[group.firstRange + i].last)
                return true;
    return false;
}

bool matches(const Pattern &pattern, const Token &token, CodePoint c)
{
    switch (token.kind) {
    case Token::AnyChar:
        return true;
    case Token::Digit:
        return c >= u'0' && c <= u'9';
    case Token::Literal:
        return fold(c) == token.literal;
    case Token::Group:
        return inGroup(pattern, token, c) != token.negated;
    case Token::AnyRun:
        break;
    }
    return false;
}

// Returns false for a malformed pattern.
bool parse(const QList<CodePoint> &pattern, Pattern &parsed)
{
    QList<Token> &tokens = parsed.tokens;
    tokens.reserve(pattern.size());
    const qsizetype size = pattern.size();
    for (qsizetype i = 0; i < size; ++i) {
        Token token;
        const CodePoint c = pattern[i];
        if (c == u'*') {
            // Consecutive stars mean the same as one.
            if (!tokens.isEmpty() && tokens.last().kind == Token::AnyRun)
                continue;
            token.kind = Token::AnyRun;
        } else if (c == u'?') {
            token.kind = Token::AnyChar;
        } else if (c == u'#') {
            token.kind = Token::Digit;
        } else if (c == u'[') {
            token.kind = Token::Group;
            qsizetype j = i + 1;
            if (j < size && pattern[j] == u'!') {
                token.negated = true;
                ++j;
            }
            const qsizetype start = j;
            token.firstRange = parsed.ranges.size();
            while (j < size && pattern[j] != u']')
                ++j;
            if (j == size)
                return false;
            for (qsizetype k = start; k < j; ++k) {
                // A "-" first or last in the group stands for itself.
                if (k + 2 < j && pattern[k + 1] == u'-') {
                    if (pattern[k] > pattern[k + 2])
                        return false;
                    parsed.ranges.append({pattern[k], pattern[k + 2]});
                    k += 2;
                } else {
                    parsed.ranges.append({pattern[k], pattern[k]});
                }
            }
            token.rangeCount = parsed.ranges.size() - token.firstRange;
            i = j;
        } else {
            token.literal = fold(c);
        }
        tokens.append(token);
    }
    return true;
}

} // namespace

Result match(QStringView text, QStringView pattern)
{
    Pattern parsed;
    if (!parse(pattern.toUcs4(), parsed))
        return Result::Malformed;
    const QList<Token> &tokens = parsed.tokens;
    const QList<CodePoint> chars = text.toUcs4();

    // Greedy matching that backs up only to the latest "*": a later star can take over
    // everything an earlier one could, so each text position is retried at most once per
    // token and the work stays within text length x pattern length.
    qsizetype t = 0, p = 0;
    qsizetype starToken = -1, starText = 0;
    while (t < chars.size()) {
        if (p < tokens.size() && tokens[p].kind == Token::AnyRun) {
            starToken = p++;
            starText = t;
        } else if (p < tokens.size() && matches(parsed, tokens[p], chars[t])) {
            ++p;
            ++t;
        } else if (starToken >= 0) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return Result::NoMatch;
        }
    }
    while (p < tokens.size() && tokens[p].kind == Token::AnyRun)
        ++p;
    return p == tokens.size() ? Result::Match : Result::NoMatch;
}

} // namespace Wildcard
