#include "ambient.h"
#include "gbutton.h"
#include "propertybag.h"
#include "sharedtimer.h"

#include <QAccessible>
#include <QApplication>
#include <QBitmap>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

using State = GButton::ButtonState;

// Pixels the button never paints: outside its mask they keep this.
const QColor Untouched(255, 0, 255);

QImage render(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Untouched);
    widget.render(&image);
    return image;
}

// The smallest rectangle holding every pixel of exactly this colour.
QRect whereIs(const QImage &image, QRgb colour)
{
    return QRegion(QBitmap::fromImage(image.createMaskFromColor(colour, Qt::MaskOutColor)))
        .boundingRect();
}

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
    QList<GButton::ButtonState> states;
};

// Records the events a container sees, in order.
struct EventLog
{
    explicit EventLog(GButton *button)
    {
        QObject::connect(button, &GButton::Click, button,
                         [this] { entries << QStringLiteral("Click"); });
        QObject::connect(
            button, &GButton::MouseDown, button, [this](qint16 &b, qint16 &, float &x, float &y) {
                entries << QStringLiteral("MouseDown %1 at %2,%3").arg(b).arg(x).arg(y);
            });
        QObject::connect(button, &GButton::MouseUp, button,
                         [this](qint16 &b, qint16 &, float &, float &) {
                             entries << QStringLiteral("MouseUp %1").arg(b);
                         });
    }
    QStringList entries;
};

// A stored button whose every property differs from its default, in the order they load.
PropertyBag storedBag()
{
    QPixmap icon(8, 8);
    icon.fill(Qt::green);
    return {{u"backcolor"_s, 0x111111},  {u"forecolor"_s, 0x222222},
            {u"enabled"_s, false},       {u"font"_s, QFont(u"DejaVu Serif"_s, 15)},
            {u"caption"_s, u"stored"_s}, {u"mouseicon"_s, icon},
            {u"mousepointer"_s, 11},     {u"focuscolor"_s, 0x333333}};
}

QStringList keysOf(const PropertyBag &bag)
{
    QStringList keys;
    for (const PropertyBag::Entry &e : bag.entries())
        keys << e.first.toLower();
    return keys;
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
    void pressedCaptionMovesOneRightAndDown();
    void disabledCaptionIsEmbossed();
    void smallSurfaces_data();
    void smallSurfaces();

    // Properties and persistence
    void newButtonDefaults();
    void loadsUnderAnyCase();
    void savingLeavesDefaultsOut();
    void loadFailsAtTheBadKey_data();
    void loadFailsAtTheBadKey();
    void loadNotifiesMouseIconOnly();

    // Interaction
    void releaseClicksOnlyOverTheButton_data();
    void releaseClicksOnlyOverTheButton();
    void doubleClickGivesTwoClicks();
    void keys_data();
    void keys();
    void disabledButtonNeverHovers();
    void restingCursorFollowsChanges_data();
    void restingCursorFollowsChanges();
    void releaseUnderARestingCursor();
    void accessibility();
};

void TestGButton::initTestCase()
{
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Active, QPalette::Button, QColor(200, 100, 50));
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(0, 0, 128));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(128, 128, 128));
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
    // The unshaded colour, the face, top/left outer and inner, bottom/right outer and inner.
    QTest::addColumn<QList<QColor>>("shades");

    const QList<QColor> raised{{216, 230, 231}, {226, 240, 241}, {236, 250, 251},
                               {231, 245, 246}, {166, 180, 181}, {171, 185, 186}};
    QTest::newRow("normal") << 0x00E7E6D8u << GButton::StateNormal << raised;
    QTest::newRow("hover") << 0x00E7E6D8u << GButton::StateHover << raised;
    QTest::newRow("pressed") << 0x00E7E6D8u << GButton::StatePressed
                             << QList<QColor>{{216, 230, 231}, {196, 210, 211}, {171, 185, 186},
                                              {184, 198, 199}, {206, 220, 221}, {201, 215, 216}};
    QTest::newRow("white stops at 255")
        << 0x00FFFFFFu << GButton::StateNormal
        << QList<QColor>{{255, 255, 255}, {255, 255, 255}, {255, 255, 255},
                         {255, 255, 255}, {195, 195, 195}, {200, 200, 200}};
    QTest::newRow("black pressed stops at 0")
        << 0x00000000u << GButton::StatePressed
        << QList<QColor>{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {10, 10, 10}, {5, 5, 5}};
    QTest::newRow("system button face from the palette")
        << 0x8000000Fu << GButton::StateNormal
        << QList<QColor>{{200, 100, 50}, {210, 110, 60}, {220, 120, 70},
                         {215, 115, 65}, {150, 50, 0},   {155, 55, 5}};
}

