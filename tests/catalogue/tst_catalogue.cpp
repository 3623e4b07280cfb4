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

QList<const VariantValue *> variantFields(const ElementInfo &e)
{
    return {&e.AtomicNumber, &e.MolarMass, &e.Density, &e.Electronegativity, &e.DiscoveryDate};
}

void verifyAllEmpty()
{
    for (int n = 1; n <= ElementCount; ++n) {
        const ElementInfo &e = Elements(n);
        QVERIFY2(e.Name.isEmpty() && e.Symbol.isEmpty() && e.Kind.isEmpty() &&
                     e.Discoverer.isEmpty(),
                 qPrintable(QString::number(n)));
        for (const VariantValue *value : variantFields(e))
            QVERIFY2(value->isEmpty(), qPrintable(QString::number(n)));
    }
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: the catalogue is program-wide, so this is its state before any load.
    void emptyBeforeLoading() { verifyAllEmpty(); }
    void loadedOnce() { MElementsInformations::LoadElements(); }

    void rangeCheck_data();
    void rangeCheck();
    void variantSubtypesStayDistinct();

    void subtypeCounts_data();
    void subtypeCounts();
    void kindCounts();
    void namesAreUniqueAndSymbolsShaped();
    void atomicNumbers();
    void discoveryDates();
    void records_data();
    void records();
    void mendedCells();

    void loadingAgainChangesNothing();
    void clearingEmptiesEverySlot();
};

void TestCatalogue::rangeCheck_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("valid");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("117") << 117 << true;
    QTest::newRow("118") << 118 << false;
    QTest::newRow("-1") << -1 << false;
}

void TestCatalogue::rangeCheck()
{
    QFETCH(int, index);
    QFETCH(bool, valid);
    if (valid)
        QVERIFY(!Elements(index).Name.isEmpty());
    else
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Elements(index));
}

void TestCatalogue::variantSubtypesStayDistinct()
{
    const VariantValue integer(qint16(23)), real(23.0), text(QStringLiteral("23"));
    QCOMPARE(integer.type(), Type::Integer);
    QCOMPARE(real.type(), Type::Double);
    QCOMPARE(text.type(), Type::Text);
    QVERIFY(integer != real && real != text && integer != VariantValue());
    QVERIFY(VariantValue().isEmpty());
    QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, integer.real());
}

void TestCatalogue::subtypeCounts_data()
{
    QTest::addColumn<int>("field"); // index into variantFields()
    QTest::addColumn<int>("integers");
    QTest::addColumn<int>("doubles");
    QTest::addColumn<int>("dashes");
    QTest::addColumn<int>("equals");

    // The mended cells move radon's molar mass from double to integer and promethium's
    // density from integer to double.
    QTest::newRow("AtomicNumber") << 0 << 117 << 0 << 0 << 0;
    QTest::newRow("MolarMass") << 1 << 31 << 85 << 1 << 0;
    QTest::newRow("Density") << 2 << 4 << 89 << 23 << 1;
    QTest::newRow("Electronegativity") << 3 << 3 << 92 << 21 << 1;
}

void TestCatalogue::subtypeCounts()
{
    QFETCH(int, field);
    std::map<QString, int> counts;
    for (int n = 1; n <= ElementCount; ++n) {
        const VariantValue &value = *variantFields(Elements(n))[field];
        switch (value.type()) {
        case Type::Integer:
            ++counts[QStringLiteral("int")];
            break;
        case Type::Double:
            ++counts[QStringLiteral("double")];
            // No double of the catalogue has a whole-number value.
            QVERIFY2(value.real() != qint64(value.real()), qPrintable(QString::number(n)));
            break;
        case Type::Text:
            ++counts[value.text()];
            break;
        case Type::Empty:
            QFAIL(qPrintable(QStringLiteral("empty cell at %1").arg(n)));
        }
    }
    QFETCH(int, integers);
    QFETCH(int, doubles);
    QFETCH(int, dashes);
    QFETCH(int, equals);
    QCOMPARE(counts[QStringLiteral("int")], integers);
    QCOMPARE(counts[QStringLiteral("double")], doubles);
    QCOMPARE(counts[QStringLiteral("-")], dashes);
    QCOMPARE(counts[QStringLiteral("=")], equals);
    // No other text occurs in a numeric column.
    QCOMPARE(integers + doubles + dashes + equals, ElementCount);
}

void TestCatalogue::kindCounts()
{
    std::map<QString, int> counts;
    for (int n = 1; n <= ElementCount; ++n)
        ++counts[Elements(n).Kind];
    const std::map<QString, int> expected = {
        {QStringLiteral("لا معدني"), 11},      {QStringLiteral("غاز خامل"), 6},
        {QStringLiteral("عنصر معدني"), 2},     {QStringLiteral("عنصر شبه معدني"), 1},
        {QStringLiteral("معدني"), 63},         {QStringLiteral("شبه معدني"), 7},
        {QStringLiteral("محضر مخبرياً"), 1}, {QStringLiteral("محضر مخبريا"), 20},
        {QStringLiteral("-"), 6},
    };
    QCOMPARE(counts, expected);
    QCOMPARE(Elements(61).Kind, QStringLiteral("محضر مخبرياً"));
    QVERIFY(Elements(61).Kind.endsWith(QChar(0x064B)));
}

