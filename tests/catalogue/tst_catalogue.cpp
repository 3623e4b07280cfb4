// SPDX-License-Identifier: GPL-3.0-or-later
#include "melementsinformations.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <map>
#include <stdexcept>

using MElementsInformations::ElementCount;
using MElementsInformations::Elements;
using Type = VariantValue::Type;

namespace {

VariantValue i16(int v) { return VariantValue(qint16(v)); }
VariantValue dbl(double v) { return VariantValue(v); }
VariantValue txt(const char *v) { return VariantValue(QString::fromUtf8(v)); }

void verifyAllEmpty()
{
    for (int n = 1; n <= ElementCount; ++n) {
        const ElementInfo &e = Elements(n);
        const bool empty = e.Name.isEmpty() && e.Symbol.isEmpty() && e.Kind.isEmpty() &&
                           e.Discoverer.isEmpty() && e.AtomicNumber.isEmpty() &&
                           e.MolarMass.isEmpty() && e.Density.isEmpty() &&
                           e.Electronegativity.isEmpty() && e.DiscoveryDate.isEmpty();
        QVERIFY2(empty, qPrintable(QString::number(n)));
    }
}

using Counts = std::map<QString, int>;

// Counts the records by a key read from each.
template<typename Key>
Counts census(Key key)
{
    Counts counts;
    for (int n = 1; n <= ElementCount; ++n)
        ++counts[key(Elements(n))];
    return counts;
}

// A numeric column's key: the cell's subtype, or its text.
auto subtype(VariantValue ElementInfo::*field)
{
    return [field](const ElementInfo &e) {
        const VariantValue &v = e.*field;
        return v.type() == Type::Integer  ? QStringLiteral("int")
               : v.type() == Type::Double ? QStringLiteral("double")
               : v.type() == Type::Text   ? v.text()
                                          : QStringLiteral("empty");
    };
}

Counts counts(std::initializer_list<std::pair<const char *, int>> list)
{
    Counts result;
    for (const auto &[key, count] : list)
        result[QString::fromUtf8(key)] = count;
    return result;
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
    void columnCensus();
    void namesAndSymbolsAreUnique();
    void atomicNumbers();
    void oddCells();

    void clearingEmptiesEverySlot();
};

void TestCatalogue::rangeCheck()
{
    QCOMPARE(Elements(1).Symbol, QStringLiteral("H"));
    QCOMPARE(Elements(117).Symbol, QStringLiteral("Hs"));
    for (int n : {0, 118, -1})
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Elements(n));
}

void TestCatalogue::columnCensus()
{
    // The mended cells move radon's molar mass from double to integer and promethium's
    // density from integer to double.
    QCOMPARE(census(subtype(&ElementInfo::AtomicNumber)), counts({{"int", 117}}));
    QCOMPARE(census(subtype(&ElementInfo::MolarMass)),
             counts({{"int", 31}, {"double", 85}, {"-", 1}}));
    QCOMPARE(census(subtype(&ElementInfo::Density)),
             counts({{"int", 4}, {"double", 89}, {"-", 23}, {"=", 1}}));
    QCOMPARE(census(subtype(&ElementInfo::Electronegativity)),
             counts({{"int", 3}, {"double", 92}, {"-", 21}, {"=", 1}}));

    QCOMPARE(census([](const ElementInfo &e) { return e.Kind; }),
             counts({{"لا معدني", 11}, {"غاز خامل", 6}, {"عنصر معدني", 2},
                     {"عنصر شبه معدني", 1}, {"معدني", 63}, {"شبه معدني", 7},
                     {"محضر مخبرياً", 1}, {"محضر مخبريا", 20}, {"-", 6}}));
    QVERIFY(Elements(61).Kind.endsWith(QChar(0x064B))); // the tanween

    // Years of four ASCII digits and "م"; the other forms by their text.
    const QRegularExpression year(QStringLiteral("^[0-9]{4}م$"));
    QCOMPARE(census([&](const ElementInfo &e) {
                 const QString date = e.DiscoveryDate.text();
                 return year.match(date).hasMatch() ? QStringLiteral("year") : date;
             }),
             counts({{"year", 99}, {"قبل الميلاد", 9}, {"القرن 13", 1}, {"القرن 15", 1},
                     {"1969م-1970م", 1}, {"-", 6}}));
}

void TestCatalogue::namesAndSymbolsAreUnique()
{
    // With the three wrong symbols mended, symbols are unique too; slots 112 to 117 repeat
    // elements under new names and new symbols.
    QSet<QString> names, symbols;
    for (int n = 1; n <= ElementCount; ++n) {
        names.insert(Elements(n).Name);
        symbols.insert(Elements(n).Symbol);
    }
    QCOMPARE(names.size(), ElementCount);
    QCOMPARE(symbols.size(), ElementCount);
}

void TestCatalogue::atomicNumbers()
{
    // Slots 112 to 117 repeat elements 104 to 109, which slots 104 to 109 hold as well.
    for (int n = 1; n <= 111; ++n)
        QCOMPARE(Elements(n).AtomicNumber, i16(n));
    const int repeated[] = {107, 105, 104, 106, 109, 108};
    for (int n = 112; n <= 117; ++n)
        QCOMPARE(Elements(n).AtomicNumber, i16(repeated[n - 112]));
}

void TestCatalogue::oddCells()
{
    // Slots 1, 11, 111 and 114 are read whole through their cards in tst_card.
    QCOMPARE(Elements(117).Name, QStringLiteral("هاسيوم"));
    QCOMPARE(Elements(117).AtomicNumber, i16(108));
    QCOMPARE(Elements(11).MolarMass, i16(23));
    QCOMPARE(Elements(2).Electronegativity, txt("-"));
    QCOMPARE(Elements(97).Density, txt("="));
    QCOMPARE(Elements(103).Electronegativity, txt("="));
    // Spacing inside the discoverers is kept as stored.
    QCOMPARE(Elements(54).Discoverer,
             QStringLiteral("السير وليم رامزي  / موريس وليم ترافرس (إنجلترا)"));
    QVERIFY(Elements(93).Discoverer.contains(QStringLiteral("هـ.")));

    // The mended cells.
    QCOMPARE(Elements(33).Symbol, QStringLiteral("As"));
    QCOMPARE(Elements(81).Symbol, QStringLiteral("Tl"));
    QCOMPARE(Elements(97).Symbol, QStringLiteral("Bk"));
    QCOMPARE(Elements(86).MolarMass, i16(222));
    QCOMPARE(Elements(61).Density, dbl(7.26));
    QCOMPARE(Elements(85).DiscoveryDate, txt("1940م"));
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
