// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <stdexcept>
#include <utility>

// A control's stored properties: named values, names compared without regard to case, kept in
// the order written. A value equal to its default is not stored, so reading a missing name
// gives its default back.
class PropertyBag
{
public:
    using Entry = std::pair<QString, QVariant>;

    PropertyBag() = default;
    PropertyBag(std::initializer_list<Entry> entries);

    // The value stored under name, or defaultValue when there is none.
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue = {}) const;
    // Stores value under name, or leaves name out when value equals defaultValue.
    void WriteProperty(const QString &name, const QVariant &value,
                       const QVariant &defaultValue = {});

    bool contains(const QString &name) const;
    // The entries with their names as stored.
    const QList<Entry> &entries() const { return m_entries; }

private:
    qsizetype indexOf(const QString &name) const;

    QList<Entry> m_entries;
};

// A stored value that cannot be taken as the type its property needs.
class PropertyTypeError : public std::runtime_error
{
public:
    explicit PropertyTypeError(const QString &name);
    // The name as the reader asked for it.
    QString name() const { return m_name; }

private:
    QString m_name;
};
