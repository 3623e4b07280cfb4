#include "ambient.h"
#include "cursor.h"
#include "input.h"
#include "roundrect.h"
#include "sharedtimer.h"
#include "systemcolors.h"
#include "testmain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

// Which widget of the scene a lookup should give.
enum class Expected
{
    None,
    Window,
    Left,
    Right,
    Inner
};
Q_DECLARE_METATYPE(Expected)

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void widgetUnderPoint_data();
    void widgetUnderPoint();
    void trackedCursorLeavesWithTheWindow();
    void keyCode_data();
    void keyCode();
    void masks();
    void sysColor_data();
    void sysColor();
    void roundRect_data();
    void roundRect();
    void mousePointerShapes_data();
    void mousePointerShapes();
    void ambientFont();
    void sharedTimersTickTogether();
    void sharedTimerSurvivesChangesInATick_data();
    void sharedTimerSurvivesChangesInATick();
    void sharedTimerSleepsOnlyWhenAllowed_data();
    void sharedTimerSleepsOnlyWhenAllowed();
    void sleepingTimerWakesOnEveryChange_data();
    void sleepingTimerWakesOnEveryChange();
    void tickChangingTheSceneKeepsTheBeatAwake();

private:
    // A window with two overlapping children, the right one above the left, and an inner
    // child in the left one; the right one has its top-left corner cut by a mask.
    struct Scene
    {
        QWidget window;
        QWidget *left;
        QWidget *right;
        QWidget *inner;
    };
    std::unique_ptr<Scene> makeScene();
};

void TestDesktop::initTestCase()
{
    Cursor::startTracking();
}

std::unique_ptr<TestDesktop::Scene> TestDesktop::makeScene()
{
    auto scene = std::make_unique<Scene>();
    scene->window.setGeometry(100, 100, 200, 100);
    scene->left = new QWidget(&scene->window);
    scene->left->setGeometry(10, 10, 100, 50);
    scene->inner = new QWidget(scene->left);
    scene->inner->setGeometry(10, 10, 20, 20);
    scene->right = new QWidget(&scene->window);
    scene->right->setGeometry(80, 10, 100, 50);
    scene->right->setMask(QRegion(0, 0, 100, 50) - QRegion(0, 0, 5, 5));
    return scene;
}

void TestDesktop::widgetUnderPoint_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QPoint>("point"); // in the window
    QTest::addColumn<Expected>("expected");

    QTest::newRow("window itself") << "" << QPoint(5, 5) << Expected::Window;
    QTest::newRow("child") << "" << QPoint(50, 50) << Expected::Left;
    QTest::newRow("grandchild") << "" << QPoint(25, 25) << Expected::Inner;
    QTest::newRow("upper sibling wins") << "" << QPoint(100, 40) << Expected::Right;
    QTest::newRow("masked corner shows the one beneath") << "" << QPoint(81, 11) << Expected::Left;
    QTest::newRow("hidden sibling shows the one beneath")
        << "hide right" << QPoint(100, 40) << Expected::Left;
    QTest::newRow("disabled sibling shows the one beneath")
        << "disable right" << QPoint(100, 40) << Expected::Left;
    QTest::newRow("disabled child shows its parent")
        << "disable inner" << QPoint(25, 25) << Expected::Left;
    QTest::newRow("disabled parent takes its children along")
        << "disable left" << QPoint(25, 25) << Expected::Window;
    QTest::newRow("disabled window") << "disable window" << QPoint(25, 25) << Expected::None;
}

void TestDesktop::widgetUnderPoint()
{
    QFETCH(QString, change);
    QFETCH(QPoint, point);
    QFETCH(Expected, expected);

    const auto scene = makeScene();
    scene->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene->window));
    if (change == u"hide right")
        scene->right->hide();
    else if (change == u"disable right")
        scene->right->setEnabled(false);
    else if (change == u"disable inner")
        scene->inner->setEnabled(false);
    else if (change == u"disable left")
        scene->left->setEnabled(false);
    else if (change == u"disable window")
        scene->window.setEnabled(false);

    QWidget *const widgets[] = {nullptr, &scene->window, scene->left, scene->right, scene->inner};
    QWidget *const want = widgets[int(expected)];
    const QPoint global = scene->window.mapToGlobal(point);
    QCOMPARE(Cursor::widgetAt(global), want);

    // The tracked lookup gives the same answer once the window has seen the cursor there. The
    // first move makes sure the second is one: Qt drops a move to where the cursor already is.
    QTest::mouseMove(scene->window.windowHandle(), point + QPoint(1, 1));
    QTest::mouseMove(scene->window.windowHandle(), point);
    QCOMPARE(Cursor::widgetUnderCursor(), want);
}

