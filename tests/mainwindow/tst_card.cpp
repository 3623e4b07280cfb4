// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_mainwindow.h"
#include "card.h"
#include "melementsinformations.h"
#include "search.h"

#include <QTest>

using MElementsInformations::Elements;

void TestMainWindow::card_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("1, doubles") << 1 << QStringList{
        QStringLiteral("إسم العنصر الكيميائـي:   هيدروجين"),
        QStringLiteral("رمزه:   H"),
        QStringLiteral("العدد الذري:   1"),
        QStringLiteral("الكتلة المولية الذرية:   1.0079  غ/المول"),
        QStringLiteral("الكتلة الحجمية الذرية:   0.071"),
        QStringLiteral("الكهروسلبية:   2.2"),
        QStringLiteral("الطبقات: K"),
        QStringLiteral("نوع العنصر:   لا معدني"),
        QStringLiteral("مكتشفه:   هنري كافندش (إنجلترا)"),
        QStringLiteral("تاريخ الإكتشاف:   1766م")};
    QTest::newRow("11, integer mass") << 11 << QStringList{
        QStringLiteral("إسم العنصر الكيميائـي:   صوديوم"),
        QStringLiteral("رمزه:   Na"),
        QStringLiteral("العدد الذري:   11"),
        QStringLiteral("الكتلة المولية الذرية:   23  غ/المول"),
        QStringLiteral("الكتلة الحجمية الذرية:   0.97"),
        QStringLiteral("الكهروسلبية:   0.93"),
        QStringLiteral("الطبقات: KLM"),
        QStringLiteral("نوع العنصر:   معدني"),
        QStringLiteral("مكتشفه:   ديفي"),
        QStringLiteral("تاريخ الإكتشاف:   1807م")};
    QTest::newRow("111, missing values") << 111 << QStringList{
        QStringLiteral("إسم العنصر الكيميائـي:   إينينيوم"),
        QStringLiteral("رمزه:   Uuu"),
        QStringLiteral("العدد الذري:   111"),
        QStringLiteral("الكتلة المولية الذرية:   -  غ/المول"),
        QStringLiteral("الكتلة الحجمية الذرية:   -"),
        QStringLiteral("الكهروسلبية:   -"),
        QStringLiteral("الطبقات: KLMNOPQ"),
        QStringLiteral("نوع العنصر:   محضر مخبريا"),
        QStringLiteral("مكتشفه:   -"),
        QStringLiteral("تاريخ الإكتشاف:   -")};
    // A repeated element takes the shells of its atomic number, 104.
    QTest::newRow("114, repeated element") << 114 << QStringList{
        QStringLiteral("إسم العنصر الكيميائـي:   رذرفورديوم"),
        QStringLiteral("رمزه:   Rf"),
        QStringLiteral("العدد الذري:   104"),
        QStringLiteral("الكتلة المولية الذرية:   261  غ/المول"),
        QStringLiteral("الكتلة الحجمية الذرية:   -"),
        QStringLiteral("الكهروسلبية:   -"),
        QStringLiteral("الطبقات: KLMNOPQ"),
        QStringLiteral("نوع العنصر:   -"),
        QStringLiteral("مكتشفه:   المشترك للأبحاث النووية معمل لورنس بيركلي (روسيا,الولايات المتحدة)"),
        QStringLiteral("تاريخ الإكتشاف:   1969م-1970م")};
}

void TestMainWindow::card()
{
    QFETCH(int, slot);
    QFETCH(QStringList, lines);
    // Every card opens with an empty line.
    QCOMPARE(Card::compose(Elements(slot), QLocale::c()),
             QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")));
}

void TestMainWindow::shellsLine_data()
{
    QTest::addColumn<int>("atomicNumber");
    QTest::addColumn<QString>("expected");
    // Both sides of every boundary.
    const std::pair<int, const char *> rows[] = {
        {0, ""},    {1, "K"},      {2, "K"},       {3, "KL"},      {10, "KL"},      {11, "KLM"},
        {18, "KLM"}, {19, "KLMN"}, {36, "KLMN"},   {37, "KLMNO"},  {54, "KLMNO"},  {55, "KLMNOP"},
        {86, "KLMNOP"}, {87, "KLMNOPQ"}, {111, "KLMNOPQ"}, {112, ""}};
    for (const auto &[number, shells] : rows)
        QTest::addRow("%d", number)
            << number << (*shells ? QStringLiteral("الطبقات: ") + QLatin1String(shells) : QString());
}

void TestMainWindow::shellsLine()
{
    QFETCH(int, atomicNumber);
    QFETCH(QString, expected);
    QCOMPARE(Card::shellsLine(atomicNumber), expected);
}

void TestMainWindow::searchFollowsEachText_data()
{
    // Texts handed to one matcher in turn, and the slots each lists.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QList<int>>>("listed");
    QTest::newRow("new text") << QStringList{QStringLiteral("Fe"), QStringLiteral("unq"), QStringLiteral("Zz")}
                              << QList<QList<int>>{{9, 26}, {7, 92, 104}, {}};
    // Only the spaces at the ends differ: the name test keeps them, the symbol tests do not.
    QTest::newRow("spaces at the ends")
        << QStringList{QStringLiteral("حديد"), QStringLiteral(" حديد ")}
        << QList<QList<int>>{{26}, {}};
    // ſ folds to s, so a group of it lists what the letter lists: every symbol with an s.
    const QList<int> withS = {14, 16, 21, 33, 34, 38, 50, 51, 55, 62, 76, 99, 107, 115, 117};
    QTest::newRow("long s in a group") << QStringList{QStringLiteral("[ſ]"), QStringLiteral("ſ")}
                                       << QList<QList<int>>{withS, withS};
}

void TestMainWindow::searchFollowsEachText()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<QList<int>>, listed);
    Search::Matcher matcher;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QList<int> found;
        for (int n = 1; n <= MElementsInformations::ElementCount; ++n)
            if (matcher.matches(Elements(n), texts[i]))
                found.append(n);
        QCOMPARE(found, listed[i]);
    }
}
