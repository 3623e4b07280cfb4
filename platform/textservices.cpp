// SPDX-License-Identifier: GPL-3.0-or-later
#include "textservices.h"

namespace TextServices {

bool equalsIgnoringCase(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
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

QString numberToText(qint16 value)
{
    return QString::number(value);
}

QString numberToText(double value, const QLocale &locale)
{
    // QString::number is locale-free (ASCII digits, "."); only the separator is the locale's.
    // Formatting through QLocale itself would write Arabic-Indic digits in Arabic locales.
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text.replace(point, 1, locale.decimalPoint());
    return text;
}

} // namespace TextServices
