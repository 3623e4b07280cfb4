#include "controlarray.h"
#include "fonts.h"
#include "testmain.h"
#include "twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void controlArrayHasGaps();
    void twipsToPixels_data();
    void twipsToPixels();
    void mirroring();
    void designedFacesHaveArabic_data();
    void designedFacesHaveArabic();
};

void TestPlatform::controlArrayHasGaps()
{
    int zero = 0, two = 2;
    ControlArray<int> array("lbl0001");
    array.insert(0, &zero);
    array.insert(2, &two);
    QCOMPARE(array(2), 2);
    QCOMPARE(array.indexes(), (QList<int>{0, 2}));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, array(1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, array(-1));
}

void TestPlatform::twipsToPixels_data()
{
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("client") << QRectF(0, 0, 5730, 6795) << QRect(0, 0, 382, 453);
    QTest::newRow("text box") << QRectF(3653, 2160, 1905, 345) << QRect(244, 144, 127, 23);
    QTest::newRow("negative left") << QRectF(-22, 3720, 5775, 2415) << QRect(-1, 248, 385, 161);
    // Neighbours stay neighbours: the right edge of one is the left edge of the next.
    QTest::newRow("show all") << QRectF(1215, 2160, 1290, 375) << QRect(81, 144, 86, 25);
    QTest::newRow("search") << QRectF(2505, 2160, 1110, 375) << QRect(167, 144, 74, 25);
}

void TestPlatform::twipsToPixels()
{
    QFETCH(QRectF, twips);
    QFETCH(QRect, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

void TestPlatform::mirroring()
{
    // A control at Left L, Width W covers 5730 - L - W to 5730 - L.
    QCOMPARE(Twips::mirrored(QRectF(2625, 80, 480, 195), 5730), QRectF(2625, 80, 480, 195));
    QCOMPARE(Twips::mirrored(QRectF(0, 0, 5775, 975), 5730), QRectF(-45, 0, 5775, 975));
    QCOMPARE(Twips::mirrored(QRectF(2160, 2600, 3240, 195), 5730), QRectF(330, 2600, 3240, 195));
}

void TestPlatform::designedFacesHaveArabic_data()
{
    QTest::addColumn<QString>("face");
    QTest::newRow("window font") << QStringLiteral("MS Sans Serif");
    QTest::newRow("title font") << QStringLiteral("Simplified Arabic");
}

void TestPlatform::designedFacesHaveArabic()
{
    QFETCH(QString, face);
    Fonts::installSubstitutions();
    const QFontInfo info(QFont(face, 12));
    QVERIFY2(QFontDatabase::families(QFontDatabase::Arabic).contains(info.family()),
             qPrintable(info.family()));
    const QRawFont raw = QRawFont::fromFont(QFont(face, 12), QFontDatabase::Arabic);
    QVERIFY(raw.isValid());
    QVERIFY(raw.supportsCharacter(QChar(0x0628))); // ب
    QVERIFY(raw.supportsCharacter(QChar(0x0640))); // tatweel
}

ORVANE_TEST(TestPlatform)
#include "tst_platform.moc"
