// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory while the user selects all in the search box, pastes a 60,000-character text
// and searches, 60 times over (or only pastes, with "paste"): it must not grow with each round.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_paste_memory [paste]
#include "gbutton.h"
#include "mainfrm.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const auto found =
        QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return found.captured(1).toDouble() / 1024;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool search = !(argc > 1 && qstrcmp(argv[1], "paste") == 0);
    QTextStream out(stdout);

    MainFrm window;
    window.show();
    auto *txtSearch = window.findChild<TextBox *>(QStringLiteral("txtSearch"));
    auto *cmdSearch = window.findChild<GButton *>(QStringLiteral("cmdSearch"));
    QCoreApplication::processEvents();
    out << QStringLiteral("%1, resident memory in MiB\n")
               .arg(search ? QStringLiteral("paste and search") : QStringLiteral("paste only"));
    out << QStringLiteral("  after  0 rounds: %1\n").arg(residentMiB(), 0, 'f', 1);
    for (int round = 1; round <= 60; ++round) {
        // A different text each time, as a user pastes one thing after another.
        QGuiApplication::clipboard()->setText(QString(60000, QChar(u'a' + round % 26)));
        txtSearch->selectAll();
        txtSearch->paste();
        if (search)
            cmdSearch->click();
        QCoreApplication::processEvents();
        if (round % 20 == 0)
            out << QStringLiteral("  after %1 rounds: %2\n").arg(round).arg(residentMiB(), 0, 'f', 1);
    }
    return 0;
}
