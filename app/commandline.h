// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The program takes no arguments of its own beyond --help and --version; Qt's options
// (-style, -platform, ...) pass through to QApplication.
namespace CommandLine {

// Answers --help, --version and wrong arguments before any display is opened. Returns the
// exit status when the program ends here.
std::optional<int> answer(int argc, char *argv[]);

// Between these two calls, a platform that cannot start (no display, a display that does not
// answer, no Qt plugin for it) ends the program with one line and status 1 instead of Qt's
// abort; the line names what Qt's held messages say went wrong. Messages that Qt logs meanwhile
// are held back and passed on once the platform is up.
void beginPlatformStart();
void endPlatformStart();

} // namespace CommandLine
