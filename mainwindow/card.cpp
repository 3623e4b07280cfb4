// SPDX-License-Identifier: GPL-3.0-or-later
#include "card.h"

#include "textservices.h"

namespace Card {
namespace {

const QString crlf = QStringLiteral("\r\n");

} // namespace

QString valueText(const VariantValue &value, const QLocale &locale)
{
    switch (value.type()) {
    case VariantValue::Type::Integer:
        return QString::number(value.integer());
    case VariantValue::Type::Double:
        return TextServices::numberToText(value.real(), locale);
    case VariantValue::Type::Text:
        return value.text();
    case VariantValue::Type::Empty:
        break;
    }
    return QString();
}

QString shellsLine(int atomicNumber)
{
    // Upper atomic number of each period and the shells its elements occupy.
    static const struct
    {
        int last;
        const char *shells;
    } periods[] = {{2, "K"},       {10, "KL"},      {18, "KLM"},      {36, "KLMN"},
                   {54, "KLMNO"}, {86, "KLMNOP"}, {111, "KLMNOPQ"}};
    if (atomicNumber < 1)
        return QString();
    for (const auto &period : periods)
        if (atomicNumber <= period.last)
            return QStringLiteral("الطبقات: ") + QLatin1String(period.shells);
    return QString();
}

QString compose(const ElementInfo &element, const QLocale &locale)
{
    QString card = crlf + QStringLiteral("إسم العنصر الكيميائـي:   ") + element.Name;
    card += crlf + QStringLiteral("رمزه:   ") + element.Symbol;
    card += crlf + QStringLiteral("العدد الذري:   ") + valueText(element.AtomicNumber, locale);
    card += crlf + QStringLiteral("الكتلة المولية الذرية:   ") +
            valueText(element.MolarMass, locale) + QStringLiteral("  غ/المول");
    card += crlf + QStringLiteral("الكتلة الحجمية الذرية:   ") + valueText(element.Density, locale);
    card += crlf + QStringLiteral("الكهروسلبية:   ") + valueText(element.Electronegativity, locale);

    // By atomic number, not by catalogue slot: slots 112 to 117 repeat elements 104 to 109
    // and get the same shells as their first entries.
    const QString shells = element.AtomicNumber.type() == VariantValue::Type::Integer
                               ? shellsLine(element.AtomicNumber.integer())
                               : QString();
    if (!shells.isEmpty())
        card += crlf + shells;

    card += crlf + QStringLiteral("نوع العنصر:   ") + element.Kind;
    card += crlf + QStringLiteral("مكتشفه:   ") + element.Discoverer;
    card += crlf + QStringLiteral("تاريخ الإكتشاف:   ") + valueText(element.DiscoveryDate, locale);
    return card;
}

QString noSearchTextMessage()
{
    return crlf + QStringLiteral("  الرجاء ادخال اسم أو رمز !!");
}

QString notFoundMessage()
{
    return crlf + QStringLiteral("  هذا العنصـر غيـر موجود !!") + crlf +
           QStringLiteral("  الرجاء التحقق من الكلمة جيدا");
}

} // namespace Card
