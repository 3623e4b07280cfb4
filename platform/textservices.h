// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace TextServices {

// Equality without regard to case, by Unicode case folding.
bool equalsIgnoringCase(QStringView a, QStringView b);

// Removes leading and trailing U+0020 only; tabs and other spaces stay.
QString trimSpaces(QStringView text);

// A 16-bit integer in ASCII decimal digits.
QString numberToText(qint16 value);

// The shortest decimal that reads back as the same double, in ASCII digits, without exponent
// or group separators, with the locale's decimal separator.
QString numberToText(double value, const QLocale &locale = QLocale());

} // namespace TextServices
