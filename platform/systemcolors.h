// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the program stores them are quint32 values laid out 0x00BBGGRR (red in the low
// byte). A value with the top bit set, 0x80000000 + n, names Windows system colour n; here the
// system colours come from the application palette.
namespace SystemColors {

// The RGB value (0x00BBGGRR) of system colour index: 15 button face, 18 button text, 16 button
// shadow, 20 button highlight, ... ; 0 for an index that has no colour.
quint32 sysColor(int index);

// A plain 0x00BBGGRR value as a QColor (the top byte is ignored).
QColor toQColor(quint32 rgb);

} // namespace SystemColors
