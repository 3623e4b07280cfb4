#include "ambient.h"
#include "gbutton.h"
#include "propertybag.h"
#include "sharedtimer.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <set>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

using State = GButton::ButtonState;

// Pixels the button never paints: outside its mask they keep this.
const QColor Untouched(255, 0, 255);

QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

QColor pixel(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

QImage render(QWidget &widget, qreal ratio = 1)
{
    QImage image(widget.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Untouched);
    widget.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// The smallest rectangle holding the pixels inside the bevel that differ from the face colour.
QRect ink(const QImage &image)
{
    const QColor face = pixel(image, image.width() / 2, 3);
    QRect box;
    for (int y = 3; y < image.height() - 4; ++y) {
        for (int x = 3; x < image.width() - 4; ++x) {
            if (pixel(image, x, y) != face)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A shown window holding one button, ready to be driven.
struct Scene
{
    explicit Scene(QSize buttonSize = QSize(60, 20))
    {
        window.setGeometry(100, 100, 240, 120);
        button = new GButton(&window);
        button->InitProperties();
        button->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        button->setGeometry(QRect(QPoint(20, 30), buttonSize));
        window.show();
    }
    QPoint global(QPoint inButton) const { return button->mapToGlobal(inButton); }
    QPoint inWindow(QPoint inButton) const { return button->mapTo(&window, inButton); }
    QPoint centre() const { return button->rect().center(); }
    SharedTimer *timer() const { return button->findChild<SharedTimer *>(QStringLiteral("tmr")); }
    // Moves the cursor as the window system reports it: the window sees a move there.
    void pointTo(QPoint inButton)
    {
        QCursor::setPos(global(inButton));
        QTest::mouseMove(window.windowHandle(), inWindow(inButton) + QPoint(1, 0));
        QTest::mouseMove(window.windowHandle(), inWindow(inButton));
    }

    QWidget window;
    GButton *button;
};

// Records the events a container sees, in order.
struct EventLog
{
    explicit EventLog(GButton *button)
    {
        QObject::connect(button, &GButton::Click, button,
                         [this] { entries << QStringLiteral("Click"); });
        QObject::connect(button, &GButton::MouseDown, button,
                         [this](qint16 &b, qint16 &, float &x, float &y) {
                             entries << QStringLiteral("MouseDown %1").arg(b);
                             downs << QPointF(x, y);
                         });
        QObject::connect(button, &GButton::MouseUp, button,
                         [this](qint16 &b, qint16 &, float &, float &) {
                             entries << QStringLiteral("MouseUp %1").arg(b);
                         });
        QObject::connect(button, &GButton::KeyDown, button, [this](qint16 &code, qint16 &shift) {
            entries << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
        });
        QObject::connect(button, &GButton::KeyPress, button, [this](qint16 &ascii) {
            entries << QStringLiteral("KeyPress %1").arg(ascii);
        });
        QObject::connect(button, &GButton::KeyUp, button, [this](qint16 &code, qint16 &shift) {
            entries << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
        });
    }
    int count(QStringView prefix) const
    {
        return int(std::count_if(entries.begin(), entries.end(),
                                 [prefix](const QString &e) { return e.startsWith(prefix); }));
    }
    QStringList entries;
    QList<QPointF> downs;
};

// The state each tick of a button's timer leaves behind, in order.
struct TickLog
{
    explicit TickLog(GButton *button)
    {
        // Connected after the button's own handler, so it sees what the tick did.
        QObject::connect(button->findChild<SharedTimer *>(QStringLiteral("tmr")),
                         &SharedTimer::timeout, button,
                         [this, button] { states << button->buttonState(); });
    }
    QList<State> states;
};

QFont designFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

QPixmap picture()
{
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::green);
    return pixmap;
}

} // namespace

class TestGButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    // Painting
    void faceBevelAndOutline_data();
    void faceBevelAndOutline();
    void cornersLieOutsideTheMask();
    void pressedCaptionMovesOneRightAndDown();
    void disabledCaptionIsEmbossed();
    void ampersandUnderlinesTheNextCharacter();
    void doubledAmpersandShowsOne();
    void captionIsCentred_data();
    void captionIsCentred();
    void wrappedMeasureStillDrawsOneLine();
    void foreColorRepaintsOnceAndOutlineStaysBlack();
    void focusColorChangesNothingOnScreen();
    void smallSurfaces_data();
    void smallSurfaces();
    void doubleRatioKeepsEveryPixel_data();
    void doubleRatioKeepsEveryPixel();

    // Properties and persistence
    void newButtonDefaults();
    void bagKeepsWhatTheButtonDoesNotOwn();
    void loadsUnderAnyCase_data();
    void loadsUnderAnyCase();
    void loadsTheStoredDesign();
    void savingLeavesDefaultsOut_data();
    void savingLeavesDefaultsOut();
    void loadFailsAtTheBadKey_data();
    void loadFailsAtTheBadKey();
    void loadNotifiesMouseIconOnly_data();
    void loadNotifiesMouseIconOnly();
    void settersNotifyAndRepaint_data();
    void settersNotifyAndRepaint();
    void mousePointer_data();
    void mousePointer();

    // Interaction
    void releaseClicksOnlyOverTheButton_data();
    void releaseClicksOnlyOverTheButton();
    void pressedLookComesBeforeMouseDown();
    void timerFollowsTheCursor();
    void doubleClickGivesTwoClicks();
    void rightPressStopsTheTimer();
    void designModeChangesNothing();
    void keys_data();
    void keys();
    void keyDownHandlerDecidesTheClick_data();
    void keyDownHandlerDecidesTheClick();
    void heldEnterClicksOnEveryRepeat();
    void disabledButtonNeverHovers();
    void restingCursorLetsTheTimerSleep();
    void restingCursorFollowsChanges_data();
    void restingCursorFollowsChanges();
    void releaseUnderARestingCursor_data();
    void releaseUnderARestingCursor();
    void runModeReturnsUnderARestingCursor();
    void focus();
    void setFocusFails_data();
    void setFocusFails();
    void accessibility();
};

void TestGButton::initTestCase()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Active, QPalette::Button, rgb(200, 100, 50));
    palette.setColor(QPalette::Active, QPalette::ButtonText, rgb(0, 0, 128));
    palette.setColor(QPalette::Active, QPalette::Light, rgb(255, 255, 255));
    palette.setColor(QPalette::Active, QPalette::Dark, rgb(128, 128, 128));
    QApplication::setPalette(palette);
}

void TestGButton::cleanup()
{
    Ambient::setUserMode(true);
}

// Painting ---------------------------------------------------------------------------------------