void TestCatalogue::namesAreUniqueAndSymbolsShaped()
{
    QSet<QString> names;
    std::map<QString, int> symbols;
    for (int n = 1; n <= ElementCount; ++n) {
        const ElementInfo &e = Elements(n);
        QVERIFY2(!names.contains(e.Name), qPrintable(e.Name));
        names.insert(e.Name);
        QVERIFY2(e.Name == e.Name.trimmed() || n == 30, qPrintable(e.Name));

        // One capital Latin letter, then up to two small ones.
        QVERIFY2(e.Symbol.size() >= 1 && e.Symbol.size() <= 3, qPrintable(e.Symbol));
        QVERIFY(e.Symbol[0] >= u'A' && e.Symbol[0] <= u'Z');
        for (qsizetype i = 1; i < e.Symbol.size(); ++i)
            QVERIFY(e.Symbol[i] >= u'a' && e.Symbol[i] <= u'z');
        ++symbols[e.Symbol];
    }
    // With the three wrong symbols mended, every symbol names one element; slots 112 to 117
    // repeat elements under new names and new symbols.
    for (const auto &[symbol, count] : symbols)
        QVERIFY2(count == 1, qPrintable(symbol));
}

void TestCatalogue::atomicNumbers()
{
    for (int n = 1; n <= 111; ++n)
        QCOMPARE(Elements(n).AtomicNumber, VariantValue(qint16(n)));
    const qint16 repeated[] = {107, 105, 104, 106, 109, 108};
    for (int n = 112; n <= 117; ++n) {
        const ElementInfo &e = Elements(n);
        QCOMPARE(e.AtomicNumber, VariantValue(repeated[n - 112]));
        const ElementInfo &first = Elements(e.AtomicNumber.integer());
        QVERIFY(first.Symbol.startsWith(QStringLiteral("Un")));
        QCOMPARE(first.Symbol.size(), 3);
        QCOMPARE(e.Kind, QStringLiteral("-"));
        QCOMPARE(e.Density.text(), QStringLiteral("-"));
        QCOMPARE(e.Electronegativity.text(), QStringLiteral("-"));
        QCOMPARE(e.MolarMass.type(), Type::Integer);
    }
}

void TestCatalogue::discoveryDates()
{
    // A year is four ASCII digits and "م"; slot 114 joins two of them.
    const QRegularExpression year(QStringLiteral("^[0-9]{4}م$"));
    std::map<QString, int> others;
    int years = 0;
    for (int n = 1; n <= ElementCount; ++n) {
        const QString &date = Elements(n).DiscoveryDate.text();
        for (QChar c : date)
            QVERIFY2(!c.isDigit() || (c >= u'0' && c <= u'9'), qPrintable(date));
        if (year.match(date).hasMatch())
            ++years;
        else
            ++others[date];
    }
    QCOMPARE(years, 99);
    const std::map<QString, int> expected = {
        {QStringLiteral("قبل الميلاد"), 9},
        {QStringLiteral("القرن 13"), 1},
        {QStringLiteral("القرن 15"), 1},
        {QStringLiteral("1969م-1970م"), 1},
        {QStringLiteral("-"), 6},
    };
    QCOMPARE(others, expected);
}

namespace {

VariantValue i16(int v) { return VariantValue(qint16(v)); }
VariantValue dbl(double v) { return VariantValue(v); }
VariantValue txt(const char *v) { return VariantValue(QString::fromUtf8(v)); }

ElementInfo record(const char *name, const char *symbol, int atomicNumber, VariantValue molarMass,
                   VariantValue density, VariantValue electronegativity, const char *kind,
                   const char *discoverer, const char *date)
{
    return {QString::fromUtf8(name), QString::fromUtf8(symbol), i16(atomicNumber),
            molarMass, density, electronegativity, QString::fromUtf8(kind),
            QString::fromUtf8(discoverer), txt(date)};
}

} // namespace

Q_DECLARE_METATYPE(ElementInfo)

