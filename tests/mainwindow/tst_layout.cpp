// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"
#include "gbutton.h"
#include "mainfrm.h"
#include "testmain.h"
#include "twips.h"

#include <QPainter>
#include <QTest>

#include <memory>

namespace {

constexpr float ClientWidth = 5730;

// Where a designed control must lie on screen: labels and pictures mirrored, child windows as
// designed.
QRect expectedPlace(const Design::Control &c)
{
    const bool windowless = c.kind == Design::Kind::Label || c.kind == Design::Kind::Image;
    return Twips::toPixels(windowless ? Twips::mirrored(c.twips, ClientWidth) : c.twips);
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_frm = std::make_unique<MainFrm>(); }
    void cleanup() { m_frm.reset(); }

    void window();
    void fixedPlaces_data();
    void fixedPlaces();
    void selfSizingLabelsGrowLeftward();
    void tabOrderAndFirstFocus();
    void stackingOrder();
    void picturesStretchedAndStacked_data();
    void picturesStretchedAndStacked();
    void buttonFacesAndCard();
    void pictureOfManyColoursStretched();

private:
    std::unique_ptr<MainFrm> m_frm;
};

void TestLayout::window()
{
    MainFrm &f = *m_frm;
    QCOMPARE(f.windowTitle(), QStringLiteral(" Orvane"));
    QCOMPARE(f.size(), QSize(382, 453));
    QCOMPARE(f.minimumSize(), f.maximumSize()); // not resizable
    QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(f.palette().color(QPalette::Window), QColor(231, 232, 233));
    QCOMPARE(f.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(f.windowIcon().availableSizes().size(), 4); // 16, 32, 48 and 128 pixels
    // Both edges of a control are rounded to pixels, so neighbours stay neighbours.
    QCOMPARE(f.txtSearch->geometry(), QRect(244, 144, 127, 23));
    QCOMPARE(f.cmdShowAll->geometry(), QRect(81, 144, 86, 25));
    QCOMPARE(f.cmdSearch->geometry(), QRect(167, 144, 74, 25));
}

void TestLayout::fixedPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    for (const Design::Control &c : Design::controls()) {
        if (c.kind == Design::Kind::Timer || c.autoSize)
            continue;
        QTest::newRow(qPrintable(c.displayName())) << c.displayName() << expectedPlace(c);
    }
}

void TestLayout::fixedPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    MainFrm &f = *m_frm;
    if (name.startsWith(u"img00001")) {
        const int index = name.mid(9, 1).toInt();
        QCOMPARE(f.img00001(index).geometry(&f), place);
    } else {
        const QWidget *control = f.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), place);
    }
}

void TestLayout::selfSizingLabelsGrowLeftward()
{
    MainFrm &f = *m_frm;
    // Each keeps its designed Top and its right edge at 5730 - Left, however long its text.
    for (const Design::Control &c : Design::controls()) {
        if (!c.autoSize)
            continue;
        const QWidget *label = f.findChild<QWidget *>(c.displayName());
        QVERIFY(label);
        QCOMPARE(label->geometry().top(), Twips::toPixels(float(c.twips.top())));
        QCOMPARE(label->geometry().right() + 1, Twips::toPixels(ClientWidth - float(c.twips.left())));
    }
    // The about text: four lines, its right edge 3105 twips from the client's left edge.
    QCOMPARE(f.lblAbout->geometry().right() + 1, 207);
    QVERIFY(f.lblAbout->height() >= 4 * f.lblAbout->fontMetrics().height());
    // A title wider than the window is not wrapped; the window cuts it at its edges.
    f.lblTitle(0).setCaption(QString(60, QChar(0x0645)));
    QVERIFY(f.lblTitle(0).width() > f.width());
    QCOMPARE(f.lblTitle(0).height(), f.lblTitle(0).fontMetrics().height());
}

void TestLayout::tabOrderAndFirstFocus()
{
    MainFrm &f = *m_frm;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), f.cmdSearch);
    const QList<QWidget *> order = {f.txtSearch, f.cmbR, f.cmdShowAll, f.cmdExit, f.cmdSearch};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestLayout::stackingOrder()
{
    // Where the title labels overlap, the mid-grey one lies in front; the child windows lie in
    // front of every label.
    MainFrm &f = *m_frm;
    f.lblTitle(0).setCaption(QStringLiteral("هيدروجين"));
    f.lblTitle(1).setCaption(QStringLiteral("هيدروجين"));
    const QPoint overlap = f.lblTitle(0).geometry().intersected(f.lblTitle(1).geometry()).center();
    QCOMPARE(f.childAt(overlap), &f.lblTitle(1));
    const QList<QObject *> order = f.children();
    for (const Label *label : f.findChildren<Label *>())
        for (const QWidget *child : std::initializer_list<const QWidget *>{
                 f.cmdShowAll, f.cmbR, f.txtSearch, f.cmdSearch, f.cmdExit})
            QVERIFY(order.indexOf(label) < order.indexOf(child));
}