void TestGButton::faceBevelAndOutline_data()
{
    QTest::addColumn<quint32>("backColor");
    QTest::addColumn<State>("state");
    QTest::addColumn<QColor>("back"); // resolved, unshaded
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("topLeftOuter");
    QTest::addColumn<QColor>("topLeftInner");
    QTest::addColumn<QColor>("bottomRightOuter");
    QTest::addColumn<QColor>("bottomRightInner");

    const QColor window = rgb(216, 230, 231);
    QTest::newRow("window face normal")
        << 0x00E7E6D8u << GButton::StateNormal << window << rgb(226, 240, 241) << rgb(236, 250, 251)
        << rgb(231, 245, 246) << rgb(166, 180, 181) << rgb(171, 185, 186);
    QTest::newRow("window face hover")
        << 0x00E7E6D8u << GButton::StateHover << window << rgb(226, 240, 241) << rgb(236, 250, 251)
        << rgb(231, 245, 246) << rgb(166, 180, 181) << rgb(171, 185, 186);
    QTest::newRow("window face pressed")
        << 0x00E7E6D8u << GButton::StatePressed << window << rgb(196, 210, 211)
        << rgb(171, 185, 186) << rgb(184, 198, 199) << rgb(206, 220, 221) << rgb(201, 215, 216);
    QTest::newRow("white stops at 255")
        << 0x00FFFFFFu << GButton::StateNormal << rgb(255, 255, 255) << rgb(255, 255, 255)
        << rgb(255, 255, 255) << rgb(255, 255, 255) << rgb(195, 195, 195) << rgb(200, 200, 200);
    QTest::newRow("black pressed stops at 0")
        << 0x00000000u << GButton::StatePressed << rgb(0, 0, 0) << rgb(0, 0, 0) << rgb(0, 0, 0)
        << rgb(0, 0, 0) << rgb(10, 10, 10) << rgb(5, 5, 5);
    QTest::newRow("black normal, dark lines stop at 0")
        << 0x00000000u << GButton::StateNormal << rgb(0, 0, 0) << rgb(10, 10, 10) << rgb(20, 20, 20)
        << rgb(15, 15, 15) << rgb(0, 0, 0) << rgb(0, 0, 0);
    // Red in the low byte, blue in the high one.
    QTest::newRow("channel order")
        << 0x00805020u << GButton::StateNormal << rgb(0x20, 0x50, 0x80) << rgb(42, 90, 138)
        << rgb(52, 100, 148) << rgb(47, 95, 143) << rgb(0, 30, 78) << rgb(0, 35, 83);
    QTest::newRow("system button face from the palette")
        << 0x8000000Fu << GButton::StateNormal << rgb(200, 100, 50) << rgb(210, 110, 60)
        << rgb(220, 120, 70) << rgb(215, 115, 65) << rgb(150, 50, 0) << rgb(155, 55, 5);
}

void TestGButton::faceBevelAndOutline()
{
    QFETCH(quint32, backColor);
    QFETCH(State, state);
    QFETCH(QColor, back);
    QFETCH(QColor, face);
    QFETCH(QColor, topLeftOuter);
    QFETCH(QColor, topLeftInner);
    QFETCH(QColor, bottomRightOuter);
    QFETCH(QColor, bottomRightInner);

    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    button.setBackColor(backColor);
    if (state != GButton::StateNormal)
        QTest::mousePress(&button, Qt::LeftButton, {}, scene.centre());
    if (state == GButton::StateHover)
        QTest::mouseRelease(&button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(button.buttonState(), state);

    const QImage image = render(button);
    const int W = button.width() - 1;  // last column
    const int H = button.height() - 1; // last row
    const int mx = W / 2;
    const int my = H / 2;
    QCOMPARE(pixel(image, mx, my), face);
    QCOMPARE(pixel(image, 1, 1), face);
    QCOMPARE(pixel(image, mx, 1), topLeftOuter);
    QCOMPARE(pixel(image, 1, my), topLeftOuter);
    QCOMPARE(pixel(image, mx, 2), topLeftInner);
    QCOMPARE(pixel(image, 2, my), topLeftInner);
    QCOMPARE(pixel(image, mx, H - 2), bottomRightOuter);
    QCOMPARE(pixel(image, W - 2, my), bottomRightOuter);
    QCOMPARE(pixel(image, mx, H - 3), bottomRightInner);
    QCOMPARE(pixel(image, W - 3, my), bottomRightInner);
    // The bevel lines stop short of their end points.
    QCOMPARE(pixel(image, W - 2, 1), face);
    QCOMPARE(pixel(image, 1, H - 2), face);
    // The outline is black and one pixel short of the right and bottom edges, which show the
    // unshaded face colour.
    for (const QPoint p : {QPoint(mx, 0), QPoint(0, my), QPoint(mx, H - 1), QPoint(W - 1, my),
                           QPoint(1, 0), QPoint(0, 1)})
        QCOMPARE(pixel(image, p.x(), p.y()), rgb(0, 0, 0));
    QCOMPARE(pixel(image, W, my), back);
    QCOMPARE(pixel(image, mx, H), back);
}

void TestGButton::cornersLieOutsideTheMask()
{
    Scene scene(QSize(50, 20));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setBackColor(0x00E7E6D8);
    const QImage image = render(*scene.button);
    for (const QPoint p : {QPoint(0, 0), QPoint(49, 0), QPoint(0, 19), QPoint(49, 19)})
        QCOMPARE(pixel(image, p.x(), p.y()), Untouched);
    // Their neighbours belong to the button.
    QCOMPARE(pixel(image, 48, 0), rgb(216, 230, 231));
    QCOMPARE(pixel(image, 49, 1), rgb(216, 230, 231));
    QCOMPARE(pixel(image, 1, 19), rgb(216, 230, 231));
    QVERIFY(!scene.button->mask().contains(QPoint(0, 0)));
    QVERIFY(scene.button->mask().contains(QPoint(1, 0)));

    // The mask follows every resize.
    scene.button->resize(30, 10);
    QVERIFY(!scene.button->mask().contains(QPoint(29, 9)));
    QVERIFY(scene.button->mask().contains(QPoint(28, 9)));
    QCOMPARE(scene.button->mask().boundingRect(), QRect(0, 0, 30, 10));
}

void TestGButton::pressedCaptionMovesOneRightAndDown()
{
    Scene scene(QSize(80, 30));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setCaption(QStringLiteral("Hg"));
    const QRect normal = ink(render(*scene.button));
    QVERIFY(!normal.isEmpty());
    QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    const QRect pressed = ink(render(*scene.button));
    QCOMPARE(pressed, normal.translated(1, 1));
}

void TestGButton::disabledCaptionIsEmbossed()
{
    Scene scene(QSize(80, 30));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    QFont bold(QStringLiteral("DejaVu Sans"), 12, QFont::Black);
    button.setFont(bold);
    button.setForeColor(0x00FF0000); // pure blue
    button.setCaption(QStringLiteral("HH"));
    const QImage enabled = render(button);
    button.setEnabled(false);
    const QImage disabled = render(button);

    const auto hasColour = [](const QImage &image, const QColor &colour) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (pixel(image, x, y) == colour)
                    return true;
            }
        }
        return false;
    };
    QVERIFY(hasColour(enabled, rgb(0, 0, 255)));
    QVERIFY(!hasColour(disabled, rgb(0, 0, 255)));
    // Dark over light: both the palette's dark and light show.
    QVERIFY(hasColour(disabled, rgb(128, 128, 128)));
    QVERIFY(hasColour(disabled, rgb(255, 255, 255)));
    // Face, bevel and outline stay as they were.
    const QRect caption = ink(enabled).adjusted(0, 0, 1, 1);
    for (int y = 0; y < enabled.height(); ++y) {
        for (int x = 0; x < enabled.width(); ++x) {
            if (!caption.contains(x, y))
                QCOMPARE(pixel(disabled, x, y), pixel(enabled, x, y));
        }
    }
}

