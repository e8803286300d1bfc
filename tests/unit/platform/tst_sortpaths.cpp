// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/sortpaths.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// The procedure written out literally: floating-point midpoint rounded half to even, the left
// part sorted first by plain recursion.
void referenceSort(QStringList &items, int first, int last)
{
    if (first >= last)
        return;
    const int mid = int(std::nearbyint((first + last) / 2.0));
    items.swapItemsAt(first, mid);
    int u = first;
    for (int i = first + 1; i <= last; ++i) {
        if (items.at(i).compare(items.at(first), Qt::CaseInsensitive) < 0)
            items.swapItemsAt(++u, i);
    }
    items.swapItemsAt(first, u);
    referenceSort(items, first, u - 1);
    referenceSort(items, u + 1, last);
}

QStringList randomTexts(QRandomGenerator &random, int count)
{
    static const QString alphabet = QStringLiteral("aAbB_1/");
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
    void fixedOrders_data();
    void fixedOrders();
    void matchesProcedureOnRandomArrays();
};

void TestSortPaths::fixedOrders_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter case is ignored") << "b,A,c" << 0 << 2 << "A,b,c";
    QTest::newRow("equal texts keep the order the pivot gives") << "X,x" << 0 << 1 << "X,x";
    QTest::newRow("one-element range unchanged") << "b,a" << 1 << 1 << "b,a";
    QTest::newRow("empty range unchanged") << "c,b,a" << 2 << 0 << "c,b,a";
    QTest::newRow("empty list") << "" << 0 << -1 << "";
    QTest::newRow("only the range is sorted") << "z,c,b,a,y" << 1 << 3 << "z,a,b,c,y";
    // Equal texts: the result shows which middle index each step took.
    QTest::newRow("middle of 0 and 3 is 2, of 2 and 3 is 2")
        << "ab,aB,Ab,AB" << 0 << 3 << "Ab,ab,aB,AB";
    QTest::newRow("middle of 0 and 5 is 2") << "p,P,q,Q,r,R" << 0 << 5 << "p,P,q,Q,r,R";
    QTest::newRow("indexes beyond the list are clamped") << "c,a,b" << -4 << 99 << "a,b,c";
    QTest::newRow("paths compare by their full text")
        << "/pics/b.jpg,/Pics/A.JPG,/pics/a/x.jpg" << 0 << 2
        << "/Pics/A.JPG,/pics/a/x.jpg,/pics/b.jpg";
}

void TestSortPaths::fixedOrders()
{
    QFETCH(QString, input);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, expected);
    QStringList items = split(input);
    SortPaths(items, first, last);
    QCOMPARE(items, split(expected));
}

// Many arrays full of case variants end sorted and in exactly the procedure's order.
void TestSortPaths::matchesProcedureOnRandomArrays()
{
    QRandomGenerator random(20001);
    for (int round = 0; round < 500; ++round) {
        const QStringList input = randomTexts(random, random.bounded(1, 60));
        QStringList actual = input;
        QStringList expected = input;
        SortPaths(actual, 0, int(actual.size()) - 1);
        referenceSort(expected, 0, int(expected.size()) - 1);
        QCOMPARE(actual, expected);
        QVERIFY(std::is_sorted(actual.cbegin(), actual.cend(), PathSortsBefore));
        QStringList sortedInput = input;
        QStringList sortedActual = actual;
        sortedInput.sort(Qt::CaseSensitive);
        sortedActual.sort(Qt::CaseSensitive);
        QCOMPARE(sortedActual, sortedInput);
    }
}

QTEST_APPLESS_MAIN(TestSortPaths)
#include "tst_sortpaths.moc"