void TestDesktop::trackedCursorLeavesWithTheWindow()
{
    const auto scene = makeScene();
    scene->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene->window));
    // Entering the window tells where the cursor is, before any move inside it.
    QCursor::setPos(scene->window.mapToGlobal(QPoint(400, 400)));
    QCursor::setPos(scene->window.mapToGlobal(QPoint(50, 50)));
    QTRY_COMPARE(Cursor::widgetUnderCursor(), scene->left);

    // Leaving the window: nothing of ours is under the cursor any more.
    QCursor::setPos(scene->window.mapToGlobal(QPoint(400, 400)));
    QTRY_COMPARE(Cursor::widgetUnderCursor(), nullptr);
    QCOMPARE(Cursor::widgetAt(scene->window.mapToGlobal(QPoint(400, 400))), nullptr);

    QTest::mouseMove(scene->window.windowHandle(), QPoint(51, 51));
    QCOMPARE(Cursor::widgetUnderCursor(), scene->left);
    scene->window.hide();
    QCOMPARE(Cursor::widgetUnderCursor(), nullptr);
}

void TestDesktop::keyCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");

    const Qt::KeyboardModifiers none;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << 13;
    QTest::newRow("space") << int(Qt::Key_Space) << none << 32;
    QTest::newRow("letter") << int(Qt::Key_Q) << none << 81;
    QTest::newRow("letter with shift")
        << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 81;
    QTest::newRow("digit") << int(Qt::Key_7) << none << 55;
    QTest::newRow("shifted digit") << int(Qt::Key_Exclam) << none << 49;
    QTest::newRow("keypad digit") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << 103;
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                 << 107;
    QTest::newRow("plus on the main keys") << int(Qt::Key_Plus) << none << 187;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 112;
    QTest::newRow("F12") << int(Qt::Key_F12) << none << 123;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << 27;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << 9;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << 8;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << none << 37;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << none << 34;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << 46;
    QTest::newRow("shift key") << int(Qt::Key_Shift) << none << 16;
    QTest::newRow("control key") << int(Qt::Key_Control) << none << 17;
    QTest::newRow("alt key") << int(Qt::Key_Alt) << none << 18;
    QTest::newRow("comma") << int(Qt::Key_Comma) << none << 188;
    QTest::newRow("tilde") << int(Qt::Key_AsciiTilde) << none << 192;
    QTest::newRow("select, last in the table") << int(Qt::Key_Select) << none << 41;
    QTest::newRow("no code") << int(Qt::Key_MediaPlay) << none << 0;
}

void TestDesktop::keyCode()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCOMPARE(Input::keyCode(event), qint16(code));
}

void TestDesktop::masks()
{
    QCOMPARE(Input::shiftMask(Qt::NoModifier), qint16(0));
    QCOMPARE(Input::shiftMask(Qt::ShiftModifier), qint16(1));
    QCOMPARE(Input::shiftMask(Qt::ControlModifier | Qt::AltModifier), qint16(6));
    // Keypad and Meta are not part of the mask.
    QCOMPARE(Input::shiftMask(Qt::ShiftModifier | Qt::KeypadModifier | Qt::MetaModifier),
             qint16(1));
    QCOMPARE(Input::mouseButtons(Qt::LeftButton), qint16(1));
    QCOMPARE(Input::mouseButtons(Qt::RightButton), qint16(2));
    QCOMPARE(Input::mouseButtons(Qt::MiddleButton | Qt::LeftButton), qint16(5));
    QCOMPARE(Input::mouseButtons(Qt::BackButton), qint16(0));
}

