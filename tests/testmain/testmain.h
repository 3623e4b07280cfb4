// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Lets one test executable run several Qt Test classes: each class registers itself with
// ORVANE_TEST(Class) in its own file, and the shared main() runs them all.
namespace TestMain {

using Factory = QObject *(*)();
bool add(Factory factory);

} // namespace TestMain

#define ORVANE_TEST(Class)                                                                         \
    static const bool orvaneTestRegistered_##Class =                                             \
        TestMain::add([]() -> QObject * { return new Class; });
