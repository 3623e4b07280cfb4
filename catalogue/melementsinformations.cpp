// SPDX-License-Identifier: GPL-3.0-or-later
#include "melementsinformations.h"

#include "elementtable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace MElementsInformations {
namespace {

std::array<ElementInfo, ElementCount> &catalogue()
{
    static std::array<ElementInfo, ElementCount> records;
    return records;
}

ElementInfo &record(int n)
{
    if (n < 1 || n > ElementCount)
        throw std::out_of_range("Elements: index " + std::to_string(n) + " is outside 1 to " +
                                std::to_string(ElementCount));
    return catalogue()[static_cast<std::size_t>(n - 1)];
}

// The table's texts are read in place: the table lives as long as the program.
QString text(const char16_t *utf16)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(utf16),
                                qsizetype(std::char_traits<char16_t>::length(utf16)));
}

VariantValue toValue(const ElementTable::Cell &cell)
{
    switch (cell.type) {
    case ElementTable::Cell::Integer:
        return VariantValue(cell.integer);
    case ElementTable::Cell::Double:
        return VariantValue(cell.real);
    case ElementTable::Cell::Text:
        break;
    }
    return VariantValue(text(cell.text));
}

} // namespace

const ElementInfo &Elements(int n)
{
    return record(n);
}

void LoadElements()
{
    for (int n = 1; n <= ElementCount; ++n) {
        const ElementTable::Row &row = ElementTable::rows[n - 1];
        ElementInfo &element = record(n);
        element.Name = text(row.name);
        element.Symbol = text(row.symbol);
        element.AtomicNumber = VariantValue(row.atomicNumber);
        element.MolarMass = toValue(row.molarMass);
        element.Kind = text(row.kind);
        element.Discoverer = text(row.discoverer);
        element.DiscoveryDate = VariantValue(text(row.discoveryDate));
        element.Density = toValue(row.density);
        element.Electronegativity = toValue(row.electronegativity);
    }
}

void ClearElements()
{
    catalogue().fill(ElementInfo());
}

} // namespace MElementsInformations