void TestDesktop::sysColor_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour"); // invalid: no colour, 0

    QTest::newRow("button face") << 15 << QColor(10, 20, 30);
    QTest::newRow("button text") << 18 << QColor(40, 50, 60);
    QTest::newRow("button highlight") << 20 << QColor(70, 80, 90);
    QTest::newRow("button shadow") << 16 << QColor(100, 110, 120);
    QTest::newRow("grey text") << 17 << QColor(130, 140, 150);
    QTest::newRow("window") << 5 << QColor(160, 170, 180);
    QTest::newRow("index 25 has none") << 25 << QColor();
    QTest::newRow("past the last") << 31 << QColor();
    QTest::newRow("negative") << -1 << QColor();
}

void TestDesktop::sysColor()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);

    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(40, 50, 60));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(70, 80, 90));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(100, 110, 120));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 140, 150));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(160, 170, 180));
    QApplication::setPalette(palette);
    const quint32 value = SystemColors::sysColor(index);
    QApplication::setPalette(saved);

    if (!colour.isValid()) {
        QCOMPARE(value, 0u);
        return;
    }
    // 0x00BBGGRR, red in the low byte.
    QCOMPARE(value, quint32(colour.red() | colour.green() << 8 | colour.blue() << 16));
    QCOMPARE(SystemColors::toQColor(value), colour);
}

void TestDesktop::roundRect_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("ellipse");
    QTest::addColumn<QList<QPoint>>("outside"); // pixels of the rect left out

    QTest::newRow("4 x 4 cuts one pixel a corner")
        << QRect(0, 0, 10, 6) << 4 << QList<QPoint>{{0, 0}, {9, 0}, {0, 5}, {9, 5}};
    QTest::newRow("5 x 5 cuts one pixel a corner")
        << QRect(0, 0, 10, 6) << 5 << QList<QPoint>{{0, 0}, {9, 0}, {0, 5}, {9, 5}};
    QTest::newRow("9 x 9 cuts a rounder corner")
        << QRect(0, 0, 12, 12) << 9
        << QList<QPoint>{{0, 0},  {1, 0},  {0, 1},  {11, 0},  {10, 0},  {11, 1},
                         {0, 11}, {1, 11}, {0, 10}, {11, 11}, {10, 11}, {11, 10}};
    QTest::newRow("offset rectangle")
        << QRect(3, 2, 6, 4) << 4 << QList<QPoint>{{3, 2}, {8, 2}, {3, 5}, {8, 5}};
    QTest::newRow("no ellipse is the rectangle") << QRect(0, 0, 5, 5) << 0 << QList<QPoint>{};
    QTest::newRow("one row") << QRect(0, 0, 7, 1) << 4 << QList<QPoint>{};
    // The ellipse is cut down to the rectangle's height: 4 x 2 leaves every pixel centre in.
    QTest::newRow("ellipse taller than the rectangle") << QRect(0, 0, 7, 2) << 4 << QList<QPoint>{};
    QTest::newRow("ellipse wider than the rectangle")
        << QRect(0, 0, 3, 9) << 9 << QList<QPoint>{{0, 0}, {2, 0}, {0, 8}, {2, 8}};
    QTest::newRow("empty") << QRect(0, 0, 0, 5) << 4 << QList<QPoint>{};
}

void TestDesktop::roundRect()
{
    QFETCH(QRect, rect);
    QFETCH(int, ellipse);
    QFETCH(QList<QPoint>, outside);

    const QRegion region = Shapes::roundRect(rect, ellipse, ellipse);
    QVERIFY(rect.contains(region.boundingRect()) || region.isEmpty());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            QCOMPARE(region.contains(QPoint(x, y)), !outside.contains(QPoint(x, y)));
    }
}

