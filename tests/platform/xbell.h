// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The X server's bell as another client hears it, through XKB's notice of every bell rung.
// Kept apart from the tests: Xlib's names (Cursor, KeyPress, None, ...) clash with ours and Qt's.
namespace XServerBell {

// Starts listening on $DISPLAY; false without an X server or its XKB extension.
bool listen();
// The bells the server has told of since listen().
int rung();

} // namespace XServerBell
