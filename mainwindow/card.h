// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elementinfo.h"

#include <QLocale>
#include <QString>

namespace Card {

// The element's data card: it starts with CR LF (an empty first line), its lines are joined
// by CR LF and it ends with the date of discovery, without a line break.
QString compose(const ElementInfo &element, const QLocale &locale = QLocale());

// The occupied electron shells of an atomic number, e.g. "الطبقات: KLM"; empty outside 1 to 111.
QString shellsLine(int atomicNumber);

// A cell as the card shows it: texts unchanged, integers in decimal digits, doubles through
// TextServices::numberToText.
QString valueText(const VariantValue &value, const QLocale &locale = QLocale());

// The texts the search leaves in the card's place.
QString noSearchTextMessage();
QString notFoundMessage();

} // namespace Card
