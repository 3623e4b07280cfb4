// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <functional>
#include <memory>

namespace {

// Shown: two overlapping children, the right one above with its top-left corner masked off, and
// an inner child in the left one. A timer that may sleep while the cursor rests, and a plain one.
struct Scene
{
    Scene()
    {
        window.setGeometry(100, 100, 200, 100);
        left->setGeometry(10, 10, 100, 50);
        inner->setGeometry(10, 10, 20, 20);
        right->setGeometry(80, 10, 100, 50);
        right->setMask(QRegion(0, 0, 100, 50) - QRegion(0, 0, 5, 5));
        window.show();
        timer.setInterval(4);
        plain.setInterval(4);
        timer.setSleepsWhileCursorRests(true);
    }
    // Moves the cursor as the window system reports it: the window sees a move there.
    void pointTo(QPoint inWindow)
    {
        QCursor::setPos(window.mapToGlobal(inWindow));
        QTest::mouseMove(window.windowHandle(), inWindow);
    }
    QWidget window;
    QWidget *left = new QWidget(&window);
    QWidget *inner = new QWidget(left);
    QWidget *right = new QWidget(&window);
    SharedTimer timer, plain;
};

using Change = std::function<void(Scene &)>;
using Member = QWidget *Scene::*;

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Ambient::setUserMode(true); }

    void keyCode_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("keypad digit") << (Qt::KeypadModifier | Qt::Key_7) << 103 << 0;
        QTest::newRow("keypad Enter") << (Qt::KeypadModifier | Qt::Key_Enter) << 13 << 0;
        QTest::newRow("letter, Shift") << (Qt::ShiftModifier | Qt::Key_Q) << 81 << 1;
        QTest::newRow("plus") << (Qt::ControlModifier | Qt::AltModifier | Qt::Key_Plus) << 187 << 6;
        QTest::newRow("F12, Meta no shift") << (Qt::MetaModifier | Qt::Key_F12) << 123 << 0;
    }

    void keyCode()
    {
        QFETCH(QKeyCombination, keys);
        const QKeyEvent event(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
        QTEST(int(Input::keyCode(event)), "code");
        QTEST(int(Input::shiftMask(keys.keyboardModifiers())), "shift");
    }

    void sysColor()
    {
        const QPalette saved = QGuiApplication::palette();
        QPalette palette = saved;
        palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(0x10, 0x20, 0x30));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x40, 0x50, 0x60));
        QApplication::setPalette(palette);
        const QList<quint32> colours{SystemColors::sysColor(18), SystemColors::sysColor(17),
                                     SystemColors::sysColor(25), SystemColors::sysColor(31)};
        QApplication::setPalette(saved);
        QCOMPARE(colours, (QList<quint32>{0x302010, 0x605040, 0, 0})); // 0x00BBGGRR; 25, 31: none
    }

    void sharedTimersTickTogether()
    {
        SharedTimer first, second;
        auto deleted = std::make_unique<SharedTimer>();
        QList<SharedTimer *> log;
        // A handler may delete a timer due later in the same tick: it does not tick then.
        connect(&second, &SharedTimer::timeout, this, [&deleted] { deleted.reset(); });
        for (SharedTimer *t : {&second, deleted.get(), &first}) {
            connect(t, &SharedTimer::timeout, this, [&log, t] { log << t; });
            t->setInterval(5);
            t->start();
        }
        // Same interval, same beat: they always tick in pairs, in the order they were started.
        QTRY_VERIFY(log.size() >= 4);
        QCOMPARE(log.mid(0, 4), (QList<SharedTimer *>{&second, &first, &second, &first}));
    }

    // A timer asleep under a resting cursor wakes for any change and sees what lies there now.
    void restingCursorFollowsChanges_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<Member>("under"); // what lies under the cursor then
        const auto row = [](const char *tag, Member under, Change change) {
            QTest::newRow(tag) << change << under;
        };
        row("cursor onto a grandchild", &Scene::inner, [](Scene &s) { s.pointTo({25, 25}); });
        row("cursor into a masked corner", &Scene::left, [](Scene &s) { s.pointTo({81, 11}); });
        row("upper sibling hidden", &Scene::left, [](Scene &s) { s.right->hide(); });
        row("upper sibling disabled", &Scene::left, [](Scene &s) { s.right->setEnabled(false); });
        row("upper sibling moved", &Scene::left, [](Scene &s) { s.right->move(150, 10); });
        row("lower sibling raised", &Scene::left, [](Scene &s) { s.left->raise(); });
        row("run mode changes", &Scene::right, [](Scene &) { Ambient::setUserMode(false); });
        row("timer started again", &Scene::right, [](Scene &s) { s.timer.start(); });
        // A timer that does not opt in keeps the beat awake for every timer of its interval.
        row("plain timer starts", &Scene::right, [](Scene &s) { s.plain.start(); });
        row("sleeping given up", &Scene::right,
            [](Scene &s) { s.timer.setSleepsWhileCursorRests(false); });
    }

    void restingCursorFollowsChanges()
    {
        QFETCH(Change, change);
        QFETCH(Member, under);
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        Cursor::startTracking();
        scene.pointTo({100, 40});
        QTRY_COMPARE(Cursor::widgetUnderCursor(), scene.right); // the upper sibling wins
        scene.timer.start();
        QTRY_VERIFY(scene.timer.isSleeping());
        QSignalSpy ticks(&scene.timer, &SharedTimer::timeout);
        change(scene);
        QTRY_VERIFY(ticks.count() >= 1);
        QCOMPARE(Cursor::widgetUnderCursor(), scene.*under);
        QCOMPARE(Cursor::widgetAt(QCursor::pos()), scene.*under);
        const bool mayRest = scene.timer.sleepsWhileCursorRests() && !scene.plain.isActive();
        QTRY_VERIFY(mayRest ? scene.timer.isSleeping()
                            : ticks.count() >= 10 && !scene.timer.isSleeping());
    }
};

ORVANE_TEST(TestDesktop)
#include "tst_desktop.moc"
