// SPDX-License-Identifier: GPL-3.0-or-later
#include "cursor.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace Cursor {

namespace {

// Descends from a widget known to hold the point (in its own coordinates) to the topmost
// child that holds it. Hidden and disabled children are passed over: the point finds what lies
// beneath them, so a disabled button is never the widget under the cursor.
QWidget *deepestAt(QWidget *widget, QPoint pos)
{
    const QObjectList &children = widget->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if (!(*it)->isWidgetType())
            continue;
        auto *child = static_cast<QWidget *>(*it);
        if (child->isWindow() || child->isHidden() || !child->isEnabled())
            continue;
        const QPoint inChild = pos - child->pos();
        if (!child->rect().contains(inChild))
            continue;
        const QRegion mask = child->mask();
        if (!mask.isEmpty() && !mask.contains(inChild))
            continue;
        return deepestAt(child, inChild);
    }
    return widget;
}

QWidget *widgetInWindow(QWidget *top, const QPoint &globalPos)
{
    if (!top || !top->isVisible() || !top->isEnabled())
        return nullptr;
    const QPoint pos = top->mapFromGlobal(globalPos);
    if (!top->rect().contains(pos))
        return nullptr;
    const QRegion mask = top->mask();
    if (!mask.isEmpty() && !mask.contains(pos))
        return nullptr;
    return deepestAt(top, pos);
}

// Widget and window events after which the same cursor position may lie over another widget.
bool changesTheScene(QEvent::Type type)
{
    switch (type) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::EnabledChange:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
    case QEvent::ParentChange:
    case QEvent::ChildRemoved: // a deleted widget leaves its parent with no Hide
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
    case QEvent::Enter: // also the synthetic crossings Qt sends after a hide or show
    case QEvent::Leave:
        return true;
    default:
        return false;
    }
}

// Follows the cursor through the mouse and enter/leave events that the program's windows
// receive; they carry the screen position, so no query is needed to know it.
class Tracker : public QObject
{
    Q_OBJECT

public:
    explicit Tracker(QObject *parent) : QObject(parent) {}

    QWidget *widgetUnderCursor() const
    {
        if (!window || !window->isVisible())
            return nullptr;
        return widgetInWindow(QWidget::find(window->winId()), globalPos);
    }

    quint64 pressCount() const { return presses; }

signals:
    void sceneChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWindowType()) {
            if (watched->isWidgetType() && changesTheScene(event->type()))
                emit sceneChanged();
            return false;
        }
        track(static_cast<QWindow *>(watched), event);
        return false;
    }

private:
    void track(QWindow *watched, QEvent *event)
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            ++presses;
            Q_FALLTHROUGH();
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            see(watched, static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            break;
        case QEvent::Enter:
            see(watched, static_cast<QEnterEvent *>(event)->globalPosition().toPoint());
            break;
        case QEvent::Leave:
            if (watched == window)
                window = nullptr;
            break;
        default:
            if (!changesTheScene(event->type()))
                return;
            break;
        }
        // Announced after the place is taken, so that a listener already sees the new answer.
        emit sceneChanged();
    }

    void see(QWindow *w, QPoint pos)
    {
        globalPos = pos;
        // While a button is held the window that grabbed the mouse gets every event, wherever
        // the cursor is; it counts only while the cursor is inside it.
        window = QRect(QPoint(), w->size()).contains(w->mapFromGlobal(pos)) ? w : nullptr;
    }

    QPointer<QWindow> window;
    QPoint globalPos;
    quint64 presses = 0;
};

Tracker *tracker()
{
    static QPointer<Tracker> instance;
    if (!instance && qApp) {
        instance = new Tracker(qApp);
        qApp->installEventFilter(instance);
    }
    return instance;
}

std::optional<QCursor> shape(int mousePointer, const QPixmap &icon)
{
    switch (mousePointer) {
    case 1:
    case 4:
        return QCursor(Qt::ArrowCursor);
    case 2:
        return QCursor(Qt::CrossCursor);
    case 3:
        return QCursor(Qt::IBeamCursor);
    case 5:
    case 15:
        return QCursor(Qt::SizeAllCursor);
    case 6:
        return QCursor(Qt::SizeBDiagCursor);
    case 7:
        return QCursor(Qt::SizeVerCursor);
    case 8:
        return QCursor(Qt::SizeFDiagCursor);
    case 9:
        return QCursor(Qt::SizeHorCursor);
    case 10:
        return QCursor(Qt::UpArrowCursor);
    case 11:
        return QCursor(Qt::WaitCursor);
    case 12:
        return QCursor(Qt::ForbiddenCursor);
    case 13:
        return QCursor(Qt::BusyCursor);
    case 14:
        return QCursor(Qt::WhatsThisCursor);
    case 99:
        if (!icon.isNull())
            return QCursor(icon);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

QPoint position()
{
    return QCursor::pos();
}

QWidget *widgetAt(const QPoint &globalPos)
{
    return widgetInWindow(QApplication::topLevelAt(globalPos), globalPos);
}

QWidget *widgetUnderCursor()
{
    const Tracker *t = tracker();
    return t ? t->widgetUnderCursor() : nullptr;
}

quint64 pressCount()
{
    const Tracker *t = tracker();
    return t ? t->pressCount() : 0;
}

void startTracking()
{
    tracker();
}

QMetaObject::Connection onSceneChange(QObject *context, std::function<void()> slot)
{
    Tracker *t = tracker();
    if (!t)
        return {};
    return QObject::connect(t, &Tracker::sceneChanged, context, std::move(slot));
}

void setMousePointer(QWidget &widget, int mousePointer, const QPixmap &icon)
{
    if (const std::optional<QCursor> cursor = shape(mousePointer, icon))
        widget.setCursor(*cursor);
    else
        widget.unsetCursor();
}

} // namespace Cursor

#include "cursor.moc"
