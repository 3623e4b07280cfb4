// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"
#include "testmain.h"

#include <QTest>

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data();
    void resolve();
};

void TestFonts::resolve_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("arabic");
    QTest::addColumn<QStringList>("windowFaces");
    QTest::addColumn<QStringList>("titleFaces");
    QTest::addColumn<bool>("arabicMissing");

    const QString dejaVu = QStringLiteral("DejaVu Sans");
    const QString sans = QStringLiteral("Noto Sans Arabic");
    const QString naskh = QStringLiteral("Noto Naskh Arabic");
    QTest::newRow("DejaVu and Noto")
        << QStringList{QStringLiteral("Noto Sans"), naskh, dejaVu, sans} << QStringList{naskh, dejaVu, sans}
        << QStringList{dejaVu, sans} << QStringList{naskh, dejaVu} << false;
    QTest::newRow("DejaVu alone covers Arabic")
        << QStringList{dejaVu, QStringLiteral("DejaVu Serif")} << QStringList{dejaVu}
        << QStringList{dejaVu} << QStringList{dejaVu} << false;
    QTest::newRow("Noto alone") << QStringList{sans, naskh} << QStringList{sans, naskh}
                                << QStringList{sans} << QStringList{naskh} << false;
    QTest::newRow("another Arabic face only")
        << QStringList{QStringLiteral("Amiri")} << QStringList{QStringLiteral("Amiri")}
        << QStringList{} << QStringList{} << false;
    QTest::newRow("no Arabic face")
        << QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans")} << QStringList{}
        << QStringList{} << QStringList{} << true;
    QTest::newRow("no font at all") << QStringList{} << QStringList{} << QStringList{}
                                    << QStringList{} << true;
}

void TestFonts::resolve()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, arabic);
    const Fonts::Resolution r = Fonts::resolve(installed, arabic);
    QTEST(r.windowFaces, "windowFaces");
    QTEST(r.titleFaces, "titleFaces");
    QTEST(r.arabicMissing, "arabicMissing");
}

ORVANE_TEST(TestFonts)
#include "tst_fonts.moc"
