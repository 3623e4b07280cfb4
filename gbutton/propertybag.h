// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPixmap>
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

    // ReadProperty() taken as the property's stored type, in the widest sense that type allows;
    // a stored value that is not one throws PropertyTypeError naming the property.
    // Colours: a signed or unsigned 32-bit number, whose bit pattern is the colour.
    quint32 readColor(const QString &name, quint32 defaultValue) const;
    qint16 readInt16(const QString &name, qint16 defaultValue) const;
    // A bool, "true" or "false" in any case, or a number (non-zero is true).
    bool readBool(const QString &name, bool defaultValue) const;
    QFont readFont(const QString &name, const QFont &defaultValue) const;
    // Text, or a number or truth value written as text.
    QString readString(const QString &name, const QString &defaultValue = {}) const;
    // A pixmap or an image; none stored (or an empty value) is no picture.
    QPixmap readPicture(const QString &name) const;

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
