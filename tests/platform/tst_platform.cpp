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
#include "xbell.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVersionNumber>
#include <QWidget>

#include <functional>
#include <iterator>
#include <memory>

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
        // its own digits are others, so that one number never mixes two digit systems.
        const char *const mass[][2] = {{"C", "1.0079"},     {"en_US", "1.0079"},
                                       {"de_DE", "1,0079"}, {"fr_FR", "1,0079"},
                                       {"ar_SA", "1.0079"}, {"ar_EG", "1.0079"}};
        for (const auto &[locale, text] : mass)
            QTest::addRow("1.0079 %s", locale)
                << 1.0079 << QString::fromLatin1(locale) << QString::fromLatin1(text);
        // No group separator even where the locale has one.
        QTest::newRow("12345.5 de") << 12345.5 << u"de_DE"_s << u"12345,5"_s;
        // The shortest text that reads back as the same double, never with an exponent.
        QTest::newRow("third") << 1.0 / 3.0 << u"C"_s << u"0.3333333333333333"_s;
        QTest::newRow("small") << 1e-5 << u"C"_s << u"0.00001"_s;
    }

    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, locale);
        QTEST(TextServices::numberToText(value, QLocale(locale)), "expected");
    }

    void keyCode_data()
    {
        // Microsoft's published virtual-key codes (its Virtual-Key Codes table, VK_ names and
        // values); punctuation on the keys of a US keyboard, shifted or not. Shift 1, Ctrl 2,
        // Alt 4; Meta and the keypad add nothing.
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        using namespace Qt;
        constexpr auto pad = KeypadModifier;
        // clang-format off
        const struct { const char *vk; QKeyCombination keys; int code; int shift = 0; } rows[] = {
            {"BACK", Key_Backspace, 0x08}, {"TAB", Key_Tab, 0x09}, {"TAB", Key_Backtab, 0x09},
            {"CLEAR", Key_Clear, 0x0C}, {"RETURN", Key_Return, 0x0D},
            {"RETURN", pad | Key_Enter, 0x0D}, {"SHIFT", Key_Shift, 0x10},
            {"CONTROL", Key_Control, 0x11}, {"MENU", Key_Alt, 0x12}, {"MENU", Key_AltGr, 0x12},
            {"PAUSE", Key_Pause, 0x13}, {"CAPITAL", Key_CapsLock, 0x14},
            {"ESCAPE", Key_Escape, 0x1B}, {"SPACE", Key_Space, 0x20}, {"PRIOR", Key_PageUp, 0x21},
            {"NEXT", Key_PageDown, 0x22}, {"END", Key_End, 0x23}, {"HOME", Key_Home, 0x24},
            {"HOME", pad | Key_Home, 0x24}, {"LEFT", Key_Left, 0x25}, {"UP", Key_Up, 0x26},
            {"RIGHT", Key_Right, 0x27}, {"DOWN", Key_Down, 0x28}, {"SELECT", Key_Select, 0x29},
            {"SNAPSHOT", Key_Print, 0x2C}, {"SNAPSHOT", Key_SysReq, 0x2C},
            {"INSERT", Key_Insert, 0x2D}, {"DELETE", Key_Delete, 0x2E}, {"HELP", Key_Help, 0x2F},
            {"0", Key_0, 0x30}, {"0", Key_ParenRight, 0x30}, {"1", Key_Exclam, 0x31},
            {"2", Key_At, 0x32}, {"3", Key_NumberSign, 0x33}, {"4", Key_Dollar, 0x34},
            {"5", Key_Percent, 0x35}, {"6", Key_AsciiCircum, 0x36}, {"7", Key_Ampersand, 0x37},
            {"8", Key_Asterisk, 0x38}, {"9", Key_ParenLeft, 0x39}, {"9", Key_9, 0x39},
            {"A", Key_A, 0x41}, {"Q", ShiftModifier | Key_Q, 0x51, 1}, {"Z", Key_Z, 0x5A},
            {"LWIN", Key_Super_L, 0x5B}, {"LWIN", Key_Meta, 0x5B}, {"RWIN", Key_Super_R, 0x5C},
            {"APPS", Key_Menu, 0x5D}, {"NUMPAD0", pad | Key_0, 0x60},
            {"NUMPAD7", pad | Key_7, 0x67}, {"NUMPAD9", pad | Key_9, 0x69},
            {"MULTIPLY", pad | Key_Asterisk, 0x6A}, {"ADD", pad | Key_Plus, 0x6B},
            {"SUBTRACT", pad | Key_Minus, 0x6D}, {"DECIMAL", pad | Key_Period, 0x6E},
            {"DECIMAL", pad | Key_Comma, 0x6E}, {"DIVIDE", pad | Key_Slash, 0x6F},
            {"F1", Key_F1, 0x70}, {"F12", MetaModifier | Key_F12, 0x7B}, {"F24", Key_F24, 0x87},
            {"NUMLOCK", Key_NumLock, 0x90}, {"SCROLL", Key_ScrollLock, 0x91},
            {"OEM_1", Key_Semicolon, 0xBA}, {"OEM_1", Key_Colon, 0xBA},
            {"OEM_PLUS", Key_Equal, 0xBB},
            {"OEM_PLUS", ControlModifier | AltModifier | Key_Plus, 0xBB, 6},
            {"OEM_COMMA", Key_Comma, 0xBC}, {"OEM_COMMA", Key_Less, 0xBC},
            {"OEM_MINUS", Key_Minus, 0xBD}, {"OEM_MINUS", Key_Underscore, 0xBD},
            {"OEM_PERIOD", Key_Period, 0xBE}, {"OEM_PERIOD", Key_Greater, 0xBE},
            {"OEM_2", Key_Slash, 0xBF}, {"OEM_2", Key_Question, 0xBF},
            {"OEM_3", Key_QuoteLeft, 0xC0}, {"OEM_3", Key_AsciiTilde, 0xC0},
            {"OEM_4", Key_BracketLeft, 0xDB}, {"OEM_4", Key_BraceLeft, 0xDB},
            {"OEM_5", Key_Backslash, 0xDC}, {"OEM_5", Key_Bar, 0xDC},
            {"OEM_6", Key_BracketRight, 0xDD}, {"OEM_6", Key_BraceRight, 0xDD},
            {"OEM_7", Key_Apostrophe, 0xDE}, {"OEM_7", Key_QuoteDbl, 0xDE},
            {"CANCEL", Key_Cancel, 0x03}, {"PRINT", Key_Printer, 0x2A},
            {"EXECUTE", Key_Execute, 0x2B}, {"SLEEP", Key_Sleep, 0x5F},
            {"BROWSER_BACK", Key_Back, 0xA6},
            {"BROWSER_FORWARD", Key_Forward, 0xA7}, {"BROWSER_REFRESH", Key_Refresh, 0xA8},
            {"BROWSER_STOP", Key_Stop, 0xA9}, {"BROWSER_SEARCH", Key_Search, 0xAA},
            {"BROWSER_FAVORITES", Key_Favorites, 0xAB}, {"BROWSER_HOME", Key_HomePage, 0xAC},
            {"VOLUME_MUTE", Key_VolumeMute, 0xAD}, {"VOLUME_DOWN", Key_VolumeDown, 0xAE},
            {"VOLUME_UP", Key_VolumeUp, 0xAF}, {"MEDIA_NEXT_TRACK", Key_MediaNext, 0xB0},
            {"MEDIA_PREV_TRACK", Key_MediaPrevious, 0xB1}, {"MEDIA_STOP", Key_MediaStop, 0xB2},
            {"MEDIA_PLAY_PAUSE", Key_MediaPlay, 0xB3},
            {"MEDIA_PLAY_PAUSE", Key_MediaTogglePlayPause, 0xB3},
            {"LAUNCH_MAIL", Key_LaunchMail, 0xB4}, {"LAUNCH_MEDIA_SELECT", Key_LaunchMedia, 0xB5},
            {"LAUNCH_APP1", Key_Launch0, 0xB6}, {"LAUNCH_APP2", Key_Launch1, 0xB7},
            {"PLAY", Key_Play, 0xFA}, {"ZOOM", Key_Zoom, 0xFB},
            {"none", ShiftModifier | ControlModifier | AltModifier | Key_TouchpadToggle, 0, 7}};
        // clang-format on
        for (const auto &row : rows)
            QTest::addRow("VK_%s %s", row.vk, qPrintable(QKeySequence(row.keys).toString()))
                << row.keys << row.code << row.shift;
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
        // Every beep counted reaches the display's bell. Only a display server hears it: the
        // test "bell" runs this again on Qt's X11 platform, under Xvfb.
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("the bell needs an X server: the test \"bell\" runs this there");
        XBell bell;
        QVERIFY2(bell.listening(), "the X server has no XKB extension to tell of its bell");
        const int counted = Program::beepCount();
        Program::beep();
        Program::beep();
        QCOMPARE(Program::beepCount(), counted + 2);
        QTRY_COMPARE(bell.rung(), 2);
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
        // Families as comma-separated lists: installed, those with Arabic, then the expected faces.
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("arabic");
        QTest::addColumn<QString>("windowFaces");
        QTest::addColumn<QString>("titleFaces");
        QTest::addColumn<bool>("arabicMissing");
        // With both DejaVu and Noto: designedFaces, on this machine's fonts.
        // clang-format off
        QTest::newRow("DejaVu alone covers Arabic")
            << "DejaVu Serif,DejaVu Sans" << "DejaVu Sans" << "DejaVu Sans" << "DejaVu Sans" << false;
        QTest::newRow("another Arabic face only") << "Amiri" << "Amiri" << "" << "" << false;
        QTest::newRow("no Arabic face") << "Liberation Sans,Noto Sans" << "" << "" << "" << true;
        // clang-format on
    }

    void resolve()
    {
        const auto families = [](const QString &list) {
            return list.split(u',', Qt::SkipEmptyParts);
        };
        QFETCH(QString, installed);
        QFETCH(QString, arabic);
        QFETCH(QString, windowFaces);
        QFETCH(QString, titleFaces);
        const Fonts::Resolution r = Fonts::resolve(families(installed), families(arabic));
        QCOMPARE(r.windowFaces, families(windowFaces));
        QCOMPARE(r.titleFaces, families(titleFaces));
        QTEST(r.arabicMissing, "arabicMissing");
    }

    void designedFaces_data()
    {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<QStringList>("faces");
        QTest::newRow("window") << u"MS Sans Serif"_s
                                << QStringList{u"DejaVu Sans"_s, u"Noto Sans Arabic"_s};
        QTest::newRow("titles") << u"Simplified Arabic"_s
                                << QStringList{u"Noto Naskh Arabic"_s, u"DejaVu Sans"_s};
        QTest::newRow("not designed") << u"Arial"_s << QStringList{};
    }

    void designedFaces()
    {
        // The installed faces that stand in for each designed one, in order, and the face its
        // texts are drawn in: the first stand-in, or the toolkit's default without one.
        QFETCH(QString, designed);
        QFETCH(QStringList, faces);
        QVERIFY2(QFontDatabase::hasFamily(u"Noto Naskh Arabic"_s),
                 "these rows need fonts-dejavu-core and fonts-noto-core installed");
        QCOMPARE(Fonts::facesFor(designed), faces);
        const QFont any = Fonts::font(designed, 18, 700);
        const QFont own = Fonts::font(designed, 18, 700, Fonts::Texts::Own);
        const QStringList families = faces.isEmpty() ? QFont().families() : faces;
        QCOMPARE(any.families(), families);
        QCOMPARE(own.families(), families.mid(0, 1));
        QCOMPARE(QFontInfo(own).family(), faces.value(0, QFontInfo(QFont()).family()));
        QVERIFY(own.pointSizeF() == 18 && own.weight() == QFont::Bold);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
