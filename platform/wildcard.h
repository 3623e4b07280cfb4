// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Whole-text wildcard matching:
//   *        any run of characters, also none
//   ?        exactly one character
//   #        one digit 0 to 9
//   [abc]    one character of the group; [!abc] one character not in it
//   [a-z]    inside a group, every character from the first to the second
// Any other character stands for itself. Letters compare without regard to case.
namespace Wildcard {

enum class Result {
    Match,
    NoMatch,
    // A "[" without its "]", or a range whose first character sorts after its second.
    Malformed,
};

// Runs in O(text length x pattern length) at worst, whatever the pattern.
Result match(QStringView text, QStringView pattern);

} // namespace Wildcard
