// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elementinfo.h"

// The program-wide catalogue: 117 records, indexed 1 to 117. Slots 1 to 111 hold the element of
// that atomic number; slots 112 to 117 hold elements 104 to 109 again under their current names,
// so readers that need the atomic number read AtomicNumber, never the index.
namespace MElementsInformations {

constexpr int ElementCount = 117;

// Record n, 1 <= n <= ElementCount; any other n throws std::out_of_range.
const ElementInfo &Elements(int n);

// Fills every record from the built-in table.
void LoadElements();

// Empties every record in one step; the 117 slots stay.
void ClearElements();

} // namespace MElementsInformations
