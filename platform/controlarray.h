// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

#include <stdexcept>
#include <string>

// Controls that share a name and differ by index, as lblTitle(0) and lblTitle(1). Indexes
// need not be contiguous: lbl0001 has 0, 2 and 3, and lbl0001(1) is an error.
template<typename T>
class ControlArray
{
public:
    explicit ControlArray(const char *name) : m_name(name) {}

    void insert(int index, T *control) { m_members.insert(index, control); }

    // Throws std::out_of_range for an index that has no member.
    T &operator()(int index) const
    {
        const auto it = m_members.constFind(index);
        if (it == m_members.cend())
            throw std::out_of_range(std::string(m_name) + "(" + std::to_string(index) +
                                    ") does not exist");
        return **it;
    }

private:
    const char *m_name;
    QMap<int, T *> m_members;
};
