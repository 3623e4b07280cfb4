// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmain.h"
#include "textservices.h"
#include "wildcard.h"

#include <QTest>

using Wildcard::Result;
Q_DECLARE_METATYPE(Wildcard::Result)
using namespace Qt::StringLiterals;

class TestTextServices : public QObject
{
    Q_OBJECT

private slots:
    void wildcard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<Result>("expected");
        const auto row = [](const char *tag, const QString &text, const QString &pattern,
                            Result r) {
            QTest::newRow(tag) << text << pattern << r;
        };
        // The corpus in fuzz/ covers the other shapes against an independent matcher.
        row("empty both", u""_s, u""_s, Result::Match);
        row("case folded", u"fe"_s, u"*FE*"_s, Result::Match);
        row("star backtracks", u"aXbYb"_s, u"a*b"_s, Result::Match);
        row("star backtracks fails", u"aXbYc"_s, u"a*b"_s, Result::NoMatch);
        row("question not none", u""_s, u"?"_s, Result::NoMatch);
        row("negated range ignores case", u"Q"_s, u"[!a-z]"_s, Result::NoMatch);
        // Groups follow the literals' case rule: members by their folding, ranges by case class.
        row("final sigma in group", u"Σ"_s, u"[ς]"_s, Result::Match);
        row("Kelvin sign in group", u"k"_s, u"[\u212A]"_s, Result::Match);
        row("long s in group", u"s"_s, u"[ſ]"_s, Result::Match);
        row("long s not in negated", u"ſ"_s, u"[!s]"_s, Result::NoMatch);
        row("sharp s in group", u"ß"_s, u"[ẞ]"_s, Result::Match);
        row("titlecase digraph in group", u"Ǆ"_s, u"[ǅ]"_s, Result::Match);
        row("micro sign in group", u"μ"_s, u"[µ]"_s, Result::Match);
        row("dotless i not in group", u"ı"_s, u"[I]"_s, Result::NoMatch);
        row("dotless i not in range", u"ı"_s, u"[A-Z]"_s, Result::NoMatch);
        row("dotless i in negated range", u"ı"_s, u"[!A-Z]"_s, Result::Match);
        row("supplementary folding", u"𐐀"_s, u"[𐐨]"_s, Result::Match);
        // Only simple foldings join characters: in Unicode 14 the first three share a full one.
        row("iota dialytika oxia and tonos", u"\u1FD3"_s, u"\u0390"_s, Result::NoMatch);
        row("upsilon dialytika oxia and tonos", u"\u1FE3"_s, u"\u03B0"_s, Result::NoMatch);
        row("long s t and s t ligatures", u"\uFB05"_s, u"\uFB06"_s, Result::NoMatch);
        row("capital sharp s", u"\u1E9E"_s, u"\u00DF"_s, Result::Match);
        row("alpha psili prosgegrammeni", u"\u1F88"_s, u"\u1F80"_s, Result::Match);
        // Unpaired surrogates keep their identity.
        const QString high(QChar(0xD800)), low(QChar(0xDC00));
        row("lone surrogates differ", high, low, Result::NoMatch);
        row("lone surrogate is not U+FFFD", high, u"\uFFFD"_s, Result::NoMatch);
        row("lone surrogate matches itself", low, low, Result::Match);
        row("lone surrogate in range", low, u'[' + high + u'-' + low + u']', Result::Match);
        row("range down to a surrogate", u""_s, u"[\uFFFD-"_s + low + u']', Result::Malformed);
    }

    void wildcard()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QTEST(Wildcard::match(text, pattern), "expected");
    }

    void trimSpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ends, not inside") << u"  a  b  "_s << u"a  b"_s;
        QTest::newRow("only spaces") << u"    "_s << QString();
        QTest::newRow("tab and no-break space kept") << u"\tFe\u00a0 "_s << u"\tFe\u00a0"_s;
    }

    void trimSpaces()
    {
        QFETCH(QString, text);
        QTEST(TextServices::trimSpaces(text), "expected");
    }

    void numberToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        // Hydrogen's mass: the locale's separator where it writes ASCII digits itself, "." where
        // its own digits are others, so that one number never mixes two digit systems.
        const char *const mass[][2] = {{"C", "1.0079"},     {"en_US", "1.0079"},
                                       {"de_DE", "1,0079"}, {"fr_FR", "1,0079"},
                                       {"ar_SA", "1.0079"}, {"ar_EG", "1.0079"}};
        for (const auto &[locale, text] : mass)
            QTest::addRow("1.0079 %s", locale) << 1.0079 << QString::fromLatin1(locale)
                                               << QString::fromLatin1(text);
        // No group separator even where the locale has one.
        QTest::newRow("12345.5 de") << 12345.5 << u"de_DE"_s << u"12345,5"_s;
        // The shortest text that reads back as the same double, never with an exponent.
        QTest::newRow("third") << 1.0 / 3.0 << u"C"_s << u"0.3333333333333333"_s;
        QTest::newRow("atomic mass") << 238.0289 << u"C"_s << u"238.0289"_s;
        QTest::newRow("small") << 1e-5 << u"C"_s << u"0.00001"_s;
    }

    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, locale);
        QTEST(TextServices::numberToText(value, QLocale(locale)), "expected");
    }
};

ORVANE_TEST(TestTextServices)
#include "tst_textservices.moc"
