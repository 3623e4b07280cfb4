#include "ambient.h"
#include "cursor.h"
#include "input.h"
#include "sharedtimer.h"
#include "systemcolors.h"
#include "testmain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Two overlapping children, the right one above the left one and its top-left corner cut by a
// mask, and an inner child in the left one; shown.
void buildScene(QWidget &window)
{
    window.setObjectName(u"window"_s);
    window.setGeometry(100, 100, 200, 100);
    const auto add = [](QWidget *parent, const QString &name, QRect geometry) {
        auto *child = new QWidget(parent);
        child->setObjectName(name);
        child->setGeometry(geometry);
        return child;
    };
    add(add(&window, u"left"_s, {10, 10, 100, 50}), u"inner"_s, {10, 10, 20, 20});
    add(&window, u"right"_s, {80, 10, 100, 50})
        ->setMask(QRegion(0, 0, 100, 50) - QRegion(0, 0, 5, 5));
    window.show();
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void widgetUnderPoint_data();
    void widgetUnderPoint();
    void keyCode_data();
    void keyCode();
    void sysColor();
    void mousePointerShapes_data();
    void mousePointerShapes();
    void sharedTimersTickTogether();
    void sleepingTimerWakesOnChange_data();
    void sleepingTimerWakesOnChange();
};

void TestDesktop::widgetUnderPoint_data()
{
    QTest::addColumn<QString>("change"); // "hide" or "disable" and a widget's name
    QTest::addColumn<QPoint>("point");   // in the window
    QTest::addColumn<QString>("expected");

    QTest::newRow("grandchild") << "" << QPoint(25, 25) << "inner";
    QTest::newRow("upper sibling wins") << "" << QPoint(100, 40) << "right";
    QTest::newRow("masked corner shows the one beneath") << "" << QPoint(81, 11) << "left";
    QTest::newRow("hidden sibling shows the one beneath")
        << "hide right" << QPoint(100, 40) << "left";
    QTest::newRow("disabled child shows its parent") << "disable inner" << QPoint(25, 25) << "left";
    QTest::newRow("disabled window") << "disable window" << QPoint(25, 25) << "";
}

void TestDesktop::widgetUnderPoint()
{
    QFETCH(QString, change);
    QFETCH(QPoint, point);
    QFETCH(QString, expected);

    QWidget window;
    buildScene(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString target = change.section(u' ', 1);
    QWidget *changed =
        target == window.objectName() ? &window : window.findChild<QWidget *>(target);
    if (change.startsWith(u"hide"))
        changed->hide();
    else if (change.startsWith(u"disable"))
        changed->setEnabled(false);

    QWidget *const found = Cursor::widgetAt(window.mapToGlobal(point));
    QCOMPARE(found ? found->objectName() : QString(), expected);
}

void TestDesktop::keyCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shift");

    const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << 13 << 0;
    QTest::newRow("keypad digit") << int(Qt::Key_7) << keypad << 103 << 0;
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << keypad << 107 << 0;
    QTest::newRow("letter with Shift")
        << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 81 << 1;
    QTest::newRow("plus on the main keys, Ctrl Alt")
        << int(Qt::Key_Plus) << (Qt::ControlModifier | Qt::AltModifier) << 187 << 6;
    QTest::newRow("F12, Meta is no shift")
        << int(Qt::Key_F12) << Qt::KeyboardModifiers(Qt::MetaModifier) << 123 << 0;
    QTest::newRow("no code") << int(Qt::Key_MediaPlay) << Qt::KeyboardModifiers() << 0 << 0;
}

void TestDesktop::keyCode()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    QFETCH(int, shift);
    QCOMPARE(Input::keyCode(QKeyEvent(QEvent::KeyPress, key, modifiers)), qint16(code));
    QCOMPARE(Input::shiftMask(modifiers), qint16(shift));
}

void TestDesktop::sysColor()
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x40, 0x50, 0x60));
    QApplication::setPalette(palette);
    // 0x00BBGGRR, red in the low byte; 25 and indexes outside the table have no colour.
    const QList<quint32> colours{SystemColors::sysColor(18), SystemColors::sysColor(17),
                                 SystemColors::sysColor(25), SystemColors::sysColor(31),
                                 SystemColors::sysColor(-1)};
    QApplication::setPalette(saved);
    QCOMPARE(colours, (QList<quint32>{0x302010, 0x605040, 0, 0, 0}));
}

