// SPDX-License-Identifier: GPL-3.0-or-later
#include "card.h"
#include "melementsinformations.h"
#include "testmain.h"

#include <QTest>

using MElementsInformations::Elements;

namespace {

// Builds the card again from the record's fields, independently of Card::compose.
QString expectedCard(const ElementInfo &e, const QLocale &locale)
{
    const auto show = [&](const VariantValue &v) -> QString {
        switch (v.type()) {
        case VariantValue::Type::Integer:
            return QString::number(v.integer());
        case VariantValue::Type::Double:
            return QString::number(v.real(), 'g', QLocale::FloatingPointShortest)
                .replace(u'.', locale.decimalPoint());
        case VariantValue::Type::Text:
            return v.text();
        case VariantValue::Type::Empty:
            break;
        }
        return QString();
    };
    const int z = e.AtomicNumber.integer();
    const char *shells = z <= 2 ? "K" : z <= 10 ? "KL" : z <= 18 ? "KLM" : z <= 36 ? "KLMN"
                         : z <= 54 ? "KLMNO" : z <= 86 ? "KLMNOP" : "KLMNOPQ";
    const QStringList lines = {
        QString(),
        QStringLiteral("إسم العنصر الكيميائـي:   ") + e.Name,
        QStringLiteral("رمزه:   ") + e.Symbol,
        QStringLiteral("العدد الذري:   ") + show(e.AtomicNumber),
        QStringLiteral("الكتلة المولية الذرية:   ") + show(e.MolarMass) + QStringLiteral("  غ/المول"),
        QStringLiteral("الكتلة الحجمية الذرية:   ") + show(e.Density),
        QStringLiteral("الكهروسلبية:   ") + show(e.Electronegativity),
        QStringLiteral("الطبقات: ") + QLatin1String(shells),
        QStringLiteral("نوع العنصر:   ") + e.Kind,
        QStringLiteral("مكتشفه:   ") + e.Discoverer,
        QStringLiteral("تاريخ الإكتشاف:   ") + show(e.DiscoveryDate),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class TestCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MElementsInformations::LoadElements(); }

    void everyCard_data();
    void everyCard();
    void cardLines_data();
    void cardLines();
};

void TestCard::everyCard_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("point") << QStringLiteral("C");
    QTest::newRow("comma") << QStringLiteral("de_DE");
}

void TestCard::everyCard()
{
    QFETCH(QString, locale);
    const QLocale loc(locale);
    for (int n = 1; n <= MElementsInformations::ElementCount; ++n) {
        const QString card = Card::compose(Elements(n), loc);
        QCOMPARE(card, expectedCard(Elements(n), loc));
        QVERIFY(card.startsWith(QStringLiteral("\r\n")));
        QVERIFY(!card.endsWith(u'\n') && !card.endsWith(u'\r'));
        QCOMPARE(card.count(QStringLiteral("\r\n")), 10);
        QCOMPARE(card.count(u'\r') + card.count(u'\n'), 20); // no lone CR or LF
    }
}

void TestCard::cardLines_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("double mass with unit")
        << 1 << 4 << QStringLiteral("الكتلة المولية الذرية:   1.0079  غ/المول");
    QTest::newRow("double electronegativity") << 1 << 6 << QStringLiteral("الكهروسلبية:   2.2");
    QTest::newRow("dash electronegativity") << 2 << 6 << QStringLiteral("الكهروسلبية:   -");
    QTest::newRow("integer mass, no point")
        << 11 << 4 << QStringLiteral("الكتلة المولية الذرية:   23  غ/المول");
    QTest::newRow("unit after dash")
        << 111 << 4 << QStringLiteral("الكتلة المولية الذرية:   -  غ/المول");
    // Range ends of the shells, and a repeated element that takes them by atomic number.
    QTest::newRow("shells 87") << 87 << 7 << QStringLiteral("الطبقات: KLMNOPQ");
    QTest::newRow("shells 114") << 114 << 7 << QStringLiteral("الطبقات: KLMNOPQ");
}

void TestCard::cardLines()
{
    QFETCH(int, slot);
    QFETCH(int, line);
    QFETCH(QString, expected);
    QCOMPARE(Card::compose(Elements(slot), QLocale::c()).split(QStringLiteral("\r\n")).value(line),
             expected);
}

ORVANE_TEST(TestCard)
#include "tst_card.moc"
