// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmain.h"
#include "textservices.h"
#include "wildcard.h"

#include <QTest>

using Wildcard::Result;
Q_DECLARE_METATYPE(Wildcard::Result)

class TestTextServices : public QObject
{
    Q_OBJECT

private slots:
    void wildcard_data();
    void wildcard();
    void trimSpaces_data();
    void trimSpaces();
    void numberToText_data();
    void numberToText();
    void doublesReadBack();
};

void TestTextServices::wildcard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Result>("expected");

    const auto row = [](const char *tag, const char *text, const char *pattern, Result r) {
        QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(pattern) << r;
    };
    // The corpus in fuzz/ covers the other shapes against an independent matcher.
    row("empty both", "", "", Result::Match);
    row("case folded", "fe", "*FE*", Result::Match);
    row("star backtracks", "aXbYb", "a*b", Result::Match);
    row("star backtracks fails", "aXbYc", "a*b", Result::NoMatch);
    row("question not none", "", "?", Result::NoMatch);
    row("range upper takes lower", "q", "[A-Z]", Result::Match);
    row("negated range ignores case", "Q", "[!a-z]", Result::NoMatch);
    // Malformed patterns are told apart from a mismatch, wherever the text ends.
    row("unclosed group", "abc", "*[*", Result::Malformed);
    row("reversed range after match", "xyz", "x*[z-a]", Result::Malformed);
    // Groups follow the literals' case rule: members by their folding, ranges by case class.
    row("final sigma in group", "Σ", "[ς]", Result::Match);
    row("Kelvin sign in group", "k", "[\u212A]", Result::Match);
    row("long s in group", "s", "[ſ]", Result::Match);
    row("long s not in negated", "ſ", "[!s]", Result::NoMatch);
    row("sharp s in group", "ß", "[ẞ]", Result::Match);
    row("titlecase digraph in group", "Ǆ", "[ǅ]", Result::Match);
    row("micro sign in group", "μ", "[µ]", Result::Match);
    row("dotless i not in group", "ı", "[I]", Result::NoMatch);
    row("dotless i not in range", "ı", "[A-Z]", Result::NoMatch);
    row("dotless i in negated range", "ı", "[!A-Z]", Result::Match);
    row("supplementary folding", "𐐀", "[𐐨]", Result::Match);
    row("pair is one character", "𐐀", "?", Result::Match);
    // Unpaired surrogates keep their identity.
    const QString high(QChar(0xD800)), low(QChar(0xDC00));
    QTest::newRow("lone surrogates differ") << high << low << Result::NoMatch;
    QTest::newRow("lone surrogate is not U+FFFD") << high << QStringLiteral("\uFFFD") << Result::NoMatch;
    QTest::newRow("lone surrogate matches itself") << low << low << Result::Match;
    QTest::newRow("lone surrogate in range") << low << u'[' + high + u'-' + low + u']' << Result::Match;
    QTest::newRow("range down to a surrogate") << QString() << QStringLiteral("[\uFFFD-") + low + u']'
                                              << Result::Malformed;
    // Malformed patterns are told apart from a mismatch, wherever the text ends.
    row("unclosed group", "abc", "*[*", Result::Malformed);
    row("reversed range", "a", "[z-a]", Result::Malformed);
    row("reversed range after match", "xyz", "x*[z-a]", Result::Malformed);
}

void TestTextServices::wildcard()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(Result, expected);
    QCOMPARE(Wildcard::match(text, pattern), expected);
}

void TestTextServices::trimSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both ends") << "  Fe  " << "Fe";
    QTest::newRow("inner kept") << " a  b " << "a  b";
    QTest::newRow("only spaces") << "    " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("tab kept") << "\tFe " << "\tFe";
    QTest::newRow("no-break space kept") << QStringLiteral(" Fe\u00a0") << QStringLiteral("Fe\u00a0");
}

void TestTextServices::trimSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TextServices::trimSpaces(text), expected);
}

void TestTextServices::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    // No group separator even where the locale has one.
    QTest::newRow("12345.5 de") << 12345.5 << "de_DE" << "12345,5";
    // Arabic locales keep ASCII digits, with their own decimal separator.
    QTest::newRow("2.2 ar_EG") << 2.2 << "ar_EG" << QStringLiteral("2٫2");
}

void TestTextServices::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(TextServices::numberToText(value, QLocale(locale)), expected);
}

void TestTextServices::doublesReadBack()
{
    for (double d : {0.1, 1.0 / 3.0, 238.0289, 1e-5}) {
        const QString text = TextServices::numberToText(d, QLocale::c());
        QVERIFY2(!text.contains(u'e'), qPrintable(text));
        QCOMPARE(text.toDouble(), d);
    }
}

ORVANE_TEST(TestTextServices)
#include "tst_textservices.moc"