void TestCatalogue::records_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<ElementInfo>("expected");

    QTest::newRow("1 first") << 1
        << record("هيدروجين", "H", 1, dbl(1.0079), dbl(0.071), dbl(2.2), "لا معدني",
                  "هنري كافندش (إنجلترا)", "1766م");
    QTest::newRow("2 dash electronegativity") << 2
        << record("هيليوم", "He", 2, dbl(4.0026), dbl(0.126), txt("-"), "غاز خامل",
                  "السير وليم رامزي / نيلز لانجليه / ب.ت. كليف (اسكتلندا,السويد)", "1895م");
    QTest::newRow("11 integer mass") << 11
        << record("صوديوم", "Na", 11, i16(23), dbl(0.97), dbl(0.93), "معدني", "ديفي", "1807م");
    QTest::newRow("30 spaces in name") << 30
        << record("خارصين ( زنك )", "Zn", 30, dbl(65.39), dbl(7.14), dbl(1.65), "معدني",
                  "أندرياس مارجراف (ألمانيا)", "1746م");
    QTest::newRow("54 two spaces before slash") << 54
        << record("زينون", "Xe", 54, dbl(131.29), dbl(3.068), txt("-"), "غاز خامل",
                  "السير وليم رامزي  / موريس وليم ترافرس (إنجلترا)", "1898م");
    QTest::newRow("58 two spaces after slash") << 58
        << record("سيريوم", "Ce", 58, dbl(140.12), dbl(6.78), dbl(1.12), "معدني",
                  "و.فون هسنجر / جونز برزيليوس /  م. كلابروت (السويد,ألمانيا)", "1803م");
    QTest::newRow("61 tanween kind") << 61
        << record("بروميثيوم", "Pm", 61, i16(145), dbl(7.26), dbl(1.13), "محضر مخبرياً",
                  "ج.أ.مارينسكي / لورنس جلندنن / تشارلز كوريل (الولايات المتحدة)", "1945م");
    QTest::newRow("93 tatweel") << 93
        << record("نبتونيوم", "Np", 93, dbl(237.048), dbl(20.4), dbl(1.36), "محضر مخبريا",
                  "أي. م. ماكميلان / ب. هـ. أبلسون (الولايات المتحدة)", "1940م");
    QTest::newRow("97 equals density") << 97
        << record("بركيليوم", "Bk", 97, i16(247), txt("="), dbl(1.3), "محضر مخبريا",
                  "جلين سيبورج / س.ج. ثومسون / ألبرت غيورسو (الولايات المتحدة)", "1949م");
    QTest::newRow("103 equals electronegativity") << 103
        << record("لورنسيوم", "Lr", 103, i16(260), txt("-"), txt("="), "محضر مخبريا",
                  "أ. غيورسو / ت. سيكيلاند / أ.لارش / ر.م. لاتيمر (الولايات المتحدة)", "1961م");
    QTest::newRow("111 dash mass") << 111
        << record("إينينيوم", "Uuu", 111, txt("-"), txt("-"), txt("-"), "محضر مخبريا", "-", "-");
    QTest::newRow("114 two dates") << 114
        << record("رذرفورديوم", "Rf", 104, i16(261), txt("-"), txt("-"), "-",
                  "المشترك للأبحاث النووية معمل لورنس بيركلي (روسيا,الولايات المتحدة)",
                  "1969م-1970م");
    QTest::newRow("117 last") << 117
        << record("هاسيوم", "Hs", 108, i16(263), txt("-"), txt("-"), "-",
                  "مركز أبحاث الأيونات الثقيلة (ألمانيا)", "1984م");
}

void TestCatalogue::records()
{
    QFETCH(int, slot);
    QFETCH(ElementInfo, expected);
    const ElementInfo &actual = Elements(slot);
    QCOMPARE(actual.Name, expected.Name);
    QCOMPARE(actual.Symbol, expected.Symbol);
    QCOMPARE(actual.AtomicNumber, expected.AtomicNumber);
    QCOMPARE(actual.MolarMass, expected.MolarMass);
    QCOMPARE(actual.Density, expected.Density);
    QCOMPARE(actual.Electronegativity, expected.Electronegativity);
    QCOMPARE(actual.Kind, expected.Kind);
    QCOMPARE(actual.Discoverer, expected.Discoverer);
    QCOMPARE(actual.DiscoveryDate, expected.DiscoveryDate);
}

void TestCatalogue::mendedCells()
{
    QCOMPARE(Elements(33).Symbol, QStringLiteral("As"));
    QCOMPARE(Elements(81).Symbol, QStringLiteral("Tl"));
    QCOMPARE(Elements(86).MolarMass, i16(222));
    QCOMPARE(Elements(88).MolarMass, dbl(226.025));
    QCOMPARE(Elements(85).DiscoveryDate, txt("1940م"));
    QCOMPARE(Elements(105).DiscoveryDate, Elements(113).DiscoveryDate);
    QCOMPARE(Elements(60).Discoverer, Elements(59).Discoverer);
    QVERIFY(Elements(101).Discoverer.endsWith(QStringLiteral("(الولايات المتحدة)")));
}

void TestCatalogue::loadingAgainChangesNothing()
{
    const ElementInfo before = Elements(26);
    MElementsInformations::LoadElements();
    QCOMPARE(Elements(26).Name, before.Name);
    QCOMPARE(Elements(26).MolarMass, before.MolarMass);
}

void TestCatalogue::clearingEmptiesEverySlot()
{
    MElementsInformations::ClearElements();
    verifyAllEmpty();
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Elements(118));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
