// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_mainwindow.h"
#include "card.h"
#include "gbutton.h"
#include "melementsinformations.h"
#include "program.h"
#include "sharedtimer.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <memory>
#include <numeric>

using MElementsInformations::ElementCount;
using MElementsInformations::Elements;
using namespace Qt::StringLiterals;

namespace {

// The catalogue positions of the list's entries, in list order; 0 for a name not found.
QList<int> listed(const ComboBox &combo)
{
    QList<int> positions;
    for (int i = 0, n = 0; i < combo.count(); ++i, n = 0) {
        while (++n <= ElementCount && Elements(n).Name != combo.itemText(i)) {
        }
        positions << (n > ElementCount ? 0 : n);
    }
    return positions;
}

} // namespace

void TestMainWindow::startup()
{
    // The window as it starts: empty, its controls bound to their members, centred, focused.
    MainFrm &f = *m_frm;
    QVERIFY(f.cmbR->ListCount() == 0 && f.cmbR->ListIndex() == -1 && !f.tm.isActive());
    QCOMPARE(f.tm.interval(), 1); // the reveal ticks as often as it can
    for (const Label *label : {f.lblDescription, &f.lblTitle(0), &f.lblTitle(1)})
        QVERIFY(label->Caption().isEmpty());
    QCOMPARE(f.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(f.lblAbout->Caption(),
             QStringLiteral("Orvane\r\nالإصـدار الثاني\r\nبرمجة وتصميم: فريق Orvane\r\n"
                            "  برنامج مجاني للجميع  "));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.lbl0001(1));
    // Every member holds the control of its own name.
    const std::pair<const QWidget *, const char *> bound[] = {
        {f.cmbR, "cmbR"}, {f.txtSearch, "txtSearch"}, {f.cmdSearch, "cmdSearch"},
        {f.cmdShowAll, "cmdShowAll"}, {f.cmdExit, "cmdExit"}, {&f.lblTitle(0), "lblTitle(0)"},
        {&f.lblTitle(1), "lblTitle(1)"}, {&f.lbl0001(0), "lbl0001(0)"},
        {&f.lbl0001(2), "lbl0001(2)"}, {&f.lbl0001(3), "lbl0001(3)"}, {f.lblAbout, "lblAbout"},
        {f.lblDescription, "lblDescription"}};
    for (const auto &[control, name] : bound)
        QCOMPARE(f.findChild<QWidget *>(QLatin1String(name)), control);

    // On the 800 x 800 screen: before the first show the frame is unknown, so the client area
    // is centred; once shown, the frame (2 pixels a side here) is.
    QCOMPARE(f.pos(), QPoint(209, 174));
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.frameGeometry(), QRect(207, 172, 386, 457));

    // The first focus, and the tab order from there.
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), f.cmdSearch);
    for (QWidget *next : std::initializer_list<QWidget *>{f.txtSearch, f.cmbR, f.cmdShowAll,
                                                          f.cmdExit, f.cmdSearch}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestMainWindow::dropDown_data()
{
    QTest::addColumn<int>("windowTop");
    QTest::newRow("room below") << 100;
    QTest::newRow("no room below") << 600;
}

void TestMainWindow::dropDown()
{
    QFETCH(int, windowTop);
    MainFrm &f = *m_frm;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.move(f.x(), windowTop);
    f.cmdShowAll_Click();
    f.cmbR->setListIndex(40);
    QTest::mouseClick(f.cmbR, Qt::LeftButton);
    QAbstractItemView *view = f.cmbR->view();
    const QWidget *popup = view->window();
    QTRY_VERIFY(popup->isVisible());

    // Under the box, or over it, sharing its edge line; eight rows; the current entry in view.
    const QRect box(f.cmbR->mapToGlobal(QPoint()), f.cmbR->size());
    if (windowTop == 100)
        QCOMPARE(popup->geometry().top(), box.bottom());
    else
        QCOMPARE(popup->geometry().bottom(), box.top());
    QCOMPARE(popup->geometry().right(), box.right());
    QCOMPARE(view->viewport()->height() / view->sizeHintForRow(0), 8);
    QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
    // Right to left: the scroll bar on the left, the names ending at the right.
    QVERIFY(view->verticalScrollBar()->isVisible());
    QVERIFY(view->verticalScrollBar()->mapTo(popup, QPoint()).x() < 5);
    const QImage rows = view->viewport()->grab().toImage();
    const int y = view->visualRect(view->model()->index(39, 0)).center().y();
    int ink = 0; // dark pixels in the left and right thirds of an entry's row
    for (int x = 0; x < rows.width(); ++x)
        ink += (qGray(rows.pixel(x, y)) < 128) * (x < rows.width() / 3 ? -100 : 1);
    QVERIFY(ink > 0);
    // The box's colours: &H00E7E6D8& behind &H00404040& text, the window's &H00E9E8E7& around.
    QCOMPARE(view->palette().color(QPalette::Base), QColor(0xD8, 0xE6, 0xE7));
    QCOMPARE(view->palette().color(QPalette::Text), QColor(0x40, 0x40, 0x40));
    QCOMPARE(popup->palette().color(QPalette::Window), QColor(0xE7, 0xE8, 0xE9));

    // The keyboard still picks from the open list.
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(f.cmbR->ListIndex(), 41);
    QCOMPARE(f.lblTitle(0).Caption(), Elements(42).Name);
}

void TestMainWindow::darkDesktop_data()
{
    QTest::addColumn<QString>("style");
    QTest::newRow("fusion") << u"fusion"_s;
    QTest::newRow("windows, whose palette leaves roles open") << u"windows"_s;
}

void TestMainWindow::darkDesktop()
{
    // The window and its open list look the same whatever palette the desktop starts it with.
    QFETCH(QString, style);
    QApplication::setStyle(style);
    const auto restoreStyle = qScopeGuard([] { QApplication::setStyle(u"fusion"_s); });
    const auto seen = [] {
        MainFrm f;
        f.show();
        Q_UNUSED(QTest::qWaitForWindowExposed(&f));
        f.cmdShowAll_Click();
        f.cmbR->showPopup();
        QWidget *list = f.cmbR->view()->window();
        Q_UNUSED(QTest::qWaitFor([list] { return list->isVisible(); }));
        return QList<QImage>{f.grab().toImage(), list->grab().toImage()};
    };
    const QList<QImage> light = seen();
    const auto restore = qScopeGuard([desktop = QApplication::palette()] {
        QApplication::setPalette(desktop);
    });
    QPalette dark(QColor(0x35, 0x35, 0x35)); // light text on dark grey
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    QApplication::setPalette(dark);
    QCOMPARE(seen(), light);
}

void TestMainWindow::qtMenusInArabic()
{
    // Qt's own menus speak the window's language, right to left; without the translation they
    // stay as they are.
    QVERIFY(!Program::translateQt(QStringLiteral("/nonexistent")));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    const std::unique_ptr<QTranslator> arabic(Program::translateQt());
    QVERIFY2(arabic, "Qt's Arabic translation is missing: install qt6-translations-l10n");
    MainFrm &f = *m_frm;
    const auto texts = [](const QMenu &menu) {
        QStringList shown;
        for (const QAction *action : menu.actions())
            shown << action->text().section(u'\t', 0, 0);
        return shown;
    };
    const std::unique_ptr<QMenu> edit(f.txtSearch->createStandardContextMenu());
    QCOMPARE(edit->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(texts(*edit), (QStringList{QStringLiteral("&تراجع"), QStringLiteral("أ&عد"), {},
                                        QStringLiteral("&قصّ"), QStringLiteral("ا&نسخ"),
                                        QStringLiteral("أل&صق"), QStringLiteral("احذف"), {},
                                        QStringLiteral("حدّد الكلّ")}));

    // The open list's scroll-bar menu runs modally: read it from inside, then close it.
    f.show();
    f.cmdShowAll_Click();
    f.cmbR->showPopup();
    QScrollBar *bar = f.cmbR->view()->verticalScrollBar();
    QStringList scrollMenu;
    QTimer::singleShot(0, bar, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            scrollMenu = texts(*menu).mid(0, 4) << (menu->isRightToLeft() ? u"rtl"_s : u"ltr"_s);
            menu->close();
        }
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 20), bar->mapToGlobal(QPoint(3, 20)));
    QApplication::sendEvent(bar, &click);
    QCOMPARE(scrollMenu, (QStringList{QStringLiteral("مرّر إلى هنا"), {}, QStringLiteral("الأعلى"),
                                      QStringLiteral("الأسفل"), u"rtl"_s}));
}

