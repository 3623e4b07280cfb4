// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using State = GButton::ButtonState;
using Notices = QList<QList<QVariant>>; // PropertyChanged as a QSignalSpy records it

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
struct Scene : QObject
{
    explicit Scene(QSize buttonSize = QSize(60, 20))
    {
        window.setGeometry(100, 100, 240, 120);
        button->setGeometry(QRect(QPoint(20, 30), buttonSize));
        button->installEventFilter(this);
        window.show();
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted = button->buttonState();
            ++paints;
        }
        return false;
    }
    QPoint centre() const { return button->rect().center(); }
    SharedTimer *timer() const { return button->findChild<SharedTimer *>(u"tmr"_s); }
    // Moves the cursor as the window system reports it: the window sees a move there.
    void pointTo(QPoint inButton)
    {
        QCursor::setPos(button->mapToGlobal(inButton));
        const QPoint at = button->mapTo(&window, inButton);
        QTest::mouseMove(window.windowHandle(), at + QPoint(1, 0));
        QTest::mouseMove(window.windowHandle(), at);
    }
    // From now on, the events a container sees, in order; moves only with a button held, as the
    // pointer's travel between steps is Qt's to report.
    void logEvents()
    {
        const auto log = [this](const QString &name) {
            return [this, name](qint16 &n, qint16 &, float &x, float &y) {
                if (n || name != u"MouseMove")
                    events << u"%1 %2 at %3,%4"_s.arg(name).arg(n).arg(x).arg(y);
            };
        };
        QObject::connect(button, &GButton::MouseDown, button, log(u"MouseDown"_s));
        QObject::connect(button, &GButton::MouseMove, button, log(u"MouseMove"_s));
        QObject::connect(button, &GButton::MouseUp, button, log(u"MouseUp"_s));
        // What the screen showed when the container's MouseDown handler ran.
        QObject::connect(button, &GButton::MouseDown, button,
                         [this](qint16 &, qint16 &, float &, float &) { shownAtDown = painted; });
        QObject::connect(button, &GButton::Click, button, [this] { events << u"Click"_s; });
    }

    QWidget window;
    GButton *button = new GButton(&window);
    QStringList events;
    State painted = GButton::StateNormal;
    int paints = 0;
    State shownAtDown = GButton::StateNormal;
};

