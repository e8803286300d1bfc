// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/sortpaths.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// The procedure written out literally: floating-point midpoint rounded half to even, the left
// part sorted first by plain recursion, each comparison made by the collator itself.
void referenceSort(QStringList &items, int first, int last, const PathOrder &order)
{
    if (first >= last)
        return;
    const int mid = int(std::nearbyint((first + last) / 2.0));
    items.swapItemsAt(first, mid);
    int u = first;
    for (int i = first + 1; i <= last; ++i) {
        if (order.sortsBefore(items.at(i), items.at(first)))
            items.swapItemsAt(++u, i);
    }
    items.swapItemsAt(first, u);
    referenceSort(items, first, u - 1, order);
    referenceSort(items, u + 1, last, order);
}

// Letters in both cases, punctuation, a digit, kana that a Japanese collation counts equal,
// and an accent that only a collation tells apart.
QStringList randomTexts(QRandomGenerator &random, int count)
{
    static const QString alphabet = QStringLiteral("aAbB_1/-あアeé");
    QStringList texts;
    for (int n = 0; n < count; ++n) {
        QString text;
        const int length = random.bounded(5);
        for (int c = 0; c < length; ++c)
            text.append(alphabet.at(random.bounded(int(alphabet.size()))));
        texts.append(text);
    }
    return texts;
}

QStringList split(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char(','));
}

} // namespace

class TestSortPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void fixedOrders_data();
    void fixedOrders();
    void userLocaleByDefault();
    void matchesProcedureOnRandomArrays_data();
    void matchesProcedureOnRandomArrays();
};

void TestSortPaths::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestSortPaths::fixedOrders_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter case is ignored") << "C"
                                            << "b,A,c" << 0 << 2 << "A,b,c";
    QTest::newRow("equal texts keep the order the pivot gives") << "C"
                                                                << "X,x" << 0 << 1 << "X,x";
    QTest::newRow("one-element range unchanged") << "C"
                                                 << "b,a" << 1 << 1 << "b,a";
    QTest::newRow("empty range unchanged") << "C"
                                           << "c,b,a" << 2 << 0 << "c,b,a";
    QTest::newRow("empty list") << "C"
                                << "" << 0 << -1 << "";
    QTest::newRow("only the range is sorted") << "C"
                                              << "z,c,b,a,y" << 1 << 3 << "z,a,b,c,y";
    // Equal texts: the result shows which middle index each step took.
    QTest::newRow("middle of 0 and 3 is 2, of 2 and 3 is 2")
        << "C"
        << "ab,aB,Ab,AB" << 0 << 3 << "Ab,ab,aB,AB";
    QTest::newRow("middle of 0 and 5 is 2") << "C"
                                            << "p,P,q,Q,r,R" << 0 << 5 << "p,P,q,Q,r,R";
    QTest::newRow("indexes beyond the list are clamped") << "C"
                                                         << "c,a,b" << -4 << 99 << "a,b,c";
    QTest::newRow("paths compare by their full text")
        << "C"
        << "/pics/b.jpg,/Pics/A.JPG,/pics/a/x.jpg" << 0 << 2
        << "/Pics/A.JPG,/pics/a/x.jpg,/pics/b.jpg";
    QTest::newRow("C locale: kana by code point")
        << "C"
        << "うみ,アルバム,いぬ" << 0 << 2 << "いぬ,うみ,アルバム";
    QTest::newRow("Japanese: kana by their sound, hiragana and katakana together")
        << "ja_JP"
        << "うみ,アルバム,いぬ" << 0 << 2 << "アルバム,いぬ,うみ";
    QTest::newRow("C locale: punctuation by code point") << "C"
                                                         << "a1,a_1,a-1" << 0 << 2 << "a-1,a1,a_1";
    QTest::newRow("English: punctuation before digits") << "en_US"
                                                        << "a1,a-1,a_1" << 0 << 2 << "a_1,a-1,a1";
    QTest::newRow("Japanese: letter case is ignored, equal texts keep the pivot's order")
        << "ja_JP"
        << "ab,aB,Ab,AB,b,A" << 0 << 5 << "A,Ab,AB,ab,aB,b";
    QTest::newRow("Japanese: only the range is sorted")
        << "ja_JP"
        << "ん,う,あ,い,ア" << 1 << 3 << "ん,あ,い,う,ア";
}

void TestSortPaths::fixedOrders()
{
    QFETCH(QString, locale);
    QFETCH(QString, input);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, expected);
    QStringList items = split(input);
    sortPaths(items, first, last, QLocale(locale));
    QCOMPARE(items, split(expected));
}

// Without a locale the order is the user's: the default locale's collation.
void TestSortPaths::userLocaleByDefault()
{
    const QStringList input{QStringLiteral("うみ"), QStringLiteral("アルバム"),
                            QStringLiteral("いぬ")};
    QStringList items = input;
    QLocale::setDefault(QLocale::c());
    sortPaths(items, 0, 2);
    QCOMPARE(items, (QStringList{QStringLiteral("いぬ"), QStringLiteral("うみ"),
                                 QStringLiteral("アルバム")}));
    items = input;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    sortPaths(items, 0, 2);
    QCOMPARE(items, (QStringList{QStringLiteral("アルバム"), QStringLiteral("いぬ"),
                                 QStringLiteral("うみ")}));
    QVERIFY(PathOrder().sortsBefore(QStringLiteral("アルバム"), QStringLiteral("いぬ")));
}

void TestSortPaths::matchesProcedureOnRandomArrays_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("Japanese") << "ja_JP";
    QTest::newRow("English") << "en_US";
}

// Many arrays full of texts that compare equal end sorted and in exactly the procedure's
// order, under each collation.
void TestSortPaths::matchesProcedureOnRandomArrays()
{
    QFETCH(QString, locale);
    const PathOrder order{QLocale(locale)};
    const auto before = [&order](const QString &a, const QString &b) {
        return order.sortsBefore(a, b);
    };
    QRandomGenerator random(20001);
    for (int round = 0; round < 500; ++round) {
        const QStringList input = randomTexts(random, random.bounded(1, 60));
        QStringList actual = input;
        QStringList expected = input;
        sortPaths(actual, 0, int(actual.size()) - 1, QLocale(locale));
        referenceSort(expected, 0, int(expected.size()) - 1, order);
        QCOMPARE(actual, expected);
        QVERIFY(std::is_sorted(actual.cbegin(), actual.cend(), before));
        QStringList sortedInput = input;
        QStringList sortedActual = actual;
        sortedInput.sort(Qt::CaseSensitive);
        sortedActual.sort(Qt::CaseSensitive);
        QCOMPARE(sortedActual, sortedInput);
    }
}

QTEST_APPLESS_MAIN(TestSortPaths)
#include "tst_sortpaths.moc"