void TestGButton::faceBevelAndOutline()
{
    QFETCH(quint32, backColor);
    QFETCH(State, state);
    QFETCH(QList<QColor>, shades);

    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    button.resize(50, 20); // shown by now: the mask must follow
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
    const QColor black(0, 0, 0);
    // The bevel lines stop short of their ends; the black outline stops one pixel short of the
    // right and bottom edges, which keep the unshaded colour; the corners lie outside the mask.
    const std::pair<QPoint, QColor> expected[] = {
        {{mx, my}, shades[1]},    {{1, 1}, shades[1]},      {{W - 2, 1}, shades[1]},
        {{1, H - 2}, shades[1]},  {{mx, 1}, shades[2]},     {{1, my}, shades[2]},
        {{mx, 2}, shades[3]},     {{2, my}, shades[3]},     {{mx, H - 2}, shades[4]},
        {{W - 2, my}, shades[4]}, {{mx, H - 3}, shades[5]}, {{W - 3, my}, shades[5]},
        {{mx, 0}, black},         {{0, my}, black},         {{mx, H - 1}, black},
        {{W - 1, my}, black},     {{1, 0}, black},          {{0, 1}, black},
        {{W, my}, shades[0]},     {{mx, H}, shades[0]},     {{W, 1}, shades[0]},
        {{0, 0}, Untouched},      {{W, 0}, Untouched},      {{W, H}, Untouched}};
    for (const auto &[at, colour] : expected)
        QCOMPARE(std::pair(at, image.pixelColor(at)), std::pair(at, colour));
}

void TestGButton::pressedCaptionMovesOneRightAndDown()
{
    Scene scene(QSize(80, 30));
    scene.button->setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Black));
    scene.button->setCaption(QStringLiteral("HH"));
    // Drawn in the fore colour (the palette's button text), centred on (39, 14) between the
    // outline's inner edges give or take the glyphs' side bearings; pressed, one right and down.
    const QRect normal = whereIs(render(*scene.button), qRgb(0, 0, 128));
    QVERIFY(qAbs(normal.center().x() - 39) <= 2 && qAbs(normal.center().y() - 14) <= 2);
    QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(whereIs(render(*scene.button), qRgb(0, 0, 128)), normal.translated(1, 1));
}

void TestGButton::disabledCaptionIsEmbossed()
{
    Scene scene(QSize(80, 30));
    GButton &button = *scene.button;
    button.setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Black));
    button.setForeColor(0x00FF0000); // pure blue
    button.setCaption(QStringLiteral("HH"));
    QVERIFY(!whereIs(render(button), qRgb(0, 0, 255)).isEmpty());
    button.setEnabled(false);
    // The palette's dark over its light one pixel right and down, instead of the fore colour.
    const QImage disabled = render(button);
    QVERIFY(whereIs(disabled, qRgb(0, 0, 255)).isEmpty());
    QCOMPARE(whereIs(disabled, qRgb(255, 255, 255)).bottomRight(),
             whereIs(disabled, qRgb(128, 128, 128)).bottomRight() + QPoint(1, 1));
}

void TestGButton::smallSurfaces_data()
{
    QTest::addColumn<QSize>("size");
    for (const QSize s : {QSize(1, 1), QSize(2, 2), QSize(40, 2)})
        QTest::addRow("%dx%d", s.width(), s.height()) << s;
}

void TestGButton::smallSurfaces()
{
    QFETCH(QSize, size);
    Scene scene(size);
    scene.button->setBackColor(0x00E7E6D8);
    // No face row below three pixels of height; the sanitizers watch the rest.
    QVERIFY(whereIs(render(*scene.button), qRgb(226, 240, 241)).isEmpty());
}

// Properties and persistence ---------------------------------------------------------------------

void TestGButton::newButtonDefaults()
{
    QWidget container;
    container.setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
    GButton button(&container);
    button.InitProperties();
    QCOMPARE(button.FocusColor(), 0x00FF0000u);
    QCOMPARE(button.Caption(), QString());
    QCOMPARE(button.BackColor(), 0x8000000Fu);
    QCOMPARE(button.ForeColor(), 0x80000012u);
    QCOMPARE(button.Enabled(), true);
    QCOMPARE(button.Font(), container.font());
    QVERIFY(button.MouseIcon().isNull());
    QCOMPARE(button.MousePointer(), 0);
}

void TestGButton::loadsUnderAnyCase()
{
    // The container's own spelling, an entry of its own, a colour stored as a signed number.
    PropertyBag bag{
        {u"_extentx"_s, 2275}, {u"caption"_s, u"بـحـــث"_s}, {u"BACKCOLOR"_s, qint32(-2147483643)}};
    GButton button;
    button.ReadProperties(bag);
    QCOMPARE(button.Caption(), u"بـحـــث"_s);
    QCOMPARE(button.BackColor(), 0x80000005u);

    // Saved again: replaced in place under the stored names; the container's entry stays.
    button.setCaption(u"new"_s);
    button.setBackColor(0x00E7E6D8);
    button.WriteProperties(bag);
    QCOMPARE(bag.entries(),
             (QList<PropertyBag::Entry>{
                 {u"_extentx"_s, 2275}, {u"caption"_s, u"new"_s}, {u"BACKCOLOR"_s, 0x00E7E6D8u}}));
}