void TestDesktop::mousePointerShapes_data()
{
    QTest::addColumn<int>("pointer");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<int>("shape"); // -1: no cursor of its own

    QTest::newRow("0 default") << 0 << false << -1;
    QTest::newRow("1 arrow") << 1 << false << int(Qt::ArrowCursor);
    QTest::newRow("3 I-beam") << 3 << false << int(Qt::IBeamCursor);
    QTest::newRow("7 size N-S") << 7 << false << int(Qt::SizeVerCursor);
    QTest::newRow("11 hourglass") << 11 << false << int(Qt::WaitCursor);
    QTest::newRow("13 arrow and hourglass") << 13 << false << int(Qt::BusyCursor);
    QTest::newRow("99 with icon") << 99 << true << int(Qt::BitmapCursor);
    QTest::newRow("99 without icon") << 99 << false << -1;
    QTest::newRow("unknown number") << 42 << false << -1;
}

void TestDesktop::mousePointerShapes()
{
    QFETCH(int, pointer);
    QFETCH(bool, withIcon);
    QFETCH(int, shape);

    QPixmap icon;
    if (withIcon) {
        icon = QPixmap(16, 16);
        icon.fill(Qt::red);
    }
    const std::optional<QCursor> cursor = Cursor::shape(pointer, icon);
    QCOMPARE(cursor.has_value(), shape >= 0);
    if (cursor)
        QCOMPARE(int(cursor->shape()), shape);

    QWidget container;
    QWidget widget(&container);
    widget.setCursor(Qt::PointingHandCursor);
    Cursor::setMousePointer(widget, pointer, icon);
    QCOMPARE(widget.testAttribute(Qt::WA_SetCursor), shape >= 0);
    if (shape >= 0)
        QCOMPARE(int(widget.cursor().shape()), shape);
}

void TestDesktop::ambientFont()
{
    QWidget container;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(17);
    container.setFont(font);
    QWidget control(&container);
    QCOMPARE(Ambient::font(control), container.font());
    QWidget alone;
    QCOMPARE(Ambient::font(alone), QApplication::font());
}

void TestDesktop::sharedTimersTickTogether()
{
    SharedTimer first;
    SharedTimer second;
    SharedTimer other;
    for (SharedTimer *t : {&first, &second})
        t->setInterval(5);
    other.setInterval(7);
    QStringList log;
    connect(&first, &SharedTimer::timeout, this, [&log] { log << QStringLiteral("first"); });
    connect(&second, &SharedTimer::timeout, this, [&log] { log << QStringLiteral("second"); });
    QSignalSpy otherTicks(&other, &SharedTimer::timeout);
    second.start();
    first.start();
    other.start();
    QVERIFY(first.isActive() && second.isActive());
    QTRY_VERIFY(log.size() >= 6);
    QTRY_VERIFY(otherTicks.count() >= 2);
    // Same interval, same beat: they always tick in pairs, in the order they were started.
    const qsizetype pairs = log.size() / 2;
    for (qsizetype i = 0; i < pairs; ++i)
        QCOMPARE(log.mid(2 * i, 2),
                 (QStringList{QStringLiteral("second"), QStringLiteral("first")}));

    second.stop();
    QVERIFY(!second.isActive());
    log.clear();
    QTRY_VERIFY(log.size() >= 3);
    QVERIFY(!log.contains(QStringLiteral("second")));

    // A new interval takes the running timer along.
    first.setInterval(7);
    QCOMPARE(first.interval(), 7);
    QVERIFY(first.isActive());
    log.clear();
    QTRY_VERIFY(log.size() >= 2);
}

void TestDesktop::sharedTimerSurvivesChangesInATick_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("stop the next one") << "stop";
    QTest::newRow("delete the next one") << "delete";
}

void TestDesktop::sharedTimerSurvivesChangesInATick()
{
    QFETCH(QString, change);
    SharedTimer first;
    auto *second = new SharedTimer;
    int secondTicks = 0;
    for (SharedTimer *t : {&first, second})
        t->setInterval(3);
    connect(second, &SharedTimer::timeout, this, [&secondTicks] { ++secondTicks; });
    connect(&first, &SharedTimer::timeout, this, [&] {
        if (!second)
            return;
        if (change == u"stop") {
            second->stop();
        } else {
            delete second;
            second = nullptr;
        }
    });
    first.start();
    second->start();
    QSignalSpy firstTicks(&first, &SharedTimer::timeout);
    QTRY_VERIFY(firstTicks.count() >= 3);
    // Changed by the first timer's handler, the second never ticks in that turn or after.
    QCOMPARE(secondTicks, 0);
    delete second;
}

