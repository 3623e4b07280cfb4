// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace WildcardCheck {

// Twice the 4,096 units where the matcher starts keeping presence tables: longer texts cost the
// reference (a table over pattern and text) more time and reach no other path.
constexpr size_t MaxRunText = 8192;

// An input is UTF-16LE: the pattern, one U+0000, then the text (a last odd byte is dropped).
// Inside the text a U+0000 starts a run: the next unit is a count, and the units after it, up to
// the next U+0000 or the end, stand that many times. So "ab", U+0000, U+0003, "xy", U+0000,
// U+0001, "z" is the text "abxyxyxyz", and an input of a few bytes reaches the matcher's paths
// for long texts. A run stands only as many whole times as keep the text within MaxRunText units.
// Returns an empty string when Wildcard agrees with the reference matcher, else what differs.
QString check(const uint8_t *data, size_t size);

} // namespace WildcardCheck
