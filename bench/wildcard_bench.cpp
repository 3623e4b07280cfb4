// SPDX-License-Identifier: GPL-3.0-or-later
// Times the search's match test over the whole catalogue for a few search texts, the
// pathological ones included. Run: build/bench/bench_wildcard
#include "melementsinformations.h"
#include "textservices.h"
#include "wildcard.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace {

// The three tests a search runs for every record.
int countMatches(const QString &searchText)
{
    using namespace MElementsInformations;
    const QString trimmed = TextServices::trimSpaces(searchText);
    const QString star = QStringLiteral("*");
    int matches = 0;
    for (int n = 1; n <= ElementCount; ++n) {
        const ElementInfo &e = Elements(n);
        const bool a = Wildcard::match(trimmed, star + e.Symbol + star) == Wildcard::Result::Match;
        const bool b = Wildcard::match(e.Symbol, star + trimmed + star) == Wildcard::Result::Match;
        const bool c = Wildcard::match(e.Name, star + searchText + star) == Wildcard::Result::Match;
        matches += a || b || c;
    }
    return matches;
}

} // namespace

int main()
{
    MElementsInformations::LoadElements();
    QTextStream out(stdout);
    const QList<QString> texts = {
        QStringLiteral("Fe"),
        QStringLiteral("يوم"),
        QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b"),
        QString(10000, u'a'),
        QString(2000, u'*') + QStringLiteral("x"),
    };
    for (const QString &text : texts) {
        const int rounds = 20;
        QElapsedTimer timer;
        timer.start();
        int matches = 0;
        for (int i = 0; i < rounds; ++i)
            matches = countMatches(text);
        const double ms = double(timer.nsecsElapsed()) / 1e6 / rounds;
        out << QStringLiteral("%1 chars: %2 matches, %3 ms per search over 117 records\n")
                   .arg(text.size())
                   .arg(matches)
                   .arg(ms, 0, 'f', 3);
    }
    return 0;
}