void TestDesktop::sharedTimerSleepsOnlyWhenAllowed_data()
{
    QTest::addColumn<bool>("optsIn");
    QTest::addColumn<bool>("besidePlain"); // a plain timer of the same interval runs too
    QTest::addColumn<bool>("sleeps");
    QTest::newRow("plain timer") << false << false << false;
    QTest::newRow("sleeping allowed") << true << false << true;
    QTest::newRow("sleeping allowed beside a plain timer") << true << true << false;
}

void TestDesktop::sharedTimerSleepsOnlyWhenAllowed()
{
    QFETCH(bool, optsIn);
    QFETCH(bool, besidePlain);
    QFETCH(bool, sleeps);

    const auto scene = makeScene();
    scene->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene->window));
    QTest::mouseMove(scene->window.windowHandle(), QPoint(51, 40));
    QTest::mouseMove(scene->window.windowHandle(), QPoint(50, 40));
    SharedTimer plain;
    SharedTimer timer;
    for (SharedTimer *t : {&plain, &timer})
        t->setInterval(4);
    timer.setSleepsWhileCursorRests(optsIn);
    if (besidePlain)
        plain.start();
    timer.start();
    QSignalSpy ticks(&timer, &SharedTimer::timeout);

    if (!sleeps) {
        // Far past the two quiet beats after which a sleeping timer would stop.
        QTRY_VERIFY(ticks.count() >= 10);
        QVERIFY(!timer.isSleeping());
        QVERIFY(!plain.isSleeping());
        if (!besidePlain)
            return;
        // Left alone, it may sleep.
        plain.stop();
    }
    QTRY_VERIFY(timer.isSleeping());
    QVERIFY(timer.isActive());
    // A clock of the same interval ticks on; the sleeping timer does not.
    ticks.clear();
    QTimer clock;
    clock.setInterval(4);
    QSignalSpy clockTicks(&clock, &QTimer::timeout);
    clock.start();
    QTRY_VERIFY(clockTicks.count() >= 10);
    QCOMPARE(ticks.count(), 0);
    QVERIFY(timer.isSleeping());
}

void TestDesktop::sleepingTimerWakesOnEveryChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("sleepsAgain");

    const QStringList changes{
        u"cursor moves"_s,        u"button pressed"_s,
        u"button released"_s,     u"cursor leaves the window"_s,
        u"widget hidden"_s,       u"widget shown"_s,
        u"widget disabled"_s,     u"widget enabled"_s,
        u"widget moved"_s,        u"widget resized"_s,
        u"widget raised"_s,       u"widget lowered"_s,
        u"widget reparented"_s,   u"widget deleted"_s,
        u"window moved"_s,        u"window hidden"_s,
        u"window disabled"_s,     u"run mode changes"_s,
        u"new mask announced"_s,  u"another timer starts"_s,
        u"another timer stops"_s,
    };
    for (const QString &change : changes)
        QTest::newRow(qPrintable(change)) << change << true;
    QTest::newRow("sleeping given up") << QStringLiteral("sleeping given up") << false;
}

