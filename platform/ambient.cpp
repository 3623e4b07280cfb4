// SPDX-License-Identifier: GPL-3.0-or-later
#include "ambient.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace Ambient {

namespace {

bool running = true;

class Notifier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void userModeChanged();
};

Notifier *notifier()
{
    static QPointer<Notifier> instance;
    if (!instance && qApp)
        instance = new Notifier(qApp);
    return instance;
}

} // namespace

bool userMode()
{
    return running;
}

void setUserMode(bool newRunning)
{
    if (newRunning == running)
        return;
    running = newRunning;
    if (Notifier *n = notifier())
        emit n->userModeChanged();
}

QMetaObject::Connection onUserModeChange(QObject *context, std::function<void()> slot)
{
    Notifier *n = notifier();
    if (!n)
        return {};
    return QObject::connect(n, &Notifier::userModeChanged, context, std::move(slot));
}

QFont font(const QWidget &control)
{
    const QWidget *container = control.parentWidget();
    return container ? container->font() : QApplication::font();
}

} // namespace Ambient

#include "ambient.moc"
