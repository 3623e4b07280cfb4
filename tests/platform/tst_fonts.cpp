// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"
#include "testmain.h"

#include <QTest>

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data()
    {
        // Families as comma-separated lists: installed, those with Arabic, then the expected faces.
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("arabic");
        QTest::addColumn<QString>("windowFaces");
        QTest::addColumn<QString>("titleFaces");
        QTest::addColumn<bool>("arabicMissing");
        // clang-format off
        QTest::newRow("DejaVu and Noto")
            << "Noto Sans,Noto Naskh Arabic,DejaVu Sans,Noto Sans Arabic"
            << "Noto Naskh Arabic,DejaVu Sans,Noto Sans Arabic"
            << "DejaVu Sans,Noto Sans Arabic" << "Noto Naskh Arabic,DejaVu Sans" << false;
        QTest::newRow("DejaVu alone covers Arabic")
            << "DejaVu Serif,DejaVu Sans" << "DejaVu Sans" << "DejaVu Sans" << "DejaVu Sans" << false;
        QTest::newRow("Noto alone") << "Noto Sans Arabic,Noto Naskh Arabic" << "Noto Sans Arabic"
                                    << "Noto Sans Arabic" << "Noto Naskh Arabic" << false;
        QTest::newRow("another Arabic face only") << "Amiri" << "Amiri" << "" << "" << false;
        QTest::newRow("no Arabic face") << "Liberation Sans,Noto Sans" << "" << "" << "" << true;
        QTest::newRow("no font at all") << "" << "" << "" << "" << true;
        // clang-format on
    }

    void resolve()
    {
        const auto families = [](const QString &list) {
            return list.split(u',', Qt::SkipEmptyParts);
        };
        QFETCH(QString, installed);
        QFETCH(QString, arabic);
        QFETCH(QString, windowFaces);
        QFETCH(QString, titleFaces);
        const Fonts::Resolution r = Fonts::resolve(families(installed), families(arabic));
        QCOMPARE(r.windowFaces, families(windowFaces));
        QCOMPARE(r.titleFaces, families(titleFaces));
        QTEST(r.arabicMissing, "arabicMissing");
    }
};

ORVANE_TEST(TestFonts)
#include "tst_fonts.moc"
