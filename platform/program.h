// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Services of the runtime the window's handlers call.
namespace Program {

// Lets the event loop handle every pending event, then returns.
void yield();

// Sounds the system beep. Every beep is counted, so tests can see them.
void beep();
int beepCount();

} // namespace Program