void TestGButton::ampersandUnderlinesTheNextCharacter()
{
    Scene scene(QSize(80, 30));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setCaption(QStringLiteral("A"));
    const QImage plain = render(*scene.button);
    scene.button->setCaption(QStringLiteral("&A"));
    const QImage marked = render(*scene.button);

    // Same place, same glyph; only an underline is added.
    std::set<int> rows;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (pixel(plain, x, y) != pixel(marked, x, y))
                rows.insert(y);
        }
    }
    QVERIFY(!rows.empty());
    QVERIFY(rows.size() <= 2);
    QVERIFY(*rows.begin() > ink(plain).top() + ink(plain).height() / 2);
}

void TestGButton::doubledAmpersandShowsOne()
{
    Scene scene(QSize(80, 30));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setCaption(QStringLiteral("&&"));
    const int width = ink(render(*scene.button)).width();
    const QFontMetrics metrics(scene.button->Font());
    const int one = metrics.tightBoundingRect(QStringLiteral("&")).width();
    const int two = metrics.tightBoundingRect(QStringLiteral("&&")).width();
    QVERIFY2(qAbs(width - one) <= 2, qPrintable(QStringLiteral("%1 vs %2").arg(width).arg(one)));
    QVERIFY(width < two - 2);
}

void TestGButton::captionIsCentred_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("short") << "Fe" << QSize(80, 30);
    QTest::newRow("wide button") << "Fe" << QSize(200, 30);
    QTest::newRow("tall button") << "Fe" << QSize(80, 60);
    QTest::newRow("Arabic") << QStringLiteral("عـرض الكـل") << QSize(100, 30);
}

void TestGButton::captionIsCentred()
{
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    Scene scene(size);
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setCaption(caption);
    const QRect box = ink(render(*scene.button));
    QVERIFY(!box.isEmpty());
    // Centred between the outline's inner edges, give or take the glyphs' own side bearings.
    const QRect inside(1, 1, size.width() - 3, size.height() - 3);
    QVERIFY2(qAbs(box.center().x() - inside.center().x()) <= 2,
             qPrintable(QStringLiteral("%1 vs %2").arg(box.center().x()).arg(inside.center().x())));
    QVERIFY2(qAbs(box.center().y() - inside.center().y()) <= 3,
             qPrintable(QStringLiteral("%1 vs %2").arg(box.center().y()).arg(inside.center().y())));
}

void TestGButton::wrappedMeasureStillDrawsOneLine()
{
    // Too long for the narrow button, the caption is measured as two lines and so placed half
    // a line higher, but it is drawn as one line all the same.
    Scene wide(QSize(200, 60));
    Scene narrow(QSize(44, 60)); // room for one "Iron" a line
    QVERIFY(QTest::qWaitForWindowExposed(&narrow.window));
    for (Scene *s : {&wide, &narrow})
        s->button->setCaption(QStringLiteral("Iron Iron"));
    const QRect oneLine = ink(render(*wide.button));
    const QRect wrapped = ink(render(*narrow.button));
    QCOMPARE(wrapped.height(), oneLine.height());
    const int halfLine = QFontMetrics(narrow.button->Font()).height() / 2;
    QVERIFY2(qAbs(oneLine.top() - wrapped.top() - halfLine) <= 1,
             qPrintable(QStringLiteral("%1 - %2").arg(oneLine.top()).arg(wrapped.top())));
}

void TestGButton::foreColorRepaintsOnceAndOutlineStaysBlack()
{
    Scene scene(QSize(80, 30));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    button.setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Black));
    button.setCaption(QStringLiteral("H"));
    QCoreApplication::processEvents();
    PaintCounter paints(&button);
    QSignalSpy changed(&button, &GButton::PropertyChanged);

    button.setForeColor(0x000000FF); // pure red
    QCOMPARE(paints.count, 1);
    // The setter's own notice, then the paint's two switches of the pen through the property.
    QCOMPARE(changed.count(), 3);
    for (const QList<QVariant> &args : changed)
        QCOMPARE(args.at(0).toString(), QStringLiteral("ForeColor"));
    QCOMPARE(button.ForeColor(), 0x000000FFu);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 1);

    const QImage image = render(button);
    const QRect caption = ink(image);
    QCOMPARE(pixel(image, caption.center().x(), caption.center().y()), rgb(255, 0, 0));
    QCOMPARE(pixel(image, 40, 0), rgb(0, 0, 0));
}

void TestGButton::focusColorChangesNothingOnScreen()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setCaption(QStringLiteral("Fe"));
    const QImage before = render(*scene.button);
    PaintCounter paints(scene.button);
    scene.button->setFocusColor(0x0000FF00);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);
    QCOMPARE(render(*scene.button), before);
    QCOMPARE(scene.button->FocusColor(), 0x0000FF00u);
}

void TestGButton::smallSurfaces_data()
{
    QTest::addColumn<QSize>("size");
    for (const QSize s :
         {QSize(1, 1), QSize(2, 1), QSize(1, 2), QSize(2, 2), QSize(5, 2), QSize(40, 2),
          QSize(40, 1), QSize(3, 3), QSize(4, 4), QSize(2, 40), QSize(7, 5)})
        QTest::addRow("%dx%d", s.width(), s.height()) << s;
}