void TestDesktop::mousePointerShapes_data()
{
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("shape"); // -1: no cursor of its own
    QTest::newRow("0 default") << 0 << -1;
    QTest::newRow("3 I-beam") << 3 << int(Qt::IBeamCursor);
    QTest::newRow("13 arrow and hourglass") << 13 << int(Qt::BusyCursor);
    QTest::newRow("99 the icon") << 99 << int(Qt::BitmapCursor);
    QTest::newRow("unknown number") << 42 << -1;
}

void TestDesktop::mousePointerShapes()
{
    QFETCH(int, pointer);
    QFETCH(int, shape);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    QWidget container;
    QWidget widget(&container);
    widget.setCursor(Qt::PointingHandCursor);
    Cursor::setMousePointer(widget, pointer, icon);
    QCOMPARE(widget.testAttribute(Qt::WA_SetCursor) ? int(widget.cursor().shape()) : -1, shape);
}

void TestDesktop::sharedTimersTickTogether()
{
    SharedTimer first;
    SharedTimer second;
    auto deleted = std::make_unique<SharedTimer>();
    SharedTimer stopped;
    QStringList log;
    connect(&first, &SharedTimer::timeout, this, [&log] { log << u"first"_s; });
    // A handler may delete or stop a timer due later in the same tick: it does not tick then.
    connect(&second, &SharedTimer::timeout, this, [&] {
        log << u"second"_s;
        deleted.reset();
        stopped.stop();
    });
    connect(deleted.get(), &SharedTimer::timeout, this, [&log] { log << u"deleted"_s; });
    connect(&stopped, &SharedTimer::timeout, this, [&log] { log << u"stopped"_s; });
    for (SharedTimer *t : {&second, deleted.get(), &stopped, &first}) {
        t->setInterval(5);
        t->start();
    }
    // Same interval, same beat: they always tick in pairs, in the order they were started.
    QTRY_VERIFY(log.size() >= 4);
    QCOMPARE(log.mid(0, 4), (QStringList{u"second"_s, u"first"_s, u"second"_s, u"first"_s}));
}

void TestDesktop::sleepingTimerWakesOnChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("sleepsAgain");
    for (const char *change : {"cursor moves", "widget hidden", "widget disabled", "widget moved",
                               "widget raised", "window moved", "run mode changes",
                               "mask announced", "another timer starts"})
        QTest::newRow(change) << QString::fromLatin1(change) << true;
    // A timer that does not opt in keeps the beat awake for every timer of its interval.
    QTest::newRow("plain timer starts") << u"plain timer starts"_s << false;
    QTest::newRow("sleeping given up") << u"sleeping given up"_s << false;
}

void TestDesktop::sleepingTimerWakesOnChange()
{
    QFETCH(QString, change);
    QFETCH(bool, sleepsAgain);
    QWidget window;
    buildScene(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *right = window.findChild<QWidget *>(u"right"_s);
    // The cursor rests on the right widget.
    Cursor::startTracking();
    QCursor::setPos(window.mapToGlobal(QPoint(100, 40)));
    QTest::mouseMove(window.windowHandle(), QPoint(100, 40));
    QTRY_COMPARE(Cursor::widgetUnderCursor(), right);

    SharedTimer timer, other;
    for (SharedTimer *t : {&timer, &other}) {
        t->setInterval(4);
        t->setSleepsWhileCursorRests(change != u"plain timer starts" || t == &timer);
    }
    timer.start();
    QTRY_VERIFY(timer.isSleeping());
    QVERIFY(timer.isActive());
    QSignalSpy ticks(&timer, &SharedTimer::timeout);

    if (change == u"cursor moves")
        QTest::mouseMove(window.windowHandle(), QPoint(30, 45));
    else if (change == u"widget hidden")
        right->hide();
    else if (change == u"widget disabled")
        right->setEnabled(false);
    else if (change == u"widget moved")
        right->move(150, 10);
    else if (change == u"widget raised")
        window.findChild<QWidget *>(u"left"_s)->raise();
    else if (change == u"window moved")
        window.move(window.pos() + QPoint(300, 0));
    else if (change == u"run mode changes")
        Ambient::setUserMode(false);
    else if (change == u"mask announced") {
        right->setMask(QRegion(50, 0, 50, 50)); // Qt reports no event for a mask
        SharedTimer::wakeAll();
    } else if (change == u"sleeping given up")
        timer.setSleepsWhileCursorRests(false);
    else
        other.start();

    QTRY_VERIFY(ticks.count() >= 1);
    if (sleepsAgain)
        QTRY_VERIFY(timer.isSleeping());
    else
        QTRY_VERIFY(ticks.count() >= 10 && !timer.isSleeping());
    Ambient::setUserMode(true);
}

ORVANE_TEST(TestDesktop)
#include "tst_desktop.moc"
