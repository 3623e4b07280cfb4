// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A session that ends sends SIGTERM, a terminal that closes SIGHUP, Ctrl+C SIGINT. Each closes
// the windows as their close boxes would, so the program ends as the user would end it; a second
// signal of the same kind ends it at once. A signal ignored at start (nohup) stays ignored.
namespace QuitSignals {

// Call once the application object exists.
void closeWindowsOnQuitSignals();

} // namespace QuitSignals