void TestGButton::smallSurfaces()
{
    QFETCH(QSize, size);
    Scene scene(size);
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setBackColor(0x00E7E6D8);
    const QImage image = render(*scene.button);

    // Only the button's own colours appear, and no face row below three pixels of height.
    const std::set<QRgb> own = {Untouched.rgb(),     qRgb(216, 230, 231), qRgb(226, 240, 241),
                                qRgb(236, 250, 251), qRgb(231, 245, 246), qRgb(166, 180, 181),
                                qRgb(171, 185, 186), qRgb(0, 0, 0)};
    bool faceSeen = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY2(own.count(p), qPrintable(QColor(p).name()));
            faceSeen |= p == qRgb(226, 240, 241);
        }
    }
    if (size.height() <= 2)
        QVERIFY(!faceSeen);
}

void TestGButton::doubleRatioKeepsEveryPixel_data()
{
    QTest::addColumn<bool>("pressed");
    QTest::newRow("normal") << false;
    QTest::newRow("pressed") << true;
}

void TestGButton::doubleRatioKeepsEveryPixel()
{
    QFETCH(bool, pressed);
    Scene scene(QSize(40, 16));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setBackColor(0x00E7E6D8);
    if (pressed)
        QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    const QImage single = render(*scene.button, 1);
    const QImage twice = render(*scene.button, 2);
    QCOMPARE(twice.size(), single.size() * 2);
    // Every logical pixel becomes a 2 x 2 block of the same colour: no blur, same proportions.
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x) {
            const QRgb p = single.pixel(x, y);
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                QCOMPARE(QColor(twice.pixel(2 * x + d.x(), 2 * y + d.y())), QColor(p));
        }
    }
}

// Properties and persistence ---------------------------------------------------------------------

void TestGButton::newButtonDefaults()
{
    QWidget container;
    container.setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
    GButton button(&container);
    QSignalSpy changed(&button, &GButton::PropertyChanged);
    button.InitProperties();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(button.FocusColor(), 0x00FF0000u);
    QCOMPARE(button.Caption(), QString());
    QCOMPARE(button.BackColor(), 0x8000000Fu);
    QCOMPARE(button.ForeColor(), 0x80000012u);
    QCOMPARE(button.Enabled(), true);
    QCOMPARE(button.Font(), container.font());
    QVERIFY(button.MouseIcon().isNull());
    QCOMPARE(button.MousePointer(), 0);
    QCOMPARE(button.buttonState(), GButton::StateNormal);

    PropertyBag bag;
    button.WriteProperties(bag);
    QVERIFY2(bag.entries().isEmpty(), qPrintable(bag.entries().value(0).first));
}

void TestGButton::bagKeepsWhatTheButtonDoesNotOwn()
{
    PropertyBag bag{{QStringLiteral("_extentx"), 2275},
                    {QStringLiteral("_extenty"), 661},
                    {QStringLiteral("caption"), QStringLiteral("old")}};
    QCOMPARE(bag.ReadProperty(QStringLiteral("_ExtentX")), QVariant(2275));
    QCOMPARE(bag.ReadProperty(QStringLiteral("missing"), 7), QVariant(7));

    GButton button;
    button.ReadProperties(bag);
    button.setCaption(QStringLiteral("new"));
    button.WriteProperties(bag);
    // The container's own entries stay; the caption is replaced in place, under its stored name.
    QCOMPARE(bag.entries().size(), 3);
    QCOMPARE(bag.entries().at(0), PropertyBag::Entry(QStringLiteral("_extentx"), 2275));
    QCOMPARE(bag.entries().at(1), PropertyBag::Entry(QStringLiteral("_extenty"), 661));
    QCOMPARE(bag.entries().at(2),
             PropertyBag::Entry(QStringLiteral("caption"), QStringLiteral("new")));
}

void TestGButton::loadsUnderAnyCase_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("stored lower case") << "caption";
    QTest::newRow("upper case") << "CAPTION";
    QTest::newRow("as the button names it") << "Caption";
    QTest::newRow("mixed") << "cApTiOn";
}

void TestGButton::loadsUnderAnyCase()
{
    QFETCH(QString, key);
    GButton button;
    button.ReadProperties(PropertyBag{{key, QStringLiteral("بـحـــث")}});
    QCOMPARE(button.Caption(), QStringLiteral("بـحـــث"));
    // The seven others take their defaults.
    QCOMPARE(button.BackColor(), 0x8000000Fu);
    QCOMPARE(button.ForeColor(), 0x80000012u);
    QCOMPARE(button.Enabled(), true);
    QCOMPARE(button.Font(), QApplication::font());
    QVERIFY(button.MouseIcon().isNull());
    QCOMPARE(button.MousePointer(), 0);
    QCOMPARE(button.FocusColor(), 0x00FF0000u);
}

