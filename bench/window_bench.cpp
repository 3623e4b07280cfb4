// SPDX-License-Identifier: GPL-3.0-or-later
// How long the main window takes to be built, loaded and painted, next to a bare Qt window of
// the same size, and how long a whole search (117 records, each with its yield) takes.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_window (or under a real X server)
#include "gbutton.h"
#include "mainbuttons.h"
#include "mainfrm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

template<typename Make> double bestOf(int rounds, Make make)
{
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        make();
        best = qMin(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);

    const double bare = bestOf(10, [] {
        QWidget window;
        window.setFixedSize(mainWindowSize());
        window.show();
        window.grab();
    });
    const double main = bestOf(10, [] {
        MainFrm window;
        window.show();
        window.grab();
    });
    out << QStringLiteral("bare window shown and painted: %1 ms\n").arg(bare, 0, 'f', 2);
    out << QStringLiteral("main window built, loaded, shown and painted: %1 ms\n")
               .arg(main, 0, 'f', 2);

    MainFrm window;
    window.show();
    auto *txtSearch = window.findChild<TextBox *>(QStringLiteral("txtSearch"));
    auto *cmbR = window.findChild<ComboBox *>(QStringLiteral("cmbR"));
    const auto click = [&window](const char *button) {
        return [button = window.findChild<GButton *>(QLatin1String(button))] {
            button->click();
        };
    };
    QStringList texts = {QStringLiteral("Fe"), QStringLiteral("*"), QStringLiteral("Zz"),
                         QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b")};
    // Long texts pasted into the box: each record's test walks them, so the click's cost grows
    // with their length.
    for (int length : {100'000, 1'000'000})
        texts << QStringLiteral("the quick brown fox jumps over the lazy dog ")
                     .repeated(length / 44 + 1)
                     .left(length);
    for (const QString &text : std::as_const(texts)) {
        txtSearch->setText(text);
        const double search = bestOf(text.size() > 1000 ? 3 : 10, click("cmdSearch"));
        out << QStringLiteral("search \"%1\"%2: %3 ms, %4 entries\n")
                   .arg(text.left(24), text.size() > 24
                                           ? QStringLiteral("... (%1 characters)").arg(text.size())
                                           : QString())
                   .arg(search, 0, 'f', 2)
                   .arg(cmbR->ListCount());
    }
    const double showAll = bestOf(10, click("cmdShowAll"));
    out << QStringLiteral("show all: %1 ms\n").arg(showAll, 0, 'f', 2);
    return 0;
}