void TestMainWindow::pastesKeepUndoBounded()
{
    // Typing and pasting are undone as usual, but an undo history fed large pastes reaches back
    // over the last of them only: Qt keeps 20 bytes for every character pasted or replaced.
    const auto paste = [](TextBox &box, char16_t letter, int length) {
        QGuiApplication::clipboard()->setText(QString(length, QChar(letter)));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    };
    MainFrm &f = *m_frm;
    TextBox &box = *f.txtSearch;
    QTest::keyClicks(&box, u"Fe"_s);
    box.undo();
    QCOMPARE(box.text(), QString());
    for (char16_t letter = u'a'; letter < u'a' + 20; ++letter) {
        paste(box, letter, 60000);
        f.cmdSearch_Click();
    }
    QCOMPARE(box.cursorPosition(), 60000);
    for (int undone = 0; box.isUndoAvailable() && undone < 100; ++undone)
        box.undo();
    QVERIFY(box.text() == QString(60000, u's') || box.text() == QString(60000, u't'));

    // What an undo brings back stays as it was when the history goes with it.
    TextBox other;
    paste(other, u'x', 30000);
    paste(other, u'y', 30000);
    other.undo();
    QVERIFY(!other.isUndoAvailable());
    QCOMPARE(other.selectedText(), QString(30000, u'x'));
}

