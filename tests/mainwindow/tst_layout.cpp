#include "design.h"
#include "fonts.h"
#include "gbutton.h"
#include "mainfrm.h"
#include "twips.h"

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
    void initTestCase() { Fonts::installSubstitutions(); }
    void init() { m_frm = std::make_unique<MainFrm>(); }
    void cleanup() { m_frm.reset(); }

    void window();
    void fixedPlaces_data();
    void fixedPlaces();
    void selfSizingLabelsGrowLeftward();
    void tabOrderAndFirstFocus();

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
    for (const Label *label : f.findChildren<Label *>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
