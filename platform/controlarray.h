// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

// A window's controls carry their designed names as object names, a member of a control array
// its name and index: lblTitle(0). Code finds a control by that name when it needs it, so what
// exists is decided by the window's design alone. Throws std::out_of_range for a name that
// names nothing of that type.
template<typename T>
T &namedControl(const QObject &window, const QString &name)
{
    if (T *control = window.findChild<T *>(name, Qt::FindDirectChildrenOnly))
        return *control;
    throw std::out_of_range(name.toStdString() + " does not exist");
}

// Controls that share a name and differ by index, as lblTitle(0) and lblTitle(1). Indexes
// need not be contiguous: lbl0001 has 0, 2 and 3, and lbl0001(1) is an error.
template<typename T>
class ControlArray
{
public:
    ControlArray(const QObject *window, const char *name) : m_window(window), m_name(name) {}

    // Throws std::out_of_range for an index that has no member.
    T &operator()(int index) const
    {
        return namedControl<T>(*m_window, QLatin1String(m_name) + u'(' + QString::number(index) +
                                              u')');
    }

private:
    const QObject *m_window;
    const char *m_name;
};
