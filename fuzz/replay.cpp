// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every file of the fuzz corpus through the check, without libFuzzer.
// Usage: wildcard_replay <corpus directory>
#include "check.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const QStringList names = corpus.entryList(QDir::Files);
    int failures = 0;
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot read\n", qPrintable(name));
            ++failures;
            continue;
        }
        const QByteArray data = file.readAll();
        const QString failure =
            WildcardCheck::check(reinterpret_cast<const uint8_t *>(data.constData()), data.size());
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), failure.toUtf8().constData());
            ++failures;
        }
    }
    std::printf("%lld inputs, %d failed\n", static_cast<long long>(names.size()), failures);
    return names.isEmpty() || failures > 0 ? 1 : 0;
}
