// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Fonts {

// The window's designed faces exist only on the desktop it was drawn on. Maps them to installed
// faces that have the Arabic letters and keep the designed line heights.
void installSubstitutions();

} // namespace Fonts
