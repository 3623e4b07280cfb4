// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user: clicks, texts, picks and keys, some fired from the event loop so that
// they land inside running fills, others inside running reveals, with the whole window checked
// at every rest. ORVANE_MONKEY_SEED=n replays a run; every failure names its seed and step.
#include "tst_mainwindow.h"
#include "card.h"
#include "gbutton.h"
#include "melementsinformations.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using MElementsInformations::Elements;

MainFrm &TestMainWindow::usersWindow()
{
    // The exit button ends the program; the user starts it again.
    if (!m_frm || m_frm->m_ended)
        m_frm = std::make_unique<MainFrm>();
    if (!m_frm->isVisible()) {
        m_frm->show();
        m_frm->activateWindow();
    }
    return *m_frm;
}

void TestMainWindow::act(int action)
{
    MainFrm &f = *m_frm;
    if (f.m_ended)
        return;
    static const QStringList texts =
        QStringLiteral("Fe|fe|Unq|*|?|[|[a-z]*|[!A-M]|#|*a*a*a*a*b|Zz|  ||يوم|هيدروجين|[ي-ن]*")
            .split(u'|');
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Up,
                                   Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
    if (action <= Exit) {
        GButton *button = action == ShowAll ? f.cmdShowAll : action == Search ? f.cmdSearch : f.cmdExit;
        QCursor::setPos(button->mapToGlobal(button->rect().center()));
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    } else if (action == Type) {
        f.txtSearch->clear();
        for (QChar c : texts[random(int(texts.size()))]) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(f.txtSearch, &key);
        }
    } else if (action == KeyPick) {
        QTest::keyClick(f.cmbR, keys[3 + random(5)]);
    } else if (action == ListPick && f.cmbR->count() > 0) {
        f.cmbR->showPopup();
        f.cmbR->view()->setCurrentIndex(f.cmbR->model()->index(random(f.cmbR->count()), 0));
        QTest::keyClick(f.cmbR->view(), Qt::Key_Return);
    } else if (action == Key) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : f.cmdSearch, keys[random(3)]);
    } else if (action == Close) {
        f.close();
    }
}

void TestMainWindow::later(int passes, int action)
{
    ++m_pending;
    QTimer::singleShot(0, this, [this, passes, action] {
        passes > 0 ? later(passes - 1, action) : act(action);
        --m_pending;
    });
}

QString TestMainWindow::disagreement()
{
    MainFrm &f = *m_frm;
    for (int guard = 0; f.tm.isActive() && guard < 1000; ++guard)
        f.tm_Timer();
    // The list holds names of the catalogue in its order, each once.
    int position = 0;
    for (int i = 0; i < f.cmbR->count(); ++i) {
        while (++position <= 117 && Elements(position).Name != f.cmbR->itemText(i)) {
        }
        if (position > 117)
            return QStringLiteral("entry %1 out of catalogue order").arg(i);
    }
    const int index = f.cmbR->ListIndex();
    if ((index < 0) != (f.cmbR->count() == 0))
        return QStringLiteral("selection %1 of %2 entries").arg(index).arg(f.cmbR->count());
    const QString name = f.cmbR->Text();
    if (f.lblTitle(0).Caption() != name || f.lblTitle(1).Caption() != name)
        return QStringLiteral("titles are not the selected entry");
    int n = 1;
    while (n < 117 && Elements(n).Name != name)
        ++n;
    const QString head = QStringLiteral("\r\nإسم العنصر الكيميائـي:   %1\r\nرمزه:   %2\r\n");
    const QStringList messages = {QString(), Card::noSearchTextMessage(), Card::notFoundMessage()};
    if (index >= 0 ? !f.DescriptionText.startsWith(head.arg(name, Elements(n).Symbol))
                   : !messages.contains(f.DescriptionText))
        return QStringLiteral("the card is not the selected entry's");
    if (f.lblDescription->Caption() != f.DescriptionText)
        return QStringLiteral("the reveal ended short of the text");
    if (f.MousePointer() != 0 || f.cursor().shape() != Qt::ArrowCursor)
        return QStringLiteral("the pointer is not the default");
    return {};
}

void TestMainWindow::monkey()
{
    const bool given = qEnvironmentVariableIsSet("ORVANE_MONKEY_SEED");
    const quint32 seed = given ? quint32(qEnvironmentVariableIntValue("ORVANE_MONKEY_SEED")) : 7;
    m_random.seed(seed);
    const int weights[Actions] = {14, 18, 1, 18, 12, 8, 22}; // the exit button rarely
    for (int step = 0; step < 3000; ++step) {
        usersWindow();
        int pick = random(93), action = 0;
        while (pick >= weights[action])
            pick -= weights[action++];
        for (int n = random(4); n > 1; --n)
            later(random(60), random(Actions));
        act(action);
        while (m_pending > 0)
            QCoreApplication::processEvents();
        if (random(2) == 0) {
            // Some time passes, and the next action lands inside the running reveal.
            for (int tick = random(80); tick > 0 && m_frm->tm.isActive(); --tick)
                m_frm->tm_Timer();
            continue;
        }
        const QString fault = m_frm->m_ended ? QString() : disagreement();
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2: %3")
                                                 .arg(seed).arg(step).arg(fault)));
    }

    // A close in the middle of a fill ends the program normally, with the catalogue cleared.
    MainFrm &f = usersWindow();
    QTimer::singleShot(0, this, [this] {
        later(random(100), Close);
        act(ShowAll);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(f.m_ended && !f.isVisible() && !f.tm.isActive() && Elements(1).Name.isEmpty());
    QVERIFY(f.cmbR->count() < 117);
}