void TestGButton::loadsTheStoredDesign()
{
    GButton button;
    const PropertyBag stored{
        {QStringLiteral("_extentx"), 1958},
        {QStringLiteral("_extenty"), 661},
        {QStringLiteral("backcolor"), 0x00E7E6D8},
        {QStringLiteral("forecolor"), 0x00404040},
        {QStringLiteral("font"), designFont()},
        {QStringLiteral("caption"), QStringLiteral("بـحـــث")},
        {QStringLiteral("focuscolor"), 0x00FFFFFF},
    };
    button.ReadProperties(stored);
    QCOMPARE(button.BackColor(), 0x00E7E6D8u);
    QCOMPARE(button.ForeColor(), 0x00404040u);
    QCOMPARE(button.Font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(button.Font().pointSizeF(), 8.25);
    QCOMPARE(button.FocusColor(), 0x00FFFFFFu);

    // Saved again, the same values come back under the button's own names, and only those.
    PropertyBag saved;
    button.WriteProperties(saved);
    QStringList keys;
    for (const PropertyBag::Entry &e : saved.entries())
        keys << e.first;
    QCOMPARE(keys, (QStringList{u"BackColor"_s, u"ForeColor"_s, u"Font"_s, u"Caption"_s,
                                u"FocusColor"_s}));
    GButton copy;
    copy.ReadProperties(saved);
    QCOMPARE(copy.BackColor(), button.BackColor());
    QCOMPARE(copy.Font(), button.Font());
    QCOMPARE(copy.Caption(), button.Caption());
    QCOMPARE(copy.FocusColor(), button.FocusColor());

    // Colours stored as signed 32-bit numbers load as the same bit pattern.
    copy.ReadProperties(PropertyBag{{QStringLiteral("backcolor"), qint32(-2147483633)}});
    QCOMPARE(copy.BackColor(), 0x8000000Fu);
}

void TestGButton::savingLeavesDefaultsOut_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : {"BackColor", "ForeColor", "Enabled", "Font", "Caption", "MouseIcon",
                            "MousePointer", "FocusColor"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestGButton::savingLeavesDefaultsOut()
{
    QFETCH(QString, key);
    GButton button;
    button.InitProperties();
    const auto set = [&](bool changed) {
        if (key == u"BackColor")
            button.setBackColor(changed ? 0x123456 : 0x8000000F);
        else if (key == u"ForeColor")
            button.setForeColor(changed ? 0x123456 : 0x80000012);
        else if (key == u"Enabled")
            button.setEnabled(!changed);
        else if (key == u"Font")
            button.setFont(changed ? QFont(QStringLiteral("DejaVu Serif"), 20)
                                   : QApplication::font());
        else if (key == u"Caption")
            button.setCaption(changed ? QStringLiteral("x") : QString());
        else if (key == u"MouseIcon")
            button.setMouseIcon(changed ? picture() : QPixmap());
        else if (key == u"MousePointer")
            button.setMousePointer(changed ? 11 : 0);
        else if (key == u"FocusColor")
            button.setFocusColor(changed ? 0x123456 : 0x00FF0000);
    };

    PropertyBag bag;
    set(true);
    button.WriteProperties(bag);
    QCOMPARE(bag.entries().size(), 1);
    QCOMPARE(bag.entries().first().first, key);

    // Back at its default, a second save into the same bag takes the old entry away.
    set(false);
    button.WriteProperties(bag);
    QVERIFY(bag.entries().isEmpty());
}

void TestGButton::loadFailsAtTheBadKey_data()
{
    QTest::addColumn<int>("bad"); // index of the key that holds a wrong value
    QTest::addColumn<QVariant>("value");
    QTest::newRow("BackColor text") << 0 << QVariant(QStringLiteral("blue"));
    QTest::newRow("ForeColor font") << 1 << QVariant(QFont());
    QTest::newRow("Enabled text") << 2 << QVariant(QStringLiteral("maybe"));
    QTest::newRow("Font text") << 3 << QVariant(QStringLiteral("DejaVu Sans"));
    QTest::newRow("Caption font") << 4 << QVariant(QFont());
    QTest::newRow("MouseIcon number") << 5 << QVariant(5);
    QTest::newRow("MousePointer beyond 16 bits") << 6 << QVariant(40000);
    QTest::newRow("FocusColor text") << 7 << QVariant(QStringLiteral("x"));
}

void TestGButton::loadFailsAtTheBadKey()
{
    QFETCH(int, bad);
    QFETCH(QVariant, value);

    const QStringList keys{u"backcolor"_s, u"forecolor"_s, u"enabled"_s,      u"font"_s,
                           u"caption"_s,   u"mouseicon"_s, u"mousepointer"_s, u"focuscolor"_s};
    const QList<QVariant> good{0x111111,
                               0x222222,
                               false,
                               QFont(QStringLiteral("DejaVu Serif"), 15),
                               QStringLiteral("stored"),
                               picture(),
                               11,
                               0x333333};
    PropertyBag bag;
    for (int i = 0; i < keys.size(); ++i)
        bag.WriteProperty(keys[i], i == bad ? value : good[i]);

    GButton button;
    button.InitProperties();
    QSignalSpy changed(&button, &GButton::PropertyChanged);
    try {
        button.ReadProperties(bag);
        QFAIL("the load went through");
    } catch (const PropertyTypeError &error) {
        QCOMPARE(error.name().toLower(), keys[bad]);
    }

    const QList<bool> loaded{
        button.BackColor() == 0x111111,
        button.ForeColor() == 0x222222,
        !button.Enabled(),
        button.Font().pointSize() == 15,
        button.Caption() == u"stored",
        !button.MouseIcon().isNull(),
        button.MousePointer() == 11,
        button.FocusColor() == 0x333333,
    };
    for (int i = 0; i < keys.size(); ++i)
        QVERIFY2(loaded[i] == (i < bad), qPrintable(keys[i]));
    QCOMPARE(changed.count(), bad > 5 ? 1 : 0);
}

void TestGButton::loadNotifiesMouseIconOnly_data()
{
    QTest::addColumn<bool>("withIcon");
    QTest::newRow("bag without an icon") << false;
    QTest::newRow("bag with an icon") << true;
}

void TestGButton::loadNotifiesMouseIconOnly()
{
    QFETCH(bool, withIcon);
    PropertyBag bag{{QStringLiteral("caption"), QStringLiteral("x")},
                    {QStringLiteral("backcolor"), 0x10}};
    if (withIcon)
        bag.WriteProperty(QStringLiteral("mouseicon"), picture());
    GButton button;
    PaintCounter paints(&button);
    QSignalSpy changed(&button, &GButton::PropertyChanged);
    button.ReadProperties(bag);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("MouseIcon"));
    QCOMPARE(button.MouseIcon().isNull(), !withIcon);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, 0);
}

void TestGButton::settersNotifyAndRepaint_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("BackColor") << "BackColor" << true;
    QTest::newRow("ForeColor") << "ForeColor" << true;
    QTest::newRow("Enabled") << "Enabled" << true;
    QTest::newRow("Font") << "Font" << true;
    QTest::newRow("Caption") << "Caption" << true;
    QTest::newRow("MouseIcon") << "MouseIcon" << false;
    QTest::newRow("MousePointer") << "MousePointer" << false;
    QTest::newRow("FocusColor") << "FocusColor" << false;
}

void TestGButton::settersNotifyAndRepaint()
{
    QFETCH(QString, key);
    QFETCH(bool, repaints);
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    QCoreApplication::processEvents();
    PaintCounter paints(&button);
    QSignalSpy changed(&button, &GButton::PropertyChanged);

    if (key == u"BackColor")
        button.setBackColor(0x123456);
    else if (key == u"ForeColor")
        button.setForeColor(0x123456);
    else if (key == u"Enabled")
        button.setEnabled(false);
    else if (key == u"Font")
        button.setFont(QFont(QStringLiteral("DejaVu Serif"), 20));
    else if (key == u"Caption")
        button.setCaption(QStringLiteral("x"));
    else if (key == u"MouseIcon")
        button.setMouseIcon(picture());
    else if (key == u"MousePointer")
        button.setMousePointer(3);
    else if (key == u"FocusColor")
        button.setFocusColor(0x123456);

    // The setter's notice; any others come from paints, which switch the pen through ForeColor.
    QStringList names;
    for (const QList<QVariant> &args : changed)
        names << args.at(0).toString();
    QVERIFY(names.contains(key));
    QCOMPARE(names.count(key), key == u"ForeColor" ? names.size() : 1);
    QCOMPARE(names.size() - 1, 2 * paints.count);
    // The setter repaints at once, not at the next turn of the event loop.
    QCOMPARE(paints.count > 0, repaints);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count > 0, repaints);
}