// A stored button whose every property differs from its default, in the order they load, under
// lower-case names; the colour stored as a signed number is system colour 5.
PropertyBag storedBag()
{
    QPixmap icon(8, 8);
    icon.fill(Qt::green);
    return {{u"backcolor"_s, -2147483643}, {u"forecolor"_s, 0x222222},
            {u"enabled"_s, false},         {u"font"_s, QFont(u"DejaVu Serif"_s, 15)},
            {u"caption"_s, u"stored"_s},   {u"mouseicon"_s, icon},
            {u"mousepointer"_s, 99},       {u"focuscolor"_s, 0x333333}};
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
    void initTestCase()
    {
        QPalette palette = QGuiApplication::palette();
        palette.setColor(QPalette::Active, QPalette::Button, QColor(200, 100, 50));
        palette.setColor(QPalette::Active, QPalette::Light, QColor(255, 255, 255));
        palette.setColor(QPalette::Active, QPalette::Dark, QColor(128, 128, 128));
        QApplication::setPalette(palette);
    }
    void cleanup() { Ambient::setUserMode(true); }

    void faceBevelAndOutline_data()
    {
        QTest::addColumn<quint32>("backColor");
        QTest::addColumn<State>("state");
        // Unshaded, face, top/left outer and inner, bottom/right outer and inner (0xRRGGBB).
        QTest::addColumn<QList<QRgb>>("shades");
        const QList<QRgb> raised{0xD8E6E7, 0xE2F0F1, 0xECFAFB, 0xE7F5F6, 0xA6B4B5, 0xABB9BA};
        const QList<QRgb> sunk{0xD8E6E7, 0xC4D2D3, 0xABB9BA, 0xB8C6C7, 0xCEDCDD, 0xC9D7D8};
        const QList<QRgb> white{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC3C3C3, 0xC8C8C8};
        const QList<QRgb> black{0, 0, 0, 0, 0x0A0A0A, 0x050505};
        const QList<QRgb> system{0xC86432, 0xD26E3C, 0xDC7846, 0xD77341, 0x963200, 0x9B3705};
        QTest::newRow("normal") << 0x00E7E6D8u << GButton::StateNormal << raised;
        QTest::newRow("hover") << 0x00E7E6D8u << GButton::StateHover << raised;
        QTest::newRow("pressed") << 0x00E7E6D8u << GButton::StatePressed << sunk;
        QTest::newRow("white stops at 255") << 0x00FFFFFFu << GButton::StateNormal << white;
        QTest::newRow("black pressed stops at 0") << 0u << GButton::StatePressed << black;
        QTest::newRow("system button face") << 0x8000000Fu << GButton::StateNormal << system;
    }

    void faceBevelAndOutline()
    {
        QFETCH(quint32, backColor);
        QFETCH(State, state);
        QFETCH(QList<QRgb>, shades);
        Scene scene;
        GButton &button = *scene.button;
        button.resize(50, 20); // shown by now: the mask must follow
        button.setBackColor(backColor);
        if (state != GButton::StateNormal)
            QTest::mousePress(&button, Qt::LeftButton, {}, scene.centre());
        if (state == GButton::StateHover)
            QTest::mouseRelease(&button, Qt::LeftButton, {}, scene.centre());

        const QImage image = render(button);
        const int W = button.width() - 1, H = button.height() - 1, x = W / 2, y = H / 2;
        // Indexes into shades; 6: the black outline, 7: outside the mask.
        shades << 0 << Untouched.rgb();
        const std::pair<QPoint, int> expected[] = {
            {{x, y}, 1},     {{1, 1}, 1},     {{W - 2, 1}, 1}, {{1, H - 2}, 1}, {{x, 1}, 2},
            {{1, y}, 2},     {{x, 2}, 3},     {{2, y}, 3},     {{x, H - 2}, 4}, {{W - 2, y}, 4},
            {{x, H - 3}, 5}, {{W - 3, y}, 5}, {{x, 0}, 6},     {{0, y}, 6},     {{x, H - 1}, 6},
            {{W - 1, y}, 6}, {{1, 0}, 6},     {{0, 1}, 6},     {{W, y}, 0},     {{x, H}, 0},
            {{W, 1}, 0},     {{0, 0}, 7},     {{W, 0}, 7},     {{W, H}, 7}};
        for (const auto &[at, i] : expected)
            QCOMPARE(std::pair(at, image.pixelColor(at)), std::pair(at, QColor(shades[i])));
    }

    void captionSinksWhenPressedAndEmbossesWhenDisabled()
    {
        Scene scene(QSize(80, 30));
        GButton &button = *scene.button;
        button.setFont(QFont(u"DejaVu Sans"_s, 12, QFont::Black));
        button.setForeColor(0x00FF0000);
        button.setCaption(u"HH"_s);
        // The outline borrows the fore colour: black for it, announced twice, then given back.
        QSignalSpy changed(&button, &GButton::PropertyChanged);
        const QImage image = render(button);
        QCOMPARE(changed, (Notices{{u"ForeColor"_s}, {u"ForeColor"_s}}));
        QCOMPARE(button.ForeColor(), 0x00FF0000u);
        // Centred on (39, 14) between the outline's inner edges, give or take the side bearings.
        const QRect normal = whereIs(image, qRgb(0, 0, 255));
        QVERIFY(qAbs(normal.center().x() - 39) <= 2 && qAbs(normal.center().y() - 14) <= 2);
        QTest::mousePress(&button, Qt::LeftButton, {}, scene.centre());
        QCOMPARE(whereIs(render(button), qRgb(0, 0, 255)), normal.translated(1, 1));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, scene.centre());
        // Disabled: the palette's dark over its light one pixel right and down, no fore colour.
        button.setEnabled(false);
        const QImage disabled = render(button);
        QVERIFY(whereIs(disabled, qRgb(0, 0, 255)).isEmpty());
        QCOMPARE(whereIs(disabled, qRgb(255, 255, 255)).bottomRight(),
                 whereIs(disabled, qRgb(128, 128, 128)).bottomRight() + QPoint(1, 1));
    }

    void defaultsSavingAndNotices()
    {
        QWidget container;
        container.setFont(QFont(u"DejaVu Sans"_s, 13));
        GButton b(&container);
        b.InitProperties();
        QCOMPARE((QVariantList{b.FocusColor(), b.Caption(), b.BackColor(), b.ForeColor(),
                               b.Enabled(), b.Font(), b.MouseIcon().isNull(), b.MousePointer()}),
                 (QVariantList{0x00FF0000u, QString(), 0x8000000Fu, 0x80000012u, true,
                               container.font(), true, 0}));

        QSignalSpy changed(&b, &GButton::PropertyChanged);
        PropertyBag bag = storedBag();
        bag.WriteProperty(u"_ExtentX"_s, 2275); // the container's own
        b.ReadProperties(bag);
        QCOMPARE(b.BackColor(), 0x80000005u);
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor); // pointer 99: the stored icon
        PropertyBag saved;
        b.WriteProperties(saved);
        QCOMPARE(keysOf(saved), keysOf(storedBag()));
        // Back at the defaults, a save takes every stored entry away, whatever its case.
        b.ReadProperties(PropertyBag());
        b.WriteProperties(bag);
        QCOMPARE(bag.entries(), (QList<PropertyBag::Entry>{{u"_ExtentX"_s, 2275}}));
        QVERIFY(!b.testAttribute(Qt::WA_SetCursor)); // pointer 0: the container's cursor
        // A pointer beyond 16 bits fails where it is set and is not taken.
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, b.setMousePointer(40000));
        QCOMPARE(b.MousePointer(), 0);
        // The container's own change is not the button's. Every load announces MouseIcon,
        // stored or not.
        container.setEnabled(false);
        container.setEnabled(true);
        QCOMPARE(changed, (Notices{{u"MouseIcon"_s}, {u"MouseIcon"_s}}));
    }

    void settersAtRunTime_data()
    {
        // Each property set on a shown button, which shows "HH" and takes pointer 99 (its icon).
        QTest::addColumn<std::function<void(GButton &)>>("set");
        QTest::addColumn<bool>("looksNew");
        QTest::addColumn<Qt::CursorShape>("cursor");
        const auto row = [](const char *key, bool looksNew, Qt::CursorShape cursor,
                            std::function<void(GButton &)> set) {
            QTest::newRow(key) << set << looksNew << cursor;
        };
        QPixmap icon(8, 8);
        icon.fill(Qt::green);
        row("BackColor", true, Qt::ArrowCursor, [](GButton &b) { b.setBackColor(0x123456); });
        row("ForeColor", true, Qt::ArrowCursor, [](GButton &b) { b.setForeColor(0x123456); });
        row("Enabled", true, Qt::ArrowCursor, [](GButton &b) { b.setEnabled(false); });
        row("Font", true, Qt::ArrowCursor, [](GButton &b) { b.setFont(QFont(u"DejaVu Serif"_s)); });
        row("Caption", true, Qt::ArrowCursor, [](GButton &b) { b.setCaption(u"x"_s); });
        row("MouseIcon", false, Qt::BitmapCursor, [icon](GButton &b) { b.setMouseIcon(icon); });
        row("MousePointer", false, Qt::CrossCursor, [](GButton &b) { b.setMousePointer(2); });
        row("FocusColor", false, Qt::ArrowCursor, [](GButton &b) { b.setFocusColor(0xFFFFFF); });
    }

    void settersAtRunTime()
    {
        // The setter announces its key, the button paints itself again if and only if its look
        // changes, takes the cursor the property asks for, and saves the new value.
        QFETCH(std::function<void(GButton &)>, set);
        QFETCH(bool, looksNew);
        Scene scene;
        GButton &button = *scene.button;
        button.setCaption(u"HH"_s);
        button.setMousePointer(99);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QTRY_VERIFY(scene.paints > 0);
        const QImage before = render(button);
        PropertyBag bag;
        button.WriteProperties(bag);
        QCoreApplication::processEvents();
        const int paints = scene.paints;
        QSignalSpy changed(&button, &GButton::PropertyChanged);
        set(button);
        const QString key = QString::fromLatin1(QTest::currentDataTag());
        QCOMPARE(changed, (Notices{{key}}));
        if (looksNew)
            QTRY_VERIFY(scene.paints > paints);
        QCOMPARE(render(button) != before, looksNew);
        QTEST(button.cursor().shape(), "cursor");
        PropertyBag saved;
        button.WriteProperties(saved);
        QVERIFY(saved.ReadProperty(key) != bag.ReadProperty(key));
    }

    void bagTakesStoredTypes()
    {
        // A value is taken in the widest sense its type allows, and no wider.
        // (A signed colour: where a button loads one, above.)
        const PropertyBag bag = {{u"min"_s, -32768},
                                 {u"over"_s, 32768},
                                 {u"minus"_s, -1},
                                 {u"word"_s, u" True "_s},
                                 {u"name"_s, u"yes"_s}};
        QCOMPARE(bag.readInt16(u"MIN"_s, 0), qint16(-32768));
        QVERIFY_THROWS_EXCEPTION(PropertyTypeError, bag.readInt16(u"over"_s, 0));
        QVERIFY(bag.readBool(u"minus"_s, false) && bag.readBool(u"word"_s, false));
        QVERIFY_THROWS_EXCEPTION(PropertyTypeError, bag.readBool(u"name"_s, false));
    }

    void loadFailsAtTheBadKey_data()
    {
        QTest::addColumn<int>("bad"); // index of the key that holds a wrong value
        QTest::addColumn<QVariant>("value");
        QTest::newRow("BackColor text") << 0 << QVariant(u"blue"_s);
        QTest::newRow("Font text") << 3 << QVariant(u"DejaVu Sans"_s);
        QTest::newRow("MousePointer beyond 16 bits") << 6 << QVariant(40000);
    }

    void loadFailsAtTheBadKey()
    {
        QFETCH(int, bad);
        QFETCH(QVariant, value);
        PropertyBag bag = storedBag();
        bag.WriteProperty(keysOf(bag)[bad], value);
        GButton button;
        button.InitProperties();
        QSignalSpy changed(&button, &GButton::PropertyChanged);
        QVERIFY_THROWS_EXCEPTION(PropertyTypeError, button.ReadProperties(bag));
        // The keys before the bad one are loaded (and so saved again); those from it on are not.
        PropertyBag saved;
        button.WriteProperties(saved);
        QCOMPARE(keysOf(saved), keysOf(storedBag()).mid(0, bad));
        QCOMPARE(changed.count(), bad > 5 ? 1 : 0);
    }

    // Steps at points in the button, through the window: C puts the cursor there, P presses,
    // M moves, R releases, D presses again soon after the release, which Qt calls a double click.
    // A release is reported over the button; where the cursor really is decides the click.
    void mouse_data()
    {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<bool>("designMode");
        QTest::addColumn<QString>("steps");
        // After each press and release: the state (N, H, P), the timer running, the mouse held.
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("events");
        const auto row = [](const char *tag, Qt::MouseButton button, bool designMode,
                            const char *steps, const char *after, const QString &events) {
            QTest::newRow(tag) << button << designMode << QString::fromLatin1(steps)
                               << QString::fromLatin1(after) << events;
        };
        // Any press stops the timer; only the left one sinks the face, and never in design mode.
        const auto release = [](int held, bool clicks) {
            return u"MouseDown %1 at 29,9|MouseMove %1 at 10,5|MouseUp %1 at 10,5"_s.arg(held) +
                   (clicks ? u"|Click"_s : QString());
        };
        const Qt::MouseButton left = Qt::LeftButton;
        row("left over", left, false, "C30,10 P29,9 M10,5 R10,5", "P-- Ht-", release(1, true));
        row("left beside", left, false, "C-5,10 P29,9 M10,5 R10,5", "P-- Ht-", release(1, false));
        row("left in a cut-off corner", left, false, "C0,0 P29,9 M10,5 R10,5", "P-- Ht-",
            release(1, false));
        row("right over", Qt::RightButton, false, "C30,10 P29,9 M10,5 R10,5", "N-- Ht-",
            release(2, false));
        row("middle over", Qt::MiddleButton, false, "C30,10 P29,9 M10,5 R10,5", "N-- Ht-",
            release(4, false));
        row("design mode", left, true, "C-5,10 P29,9 M10,5 R10,5", "N-- N--", release(1, false));
        // Only the left button's second press on the same button repeats the first press and
        // holds the mouse. The cursor rests where the second press comes: a move far from the
        // first press would end the double click.
        row("left twice on the button", left, false, "C1,9 P3,9 R3,9 D1,9 R1,9", "P-- Ht- P-g Ht-",
            u"MouseDown 1 at 3,9|MouseUp 1 at 3,9|Click|MouseDown 1 at 3,9|MouseUp 1 at 1,9|Click"_s);
        row("left beside, then on the button", left, false, "C1,9 P-1,9 R-1,9 D1,9 R1,9",
            "Nt- Nt- P-- Ht-", u"MouseDown 1 at 1,9|MouseUp 1 at 1,9|Click"_s);
        row("right twice on the button", Qt::RightButton, false, "C1,9 P3,9 R3,9 D1,9 R1,9",
            "N-- Ht- H-- Ht-",
            u"MouseDown 2 at 3,9|MouseUp 2 at 3,9|MouseDown 2 at 1,9|MouseUp 2 at 1,9"_s);
    }

    void mouse()
    {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(bool, designMode);
        QFETCH(QString, steps);
        Ambient::setUserMode(!designMode);
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        scene.logEvents();
        QWindow *window = scene.window.windowHandle();
        QStringList after;
        for (const QString &step : steps.split(u' ')) {
            const QStringList xy = step.mid(1).split(u',');
            const QPoint at =
                scene.button->mapTo(&scene.window, QPoint(xy[0].toInt(), xy[1].toInt()));
            if (step[0] == u'C') {
                QCursor::setPos(scene.window.mapToGlobal(at));
                QCoreApplication::processEvents(); // the window sees the pointer there
            } else if (step[0] == u'M')
                QTest::mouseMove(window, at);
            if (step[0] == u'D') // soon after the release: QTest leaves a gap to avoid just that
                QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
            if (step[0] == u'P' || step[0] == u'D')
                QTest::mousePress(window, mouseButton, {}, at);
            else if (step[0] == u'R')
                QTest::mouseRelease(window, mouseButton, {}, at);
            else
                continue;
            const State state = scene.button->buttonState();
            // The container's MouseDown handler runs with the face the press leaves on screen.
            if (step[0] != u'R')
                QCOMPARE(scene.shownAtDown, state);
            after << QString(u"NPH"_s[int(state)]) + (scene.timer()->isActive() ? u't' : u'-') +
                         (QWidget::mouseGrabber() == scene.button ? u'g' : u'-');
        }
        QTEST(after.join(u' '), "after");
        QTEST(scene.events.join(u'|'), "events");
    }

    void keys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("text");
        // P press, R release, at the time that follows; r: marked as a repeat.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("newKeyCode"); // what a KeyDown handler makes of the key code
        // KeyDown (as raised), Click, KeyPress and KeyUp with their arguments.
        QTest::addColumn<QString>("events");
        const QString held = u"D13 C D13 C D13 C U13"_s;
        QTest::newRow("Return held, repeats marked")
            << Qt::Key_Return << QString() << u"P1 R2r P2r R3r P3r R4"_s << 13 << held;
        // Qt marks a repeat only when its press has come in by the time the release is handled.
        QTest::newRow("Return held, repeats unmarked")
            << Qt::Key_Return << u"\r"_s << u"P1 R2 P2 R3 P3 R4"_s << 13
            << u"D13 C P13 D13 C P13 D13 C P13 U13"_s;
        QTest::newRow("Return pressed twice")
            << Qt::Key_Return << QString() << u"P1 R2 P3 R4"_s << 13 << u"D13 C U13 D13 C U13"_s;
        QTest::newRow("Return zeroed by the handler")
            << Qt::Key_Return << QString() << u"P1 R2"_s << 0 << u"D13 U13"_s;
        // A character above U+7FFF comes out negative, as a 16-bit value.
        QTest::newRow("letter made Enter by the handler")
            << Qt::Key_A << u"a\uFEFB"_s << u"P1 R2"_s << 13 << u"D65 C P97 P-261 U65"_s;
    }

    void keys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, text);
        QFETCH(QString, steps);
        QFETCH(int, newKeyCode);
        QFETCH(QString, events);
        GButton button;
        QStringList seen;
        const auto log = [&seen](const QString &name) {
            return [&seen, name](qint16 &n, auto &&...) {
                seen << name + QString::number(n);
            };
        };
        connect(&button, &GButton::KeyDown, &button, log(u"D"_s));
        connect(&button, &GButton::KeyDown, &button,
                [newKeyCode](qint16 &code, qint16 &) { code = qint16(newKeyCode); });
        connect(&button, &GButton::Click, &button, [&seen] { seen << u"C"_s; });
        connect(&button, &GButton::KeyPress, &button, log(u"P"_s));
        connect(&button, &GButton::KeyUp, &button, log(u"U"_s));
        for (const QString &step : steps.split(u' ')) {
            const bool press = step.startsWith(u'P'), marked = step.endsWith(u'r');
            QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier,
                            press ? text : QString(), marked);
            event.setTimestamp(step.mid(1, marked ? step.size() - 2 : -1).toULongLong());
            QApplication::sendEvent(&button, &event);
        }
        QTRY_COMPARE(seen.join(u' '), events);
        QCOMPARE(button.buttonState(), GButton::StateNormal);
    }

    void hoverFollowsARestingCursor()
    {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QCOMPARE(scene.timer()->interval(), 20);
        scene.pointTo(scene.centre());
        QTRY_COMPARE(scene.button->buttonState(), GButton::StateHover);
        // The pointer leaves the window with no move seen, and comes back to the same place.
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(scene.window.windowHandle(), &leave);
        QTRY_COMPARE(scene.button->buttonState(), GButton::StateNormal);
        const QPointF at = scene.button->mapTo(&scene.window, scene.centre());
        QEnterEvent enter(at, at, scene.button->mapToGlobal(scene.centre()));
        QCoreApplication::sendEvent(scene.window.windowHandle(), &enter);
        QTRY_COMPARE(scene.button->buttonState(), GButton::StateHover);
        scene.pointTo(QPoint(-10, 5));
        // Pressed, hidden (a hidden button stops its own timer), shown (restarting it) and
        // released straight at the button, unseen by the resting cursor: the first tick takes
        // back the release's hover.
        QTRY_VERIFY(scene.timer()->isSleeping());
        QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.centre());
        scene.button->hide();
        QVERIFY(!scene.timer()->isActive());
        scene.button->show();
        QTRY_VERIFY(scene.timer()->isSleeping());
        QList<State> ticks; // the state each tick leaves, seen after the button's own handler
        connect(scene.timer(), &SharedTimer::timeout, this,
                [&] { ticks << scene.button->buttonState(); });
        QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.centre());
        QCOMPARE(scene.button->buttonState(), GButton::StateHover);
        QTRY_COMPARE(ticks.value(0, GButton::StateHover), GButton::StateNormal);
    }

    void focusAndAccessibility()
    {
        Scene scene;
        GButton &button = *scene.button;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&button);
        QSignalSpy clicked(&button, &GButton::Click);
        const QString press = QAccessibleActionInterface::pressAction();
        // Focus needs a shown, enabled button; so does a press through the accessible action.
        button.hide();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, button.SetFocus());
        button.show();
        button.setEnabled(false);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, button.SetFocus());
        QCOMPARE(scene.window.focusWidget(), nullptr);
        iface->actionInterface()->doAction(press);
        button.setEnabled(true);
        button.SetFocus();
        QCOMPARE(scene.window.focusWidget(), &button);
        iface->actionInterface()->doAction(press);
        QCOMPARE(clicked.count(), 1);
        button.setCaption(u"&Search && find"_s);
        QCOMPARE(iface->text(QAccessible::Name), u"Search & find"_s);
        QTest::mousePress(&button, Qt::LeftButton, {}, scene.centre());
        QVERIFY(iface->state().pressed);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, scene.centre());
        QVERIFY(!iface->state().pressed);
    }
};

QTEST_MAIN(TestGButton)
#include "tst_gbutton.moc"