void TestLayout::picturesStretchedAndStacked_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("front"); // the img00001 member whose picture shows there
    QTest::addColumn<int>("behind"); // the one it covers, -1 for none

    QTest::newRow("header panel") << 30 << 1 << -1;
    QTest::newRow("upper bar over header panel") << 64 << 2 << 1;
    QTest::newRow("upper bar over upper panel") << 85 << 2 << 0;
    QTest::newRow("upper panel over large panel") << 150 << 0 << 4;
    QTest::newRow("middle bar over upper panel") << 200 << 3 << 0;
    QTest::newRow("middle bar over large panel") << 212 << 3 << 4;
    QTest::newRow("large panel") << 300 << 4 << -1;
    QTest::newRow("footer bar over large panel") << 424 << 5 << 4;
}

void TestLayout::picturesStretchedAndStacked()
{
    QFETCH(int, y);
    QFETCH(int, front);
    QFETCH(int, behind);
    MainFrm &f = *m_frm;
    const QImage window = f.grab().toImage();

    // The colours a picture may show at window row y: its row at that height, or a neighbour
    // where a band edge falls between pixels.
    const auto coloursAt = [&f](int member, int y) {
        const Image &image = f.img00001(member);
        const QImage picture = image.picture().toImage();
        const QRect place = image.geometry(&f);
        const int row = (y - place.top()) * picture.height() / place.height();
        QSet<QRgb> colours;
        for (int r = qMax(0, row - 1); r <= qMin(picture.height() - 1, row + 1); ++r)
            colours.insert(picture.pixel(0, r));
        return colours;
    };
    const QSet<QRgb> shown = coloursAt(front, y);
    const QSet<QRgb> covered = behind < 0 ? QSet<QRgb>() : coloursAt(behind, y) - shown;
    // Across the whole width, the left and right edges included: the picture is stretched.
    for (int x : {0, 1, 100, 200, 380, 381}) {
        if (const QWidget *child = f.childAt(x, y); child && !qobject_cast<const Label *>(child))
            continue; // a child window lies over the pictures there
        QVERIFY(shown.contains(window.pixel(x, y)) && !covered.contains(window.pixel(x, y)));
    }
}

void TestLayout::buttonFacesAndCard()
{
    MainFrm &f = *m_frm;
    const QImage window = f.grab().toImage();
    // Each button shows its stored face, 10 steps lighter than &H00E7E6D8&, over the pictures.
    for (const GButton *button : {f.cmdSearch, f.cmdShowAll, f.cmdExit}) {
        const QPoint face = button->geometry().topLeft() + QPoint(5, 4);
        QCOMPARE(QColor(window.pixel(face)), QColor(226, 240, 241));
        QCOMPARE(button->Caption().isEmpty(), false);
    }
    // The card's eleven lines fit its label in the window font.
    f.cmdShowAll_Click();
    QVERIFY(11 * f.lblDescription->fontMetrics().lineSpacing() <= f.lblDescription->height());
}

void TestLayout::pictureOfManyColoursStretched()
{
    // A 3 x 2 picture over 150 x 4 pixels: every source pixel becomes a 50 x 2 block.
    const QRgb colours[2][3] = {{0xFF0000FF, 0xFF00FF00, 0xFFFF0000},
                                {0xFF000000, 0xFFFFFFFF, 0xFF808080}};
    const QImage picture(reinterpret_cast<const uchar *>(colours), 3, 2, 12, QImage::Format_RGB32);
    Image image;
    image.setPicture(QPixmap::fromImage(picture));
    image.setDesignedGeometry(QRectF(0, 0, 2250, 60));
    QImage shown(150, 4, QImage::Format_RGB32);
    QPainter painter(&shown);
    image.paint(painter, nullptr);
    painter.end();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 150; ++x)
            QCOMPARE(shown.pixel(x, y), colours[y / 2][x / 50]);
}

ORVANE_TEST(TestLayout)
#include "tst_layout.moc"