void TestDesktop::sleepingTimerWakesOnEveryChange()
{
    QFETCH(QString, change);
    QFETCH(bool, sleepsAgain);

    const auto scene = makeScene();
    QWidget &window = scene->window;
    // The cursor rests where the right widget overlaps the left one.
    const QPoint resting(100, 40);
    const QPoint outside = window.mapToGlobal(QPoint(400, 400));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(outside);
    QCursor::setPos(window.mapToGlobal(resting));
    QTest::mouseMove(window.windowHandle(), resting + QPoint(1, 0));
    QTest::mouseMove(window.windowHandle(), resting);
    QTRY_COMPARE(Cursor::widgetUnderCursor(), scene->right);

    SharedTimer timer;
    SharedTimer other;
    for (SharedTimer *t : {&timer, &other}) {
        t->setInterval(4);
        t->setSleepsWhileCursorRests(true);
    }
    // What the change undoes is set up before the timer may sleep.
    if (change == u"button released")
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, resting);
    else if (change == u"widget shown")
        scene->right->hide();
    else if (change == u"widget enabled")
        scene->right->setEnabled(false);
    else if (change == u"widget raised")
        scene->left->raise();
    else if (change == u"another timer stops")
        other.start();
    timer.start();
    QTRY_VERIFY(timer.isSleeping());
    QCoreApplication::processEvents();
    QVERIFY(timer.isSleeping());
    QSignalSpy ticks(&timer, &SharedTimer::timeout);

    if (change == u"cursor moves") {
        QTest::mouseMove(window.windowHandle(), QPoint(30, 45));
    } else if (change == u"button pressed") {
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, resting);
    } else if (change == u"button released") {
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, resting);
    } else if (change == u"cursor leaves the window") {
        QCursor::setPos(outside);
    } else if (change == u"widget hidden") {
        scene->right->hide();
    } else if (change == u"widget shown") {
        scene->right->show();
    } else if (change == u"widget disabled") {
        scene->right->setEnabled(false);
    } else if (change == u"widget enabled") {
        scene->right->setEnabled(true);
    } else if (change == u"widget moved") {
        scene->right->move(150, 10);
    } else if (change == u"widget resized") {
        scene->right->resize(10, 50);
    } else if (change == u"widget raised") {
        scene->right->raise();
    } else if (change == u"widget lowered") {
        scene->right->lower();
    } else if (change == u"widget reparented") {
        scene->right->setParent(scene->left);
    } else if (change == u"widget deleted") {
        delete scene->right;
    } else if (change == u"window moved") {
        window.move(window.pos() + QPoint(300, 0));
    } else if (change == u"window hidden") {
        window.hide();
    } else if (change == u"window disabled") {
        window.setEnabled(false);
    } else if (change == u"run mode changes") {
        Ambient::setUserMode(false);
    } else if (change == u"new mask announced") {
        // Qt reports no event for a mask; whoever sets one under a resting cursor says so.
        scene->right->setMask(QRegion(50, 0, 50, 50));
        SharedTimer::wakeAll();
    } else if (change == u"another timer starts") {
        other.start();
    } else if (change == u"another timer stops") {
        other.stop();
    } else if (change == u"sleeping given up") {
        timer.setSleepsWhileCursorRests(false);
    }
    QTRY_VERIFY(ticks.count() >= 1);
    if (sleepsAgain) {
        QTRY_VERIFY(timer.isSleeping());
    } else {
        QTRY_VERIFY(ticks.count() >= 10);
        QVERIFY(!timer.isSleeping());
    }

    Ambient::setUserMode(true);
    if (change == u"button pressed")
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, resting);
}

void TestDesktop::tickChangingTheSceneKeepsTheBeatAwake()
{
    const auto scene = makeScene();
    scene->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene->window));
    QTest::mouseMove(scene->window.windowHandle(), QPoint(101, 40));
    QTest::mouseMove(scene->window.windowHandle(), QPoint(100, 40));
    QCOMPARE(Cursor::widgetUnderCursor(), scene->right);

    // The first timer's second tick cuts the point out of the right widget's mask, which no
    // event reports: the second timer ticks after it with the left widget under the cursor.
    SharedTimer first;
    SharedTimer second;
    QList<QWidget *> seen;
    for (SharedTimer *t : {&first, &second}) {
        t->setInterval(4);
        t->setSleepsWhileCursorRests(true);
    }
    connect(&first, &SharedTimer::timeout, this, [&] {
        seen << Cursor::widgetUnderCursor();
        if (seen.size() == 2)
            scene->right->setMask(QRegion(50, 0, 50, 50));
    });
    first.start();
    second.start();
    QTRY_VERIFY(first.isSleeping());
    // Not before the first timer too has ticked with what the second one saw.
    QCOMPARE(seen.last(), scene->left);
}

ORVANE_TEST(TestDesktop)
#include "tst_desktop.moc"