void TestGButton::savingLeavesDefaultsOut()
{
    GButton button;
    button.ReadProperties(storedBag());
    PropertyBag bag;
    button.WriteProperties(bag);
    QCOMPARE(keysOf(bag), keysOf(storedBag()));

    // Back at the defaults, a second save into the same bag takes every old entry away and
    // writes none.
    button.ReadProperties(PropertyBag());
    button.WriteProperties(bag);
    QCOMPARE(keysOf(bag), QStringList());
}

void TestGButton::loadFailsAtTheBadKey_data()
{
    QTest::addColumn<int>("bad"); // index of the key that holds a wrong value
    QTest::addColumn<QVariant>("value");
    QTest::newRow("BackColor text") << 0 << QVariant(QStringLiteral("blue"));
    QTest::newRow("Font text") << 3 << QVariant(QStringLiteral("DejaVu Sans"));
    QTest::newRow("MousePointer beyond 16 bits") << 6 << QVariant(40000);
}

void TestGButton::loadFailsAtTheBadKey()
{
    QFETCH(int, bad);
    QFETCH(QVariant, value);
    PropertyBag bag = storedBag();
    const QStringList keys = keysOf(bag);
    bag.WriteProperty(keys[bad], value);

    GButton button;
    button.InitProperties();
    QSignalSpy changed(&button, &GButton::PropertyChanged);
    QVERIFY_THROWS_EXCEPTION(PropertyTypeError, button.ReadProperties(bag));
    // The keys before the bad one are loaded (and so saved again); those from it on are not.
    PropertyBag saved;
    button.WriteProperties(saved);
    QCOMPARE(keysOf(saved), keys.mid(0, bad));
    QCOMPARE(changed.count(), bad > 5 ? 1 : 0);
}

void TestGButton::loadNotifiesMouseIconOnly()
{
    GButton button;
    QSignalSpy changed(&button, &GButton::PropertyChanged);
    button.ReadProperties(PropertyBag{{u"caption"_s, u"x"_s}});
    button.ReadProperties(storedBag());
    const QList<QVariant> mouseIcon{u"MouseIcon"_s};
    QCOMPARE(QList<QList<QVariant>>(changed), (QList<QList<QVariant>>{mouseIcon, mouseIcon}));
}

// Interaction ------------------------------------------------------------------------------------

void TestGButton::releaseClicksOnlyOverTheButton_data()
{
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<QPoint>("cursorAtRelease"); // in the button
    QTest::addColumn<bool>("designMode");
    QTest::addColumn<bool>("clicks");
    QTest::newRow("left over the button") << Qt::LeftButton << QPoint(30, 10) << false << true;
    QTest::newRow("left next to the button") << Qt::LeftButton << QPoint(-5, 10) << false << false;
    QTest::newRow("left in a cut-off corner") << Qt::LeftButton << QPoint(0, 0) << false << false;
    QTest::newRow("right over the button") << Qt::RightButton << QPoint(30, 10) << false << false;
    QTest::newRow("design mode") << Qt::LeftButton << QPoint(-5, 10) << true << false;
}

void TestGButton::releaseClicksOnlyOverTheButton()
{
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(QPoint, cursorAtRelease);
    QFETCH(bool, designMode);
    QFETCH(bool, clicks);

    Ambient::setUserMode(!designMode);
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    EventLog log(scene.button);
    // Any press stops the timer; only the left button sinks the face, and never in design mode.
    QTest::mousePress(scene.button, mouseButton, {}, scene.centre());
    QVERIFY(!scene.timer()->isActive());
    const bool sinks = mouseButton == Qt::LeftButton && !designMode;
    QCOMPARE(scene.button->buttonState(), sinks ? GButton::StatePressed : GButton::StateNormal);
    // The release is reported over the button; where the cursor really is decides.
    QCursor::setPos(scene.global(cursorAtRelease));
    QTest::mouseRelease(scene.button, mouseButton, {}, scene.centre());
    QCOMPARE(scene.timer()->isActive(), !designMode);
    QCOMPARE(scene.button->buttonState(), designMode ? GButton::StateNormal : GButton::StateHover);

    const int code = mouseButton == Qt::LeftButton ? 1 : 2;
    QStringList expected{u"MouseDown %1 at 29,9"_s.arg(code), u"MouseUp %1"_s.arg(code)};
    if (clicks)
        expected << u"Click"_s;
    QCOMPARE(log.entries, expected);
}

