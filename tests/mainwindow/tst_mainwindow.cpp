// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its card and search test, its design table, its layout and pictures, its
// handlers and its ending. Each test function starts with a new window, not yet shown.
#include "card.h"
#include "design.h"
#include "gbutton.h"
#include "mainfrm.h"
#include "melementsinformations.h"
#include "program.h"
#include "sharedtimer.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
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

// The first rule of the design table that a table breaks; empty when it keeps them all.
QString breach(const QList<Design::Control> &controls)
{
    const QRectF client(0, 0, 5730, 6795);
    QHash<int, bool> tabIndexes;
    QHash<QString, bool> names;
    QList<const Design::Control *> childWindows;
    for (const Design::Control &c : controls) {
        const QString name = c.displayName();
        const bool childWindow = c.kind == Design::Kind::Button ||
                                 c.kind == Design::Kind::ComboBox ||
                                 c.kind == Design::Kind::TextBox;
        if (childWindow && std::exchange(tabIndexes[c.tabIndex], true))
            return u"tab index %1 twice"_s.arg(c.tabIndex);
        // The window clips what passes its edges; labels and pictures may, by up to 60 twips.
        if (c.kind != Design::Kind::Timer &&
            !(childWindow ? client : client.adjusted(-60, -60, 60, 60)).contains(c.twips))
            return name + u" outside the window"_s;
        for (const Design::Control *other : std::as_const(childWindows))
            if (childWindow && other->twips.intersects(c.twips))
                return name + u" over "_s + other->displayName();
        if (childWindow)
            childWindows << &c;
        if (std::exchange(names[name], true))
            return name + u" twice"_s;
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Design::Control)

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_frm = std::make_unique<MainFrm>(); }
    void cleanup() { m_frm.reset(); }

    void card_data()
    {
        // The values of a card's ten lines, apart.
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("values");
        QTest::newRow("1, doubles")
            << 1 << u"هيدروجين|H|1|1.0079|0.071|2.2|K|لا معدني|هنري كافندش (إنجلترا)|1766م"_s;
        QTest::newRow("11, integer mass")
            << 11 << u"صوديوم|Na|11|23|0.97|0.93|KLM|معدني|ديفي|1807م"_s;
        QTest::newRow("111, missing values")
            << 111 << u"إينينيوم|Uuu|111|-|-|-|KLMNOPQ|محضر مخبريا|-|-"_s;
        // A repeated element takes the shells of its atomic number, 104.
        QTest::newRow("114, repeated element")
            << 114
            << u"رذرفورديوم|Rf|104|261|-|-|KLMNOPQ|-|المشترك للأبحاث النووية معمل لورنس "
               u"بيركلي (روسيا,الولايات المتحدة)|1969م-1970م"_s;
    }

    void card()
    {
        QFETCH(int, slot);
        QFETCH(QString, values);
        // An empty first line; each label ends in three spaces but the shells', the mass has a unit.
        const QStringList labels = u"إسم العنصر الكيميائـي:|رمزه:|العدد الذري:|الكتلة المولية الذرية:|"
                                   u"الكتلة الحجمية الذرية:|الكهروسلبية:|الطبقات:|نوع العنصر:|مكتشفه:|"
                                   u"تاريخ الإكتشاف:"_s.split(u'|');
        QString card;
        for (int i = 0; i < 10; ++i)
            card += u"\r\n"_s + labels[i] + (i == 6 ? u" "_s : u"   "_s) +
                    values.section(u'|', i, i) + (i == 3 ? u"  غ/المول"_s : QString());
        QCOMPARE(Card::compose(Elements(slot), QLocale::c()), card);
    }

    void shellsLine_data()
    {
        QTest::addColumn<int>("atomicNumber");
        QTest::addColumn<QString>("expected");
        // Both sides of every boundary.
        const std::pair<int, const char *> rows[] = {
            {0, ""},        {1, "K"},        {2, "K"},         {3, "KL"},
            {10, "KL"},     {11, "KLM"},     {18, "KLM"},      {19, "KLMN"},
            {36, "KLMN"},   {37, "KLMNO"},   {54, "KLMNO"},    {55, "KLMNOP"},
            {86, "KLMNOP"}, {87, "KLMNOPQ"}, {111, "KLMNOPQ"}, {112, ""}};
        for (const auto &[number, shells] : rows)
            QTest::addRow("%d", number)
                << number
                << (*shells ? QStringLiteral("الطبقات: ") + QLatin1String(shells) : QString());
    }

    void shellsLine()
    {
        QFETCH(int, atomicNumber);
        QFETCH(QString, expected);
        QCOMPARE(Card::shellsLine(atomicNumber), expected);
    }

    void window()
    {
        MainFrm &f = *m_frm;
        QCOMPARE(f.windowTitle(), QStringLiteral(" Orvane"));
        QCOMPARE(f.minimumSize(), f.maximumSize()); // not resizable
        // A title bar with the system menu, a minimise and a close box; nothing to maximise.
        QCOMPARE(f.windowFlags(), Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        QCOMPARE(f.palette().color(QPalette::Window), QColor(231, 232, 233));
        // The icon's four sizes, each the ICO's 32-bit image of that size, premultiplied.
        QImageReader ico(QStringLiteral(ORVANE_RESOURCES_DIR "/orvane.ico"));
        QCOMPARE(f.windowIcon().availableSizes(),
                 (QList<QSize>{{48, 48}, {32, 32}, {16, 16}, {128, 128}}));
        for (int i = 3; ico.jumpToImage(i); ++i) {
            const QImage image = ico.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(f.windowIcon().pixmap(image.size()).toImage(), image);
        }
        const QImage window = f.grab().toImage();
        // Each button shows its stored face, 10 steps lighter than &H00E7E6D8&, and its caption.
        const std::pair<const GButton *, QString> buttons[] = {
            {f.named<GButton>(u"cmdSearch"_s), QStringLiteral("بـحـــث")},
            {f.named<GButton>(u"cmdShowAll"_s), QStringLiteral("عـرض الكـل")},
            {f.named<GButton>(u"cmdExit"_s), QStringLiteral("خـروج")}};
        for (const auto &[button, caption] : buttons) {
            QCOMPARE(QColor(window.pixel(button->geometry().topLeft() + QPoint(5, 4))),
                     QColor(226, 240, 241));
            QCOMPARE(button->Caption(), caption);
        }
        // Where the title labels overlap, the mid-grey one lies in front.
        f.lblTitle(0).setCaption(QStringLiteral("هيدروجين"));
        f.lblTitle(1).setCaption(QStringLiteral("هيدروجين"));
        const QPoint overlap =
            f.lblTitle(0).geometry().intersected(f.lblTitle(1).geometry()).center();
        QCOMPARE(f.childAt(overlap), &f.lblTitle(1));
        // Every label's text is &H00404040&, but the title's shadow, &H00808080&.
        for (const Label *label : f.findChildren<Label *>())
            QCOMPARE(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF,
                     label == &f.lblTitle(1) ? 0x808080u : 0x404040u);
        // A title wider than the window is not wrapped; the window cuts it at its edges.
        f.lblTitle(0).setCaption(QString(60, QChar(0x0645)));
        QVERIFY(f.lblTitle(0).width() > f.width());
        QCOMPARE(f.lblTitle(0).height(), f.lblTitle(0).fontMetrics().height());
        // The card's eleven lines fit its label in the window font.
        emit f.named<GButton>(u"cmdShowAll"_s)->Click();
        const Label &card = *f.lblDescription();
        QVERIFY(11 * card.fontMetrics().lineSpacing() <= card.height());
    }

    void centring_data()
    {
        // Screen and window (frame included) in twips, and the window's place: half the difference
        // in single precision, not rounded, but never above or left of the screen.
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QPointF>("place");
        const QSizeF window(5850, 7261);
        QTest::newRow("1024 x 768, half twips")
            << QSizeF(15360, 11520) << QSizeF(5851, 7261) << QPointF(4754.5, 2129.5);
        QTest::newRow("640 x 400, top at the edge")
            << QSizeF(9600, 6000) << window << QPointF(1875, 0);
        QTest::newRow("320 x 240, both at the edge")
            << QSizeF(4800, 3600) << window << QPointF(0, 0);
        QTest::newRow("no size, no place") << QSizeF(qInf(), 100) << window << QPointF(-1, -1);
    }

    void centring()
    {
        QFETCH(QSizeF, screen);
        QFETCH(QSizeF, window);
        QFETCH(QPointF, place);
        QCOMPARE(MainFrm::centredPosition(screen, window).value_or(QPointF(-1, -1)), place);
    }

    void designTable_data()
    {
        // The stored design; with a button renamed to a name new to the code, or a label new to
        // it at its front with a button's tab index; and with one control changed to break a rule.
        QTest::addColumn<QList<Design::Control>>("controls");
        QTest::addColumn<QString>("breach");
        const auto row = [](const char *tag, const char *name, auto change, const QString &breach) {
            QList<Design::Control> controls = Design::controls();
            for (Design::Control &c : controls)
                if (c.displayName() == QLatin1String(name))
                    change(c);
            QTest::newRow(tag) << controls << breach;
        };
        row("as stored", "", [](auto &) {}, {});
        row("new button", "cmdExit", [](auto &c) { c.name = u"cmdNewRow"_s; }, {});
        QList<Design::Control> front = Design::controls();
        front.insert(1, Design::label("lblNewRow", -1, {120, 6330, 2000, 195}, 2, u"عدد"_s));
        QTest::newRow("new label at the front") << front << QString();
        row("tab index twice", "cmdExit", [](auto &c) { c.tabIndex = 6; }, u"tab index 6 twice"_s);
        row("button a pixel out", "cmdExit", [](auto &c) { c.twips.moveLeft(-15); },
            u"cmdExit outside the window"_s);
        row("picture 61 twips low", "img00001(5)", [](auto &c) { c.twips.moveTop(6241); },
            u"img00001(5) outside the window"_s);
        row("buttons overlap", "cmdExit", [](auto &c) { c.twips.moveLeft(1200); },
            u"cmdExit over cmdShowAll"_s);
        row("array index twice", "lbl0001(3)", [](auto &c) { c.index = 0; }, u"lbl0001(0) twice"_s);
    }

    void designTable()
    {
        QFETCH(QList<Design::Control>, controls);
        QFETCH(QString, breach);
        QCOMPARE(::breach(controls), breach);
        // Any table makes a window of its rows, each found by its name, with the child windows
        // over every label wherever the table lists them.
        const MainFrm f(controls);
        for (const Design::Control &c : controls)
            QVERIFY2(f.findChild<QObject *>(c.displayName()), qPrintable(c.displayName()));
        const QList<QWidget *> widgets = f.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        const auto isLabel = [](const QWidget *w) { return qobject_cast<const Label *>(w); };
        QVERIFY(std::is_partitioned(widgets.cbegin(), widgets.cend(), isLabel));
    }

    void places_data()
    {
        // Child windows at their designed places; labels and pictures mirrored (5730 - L - W to
        // 5730 - L twips). Both edges are rounded, so neighbours stay neighbours. A label that
        // sizes itself to its text is pinned by its top and right edges only.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        // Labels that size themselves: their designed top, and their right edge from the left.
        const std::pair<const char *, QRect> places[] = {
            {"cmdShowAll", {81, 144, 86, 25}},    {"cmbR", {244, 167, 127, 21}},
            {"txtSearch", {244, 144, 127, 23}},   {"cmdSearch", {167, 144, 74, 25}},
            {"cmdExit", {8, 144, 73, 25}},        {"lblDescription", {-2, 248, 385, 161}},
            {"img00001(0)", {-3, 80, 385, 121}},  {"img00001(1)", {-3, 0, 385, 65}},
            {"img00001(2)", {-3, 64, 385, 25}},   {"img00001(3)", {-3, 200, 385, 25}},
            {"img00001(4)", {-3, 88, 385, 369}},  {"img00001(5)", {-3, 416, 385, 41}},
            {"lblTitle(1)", {0, 216, 202, 0}},    {"lblTitle(0)", {0, 217, 200, 0}},
            {"lbl0001(0)", {0, 104, 337, 0}},     {"lblAbout", {0, 5, 207, 0}},
            {"lbl0001(3)", {0, 121, 361, 0}},     {"lbl0001(2)", {0, 173, 238, 0}}};
        for (const auto &[name, place] : places)
            QTest::newRow(name) << QString::fromLatin1(name) << place;
    }

    void places()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        MainFrm &f = *m_frm;
        const QWidget *control = f.findChild<QWidget *>(name);
        QRect actual = control ? control->geometry() : f.findChild<Image *>(name)->geometry(&f);
        if (place.height() == 0) // a self-sizing label: its top and right edge only
            actual = QRect(0, actual.top(), actual.x() + actual.width(), 0);
        QCOMPARE(actual, place);
    }

    void bands_data()
    {
        // Three rows two pixels wide over a place of the given height: each device row (and column,
        // where a row is not of one colour) shows the picture's under its centre, at any scale.
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("height"); // in pixels
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("twoColours");
        QTest::newRow("1, uneven") << 1.0 << 4 << QList<int>{0, 1, 1, 2} << false;
        QTest::newRow("1.5") << 1.5 << 10 << QList<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2}
                             << false;
        const QList<int> thirds = QList<int>(17, 0) + QList<int>(17, 1) + QList<int>(17, 2);
        QTest::newRow("3") << 3.0 << 17 << thirds << false;
        QTest::newRow("3, two colours a row") << 3.0 << 17 << thirds << true;
        QTest::newRow("1, two colours, uneven") << 1.0 << 4 << QList<int>{0, 1, 1, 2} << true;
    }

    void bands()
    {
        QFETCH(qreal, scale);
        QFETCH(int, height);
        QFETCH(QList<int>, rows);
        QFETCH(bool, twoColours);
        QRgb colours[3][2] = {
            {0xFF102030, 0xFF102030}, {0xFF405060, 0xFF405060}, {0xFFC0D0E0, 0xFFC0D0E0}};
        if (twoColours)
            colours[1][1] = 0xFF0000FF;
        Image image;
        image.setPicture(
            QImage(reinterpret_cast<const uchar *>(colours), 2, 3, 8, QImage::Format_RGB32));
        image.setDesignedGeometry(QRectF(0, 0, 2250, height * 15));
        QImage shown(int(150 * scale), int(rows.size()), QImage::Format_RGB32);
        shown.setDevicePixelRatio(scale);
        QPainter painter(&shown);
        image.paint(painter, nullptr);
        painter.end();
        for (int y = 0; y < shown.height(); ++y)
            for (int x : {0, shown.width() / 2 - 1, shown.width() / 2, shown.width() - 1})
                QCOMPARE(std::pair(y, shown.pixel(x, y)),
                         std::pair(y, colours[rows[y]][2 * x / shown.width()]));
    }

    void pictures()
    {
        // The upper bar's 41 picture rows over its 25 window rows from row 64, every row as it must
        // show; and window rows where one picture's band lies over another's of another colour:
        // the header panel's base, the upper panel over the large one, the middle bar over the
        // upper panel and over the large one, the large panel's base, the footer bar over it.
        const QRgb bar[] = {0xFFFFFF, 0x223344, 0xB3C3CB, 0xB3C3CB, 0xFDFDFE, 0xF7FAFB, 0xF4F7F9,
                            0xEDF2F5, 0xE9EFF2, 0xE0E9ED, 0xD7E3E8, 0xD2DFE5, 0xC9D8E0, 0xBFD1DA,
                            0xB9CDD7, 0xAFC6D1, 0xFFFFFF, 0x223344, 0xB3C3CB, 0xB3C3CB, 0xB3C3CB,
                            0xB3C3CB, 0x223344, 0xFFFFFF, 0xB3C3CB};
        QList<std::pair<int, QRgb>> rows = {{55, 0xB3C3CB},  {190, 0xB3C3CB}, {200, 0xFFFFFF},
                                            {219, 0xB3C3CB}, {400, 0xB3C3CB}, {416, 0xFFFFFF}};
        for (int y = 0; y < 25; ++y)
            rows.append({64 + y, bar[y]});
        // Across the whole width, both edges included: the pictures are stretched.
        const QImage window = m_frm->grab().toImage();
        for (const auto &[y, colour] : std::as_const(rows))
            for (int x : {0, 1, 190, 380, 381})
                QCOMPARE(std::pair(y, window.pixel(x, y) & 0xFFFFFF), std::pair(y, colour));
    }

    void startup()
    {
        // The window as it starts: empty, centred, focused.
        MainFrm &f = *m_frm;
        QVERIFY(f.cmbR()->ListCount() == 0 && f.cmbR()->ListIndex() == -1 && !f.tm()->isActive());
        QCOMPARE(f.tm()->interval(), 1); // the reveal ticks as often as it can
        for (const Label *label : {f.lblDescription(), &f.lblTitle(0), &f.lblTitle(1)})
            QVERIFY(label->Caption().isEmpty());
        QCOMPARE(f.lblAbout()->Caption(),
                 QStringLiteral("Orvane\r\nالإصـدار الثاني\r\nبرمجة وتصميم: فريق Orvane\r\n"
                                "  برنامج مجاني للجميع  "));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (ControlArray<Label>(&f, "lbl0001")(1)));

        // On the 800 x 800 screen: before the first show the frame is unknown, so the client area
        // is centred; once shown, the frame (2 pixels a side here) is.
        QCOMPARE(f.pos(), QPoint(209, 174));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.frameGeometry(), QRect(207, 172, 386, 457));

        // The first focus, and the tab order from there.
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdSearch"_s);
        for (const char *next : {"txtSearch", "cmbR", "cmdShowAll", "cmdExit", "cmdSearch"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void dropDown_data()
    {
        QTest::addColumn<int>("windowTop");
        QTest::newRow("room below") << 100;
        QTest::newRow("no room below") << 600;
    }

    void dropDown()
    {
        QFETCH(int, windowTop);
        MainFrm &f = *m_frm;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.move(f.x(), windowTop);
        f.cmdShowAll_Click();
        f.cmbR()->setListIndex(40);
        QTest::mouseClick(f.cmbR(), Qt::LeftButton);
        QAbstractItemView *view = f.cmbR()->view();
        const QWidget *popup = view->window();
        QTRY_VERIFY(popup->isVisible());

        // Under the box, or over it, sharing its edge line; eight rows; the current entry in view.
        const QRect box(f.cmbR()->mapToGlobal(QPoint()), f.cmbR()->size());
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
        QCOMPARE(view->layoutDirection(), Qt::RightToLeft);
        // The box's colours: &H00E7E6D8& behind &H00404040& text, the window's &H00E9E8E7& around.
        QCOMPARE(view->palette().color(QPalette::Base), QColor(0xD8, 0xE6, 0xE7));
        QCOMPARE(view->palette().color(QPalette::Text), QColor(0x40, 0x40, 0x40));
        QCOMPARE(popup->palette().color(QPalette::Window), QColor(0xE7, 0xE8, 0xE9));

        // The keyboard still picks from the open list.
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!popup->isVisible());
        QCOMPARE(f.cmbR()->ListIndex(), 41);
        QCOMPARE(f.lblTitle(0).Caption(), Elements(42).Name);
    }

    void darkDesktop_data()
    {
        QTest::addColumn<QString>("styleName");
        QTest::newRow("fusion") << u"fusion"_s;
        QTest::newRow("windows, whose palette leaves roles open") << u"windows"_s;
    }

    void darkDesktop()
    {
        // The window and its open list look the same whatever palette the desktop starts it with.
        QFETCH(QString, styleName);
        QApplication::setStyle(styleName);
        const auto style = qScopeGuard([] { QApplication::setStyle(u"fusion"_s); });
        const auto palette =
            qScopeGuard([p = QApplication::palette()] { QApplication::setPalette(p); });
        const auto seen = [] {
            MainFrm f;
            f.show();
            Q_UNUSED(QTest::qWaitForWindowExposed(&f));
            f.cmdShowAll_Click();
            f.cmbR()->showPopup();
            QWidget *list = f.cmbR()->view()->window();
            Q_UNUSED(QTest::qWaitFor([list] { return list->isVisible(); }));
            return QList<QImage>{f.grab().toImage(), list->grab().toImage()};
        };
        const QList<QImage> light = seen();
        QPalette dark(QColor(0x35, 0x35, 0x35)); // light text on dark grey
        dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
        QApplication::setPalette(dark);
        QCOMPARE(seen(), light);
    }

    void qtMenusInArabic()
    {
        // Qt's own menus speak the window's language, right to left; without the translation they
        // stay as they are.
        QVERIFY(!Program::translateQt(QStringLiteral("/nonexistent")));
        const std::unique_ptr<QTranslator> arabic(Program::translateQt());
        QVERIFY2(arabic, "Qt's Arabic translation is missing: install qt6-translations-l10n");
        MainFrm &f = *m_frm;
        const std::unique_ptr<QMenu> edit(f.txtSearch()->createStandardContextMenu());
        QVERIFY(edit->isRightToLeft());
        QCOMPARE(edit->actions().constLast()->text().section(u'\t', 0, 0), u"حدّد الكلّ"_s);

        // The open list's scroll-bar menu: Qt up to 6.10 runs it modally, Qt 6.11 opens it and
        // returns. Read it where it is open, then close it; every entry is Arabic.
        f.show();
        f.cmdShowAll_Click();
        f.cmbR()->showPopup();
        QScrollBar *bar = f.cmbR()->view()->verticalScrollBar();
        QStringList entries;
        const auto read = [&entries] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (const QAction *action : menu->actions())
                    if (!action->isSeparator())
                        entries << (menu->isRightToLeft() ? action->text() : u"ltr"_s);
                menu->close();
            }
        };
        QTimer modal;
        modal.setSingleShot(true);
        connect(&modal, &QTimer::timeout, bar, read);
        modal.start(0);
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 20),
                                bar->mapToGlobal(QPoint(3, 20)));
        QApplication::sendEvent(bar, &click);
        read();
        QVERIFY(entries.contains(u"مرّر إلى هنا"_s));
        for (const QString &entry : std::as_const(entries))
            QVERIFY2(!entry.contains(QRegularExpression(u"[A-Za-z]"_s)), qPrintable(entry));
    }

    void pastesKeepUndoBounded()
    {
        // Typing and pasting are undone as usual, but an undo history fed large pastes reaches back
        // over the last of them only: Qt keeps 20 bytes for every character pasted or replaced.
        const auto paste = [](TextBox &box, char16_t letter, int length) {
            QGuiApplication::clipboard()->setText(QString(length, QChar(letter)));
            QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        };
        MainFrm &f = *m_frm;
        TextBox &box = *f.txtSearch();
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

    void search_data()
    {
        // The pointer: a search shows the hourglass, a default pointer after every match and at
        // its end, so one that finds nothing keeps the hourglass up for the whole walk; the empty
        // text never touches it. Picking the first entry shows the card's own hourglass.
        QTest::addColumn<QString>("text"); // null for show all
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QString>("message"); // when nothing is listed
        QTest::addColumn<QList<int>>("pointers");
        // Typed in the fill's first yield, and searched for there if "click": each record is tested
        // with the text as it is then, and a click overtakes the fill, which stops and leaves
        // everything to it, putting back the default pointer its own hourglass replaced.
        QTest::addColumn<QString>("typed"); // null for none
        QTest::addColumn<bool>("click");
        const auto row = [](const char *tag, const QString &text, const QList<int> &positions,
                            const QString &message, const QList<int> &pointers,
                            const QString &typed = {}, bool click = false) {
            QTest::newRow(tag) << text << positions << message << pointers << typed << click;
        };
        const QString none =
            QStringLiteral("\r\n  هذا العنصـر غيـر موجود !!\r\n  الرجاء التحقق من الكلمة جيدا");
        const QString empty = QStringLiteral("\r\n  الرجاء ادخال اسم أو رمز !!");
        const QList<int> walked = {11, 0};
        QList<int> all(ElementCount);
        std::iota(all.begin(), all.end(), 1);
        row("show all", {}, all, {}, walked);
        row("Fe: symbol in text, text in symbol", u"Fe"_s, {9, 26}, {}, {11, 0, 0, 11, 0, 0});
        row("[ is malformed, lists nothing", u"["_s, {}, none, walked);
        row("empty", u""_s, {}, empty, {});
        row("spaces only", u"   "_s, {}, empty, {});
        row("full name, leading space", u" هيدروجين"_s, {}, none, walked);
        row("name with inner spaces", u"( زنك )"_s, {30}, {}, {11, 0, 11, 0, 0});
        row("search inside show all", {}, {9, 26}, {}, {11, 0, 0, 11, 0, 0, 0}, u"Fe"_s, true);
        row("empty search inside a search", u"Zz"_s, {}, empty, {11, 0}, u""_s, true);
        row("typing during a search", u"Fe"_s, {7, 92, 104}, {}, {11, 0, 0, 0, 11, 0, 0}, u"unq"_s);
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, positions);
        QFETCH(QString, message);
        QFETCH(QList<int>, pointers);
        QFETCH(QString, typed);
        QFETCH(bool, click);
        MainFrm &f = *m_frm;
        f.txtSearch()->setText(text);
        const int beeps = Program::beepCount();
        QSignalSpy pointer(&f, &MainFrm::mousePointerChanged);
        QSignalSpy clicks(f.cmbR(), &ComboBox::Click);
        if (!typed.isNull())
            QTimer::singleShot(0, &f, [&f, typed, click] {
                f.txtSearch()->setText(typed);
                if (click)
                    f.cmdSearch_Click();
            });
        text.isNull() ? f.cmdShowAll_Click() : f.cmdSearch_Click();

        QCOMPARE(listed(*f.cmbR()), positions);
        QCOMPARE(Program::beepCount(), beeps + int(positions.isEmpty()));
        QCOMPARE(clicks.count(), int(!positions.isEmpty()));
        QCOMPARE(f.DescriptionText,
                 positions.isEmpty() ? message : Card::compose(Elements(positions.first())));
        QList<int> shapes;
        for (const QList<QVariant> &call : pointer)
            shapes << call.at(0).toInt();
        QCOMPARE(shapes, pointers);
        QVERIFY(f.tm()->isActive());
    }

    void picks()
    {
        // Each pick raises Click once and shows its title sized to the name and centred on the
        // 382-pixel window, with its shadow 20 twips up and to the left.
        MainFrm &f = *m_frm;
        QSignalSpy clicks(f.cmbR(), &ComboBox::Click);
        f.cmbR()->AddItem(Elements(1).Name);
        f.cmbR()->AddItem(Elements(117).Name);
        QCOMPARE(f.cmbR()->ListIndex(), -1); // adding selects nothing
        const auto shows = [&](int slot, int count) {
            const Label &title = f.lblTitle(0), &shadow = f.lblTitle(1);
            QCOMPARE(clicks.count(), count);
            QCOMPARE(shadow.Caption(), Elements(slot).Name);
            QVERIFY(title.width() > 9 && qAbs(title.geometry().center().x() - 190) <= 1);
            QCOMPARE(QPointF(shadow.Left(), shadow.Top()),
                     QPointF(title.Left() - 20, title.Top() - 20));
            QCOMPARE(title.Top(), 3255.0f); // the designed top stays
        };
        f.cmbR()->setListIndex(1);
        shows(117, 1);
        QTest::keyClick(f.cmbR(), Qt::Key_Up);
        shows(1, 2);
        emit f.cmbR()->activated(f.cmbR()->currentIndex()); // the entry shown, picked again
        QCOMPARE(clicks.count(), 3);
    }

    void reveal()
    {
        // Five more characters a tick; the tick after the whole text ends the reveal, leaving it.
        MainFrm &f = *m_frm;
        f.DescriptionText = QStringLiteral("abcdefghij");
        f.tm()->start();
        QList<qsizetype> lengths;
        while (f.tm()->isActive() && lengths.size() < 100) {
            f.tm_Timer();
            QVERIFY(f.DescriptionText.startsWith(f.lblDescription()->Caption()));
            lengths << f.lblDescription()->Caption().size();
        }
        QCOMPARE(lengths, (QList<qsizetype>{0, 5, 10, 10, 10}));

        // A new card mid-reveal does not restart it: it shows at once up to the same length.
        f.cmdShowAll_Click();
        for (int i = 0; i < 4; ++i)
            f.tm_Timer();
        QTest::keyClick(f.cmbR(), Qt::Key_Down);
        f.tm_Timer();
        QCOMPARE(f.lblDescription()->Caption(), Card::compose(Elements(2)).left(20));
        // A screen reader is given the whole card at once.
        QCOMPARE(f.lblDescription()->accessibleName(),
                 Card::compose(Elements(2)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        // A shorter card taking over late in a reveal shows whole at the next tick, not as the
        // beginning of the earlier one: slot 111's 230 characters after 275 of slot 114's 298.
        f.cmbR()->setListIndex(113);
        for (int i = 0; i < 50; ++i)
            f.tm_Timer();
        f.cmbR()->setListIndex(110);
        f.tm_Timer();
        QCOMPARE(f.lblDescription()->Caption(), Card::compose(Elements(111)));
    }

    void ending_data()
    {
        QTest::addColumn<bool>("byClose");
        QTest::addColumn<bool>("inFill"); // in the first yield of show all's fill
        QTest::newRow("close runs Form_Unload") << true << false;
        QTest::newRow("exit does not") << false << false;
        QTest::newRow("close inside a fill") << true << true;
        QTest::newRow("exit inside a fill") << false << true;
    }

    void ending()
    {
        QFETCH(bool, byClose);
        QFETCH(bool, inFill);
        MainFrm &f = *m_frm;
        f.show();
        f.tm()->start();
        const auto end = [&f, byClose] {
            if (byClose)
                f.close();
            else
                emit f.named<GButton>(u"cmdExit"_s)->Click();
        };
        QTimer::singleShot(0, &f, [&] {
            if (!inFill)
                return end();
            QTimer::singleShot(0, &f, end);
            f.cmdShowAll_Click();
        });
        QCOMPARE(QCoreApplication::exec(), 0); // the program ends normally
        QVERIFY(f.m_ended && !f.isVisible() && !f.tm()->isActive());
        // The buttons' hover timers stop too, asleep or not.
        for (const SharedTimer *tmr : f.findChildren<SharedTimer *>())
            QVERIFY(!tmr->isActive());
        // Only the unload clears the catalogue; a fill stops at the yield it was ended in.
        QCOMPARE(Elements(117).Name.isEmpty(), byClose);
        QCOMPARE(f.cmbR()->count(), int(inFill));
    }

private:
    std::unique_ptr<MainFrm> m_frm;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
