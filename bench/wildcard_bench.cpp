// SPDX-License-Identifier: GPL-3.0-or-later
// Times the search's match tests over the whole catalogue: short and pathological search texts,
// then long ones of 10 K, 100 K and 1 M characters: Arabic (no symbol inside), a repeated
// Latin sentence (every letter, few pairs of letters) and random letters (every pair).
// Run: build/bench/bench_wildcard
#include "melementsinformations.h"
#include "search.h"

#include <QElapsedTimer>
#include <QList>
#include <QTextStream>

namespace {

// One search as the window runs it: one matcher, the text handed in again for every record.
int countMatches(const QString &searchText)
{
    Search::Matcher matcher;
    int matches = 0;
    for (int n = 1; n <= MElementsInformations::ElementCount; ++n)
        matches += matcher.matches(MElementsInformations::Elements(n), searchText);
    return matches;
}

// Random lowercase letters and spaces from a fixed seed: every pair of letters soon occurs.
QString randomLetters(qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    quint32 state = 12345;
    for (QChar &c : text) {
        state = state * 1664525 + 1013904223;
        const int pick = int((state >> 16) % 27);
        c = pick == 26 ? QChar(u' ') : QChar(char16_t(u'a' + pick));
    }
    return text;
}

QString repeated(const QString &unit, qsizetype length)
{
    QString text;
    text.reserve(length + unit.size());
    while (text.size() < length)
        text += unit;
    text.truncate(length);
    return text;
}

} // namespace

int main()
{
    MElementsInformations::LoadElements();
    QTextStream out(stdout);
    QList<QString> texts = {
        QStringLiteral("Fe"),
        QStringLiteral("يوم"),
        QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b"),
        QString(10000, u'a'),
        QString(2000, u'*') + QStringLiteral("x"),
    };
    for (qsizetype length : {10000, 100000, 1000000}) {
        texts.append(repeated(QStringLiteral("الكتلة الحجمية للعنصر "), length));
        texts.append(repeated(QStringLiteral("the quick brown fox jumps over a lazy dog "), length));
        texts.append(randomLetters(length));
    }
    for (const QString &text : texts) {
        const int rounds = text.size() >= 1000000 ? 5 : 20;
        double best = 1e9;
        int matches = 0;
        for (int i = 0; i < rounds; ++i) {
            QElapsedTimer timer;
            timer.start();
            matches = countMatches(text);
            best = qMin(best, double(timer.nsecsElapsed()) / 1e6);
        }
        out << QStringLiteral("%1 chars (%2...): %3 matches, best %4 ms per search over 117 records\n")
                   .arg(text.size())
                   .arg(text.left(6))
                   .arg(matches)
                   .arg(best, 0, 'f', 3);
    }
    return 0;
}