void TestGButton::doubleClickGivesTwoClicks()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    EventLog log(scene.button);
    QCursor::setPos(scene.global(scene.centre()));
    // Through the window, as the system delivers it: press, release, double click, release.
    QTest::mouseDClick(scene.window.windowHandle(), Qt::LeftButton, {},
                       scene.inWindow(scene.centre()));
    // The second press repeats the first one's arguments; the capture it takes ends with the
    // release.
    const QStringList once{u"MouseDown 1 at 29,9"_s, u"MouseUp 1"_s, u"Click"_s};
    QCOMPARE(log.entries, once + once);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestGButton::keys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("repeats");
    QTest::addColumn<int>("newKeyCode"); // what a KeyDown handler makes of it; -1: no handler
    QTest::addColumn<int>("clicks");
    QTest::newRow("Return clicks") << Qt::Key_Return << 0 << -1 << 1;
    QTest::newRow("Return held clicks on every repeat") << Qt::Key_Return << 3 << -1 << 4;
    QTest::newRow("letter does not") << Qt::Key_A << 0 << -1 << 0;
    QTest::newRow("Return zeroed by the handler") << Qt::Key_Return << 0 << 0 << 0;
    QTest::newRow("letter made Enter by the handler") << Qt::Key_A << 0 << 13 << 1;
}

void TestGButton::keys()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, repeats);
    QFETCH(int, newKeyCode);
    QFETCH(int, clicks);

    GButton button;
    QSignalSpy clicked(&button, &GButton::Click);
    int ups = 0;
    connect(&button, &GButton::KeyUp, &button, [&ups](qint16 &, qint16 &) { ++ups; });
    if (newKeyCode >= 0)
        connect(&button, &GButton::KeyDown, &button,
                [newKeyCode](qint16 &code, qint16 &) { code = qint16(newKeyCode); });
    const auto send = [&button, key](QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(&button, &event);
    };
    send(QEvent::KeyPress, false);
    // X11 reports each repeat as a release and a press, both marked as repeats.
    for (int i = 0; i < repeats; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(ups, 1);
    QCOMPARE(button.buttonState(), GButton::StateNormal);
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
    // A cut-off corner is not the button.
    scene.pointTo(QPoint(0, 0));
    QTRY_COMPARE(scene.button->buttonState(), GButton::StateNormal);
}

// The hover timer sleeps while the cursor rests; the first tick after any change must still see
// it, as it would have without the rest.
void TestGButton::restingCursorFollowsChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("hoverBefore");
    for (const char *change : {"cursor leaves", "button hidden", "button disabled",
                               "button moved away", "window moved"})
        QTest::newRow(change) << QString::fromLatin1(change) << true;
    for (const char *change : {"cursor enters", "button enabled"})
        QTest::newRow(change) << QString::fromLatin1(change) << false;
}

void TestGButton::restingCursorFollowsChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, hoverBefore);
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    if (change == u"button enabled")
        button.setEnabled(false);
    const QPoint beside(-10, 5);
    scene.pointTo(change == u"cursor enters" ? beside : scene.centre());
    QTRY_COMPARE(button.buttonState() == GButton::StateHover, hoverBefore);
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
    else if (change == u"window moved")
        scene.window.move(scene.window.pos() + QPoint(300, 0));
    else if (change == u"cursor enters")
        scene.pointTo(scene.centre());
    else
        button.setEnabled(true);
    QTRY_VERIFY(!log.states.isEmpty());
    QCOMPARE(log.states.first() == GButton::StateHover, !hoverBefore);
}

void TestGButton::releaseUnderARestingCursor()
{
    // Pressed, hidden and shown while held (Show starts the timer again), and released straight
    // at the button, so the cursor tracker sees nothing: the release leaves hover, which the
    // next tick must take back although the cursor is elsewhere.
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.pointTo(QPoint(-10, 5));
    QTRY_VERIFY(scene.timer()->isSleeping());
    QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
    scene.button->hide();
    scene.button->show();
    QTRY_VERIFY(scene.timer()->isSleeping());
    TickLog log(scene.button);
    QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.centre());
    QCOMPARE(scene.button->buttonState(), GButton::StateHover);
    QTRY_VERIFY(!log.states.isEmpty());
    QCOMPARE(log.states.first(), GButton::StateNormal);
}

void TestGButton::accessibility()
{
    Scene scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    GButton &button = *scene.button;
    button.setCaption(QStringLiteral("&Search && find"));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&button);
    QCOMPARE(iface->role(), QAccessible::PushButton);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Search & find"));

    QAccessibleActionInterface *actions = iface->actionInterface();
    QSignalSpy clicked(&button, &GButton::Click);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
    // A disabled button cannot be pressed this way either.
    button.setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestGButton)
#include "tst_gbutton.moc"
