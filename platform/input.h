// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <QtGlobal>

class QKeyEvent;

// Keyboard and mouse values as the program's handlers see them: Windows virtual-key codes,
// the shift mask and the mouse-button mask.
namespace Input {

// The Windows virtual-key code of the key (13 for Return and keypad Enter, 65 for A, 112 for
// F1, 96 for keypad 0, ...); 0 for a key that has none.
qint16 keyCode(const QKeyEvent &event);

// Shift 1, Ctrl 2, Alt 4, added together.
qint16 shiftMask(Qt::KeyboardModifiers modifiers);

// Left 1, right 2, middle 4, added together.
qint16 mouseButtons(Qt::MouseButtons buttons);

} // namespace Input
