// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertybag.h"

#include "textservices.h"

#include <QImage>

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

quint32 PropertyBag::readColor(const QString &name, quint32 defaultValue) const
{
    bool ok = false;
    const qlonglong n = ReadProperty(name, defaultValue).toLongLong(&ok);
    if (!ok || n < -2147483648LL || n > 4294967295LL)
        throw PropertyTypeError(name);
    return quint32(n);
}

qint16 PropertyBag::readInt16(const QString &name, qint16 defaultValue) const
{
    bool ok = false;
    const qlonglong n = ReadProperty(name, defaultValue).toLongLong(&ok);
    if (!ok || n < -32768 || n > 32767)
        throw PropertyTypeError(name);
    return qint16(n);
}

bool PropertyBag::readBool(const QString &name, bool defaultValue) const
{
    const QVariant value = ReadProperty(name, defaultValue);
    if (value.metaType() == QMetaType::fromType<bool>())
        return value.toBool();
    if (value.metaType() == QMetaType::fromType<QString>()) {
        const QString text = value.toString().trimmed();
        if (text.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
    }
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok)
        throw PropertyTypeError(name);
    return n != 0;
}

QFont PropertyBag::readFont(const QString &name, const QFont &defaultValue) const
{
    const QVariant value = ReadProperty(name, defaultValue);
    if (value.metaType() != QMetaType::fromType<QFont>())
        throw PropertyTypeError(name);
    return value.value<QFont>();
}

QString PropertyBag::readString(const QString &name, const QString &defaultValue) const
{
    const QVariant value = ReadProperty(name, defaultValue);
    switch (value.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QChar:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toString();
    default:
        throw PropertyTypeError(name);
    }
}

QPixmap PropertyBag::readPicture(const QString &name) const
{
    const QVariant value = ReadProperty(name);
    if (!value.isValid())
        return {};
    if (value.metaType() == QMetaType::fromType<QPixmap>())
        return value.value<QPixmap>();
    if (value.metaType() == QMetaType::fromType<QImage>())
        return QPixmap::fromImage(value.value<QImage>());
    throw PropertyTypeError(name);
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
