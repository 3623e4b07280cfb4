// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user: clicks, texts, picks and keys, some fired from a timer so that they land
// inside running fills and reveals, with the whole window checked for agreement at every rest.
// ORVANE_MONKEY_SEED=n replays a run; every failure names its seed and step.
#include "card.h"
#include "gbutton.h"
#include "mainfrm.h"
#include "melementsinformations.h"
#include "testmain.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using MElementsInformations::ElementCount;
using MElementsInformations::Elements;

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void monkey();

private:
    enum Action { ShowAll, Search, Type, KeyPick, ListPick, Enter, Tab, Space, Exit, Actions, Close };

    MainFrm &window();
    void act(int action);
    void later(int passes, int action);
    QString disagreement();
    int random(int bound) { return int(m_random.bounded(bound)); }

    std::unique_ptr<MainFrm> m_frm;
    QRandomGenerator m_random;
    int m_pending = 0;
};

MainFrm &TestMonkey::window()
{
    // The exit button ends the program; the user starts it again.
    if (!m_frm || m_frm->m_ended) {
        m_frm = std::make_unique<MainFrm>();
        m_frm->show();
        m_frm->activateWindow();
    }
    return *m_frm;
}

void TestMonkey::act(int action)
{
    MainFrm &f = *m_frm;
    if (f.m_ended)
        return;
    static const QStringList texts =
        QStringLiteral("Fe|fe|Unq|*|?|[|[a-z]*|[!A-M]|#|*a*a*a*a*b|Zz|  ||يوم|هيدروجين|[ي-ن]*")
            .split(u'|');
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : f.cmdSearch;
    switch (action) {
    case ShowAll:
    case Search:
    case Exit: {
        GButton *button = action == ShowAll ? f.cmdShowAll : action == Search ? f.cmdSearch : f.cmdExit;
        const QPoint centre = button->rect().center();
        QCursor::setPos(button->mapToGlobal(centre));
        QTest::mouseClick(button, Qt::LeftButton, {}, centre);
        break;
    }
    case Type:
        f.txtSearch->clear();
        for (QChar c : texts[random(int(texts.size()))]) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(f.txtSearch, &key);
        }
        break;
    case KeyPick: {
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        QTest::keyClick(f.cmbR, keys[random(5)]);
        break;
    }
    case ListPick:
        if (f.cmbR->count() == 0)
            break;
        f.cmbR->showPopup();
        f.cmbR->view()->setCurrentIndex(f.cmbR->model()->index(random(f.cmbR->count()), 0));
        QTest::keyClick(f.cmbR->view(), Qt::Key_Return);
        break;
    case Enter:
    case Tab:
    case Space:
        QTest::keyClick(focus, action == Enter ? Qt::Key_Return : action == Tab ? Qt::Key_Tab : Qt::Key_Space);
        break;
    case Close:
        f.close();
        break;
    }
}

void TestMonkey::later(int passes, int action)
{
    ++m_pending;
    QTimer::singleShot(0, this, [this, passes, action] {
        if (passes > 0) {
            --m_pending;
            later(passes - 1, action);
            return;
        }
        act(action);
        --m_pending;
    });
}

QString TestMonkey::disagreement()
{
    MainFrm &f = *m_frm;
    for (int guard = 0; f.tm.isActive() && guard < 1000; ++guard)
        f.tm_Timer();
    // The list: names of the catalogue in its order, each once; one selected when there are any.
    QStringList entries;
    for (int i = 0, position = 0; i < f.cmbR->count(); ++i) {
        entries << f.cmbR->itemText(i);
        while (++position <= ElementCount && Elements(position).Name != entries.last()) {
        }
        if (position > ElementCount)
            return QStringLiteral("entry %1 out of catalogue order").arg(i);
    }
    const int index = f.cmbR->ListIndex();
    if ((index < 0) != entries.isEmpty())
        return QStringLiteral("selection %1 of %2 entries").arg(index).arg(entries.size());
    const QString name = index < 0 ? QString() : entries[index];
    if (f.lblTitle(0).Caption() != name || f.lblTitle(1).Caption() != name)
        return QStringLiteral("titles are not the selected entry");
    if (index >= 0) {
        int n = 1;
        while (Elements(n).Name != name)
            ++n;
        const QString head = QStringLiteral("\r\nإسم العنصر الكيميائـي:   ") + name +
                             QStringLiteral("\r\nرمزه:   ") + Elements(n).Symbol + QStringLiteral("\r\n");
        if (!f.DescriptionText.startsWith(head))
            return QStringLiteral("the card is not the selected element's");
    } else if (!QStringList{QString(), Card::noSearchTextMessage(), Card::notFoundMessage()}
                    .contains(f.DescriptionText)) {
        return QStringLiteral("an empty list with a card");
    }
    if (f.lblDescription->Caption() != f.DescriptionText)
        return QStringLiteral("the reveal ended short of the text");
    if (f.MousePointer() != 0 || f.cursor().shape() != Qt::ArrowCursor)
        return QStringLiteral("the pointer is not the default");
    return {};
}

void TestMonkey::monkey()
{
    const quint32 seed = qEnvironmentVariableIsSet("ORVANE_MONKEY_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ORVANE_MONKEY_SEED"))
                             : 20261207;
    m_random.seed(seed);
    // Weights: fills and texts most, the exit button rarely.
    const int weights[Actions] = {14, 18, 18, 12, 8, 8, 8, 6, 1};
    for (int step = 0; step < 3000; ++step) {
        window();
        int pick = random(93), action = 0;
        while (pick >= weights[action])
            pick -= weights[action++];
        for (int n = random(4); n > 1; --n)
            later(random(60), random(Actions - 1));
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
        QVERIFY2(fault.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(fault)));
    }

    // A close in the middle of a fill ends the program normally, with the catalogue cleared.
    MainFrm &f = window();
    QTimer::singleShot(0, this, [this] {
        later(random(100), Close);
        act(ShowAll);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(f.m_ended && !f.isVisible() && !f.tm.isActive() && Elements(1).Name.isEmpty());
    QVERIFY(f.cmbR->count() < ElementCount);
}

ORVANE_TEST(TestMonkey)
#include "tst_monkey.moc"
