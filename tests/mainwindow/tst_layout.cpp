// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_mainwindow.h"
#include "gbutton.h"

#include <QPainter>
#include <QTest>

#include <memory>

void TestMainWindow::places_data()
{
    // Child windows at their designed places; labels and pictures mirrored (5730 - L - W to
    // 5730 - L twips). Both edges are rounded, so neighbours stay neighbours. A label that
    // sizes itself to its text is pinned by its top and right edges only.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    const std::pair<const char *, QRect> places[] = {
        {"cmdShowAll", {81, 144, 86, 25}},        {"cmbR", {244, 167, 127, 21}},
        {"txtSearch", {244, 144, 127, 23}},       {"cmdSearch", {167, 144, 74, 25}},
        {"cmdExit", {8, 144, 73, 25}},            {"lblDescription", {-2, 248, 385, 161}},
        {"img00001(0)", {-3, 80, 385, 121}},      {"img00001(1)", {-3, 0, 385, 65}},
        {"img00001(2)", {-3, 64, 385, 25}},       {"img00001(3)", {-3, 200, 385, 25}},
        {"img00001(4)", {-3, 88, 385, 369}},      {"img00001(5)", {-3, 416, 385, 41}},
        // Labels that size themselves: their designed top, and their right edge from the left.
        {"lblTitle(1)", {0, 216, 202, 0}},        {"lblTitle(0)", {0, 217, 200, 0}},
        {"lbl0001(0)", {0, 104, 337, 0}},         {"lblAbout", {0, 5, 207, 0}},
        {"lbl0001(3)", {0, 121, 361, 0}},         {"lbl0001(2)", {0, 173, 238, 0}}};
    for (const auto &[name, place] : places)
        QTest::newRow(name) << QString::fromLatin1(name) << place;
}

void TestMainWindow::places()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    MainFrm &f = *m_frm;
    QRect actual;
    if (name.startsWith(u"img00001")) {
        actual = f.img00001(name.mid(9, 1).toInt()).geometry(&f);
    } else {
        const QWidget *control = f.findChild<QWidget *>(name);
        QVERIFY(control);
        actual = control->geometry();
    }
    if (place.height() == 0) {
        QCOMPARE(actual.top(), place.top());
        QCOMPARE(actual.x() + actual.width(), place.width());
    } else {
        QCOMPARE(actual, place);
    }
}

void TestMainWindow::labels()
{
    MainFrm &f = *m_frm;
    // The about text's four lines, and a self-sizing label growing leftward from its right edge.
    QVERIFY(f.lblAbout->height() >= 4 * f.lblAbout->fontMetrics().height());
    QVERIFY(f.lblAbout->x() < 207 - 100);
    // Where the title labels overlap, the mid-grey one lies in front; the child windows lie in
    // front of every label.
    f.lblTitle(0).setCaption(QStringLiteral("هيدروجين"));
    f.lblTitle(1).setCaption(QStringLiteral("هيدروجين"));
    const QPoint overlap = f.lblTitle(0).geometry().intersected(f.lblTitle(1).geometry()).center();
    QCOMPARE(f.childAt(overlap), &f.lblTitle(1));
    const QList<QObject *> order = f.children();
    for (const Label *label : f.findChildren<Label *>())
        for (const QWidget *child : std::initializer_list<const QWidget *>{
                 f.cmdShowAll, f.cmbR, f.txtSearch, f.cmdSearch, f.cmdExit})
            QVERIFY(order.indexOf(label) < order.indexOf(child));
    // A title wider than the window is not wrapped; the window cuts it at its edges.
    f.lblTitle(0).setCaption(QString(60, QChar(0x0645)));
    QVERIFY(f.lblTitle(0).width() > f.width());
    QCOMPARE(f.lblTitle(0).height(), f.lblTitle(0).fontMetrics().height());
}

void TestMainWindow::pictures_data()
{
    // Window rows where one picture's band lies over another's of a different colour.
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("header panel's base") << 55 << QColor(0xB3C3CB);
    QTest::newRow("upper bar over header panel") << 64 << QColor(0xFFFFFF);
    QTest::newRow("upper bar over upper panel") << 85 << QColor(0xB3C3CB);
    QTest::newRow("upper panel over large panel") << 190 << QColor(0xB3C3CB);
    QTest::newRow("middle bar over upper panel") << 200 << QColor(0xFFFFFF);
    QTest::newRow("middle bar over large panel") << 219 << QColor(0xB3C3CB);
    QTest::newRow("large panel's base") << 400 << QColor(0xB3C3CB);
    QTest::newRow("footer bar over large panel") << 416 << QColor(0xFFFFFF);
}

void TestMainWindow::pictures()
{
    QFETCH(int, y);
    QFETCH(QColor, colour);
    MainFrm &f = *m_frm;
    const QImage window = f.grab().toImage();
    // Across the whole width, both edges included: the pictures are stretched.
    for (int x : {0, 1, 240, 380, 381}) {
        if (const QWidget *child = f.childAt(x, y); child && !qobject_cast<const Label *>(child))
            continue; // a child window lies over the pictures there
        QCOMPARE(QColor(window.pixel(x, y)), colour);
    }
}

