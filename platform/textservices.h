// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringView>

namespace TextServices {

// The code point at i and the UTF-16 units it takes. An unpaired surrogate is a character of
// its own, so two different ones never compare equal, nor equal U+FFFD.
inline char32_t codePointAt(QStringView text, qsizetype i, qsizetype *units)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1].unicode());
    }
    *units = 1;
    return c;
}

// The program's one case rule, which the name lookup and the wildcard matcher share: two
// characters are equal without regard to case when their simple case foldings are. Unlike
// QStringView::compare(), unpaired surrogates keep their identity.
bool equalsIgnoringCase(QStringView a, QStringView b);

// Every character replaced by its simple case folding, unpaired surrogates kept as they are.
QString foldCase(QStringView text);

// Removes leading and trailing U+0020 only; tabs and other spaces stay.
QString trimSpaces(QStringView text);

// The shortest decimal that reads back as the same double, in ASCII digits, without exponent
// or group separators, with the locale's decimal separator where the locale writes ASCII
// digits itself, and "." where it has digits of its own.
QString numberToText(double value, const QLocale &locale = QLocale());

} // namespace TextServices
