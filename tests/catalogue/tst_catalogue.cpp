// SPDX-License-Identifier: GPL-3.0-or-later
#include "melementsinformations.h"

#include <QSet>
#include <QTest>

#include <stdexcept>

using MElementsInformations::ElementCount;
using MElementsInformations::Elements;

namespace {

VariantValue i16(int v) { return VariantValue(qint16(v)); }

void verifyAllEmpty()
{
    for (int n = 1; n <= ElementCount; ++n) {
        const ElementInfo &e = Elements(n);
        QVERIFY2(e.Name.isEmpty() && e.Symbol.isEmpty() && e.Kind.isEmpty() &&
                     e.Discoverer.isEmpty() && e.AtomicNumber.isEmpty() && e.MolarMass.isEmpty() &&
                     e.Density.isEmpty() && e.Electronegativity.isEmpty() &&
                     e.DiscoveryDate.isEmpty(),
                 qPrintable(QString::number(n)));
    }
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // The catalogue is program-wide: before the load is its state at program start.
    void initTestCase()
    {
        verifyAllEmpty();
        MElementsInformations::LoadElements();
    }

    void rangeCheck();
    void numbersNamesAndSymbols();
    void oddCells();
    void clearingEmptiesEverySlot();
};

void TestCatalogue::rangeCheck()
{
    for (int n : {0, 118, -1})
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Elements(n));
}

void TestCatalogue::numbersNamesAndSymbols()
{
    // Slots 112 to 117 repeat elements 107, 105, 104, 106, 109 and 108 (slots 104 to 109 hold
    // them as well) under new names and new symbols; with the three wrong symbols mended,
    // symbols are unique too.
    const int repeated[] = {107, 105, 104, 106, 109, 108};
    QSet<QString> names, symbols;
    for (int n = 1; n <= ElementCount; ++n) {
        QCOMPARE(Elements(n).AtomicNumber, i16(n <= 111 ? n : repeated[n - 112]));
        names.insert(Elements(n).Name);
        symbols.insert(Elements(n).Symbol);
    }
    QCOMPARE(names.size(), ElementCount);
    QCOMPARE(symbols.size(), ElementCount);
}

void TestCatalogue::oddCells()
{
    // Slots 1, 11, 111 and 114 are read whole through their cards in tst_card.
    QVERIFY(Elements(61).Kind.endsWith(QChar(0x064B))); // the tanween
    // Spacing inside the discoverers is kept as stored.
    QCOMPARE(Elements(54).Discoverer,
             QStringLiteral("السير وليم رامزي  / موريس وليم ترافرس (إنجلترا)"));

    // The mended cells.
    QCOMPARE(Elements(33).Symbol, QStringLiteral("As"));
    QCOMPARE(Elements(81).Symbol, QStringLiteral("Tl"));
    QCOMPARE(Elements(97).Symbol, QStringLiteral("Bk"));
    QCOMPARE(Elements(86).MolarMass, i16(222)); // an integer now
    QCOMPARE(Elements(61).Density, VariantValue(7.26)); // a double now
    QCOMPARE(Elements(85).DiscoveryDate, VariantValue(QStringLiteral("1940م")));
    QCOMPARE(Elements(105).DiscoveryDate, Elements(113).DiscoveryDate);
    QCOMPARE(Elements(60).Discoverer, Elements(59).Discoverer);
    QVERIFY(Elements(101).Discoverer.endsWith(QStringLiteral("(الولايات المتحدة)")));
}

void TestCatalogue::clearingEmptiesEverySlot()
{
    MElementsInformations::ClearElements();
    verifyAllEmpty();
    MElementsInformations::LoadElements(); // for any function named after this one
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
