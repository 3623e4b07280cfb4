// SPDX-License-Identifier: GPL-3.0-or-later
#include "textservices.h"

#include <array>

namespace TextServices {
namespace {

// The foldings of the Basic Multilingual Plane, looked up once: search texts run to millions
// of characters, and QChar::toCaseFolded() is a call into the library for every one.
using BmpFoldings = std::array<char16_t, 0x10000>;

const BmpFoldings &bmpFoldings()
{
    static const BmpFoldings table = [] {
        BmpFoldings foldings;
        for (char32_t c = 0; c < 0x10000; ++c)
            foldings[c] = char16_t(QChar::toCaseFolded(c));
        return foldings;
    }();
    return table;
}

} // namespace

bool equalsIgnoringCase(QStringView a, QStringView b)
{
    // Names and keys are short: the library's call per character costs less than building the
    // table, which a start-up that only compares property keys would otherwise pay for.
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        qsizetype m, n;
        if (QChar::toCaseFolded(codePointAt(a, i, &m)) !=
            QChar::toCaseFolded(codePointAt(b, j, &n)))
            return false;
        i += m;
        j += n;
    }
    return i == a.size() && j == b.size();
}

QString foldCase(QStringView text)
{
    // Folding keeps every character in its plane and leaves surrogates alone, so the result
    // has the same length and reads back as the same characters.
    QString folded(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    const BmpFoldings &foldings = bmpFoldings();
    for (qsizetype i = 0; i < text.size();) {
        qsizetype units;
        const char32_t c = codePointAt(text, i, &units);
        if (units == 1) {
            out[i] = foldings[c];
        } else {
            const char32_t f = QChar::toCaseFolded(c);
            out[i] = QChar::highSurrogate(f);
            out[i + 1] = QChar::lowSurrogate(f);
        }
        i += units;
    }
    return folded;
}

QString trimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.mid(first, end - first).toString();
}

QString numberToText(double value, const QLocale &locale)
{
    // QString::number is locale-free (ASCII digits, "."); only the separator may be the locale's.
    // Formatting through QLocale itself would write Arabic-Indic digits in Arabic locales. A
    // locale with digits of its own has the separator of those digits ("٫" with Arabic-Indic
    // ones), which must not stand between ASCII digits: there the ASCII digits' "." stays.
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0 && locale.zeroDigit() == u"0")
        text.replace(point, 1, locale.decimalPoint());
    return text;
}

} // namespace TextServices
