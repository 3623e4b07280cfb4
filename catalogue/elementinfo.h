// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "variantvalue.h"

#include <QString>

// One element's record, its fields in their fixed order.
struct ElementInfo
{
    QString Name;
    QString Symbol;
    VariantValue AtomicNumber;
    VariantValue MolarMass;
    VariantValue Density;
    VariantValue Electronegativity;
    QString Kind;
    QString Discoverer;
    VariantValue DiscoveryDate;
};