void TestMainWindow::search_data()
{
    // The pointer: a search shows the hourglass, a default pointer after every match and at
    // its end, so one that finds nothing keeps the hourglass up for the whole walk; the empty
    // text never touches it. Picking the first entry shows the card's own hourglass.
    QTest::addColumn<QString>("text"); // null for show all
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QString>("message"); // when nothing is listed
    QTest::addColumn<QList<int>>("pointers");
    const QString none = QStringLiteral("\r\n  هذا العنصـر غيـر موجود !!\r\n  الرجاء التحقق من الكلمة جيدا");
    const QString empty = QStringLiteral("\r\n  الرجاء ادخال اسم أو رمز !!");
    const QList<int> walked = {11, 0};
    QList<int> all(ElementCount);
    std::iota(all.begin(), all.end(), 1);
    QTest::newRow("show all") << QString() << all << QString() << walked;
    QTest::newRow("Fe: symbol in text, text in symbol")
        << "Fe" << QList<int>{9, 26} << QString() << QList<int>{11, 0, 0, 11, 0, 0};
    QTest::newRow("[ is malformed, lists nothing") << "[" << QList<int>{} << none << walked;
    QTest::newRow("empty") << "" << QList<int>{} << empty << QList<int>{};
    QTest::newRow("spaces only") << "   " << QList<int>{} << empty << QList<int>{};
    QTest::newRow("full name, leading space")
        << QStringLiteral(" هيدروجين") << QList<int>{} << none << walked;
    QTest::newRow("name with inner spaces")
        << QStringLiteral("( زنك )") << QList<int>{30} << QString() << QList<int>{11, 0, 11, 0, 0};
}

void TestMainWindow::search()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, positions);
    QFETCH(QString, message);
    QFETCH(QList<int>, pointers);
    MainFrm &f = *m_frm;
    f.txtSearch->setText(text);
    const int beeps = Program::beepCount();
    QSignalSpy pointer(&f, &MainFrm::mousePointerChanged);
    QSignalSpy clicks(f.cmbR, &ComboBox::Click);
    text.isNull() ? f.cmdShowAll_Click() : f.cmdSearch_Click();

    QCOMPARE(listed(*f.cmbR), positions);
    QCOMPARE(Program::beepCount(), beeps + int(positions.isEmpty()));
    QCOMPARE(clicks.count(), int(!positions.isEmpty()));
    QCOMPARE(f.DescriptionText,
             positions.isEmpty() ? message : Card::compose(Elements(positions.first())));
    QList<int> shapes;
    for (const QList<QVariant> &call : pointer)
        shapes << call.at(0).toInt();
    QCOMPARE(shapes, pointers);
}

