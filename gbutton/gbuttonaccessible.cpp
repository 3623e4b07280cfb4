// SPDX-License-Identifier: GPL-3.0-or-later
#include "gbuttonaccessible.h"

#include "gbutton.h"

namespace {

// The caption as read aloud: "&" marks the next character and "&&" stands for one "&".
QString withoutMnemonics(const QString &caption)
{
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&')
                name += u'&', ++i;
            continue;
        }
        name += caption[i];
    }
    return name;
}

} // namespace

GButtonAccessible::GButtonAccessible(GButton *button)
    : QAccessibleWidget(button, QAccessible::PushButton)
{}

QString GButtonAccessible::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty())
        text = withoutMnemonics(button()->Caption());
    return text;
}

QAccessible::State GButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->buttonState() == GButton::StatePressed;
    state.hotTracked = button()->buttonState() == GButton::StateHover;
    return state;
}

QStringList GButtonAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void GButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction()) {
        if (button()->isEnabled())
            button()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface *GButtonAccessible::create(const QString &className, QObject *object)
{
    if (className == u"GButton" && object && object->isWidgetType())
        return new GButtonAccessible(static_cast<GButton *>(object));
    return nullptr;
}

GButton *GButtonAccessible::button() const
{
    return static_cast<GButton *>(widget());
}
