// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The built-in data, as constants the loader copies into the catalogue.
namespace ElementTable {

struct Cell
{
    enum Type { Integer, Double, Text };
    Type type;
    qint16 integer;
    double real;
    const char *text; // UTF-8
};

struct Row
{
    const char *name; // UTF-8, as are all texts below
    const char *symbol;
    qint16 atomicNumber;
    Cell molarMass;
    Cell density;
    Cell electronegativity;
    const char *kind;
    const char *discoverer;
    const char *discoveryDate;
};

extern const Row rows[117];

} // namespace ElementTable
