// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The built-in data, as constants the catalogue is loaded from.
namespace ElementTable {

struct Cell
{
    enum Type { Integer, Double, Text };
    Type type;
    qint16 integer;
    double real;
    const char16_t *text; // UTF-16, as are all texts below
};

struct Row
{
    const char16_t *name;
    const char16_t *symbol;
    qint16 atomicNumber;
    Cell molarMass;
    Cell density;
    Cell electronegativity;
    const char16_t *kind;
    const char16_t *discoverer;
    const char16_t *discoveryDate;
};

extern const Row rows[117];

} // namespace ElementTable
