// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace WildcardCheck {

// An input is UTF-16LE: the pattern, one U+0000, then the text (a last odd byte is dropped).
// Returns an empty string when Wildcard agrees with the reference matcher, else what differs.
QString check(const uint8_t *data, size_t size);

} // namespace WildcardCheck
