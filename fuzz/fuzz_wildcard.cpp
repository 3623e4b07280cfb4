// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: every input goes through the same check as the corpus replay.
#include "check.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString failure = WildcardCheck::check(data, size);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", failure.toUtf8().constData());
        std::abort();
    }
    return 0;
}
