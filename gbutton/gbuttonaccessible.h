// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class GButton;

// Lets screen readers announce a GButton as a push button named by its caption and press it.
class GButtonAccessible : public QAccessibleWidget
{
public:
    explicit GButtonAccessible(GButton *button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // For QAccessible::installFactory.
    static QAccessibleInterface *create(const QString &className, QObject *object);

private:
    GButton *button() const;
};