void TestGButton::mousePointer_data()
{
    QTest::addColumn<qint32>("pointer");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<int>("shape"); // -1: the default
    QTest::newRow("0 default") << 0 << false << -1;
    QTest::newRow("11 hourglass") << 11 << false << int(Qt::WaitCursor);
    QTest::newRow("3 I-beam") << 3 << false << int(Qt::IBeamCursor);
    QTest::newRow("99 the icon") << 99 << false << int(Qt::BitmapCursor);
    QTest::newRow("largest 16-bit") << 32767 << false << -1;
    QTest::newRow("smallest 16-bit") << -32768 << false << -1;
    QTest::newRow("one past 16 bits") << 32768 << true << int(Qt::WaitCursor);
    QTest::newRow("one below 16 bits") << -32769 << true << int(Qt::WaitCursor);
}

void TestGButton::mousePointer()
{
    QFETCH(qint32, pointer);
    QFETCH(bool, fails);
    QFETCH(int, shape);

    QWidget container;
    GButton button(&container);
    button.setMouseIcon(picture());
    button.setMousePointer(11);
    QSignalSpy changed(&button, &GButton::PropertyChanged);
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, button.setMousePointer(pointer));
        // Nothing stored, nothing announced.
        QCOMPARE(button.MousePointer(), 11);
        QCOMPARE(changed.count(), 0);
    } else {
        button.setMousePointer(pointer);
        QCOMPARE(button.MousePointer(), pointer);
        QCOMPARE(changed.count(), 1);
    }
    QCOMPARE(button.testAttribute(Qt::WA_SetCursor), shape >= 0);
    if (shape >= 0)
        QCOMPARE(int(button.cursor().shape()), shape);
}

// Interaction ------------------------------------------------------------------------------------

void TestGButton::releaseClicksOnlyOverTheButton_data()
{
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<QPoint>("cursorAtRelease"); // in the button
    QTest::addColumn<bool>("clicks");
    QTest::newRow("left over the button") << Qt::LeftButton << QPoint(30, 10) << true;
    QTest::newRow("left next to the button") << Qt::LeftButton << QPoint(-5, 10) << false;
    QTest::newRow("left in a cut-off corner") << Qt::LeftButton << QPoint(0, 0) << false;
    QTest::newRow("left on the last column") << Qt::LeftButton << QPoint(59, 10) << true;
    QTest::newRow("right over the button") << Qt::RightButton << QPoint(30, 10) << false;
    QTest::newRow("middle over the button") << Qt::MiddleButton << QPoint(30, 10) << false;
}

void TestGButton::releaseClicksOnlyOverTheButton()
{
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(QPoint, cursorAtRelease);
    QFETCH(bool, clicks);

    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    EventLog log(scene.button);
    // The release is reported over the button; where the cursor really is decides.
    QTest::mousePress(scene.button, mouseButton, {}, scene.centre());
    QCursor::setPos(scene.global(cursorAtRelease));
    QTest::mouseRelease(scene.button, mouseButton, {}, scene.centre());

    const int code = mouseButton == Qt::LeftButton ? 1 : mouseButton == Qt::RightButton ? 2 : 4;
    QStringList expected{QStringLiteral("MouseDown %1").arg(code),
                         QStringLiteral("MouseUp %1").arg(code)};
    if (clicks)
        expected << QStringLiteral("Click");
    QCOMPARE(log.entries, expected);
    QCOMPARE(log.downs.value(0), QPointF(scene.centre()));
    QCOMPARE(scene.button->buttonState(), GButton::StateHover);
    QVERIFY(scene.timer()->isActive());
}

void TestGButton::pressedLookComesBeforeMouseDown()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    QCoreApplication::processEvents();
    PaintCounter paints(scene.button);
    int paintsSeen = -1;
    State stateSeen = GButton::StateNormal;
    connect(scene.button, &GButton::MouseDown, scene.button,
            [&](qint16 &, qint16 &, float &, float &) {
                paintsSeen = paints.count;
                stateSeen = scene.button->buttonState();
            });
    QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(stateSeen, GButton::StatePressed);
    QVERIFY(paintsSeen >= 1);
}

void TestGButton::timerFollowsTheCursor()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    QVERIFY(scene.timer()->isActive());
    QCOMPARE(scene.timer()->interval(), 20);

    scene.pointTo(scene.centre());
    QTRY_COMPARE(scene.button->buttonState(), GButton::StateHover);

    // Released outside: hover at once, no click, and the next tick finds the cursor away.
    EventLog log(scene.button);
    QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    QVERIFY(!scene.timer()->isActive());
    scene.pointTo(QPoint(-10, 5));
    QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(log.count(u"Click"), 0);
    QCOMPARE(log.count(u"MouseUp"), 1);
    QCOMPARE(scene.button->buttonState(), GButton::StateHover);
    QTRY_COMPARE(scene.button->buttonState(), GButton::StateNormal);

    // A cut-off corner is not the button.
    scene.pointTo(QPoint(0, 0));
    QSignalSpy ticks(scene.timer(), &SharedTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 2);
    QCOMPARE(scene.button->buttonState(), GButton::StateNormal);
}

void TestGButton::doubleClickGivesTwoClicks()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    EventLog log(scene.button);
    QWidget *grabberAtSecondDown = nullptr;
    connect(scene.button, &GButton::MouseDown, scene.button,
            [&](qint16 &, qint16 &, float &, float &) {
                grabberAtSecondDown = QWidget::mouseGrabber();
            });
    QCursor::setPos(scene.global(scene.centre()));
    // Through the window, as the system delivers it: press, release, double click, release.
    QTest::mouseDClick(scene.window.windowHandle(), Qt::LeftButton, {},
                       scene.inWindow(scene.centre()));

    QCOMPARE(log.entries, (QStringList{u"MouseDown 1"_s, u"MouseUp 1"_s, u"Click"_s,
                                       u"MouseDown 1"_s, u"MouseUp 1"_s, u"Click"_s}));
    // The second press is the first one's arguments again, taken with the mouse captured; the
    // capture ends with the release.
    QCOMPARE(log.downs.size(), 2);
    QCOMPARE(log.downs[1], log.downs[0]);
    QCOMPARE(grabberAtSecondDown, scene.button);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestGButton::rightPressStopsTheTimer()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    EventLog log(scene.button);
    QCursor::setPos(scene.global(scene.centre()));
    QVERIFY(scene.timer()->isActive());
    const QImage before = render(*scene.button);

    QTest::mousePress(scene.button, Qt::RightButton, {}, scene.centre());
    QVERIFY(!scene.timer()->isActive());
    QCOMPARE(scene.button->buttonState(), GButton::StateNormal);
    QCOMPARE(render(*scene.button), before);

    QTest::mouseRelease(scene.button, Qt::RightButton, {}, scene.centre());
    QVERIFY(scene.timer()->isActive());
    QCOMPARE(scene.button->buttonState(), GButton::StateHover);
    QCOMPARE(log.count(u"Click"), 0);
}

