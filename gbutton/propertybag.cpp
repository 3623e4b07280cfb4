// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertybag.h"

#include "textservices.h"

PropertyBag::PropertyBag(std::initializer_list<Entry> entries)
{
    for (const Entry &entry : entries) {
        const qsizetype at = indexOf(entry.first);
        if (at >= 0)
            m_entries[at].second = entry.second;
        else
            m_entries.append(entry);
    }
}

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype at = indexOf(name);
    return at >= 0 ? m_entries[at].second : defaultValue;
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value,
                                const QVariant &defaultValue)
{
    const qsizetype at = indexOf(name);
    // An entry left from an earlier write must not outlive a value that went back to default.
    if (value == defaultValue) {
        if (at >= 0)
            m_entries.removeAt(at);
    } else if (at >= 0) {
        m_entries[at].second = value;
    } else {
        m_entries.append({name, value});
    }
}

bool PropertyBag::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

qsizetype PropertyBag::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (TextServices::equalsIgnoringCase(m_entries[i].first, name))
            return i;
    }
    return -1;
}

PropertyTypeError::PropertyTypeError(const QString &name)
    : std::runtime_error("property '" + name.toStdString() + "': stored value has the wrong type"),
      m_name(name)
{}
