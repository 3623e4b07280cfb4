// SPDX-License-Identifier: GPL-3.0-or-later
#include "ambient.h"
#include "cursor.h"
#include "fonts.h"
#include "input.h"
#include "program.h"
#include "sharedtimer.h"
#include "systemcolors.h"
#include "textservices.h"
#include "wildcard.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVersionNumber>
#include <QWidget>

#include <functional>
#include <iterator>
#include <memory>
#include <tuple>

using Wildcard::Result;
Q_DECLARE_METATYPE(Wildcard::Result)
using namespace Qt::StringLiterals;

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

// The Unicode versions whose CaseFolding.txt the matcher's rows were checked against, in the
// order QChar::UnicodeVersion appends them. A Qt that follows a newer one fails in one place.
const QVersionNumber knownUnicode[] = {{14, 0}, {15, 0}, {15, 1}, {16, 0}, {17, 0}};

using Change = std::function<void(Scene &)>;
using Member = QWidget *Scene::*;

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Ambient::setUserMode(true); }

    void wildcard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<Result>("expected");
        const auto row = [](const char *tag, const QString &text, const QString &pattern,
                            Result r) {
            QTest::newRow(tag) << text << pattern << r;
        };
        // The corpus in fuzz/ covers the other shapes against an independent matcher, case classes
        // in groups and unpaired surrogates among them.
        row("empty both", u""_s, u""_s, Result::Match);
        row("case folded", u"fe"_s, u"*FE*"_s, Result::Match);
        row("star backtracks", u"aXbYb"_s, u"a*b"_s, Result::Match);
        row("star backtracks fails", u"aXbYc"_s, u"a*b"_s, Result::NoMatch);
        row("question not none", u""_s, u"?"_s, Result::NoMatch);
        row("hash takes 0 and 9", u"09"_s, u"##"_s, Result::Match);
        row("hash not a letter", u"O"_s, u"#"_s, Result::NoMatch);
        row("range of one", u"A"_s, u"[a-a]"_s, Result::Match);
        row("negated range ignores case", u"Q"_s, u"[!a-z]"_s, Result::NoMatch);
        // Groups follow the literals' case rule: members by their folding, ranges by case class.
        row("long s not in negated", u"ſ"_s, u"[!s]"_s, Result::NoMatch);
        row("dotless i not in group", u"ı"_s, u"[I]"_s, Result::NoMatch);
        row("dotless i in negated range", u"ı"_s, u"[!A-Z]"_s, Result::Match);
        // Only simple foldings join characters. Up to Unicode 15.0 these three pairs share only a
        // full folding; CaseFolding.txt gives each a simple one (S) from 15.1 on.
        const int unicode = QChar::currentUnicodeVersion() - QChar::Unicode_14_0;
        QVERIFY2(unicode >= 0 && unicode < int(std::size(knownUnicode)),
                 "Qt follows a Unicode version these rows do not know: check its CaseFolding.txt");
        const Result joined =
            knownUnicode[unicode] >= QVersionNumber(15, 1) ? Result::Match : Result::NoMatch;
        row("iota dialytika oxia and tonos", u"\u1FD3"_s, u"\u0390"_s, joined);
        row("upsilon dialytika oxia and tonos", u"\u1FE3"_s, u"\u03B0"_s, joined);
        row("long s t and s t ligatures", u"\uFB05"_s, u"\uFB06"_s, joined);
        row("capital sharp s", u"\u1E9E"_s, u"\u00DF"_s, Result::Match);
        row("alpha psili prosgegrammeni", u"\u1F88"_s, u"\u1F80"_s, Result::Match);
    }

    void wildcard()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QTEST(Wildcard::match(text, pattern), "expected");
    }

    void trimSpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ends, not inside") << u"  a  b  "_s << u"a  b"_s;
        QTest::newRow("tab and no-break space kept") << u"\tFe\u00a0 "_s << u"\tFe\u00a0"_s;
    }

    void trimSpaces()
    {
        QFETCH(QString, text);
        QTEST(TextServices::trimSpaces(text), "expected");
    }

    void numberToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        // Hydrogen's mass: the locale's separator where it writes ASCII digits itself, "." where
        // its own digits are others, so that one number never mixes two digit systems. No group
        // separator even where the locale has one; the shortest text that reads back as the same
        // double, never with an exponent.
        const std::tuple<double, const char *, const char *> rows[] = {
            {1.0079, "C", "1.0079"},       {1.0079, "en_US", "1.0079"},
            {1.0079, "de_DE", "1,0079"},   {1.0079, "fr_FR", "1,0079"},
            {1.0079, "ar_SA", "1.0079"},   {1.0079, "ar_EG", "1.0079"},
            {12345.5, "de_DE", "12345,5"}, {1.0 / 3.0, "C", "0.3333333333333333"},
            {1e-5, "C", "0.00001"}};
        for (const auto &[value, locale, text] : rows)
            QTest::addRow("%s %s", text, locale)
                << value << QString::fromLatin1(locale) << QString::fromLatin1(text);
    }

    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, locale);
        QTEST(TextServices::numberToText(value, QLocale(locale)), "expected");
    }

    void keyCode_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QFile table(QFINDTESTDATA("virtual-keys.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
        while (!table.atEnd()) {
            const QString line = QString::fromLatin1(table.readLine()).simplified();
            const QStringList words = line.split(u' ');
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            QVERIFY2(words.size() >= 3, qPrintable(line));
            for (const QString &key : words.mid(2)) {
                const bool pad = key.startsWith(u'#');
                const int qtKey = keys.keyToValue("Key_" + key.mid(pad ? 1 : 0).toLatin1());
                QVERIFY2(qtKey > 0, qPrintable(key));
                QTest::addRow("VK_%s %s", qPrintable(words[0]), qPrintable(key))
                    << QKeyCombination(pad ? Qt::KeypadModifier : Qt::NoModifier, Qt::Key(qtKey))
                    << words[1].toInt(nullptr, 16) << 0;
            }
        }
        // Shift 1, Ctrl 2, Alt 4; Meta and the keypad add nothing.
        const Qt::KeyboardModifiers all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        QTest::newRow("Shift") << (Qt::ShiftModifier | Qt::Key_Q) << 0x51 << 1;
        QTest::newRow("Ctrl Alt") << (Qt::ControlModifier | Qt::AltModifier | Qt::Key_9) << 0x39
                                  << 6;
        QTest::newRow("Meta") << (Qt::MetaModifier | Qt::Key_F12) << 0x7B << 0;
        QTest::newRow("all, keypad") << (all | Qt::KeypadModifier | Qt::Key_7) << 0x67 << 7;
    }

    void keyCode()
    {
        QFETCH(QKeyCombination, keys);
        const QKeyEvent event(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
        QTEST(int(Input::keyCode(event)), "code");
        QTEST(int(Input::shiftMask(keys.keyboardModifiers())), "shift");
    }

    void mouse()
    {
        // The buttons: left 1, right 2, middle 4, added together.
        QCOMPARE(Input::mouseButtons(Qt::LeftButton | Qt::MiddleButton | Qt::BackButton), 5);
        QCOMPARE(Input::mouseButtons(Qt::RightButton), 2);
        // The pointer numbers of the design and the shapes that stand for them; 99 without an
        // icon, and numbers with no shape, leave the widget's own pointer.
        const Qt::CursorShape shapes[] = {
            Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
            Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
            Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
            Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
        QWidget window;
        QWidget &widget = *new QWidget(&window);
        for (int pointer = 1; pointer <= 15; ++pointer) {
            Cursor::setMousePointer(widget, pointer);
            QCOMPARE(std::pair(pointer, widget.cursor().shape()),
                     std::pair(pointer, shapes[pointer]));
        }
        for (int pointer : {0, 16, 99}) {
            Cursor::setMousePointer(widget, pointer);
            QVERIFY(!widget.testAttribute(Qt::WA_SetCursor));
        }
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

    void beepRingsTheBell()
    {
        // Every beep counted reaches the display's bell. Only a display server hears it: the test
        // "bell" runs this again on Qt's X11 platform, where a listener writes a line to the file
        // $ORVANE_BELLS for every bell the server rings.
        const QString bells = qEnvironmentVariable("ORVANE_BELLS");
        if (bells.isEmpty())
            QSKIP("the bell needs an X server: the test \"bell\" runs this there");
        const auto rung = [&bells] {
            QFile file(bells);
            return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
        };
        const qsizetype before = rung();
        const int counted = Program::beepCount();
        Program::beep();
        Program::beep();
        QCOMPARE(Program::beepCount(), counted + 2);
        QTRY_COMPARE(rung(), before + 2);
    }

    void sharedTimersTickTogether()
    {
        SharedTimer first, second, stopped;
        auto deleted = std::make_unique<SharedTimer>();
        QList<SharedTimer *> log;
        // A handler may stop or delete a timer due later in the same tick: it does not tick then.
        connect(&second, &SharedTimer::timeout, this, [&] {
            deleted.reset();
            stopped.stop();
        });
        for (SharedTimer *t : {&second, deleted.get(), &stopped, &first}) {
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
        // Woken between two beats, the system timer may catch up once; from the first tick on
        // it keeps the timer's own interval.
        const QTimer *beat = qApp->findChild<QTimer *>(u"SharedBeat 4"_s);
        QList<int> intervals;
        connect(&scene.timer, &SharedTimer::timeout, beat, [&] { intervals << beat->interval(); });
        change(scene);
        QTRY_VERIFY(ticks.count() >= 1);
        QCOMPARE(intervals.first(), 4);
        QCOMPARE(Cursor::widgetUnderCursor(), scene.*under);
        QCOMPARE(Cursor::widgetAt(QCursor::pos()), scene.*under);
        const bool mayRest = scene.timer.sleepsWhileCursorRests() && !scene.plain.isActive();
        QTRY_VERIFY(mayRest ? scene.timer.isSleeping()
                            : ticks.count() >= 10 && !scene.timer.isSleeping());
    }

    void resolve_data()
    {
        // Installed families, those with Arabic, then the faces for the window and for titles.
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("arabic");
        QTest::addColumn<QStringList>("faces");
        QTest::addColumn<bool>("arabicMissing");
        const auto row = [](const char *tag, const char *installed, const char *arabic,
                            const char *faces, bool missing) {
            const auto list = [](const char *names) {
                return QString::fromLatin1(names).split(u',', Qt::SkipEmptyParts);
            };
            QTest::newRow(tag) << list(installed) << list(arabic) << list(faces) << missing;
        };
        // With both DejaVu and Noto: designedFaces, on this machine's fonts.
        row("DejaVu alone covers Arabic", "DejaVu Serif,DejaVu Sans", "DejaVu Sans", "DejaVu Sans",
            false);
        row("another Arabic face only", "Amiri", "Amiri", "", false);
        row("no Arabic face", "Liberation Sans,Noto Sans", "", "", true);
    }

    void resolve()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, arabic);
        QFETCH(QStringList, faces);
        const Fonts::Resolution r = Fonts::resolve(installed, arabic);
        QCOMPARE(r.windowFaces, faces);
        QCOMPARE(r.titleFaces, faces);
        QTEST(r.arabicMissing, "arabicMissing");
    }

    void designedFaces_data()
    {
        // This machine's stand-ins, with fonts-dejavu-core and fonts-noto-core installed.
        QTest::addColumn<QString>("designed");
        QTest::addColumn<QStringList>("faces");
        QTest::newRow("window") << u"MS Sans Serif"_s
                                << QStringList{u"DejaVu Sans"_s, u"Noto Sans Arabic"_s};
        QTest::newRow("titles") << u"Simplified Arabic"_s
                                << QStringList{u"Noto Naskh Arabic"_s, u"DejaVu Sans"_s};
    }

    void designedFaces()
    {
        // The installed faces that stand in for a designed one, in order; the program's own texts
        // take the first alone, and are drawn in it.
        QFETCH(QString, designed);
        QFETCH(QStringList, faces);
        QCOMPARE(Fonts::facesFor(designed), faces);
        QCOMPARE(Fonts::font(designed, 18, 700).families(), faces);
        const QFont own = Fonts::font(designed, 18, 700, Fonts::Texts::Own);
        QCOMPARE(own.families(), faces.mid(0, 1));
        QCOMPARE(QFontInfo(own).family(), faces.first());
        QVERIFY(own.pointSizeF() == 18 && own.weight() == QFont::Bold);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