void TestGButton::designModeChangesNothing()
{
    Ambient::setUserMode(false);
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    QVERIFY(!scene.timer()->isActive());
    EventLog log(scene.button);
    const QImage before = render(*scene.button);

    QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(scene.button->buttonState(), GButton::StateNormal);
    QCOMPARE(render(*scene.button), before);
    QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(scene.button->buttonState(), GButton::StateNormal);
    QVERIFY(!scene.timer()->isActive());
    // The events still reach the container.
    QCOMPARE(log.count(u"MouseDown"), 1);
    QCOMPARE(log.count(u"MouseUp"), 1);
}

void TestGButton::keys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("keyDown"); // the key's own KeyDown
    QTest::addColumn<int>("clicks");

    const Qt::KeyboardModifiers none;
    QTest::newRow("Return clicks") << Qt::Key_Return << none << "KeyDown 13 0" << 1;
    QTest::newRow("keypad Enter clicks")
        << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "KeyDown 13 0" << 1;
    QTest::newRow("Return with Ctrl clicks")
        << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << "KeyDown 13 2" << 1;
    QTest::newRow("space does not") << Qt::Key_Space << none << "KeyDown 32 0" << 0;
    QTest::newRow("letter") << Qt::Key_A << none << "KeyDown 65 0" << 0;
    QTest::newRow("Shift Ctrl letter")
        << Qt::Key_A << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier)
        << "KeyDown 65 3" << 0;
    QTest::newRow("Alt F4") << Qt::Key_F4 << Qt::KeyboardModifiers(Qt::AltModifier)
                            << "KeyDown 115 4" << 0;
    QTest::newRow("escape") << Qt::Key_Escape << none << "KeyDown 27 0" << 0;
}

void TestGButton::keys()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, keyDown);
    QFETCH(int, clicks);

    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    EventLog log(scene.button);
    QTest::keyClick(scene.button, key, modifiers);
    QVERIFY2(log.entries.contains(keyDown), qPrintable(log.entries.join(u", ")));
    QCOMPARE(log.count(u"Click"), clicks);
    // The click follows the key's own KeyDown; the keyboard never changes the look.
    if (clicks)
        QCOMPARE(log.entries.indexOf(QStringLiteral("Click")), log.entries.indexOf(keyDown) + 1);
    QCOMPARE(scene.button->buttonState(), GButton::StateNormal);
    QCOMPARE(log.count(u"KeyUp"), log.count(u"KeyDown"));
}

void TestGButton::keyDownHandlerDecidesTheClick_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("newKeyCode");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Enter zeroed") << Qt::Key_Return << 0 << 0;
    QTest::newRow("Enter kept") << Qt::Key_Return << 13 << 1;
    QTest::newRow("letter made Enter") << Qt::Key_A << 13 << 1;
}

void TestGButton::keyDownHandlerDecidesTheClick()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, newKeyCode);
    QFETCH(int, clicks);

    GButton button;
    QSignalSpy clicked(&button, &GButton::Click);
    connect(&button, &GButton::KeyDown, &button,
            [newKeyCode](qint16 &code, qint16 &) { code = qint16(newKeyCode); });
    QTest::keyClick(&button, key);
    QCOMPARE(clicked.count(), clicks);
}

void TestGButton::heldEnterClicksOnEveryRepeat()
{
    GButton button;
    EventLog log(&button);
    const QString cr = QStringLiteral("\r");
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, cr, false);
    QApplication::sendEvent(&button, &first);
    for (int i = 0; i < 3; ++i) {
        // X11 reports each repeat as a release and a press, both marked as repeats.
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, cr, true);
        QApplication::sendEvent(&button, &up);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, cr, true);
        QApplication::sendEvent(&button, &down);
    }
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, cr, false);
    QApplication::sendEvent(&button, &last);

    QStringList once{u"KeyDown 13 0"_s, u"Click"_s, u"KeyPress 13"_s};
    QCOMPARE(log.entries, once + once + once + once + QStringList{u"KeyUp 13 0"_s});
}

void TestGButton::disabledButtonNeverHovers()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.button->setEnabled(false);
    scene.pointTo(scene.centre());
    QSignalSpy ticks(scene.timer(), &SharedTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 2);
    QCOMPARE(scene.button->buttonState(), GButton::StateNormal);

    scene.button->setEnabled(true);
    QTRY_COMPARE(scene.button->buttonState(), GButton::StateHover);
}

void TestGButton::restingCursorLetsTheTimerSleep()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.pointTo(scene.centre());
    QTRY_COMPARE(scene.button->buttonState(), GButton::StateHover);
    QTRY_VERIFY(scene.timer()->isSleeping());

    // The timer still runs for its button, but a clock of its interval ticks alone.
    QSignalSpy ticks(scene.timer(), &SharedTimer::timeout);
    QTimer clock;
    clock.setInterval(scene.timer()->interval());
    QSignalSpy clockTicks(&clock, &QTimer::timeout);
    clock.start();
    QTRY_VERIFY(clockTicks.count() >= 5);
    QCOMPARE(ticks.count(), 0);
    QVERIFY(scene.timer()->isActive());

    // A move inside the button wakes it; it finds nothing new and sleeps again.
    PaintCounter paints(scene.button);
    scene.pointTo(QPoint(10, 5));
    QTRY_VERIFY(ticks.count() >= 1);
    QTRY_VERIFY(scene.timer()->isSleeping());
    QCOMPARE(scene.button->buttonState(), GButton::StateHover);
    QCOMPARE(paints.count, 0);
}

