// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <variant>

// One cell of an element record: empty, a 16-bit integer, a double or a text.
// A number keeps the subtype it was stored with, so 23 and 23.0 stay different values.
class VariantValue
{
public:
    enum class Type { Empty, Integer, Double, Text };

    VariantValue() = default;
    explicit VariantValue(qint16 value) : m_value(value) {}
    explicit VariantValue(double value) : m_value(value) {}
    explicit VariantValue(const QString &value) : m_value(value) {}

    Type type() const { return static_cast<Type>(m_value.index()); }
    bool isEmpty() const { return type() == Type::Empty; }

    // Each accessor throws std::bad_variant_access when the value holds another subtype.
    qint16 integer() const { return std::get<qint16>(m_value); }
    double real() const { return std::get<double>(m_value); }
    const QString &text() const { return std::get<QString>(m_value); }

    friend bool operator==(const VariantValue &a, const VariantValue &b)
    {
        return a.m_value == b.m_value;
    }
    friend bool operator!=(const VariantValue &a, const VariantValue &b) { return !(a == b); }

private:
    // The alternatives are listed in the order of Type.
    std::variant<std::monostate, qint16, double, QString> m_value;
};