void TestMainWindow::picks()
{
    // Each pick raises Click once and shows its title sized to the name and centred on the
    // 382-pixel window, with its shadow 20 twips up and to the left.
    MainFrm &f = *m_frm;
    QSignalSpy clicks(f.cmbR, &ComboBox::Click);
    f.cmbR->AddItem(Elements(1).Name);
    f.cmbR->AddItem(Elements(117).Name);
    QCOMPARE(f.cmbR->ListIndex(), -1); // adding selects nothing
    const auto shows = [&](int slot, int count) {
        const Label &title = f.lblTitle(0), &shadow = f.lblTitle(1);
        QCOMPARE(clicks.count(), count);
        QCOMPARE(shadow.Caption(), Elements(slot).Name);
        QVERIFY(title.width() > 9 && qAbs(title.geometry().center().x() - 190) <= 1);
        QCOMPARE(QPointF(shadow.Left(), shadow.Top()),
                 QPointF(title.Left() - 20, title.Top() - 20));
        QCOMPARE(title.Top(), 3255.0f); // the designed top stays
    };
    f.cmbR->setListIndex(1);
    shows(117, 1);
    QTest::keyClick(f.cmbR, Qt::Key_Up);
    shows(1, 2);
    emit f.cmbR->activated(f.cmbR->currentIndex()); // the entry shown, picked again
    QCOMPARE(clicks.count(), 3);
}

void TestMainWindow::reveal()
{
    // Five more characters a tick; the tick after the whole text ends the reveal, leaving it.
    MainFrm &f = *m_frm;
    f.DescriptionText = QStringLiteral("abcdefghij");
    f.tm.start();
    QList<qsizetype> lengths;
    while (f.tm.isActive() && lengths.size() < 100) {
        f.tm_Timer();
        QVERIFY(f.DescriptionText.startsWith(f.lblDescription->Caption()));
        lengths << f.lblDescription->Caption().size();
    }
    QCOMPARE(lengths, (QList<qsizetype>{0, 5, 10, 10, 10}));
    QCOMPARE(f.RevealLength, 0);

    // A new card mid-reveal does not restart it: it shows at once up to the same length.
    f.cmdShowAll_Click();
    for (int i = 0; i < 4; ++i)
        f.tm_Timer();
    QTest::keyClick(f.cmbR, Qt::Key_Down);
    f.tm_Timer();
    QCOMPARE(f.lblDescription->Caption(), Card::compose(Elements(2)).left(20));
    // A screen reader is given the whole card at once.
    QCOMPARE(f.lblDescription->accessibleName(),
             Card::compose(Elements(2)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TestMainWindow::overtakingFill_data()
{
    QTest::addColumn<QString>("outer"); // the search text; null for show all
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("search inside show all") << QString() << "Fe" << QList<int>{9, 26};
    // The outer search still shows its hourglass, which the empty search never touches.
    QTest::newRow("empty search inside a search") << "Zz" << "" << QList<int>{};
}

void TestMainWindow::overtakingFill()
{
    QFETCH(QString, outer);
    QFETCH(QString, inner);
    QFETCH(QList<int>, positions);
    MainFrm &f = *m_frm;
    f.txtSearch->setText(outer);
    QSignalSpy clicks(f.cmbR, &ComboBox::Click);
    // Runs in the outer fill's first yield, which then stops and leaves everything to it.
    QTimer::singleShot(0, &f, [&f, inner] {
        f.txtSearch->setText(inner);
        inner.isNull() ? f.cmdShowAll_Click() : f.cmdSearch_Click();
    });
    outer.isNull() ? f.cmdShowAll_Click() : f.cmdSearch_Click();
    QCOMPARE(listed(*f.cmbR), positions);
    QCOMPARE(clicks.count(), positions.isEmpty() ? 0 : 1);
    QCOMPARE(f.DescriptionText, positions.isEmpty() ? Card::noSearchTextMessage()
                                                    : Card::compose(Elements(positions[0])));
    QVERIFY(f.tm.isActive() && f.MousePointer() == 0);
}

void TestMainWindow::ending_data()
{
    QTest::addColumn<bool>("byClose");
    QTest::newRow("close runs Form_Unload") << true;
    QTest::newRow("exit does not") << false;
}

void TestMainWindow::ending()
{
    QFETCH(bool, byClose);
    MainFrm &f = *m_frm;
    f.show();
    f.tm.start();
    if (byClose)
        QVERIFY(f.close());
    else
        emit f.cmdExit->Click();
    QVERIFY(f.m_ended && !f.isVisible() && !f.tm.isActive());
    // The buttons' hover timers stop too, asleep or not.
    for (const SharedTimer *tmr : f.findChildren<SharedTimer *>())
        QVERIFY(!tmr->isActive());
    // Only the unload clears the catalogue.
    QCOMPARE(Elements(117).Name.isEmpty(), byClose);
}

QTEST_MAIN(TestMainWindow)