void TestGButton::restingCursorFollowsChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<State>("before");
    QTest::addColumn<State>("after"); // after the first tick that follows the change

    const State normal = GButton::StateNormal;
    const State hover = GButton::StateHover;
    QTest::newRow("cursor leaves") << "cursor leaves" << hover << normal;
    QTest::newRow("button hidden") << "button hidden" << hover << normal;
    QTest::newRow("button disabled") << "button disabled" << hover << normal;
    QTest::newRow("button moved away") << "button moved away" << hover << normal;
    QTest::newRow("sibling raised over it") << "sibling raised" << hover << normal;
    QTest::newRow("window moved") << "window moved" << hover << normal;
    QTest::newRow("cursor enters") << "cursor enters" << normal << hover;
    QTest::newRow("button shown") << "button shown" << normal << hover;
    QTest::newRow("button enabled") << "button enabled" << normal << hover;
    QTest::newRow("button moved under the cursor") << "button moved under" << normal << hover;
    QTest::newRow("sibling over it lowered") << "sibling lowered" << normal << hover;
}

void TestGButton::restingCursorFollowsChanges()
{
    QFETCH(QString, change);
    QFETCH(State, before);
    QFETCH(State, after);

    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    // A plain widget in the button's place, beneath it unless the change lowers it.
    auto *sibling = new QWidget(&scene.window);
    sibling->setGeometry(button.geometry());
    sibling->show();
    if (change != u"sibling lowered")
        sibling->lower();
    if (change == u"button shown")
        button.hide();
    else if (change == u"button enabled")
        button.setEnabled(false);
    const QPoint beside(-10, 5);
    scene.pointTo(change == u"cursor enters" || change == u"button moved under" ? beside
                                                                                : scene.centre());
    QTRY_COMPARE(button.buttonState(), before);
    QTRY_VERIFY(scene.timer()->isSleeping());

    TickLog log(&button);
    if (change == u"cursor leaves")
        scene.pointTo(beside);
    else if (change == u"button hidden")
        button.hide();
    else if (change == u"button disabled")
        button.setEnabled(false);
    else if (change == u"button moved away")
        button.move(button.pos() + QPoint(100, 0));
    else if (change == u"sibling raised")
        sibling->raise();
    else if (change == u"window moved")
        scene.window.move(scene.window.pos() + QPoint(300, 0));
    else if (change == u"cursor enters")
        scene.pointTo(scene.centre());
    else if (change == u"button shown")
        button.show();
    else if (change == u"button enabled")
        button.setEnabled(true);
    else if (change == u"button moved under")
        button.move(button.pos() - QPoint(20, 0));
    else if (change == u"sibling lowered")
        sibling->lower();

    // The very next tick sees the change, as it would have without the rest.
    QTRY_VERIFY(!log.states.isEmpty());
    QCOMPARE(log.states.first(), after);
    QTRY_VERIFY(scene.timer()->isSleeping());
    QCOMPARE(button.buttonState(), after);
}

void TestGButton::releaseUnderARestingCursor_data()
{
    QTest::addColumn<bool>("shownWhileHeld");
    QTest::newRow("timer stopped by the press") << false;
    // The container hides and shows the button while it is held: Show starts the timer again,
    // so the release finds it running.
    QTest::newRow("timer started again while held") << true;
}

void TestGButton::releaseUnderARestingCursor()
{
    QFETCH(bool, shownWhileHeld);

    Scene scene;
    auto *other = new GButton(&scene.window);
    other->setGeometry(120, 30, 60, 20);
    other->show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    SharedTimer *otherTimer = other->findChild<SharedTimer *>(QStringLiteral("tmr"));
    scene.pointTo(QPoint(-10, 5));
    QTRY_VERIFY(otherTimer->isSleeping());

    // Pressed and released straight at the button, past the window, so that no mouse event
    // reaches the cursor tracker. The release leaves hover, which the next tick must take back.
    QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    QVERIFY(!scene.timer()->isActive());
    if (shownWhileHeld) {
        scene.button->hide();
        scene.button->show();
        QVERIFY(scene.timer()->isActive());
    }
    QTRY_VERIFY(otherTimer->isSleeping());
    QCOMPARE(scene.button->buttonState(), GButton::StatePressed);
    TickLog log(scene.button);
    QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(scene.button->buttonState(), GButton::StateHover);
    QVERIFY(scene.timer()->isActive());
    QTRY_VERIFY(!log.states.isEmpty());
    QCOMPARE(log.states.first(), GButton::StateNormal);
}

void TestGButton::runModeReturnsUnderARestingCursor()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.pointTo(scene.centre());
    QTRY_COMPARE(scene.button->buttonState(), GButton::StateHover);

    // Being designed, ticks change nothing: the button keeps hover with the cursor away.
    Ambient::setUserMode(false);
    scene.pointTo(QPoint(-10, 5));
    QTRY_VERIFY(scene.timer()->isSleeping());
    QCOMPARE(scene.button->buttonState(), GButton::StateHover);

    TickLog log(scene.button);
    Ambient::setUserMode(true);
    QTRY_VERIFY(!log.states.isEmpty());
    QCOMPARE(log.states.first(), GButton::StateNormal);
}

void TestGButton::focus()
{
    QWidget window;
    window.setGeometry(100, 100, 200, 100);
    auto *first = new GButton(&window);
    first->setGeometry(10, 10, 60, 20);
    auto *second = new GButton(&window);
    second->setGeometry(80, 10, 60, 20);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    second->SetFocus();
    QTRY_VERIFY(second->hasFocus());
    PaintCounter paints(first);
    first->SetFocus();
    QTRY_VERIFY(first->hasFocus());
    QVERIFY(paints.count >= 1); // GotFocus repaints

    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(30, 10));
    QVERIFY(first->hasFocus());
}

void TestGButton::setFocusFails_data()
{
    QTest::addColumn<bool>("hidden");
    QTest::newRow("hidden") << true;
    QTest::newRow("disabled") << false;
}

void TestGButton::setFocusFails()
{
    QFETCH(bool, hidden);
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    if (hidden)
        scene.button->hide();
    else
        scene.button->setEnabled(false);
    scene.button->clearFocus();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, scene.button->SetFocus());
    QVERIFY(!scene.button->hasFocus());
}

void TestGButton::accessibility()
{
    Scene scene;
    scene.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&scene.window));
    GButton &button = *scene.button;
    button.setCaption(QStringLiteral("&Search && find"));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::PushButton);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Search & find"));

    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicked(&button, &GButton::Click);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);

    button.SetFocus();
    QTRY_VERIFY(iface->state().focused);
    QVERIFY(!iface->state().pressed);
    QTest::mousePress(&button, Qt::LeftButton, {}, scene.centre());
    QVERIFY(iface->state().pressed);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, scene.centre());
    QVERIFY(iface->state().hotTracked);

    // A disabled button cannot be pressed this way either.
    button.setEnabled(false);
    QVERIFY(iface->state().disabled);
    clicked.clear();
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 0);
}

QTEST_MAIN(TestGButton)
#include "tst_gbutton.moc"