void TestMainWindow::window()
{
    MainFrm &f = *m_frm;
    QCOMPARE(f.windowTitle(), QStringLiteral(" Orvane"));
    QCOMPARE(f.minimumSize(), f.maximumSize()); // not resizable
    QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(f.palette().color(QPalette::Window), QColor(231, 232, 233));
    QCOMPARE(f.windowIcon().availableSizes().size(), 4); // 16, 32, 48 and 128 pixels
    const QImage window = f.grab().toImage();
    // Each button shows its stored face, 10 steps lighter than &H00E7E6D8&, and its own caption.
    const std::pair<const GButton *, QString> buttons[] = {
        {f.cmdSearch, QStringLiteral("بـحـــث")},
        {f.cmdShowAll, QStringLiteral("عـرض الكـل")},
        {f.cmdExit, QStringLiteral("خـروج")}};
    for (const auto &[button, caption] : buttons) {
        QCOMPARE(QColor(window.pixel(button->geometry().topLeft() + QPoint(5, 4))),
                 QColor(226, 240, 241));
        QCOMPARE(button->Caption(), caption);
    }
    // The card's eleven lines fit its label in the window font.
    emit f.cmdShowAll->Click();
    QVERIFY(11 * f.lblDescription->fontMetrics().lineSpacing() <= f.lblDescription->height());
}

void TestMainWindow::centring_data()
{
    // Screen and window (frame included) in twips, and the window's place: half the difference
    // in single precision, not rounded, but never above or left of the screen.
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QSizeF>("window");
    QTest::addColumn<QPointF>("place");
    const QSizeF window(5850, 7261);
    QTest::newRow("1024 x 768, half twips")
        << QSizeF(15360, 11520) << QSizeF(5851, 7261) << QPointF(4754.5, 2129.5);
    QTest::newRow("1280 x 1024") << QSizeF(19200, 15360) << window << QPointF(6675, 4049.5);
    QTest::newRow("640 x 400, top at the edge") << QSizeF(9600, 6000) << window << QPointF(1875, 0);
    QTest::newRow("320 x 240, both at the edge") << QSizeF(4800, 3600) << window << QPointF(0, 0);
    QTest::newRow("just fits") << window << window << QPointF(0, 0);
    QTest::newRow("no size, no place") << QSizeF(qInf(), 100) << window << QPointF(-1, -1);
}

void TestMainWindow::centring()
{
    QFETCH(QSizeF, screen);
    QFETCH(QSizeF, window);
    QFETCH(QPointF, place);
    QCOMPARE(MainFrm::centredPosition(screen, window).value_or(QPointF(-1, -1)), place);
}

void TestMainWindow::pictureOfManyColoursStretched()
{
    // A 3 x 2 picture over 150 x 4 pixels: every source pixel becomes a 50 x 2 block.
    const QRgb colours[2][3] = {{0xFF0000FF, 0xFF00FF00, 0xFFFF0000},
                                {0xFF000000, 0xFFFFFFFF, 0xFF808080}};
    const QImage picture(reinterpret_cast<const uchar *>(colours), 3, 2, 12, QImage::Format_RGB32);
    Image image;
    image.setPicture(picture);
    image.setDesignedGeometry(QRectF(0, 0, 2250, 60));
    QImage shown(150, 4, QImage::Format_RGB32);
    QPainter painter(&shown);
    image.paint(painter, nullptr);
    painter.end();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 150; ++x)
            QCOMPARE(shown.pixel(x, y), colours[y / 2][x / 50]);
}

void TestMainWindow::bands_data()
{
    // A picture of three rows over a place of the given height: the picture row each device row
    // shows, the one under the device row's centre, at whole and fractional scales.
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("height"); // in pixels
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("1, uneven") << 1.0 << 4 << QList<int>{0, 1, 1, 2};
    QTest::newRow("1.5") << 1.5 << 10 << QList<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2};
    QTest::newRow("3") << 3.0 << 17 << QList<int>(17, 0) + QList<int>(17, 1) + QList<int>(17, 2);
}

void TestMainWindow::bands()
{
    QFETCH(qreal, scale);
    QFETCH(int, height);
    QFETCH(QList<int>, rows);
    const QRgb colours[3][2] = {
        {0xFF102030, 0xFF102030}, {0xFF405060, 0xFF405060}, {0xFFC0D0E0, 0xFFC0D0E0}};
    Image image;
    image.setPicture(
        QImage(reinterpret_cast<const uchar *>(colours), 2, 3, 8, QImage::Format_RGB32));
    image.setDesignedGeometry(QRectF(0, 0, 2250, height * 15));
    QImage shown(int(150 * scale), int(rows.size()), QImage::Format_RGB32);
    shown.setDevicePixelRatio(scale);
    QPainter painter(&shown);
    image.paint(painter, nullptr);
    painter.end();
    for (int y = 0; y < shown.height(); ++y)
        for (int x : {0, shown.width() / 2, shown.width() - 1})
            QCOMPARE(std::pair(y, shown.pixel(x, y)), std::pair(y, colours[rows[y]][0]));
}

void TestMainWindow::barRows()
{
    // The upper bar's 41 picture rows over its 25 window rows, every row as it must show.
    const QRgb rows[] = {0xFFFFFF, 0x223344, 0xB3C3CB, 0xB3C3CB, 0xFDFDFE, 0xF7FAFB, 0xF4F7F9,
                         0xEDF2F5, 0xE9EFF2, 0xE0E9ED, 0xD7E3E8, 0xD2DFE5, 0xC9D8E0, 0xBFD1DA,
                         0xB9CDD7, 0xAFC6D1, 0xFFFFFF, 0x223344, 0xB3C3CB, 0xB3C3CB, 0xB3C3CB,
                         0xB3C3CB, 0x223344, 0xFFFFFF, 0xB3C3CB};
    const QImage window = m_frm->grab().toImage();
    for (int y = 0; y < 25; ++y)
        for (int x : {0, 190, 381})
            QCOMPARE(std::pair(y, window.pixel(x, 64 + y) & 0xFFFFFF), std::pair(y, rows[y]));
}
