// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/playorder.h"
#include "core/show/playstate.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

QStringList keys(int n)
{
    QStringList list;
    for (int i = 1; i <= n; ++i)
        list << QStringLiteral("/p/%1.jpg").arg(i);
    return list;
}

PlayState stateOf(int n, int position)
{
    PlayState state;
    state.setOrder(keys(n));
    while (state.position() != position)
        state.advance();
    return state;
}

} // namespace

class TstPlayOrder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listOrderKeepsTheList_data();
    void listOrderKeepsTheList();
    void randomOrderIsAPermutation();
    void randomOrderIsUniform();
    void brokenRandomSourceStillGivesAPermutation();
    void steps_data();
    void steps();
    void ticksWrapAround();
    void emptyOrder();
};

void TstPlayOrder::listOrderKeepsTheList_data()
{
    QTest::addColumn<int>("randomOrder");
    QTest::newRow("0 is list order") << 0;
    QTest::newRow("any value but 1 is list order") << 2;
    QTest::newRow("negative is list order") << -1;
}

// Only the stored value 1 shuffles; every other value plays the list as it stands.
void TstPlayOrder::listOrderKeepsTheList()
{
    QFETCH(int, randomOrder);
    const RandomSource never = [](quint32) -> quint32 {
        qFatal("list order must not draw");
        return 0;
    };
    QCOMPARE(buildPlayOrder(keys(5), qint16(randomOrder), never), keys(5));
}

// Whatever the seed, the random order holds each key exactly once.
void TstPlayOrder::randomOrderIsAPermutation()
{
    for (int n : {1, 2, 3, 7, 50}) {
        const QStringList list = keys(n);
        const QSet<QString> all(list.cbegin(), list.cend());
        for (quint32 seed = 1; seed <= 200; ++seed) {
            QRandomGenerator generator(seed);
            const QStringList order = buildPlayOrder(
                list, 1, [&generator](quint32 bound) { return generator.bounded(bound); });
            QCOMPARE(order.size(), list.size());
            QCOMPARE(QSet<QString>(order.cbegin(), order.cend()), all);
        }
    }
}

// All 6 orders of 3 pictures come up about equally often, and so does each first picture.
void TstPlayOrder::randomOrderIsUniform()
{
    QRandomGenerator generator(12345);
    const RandomSource source = [&generator](quint32 bound) {
        return generator.bounded(bound);
    };
    QHash<QString, int> counts;
    const int runs = 60000;
    for (int i = 0; i < runs; ++i)
        ++counts[buildPlayOrder(keys(3), 1, source).join(QLatin1Char('|'))];
    QCOMPARE(counts.size(), 6);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        QVERIFY2(qAbs(it.value() - runs / 6) < runs / 60, qPrintable(it.key()));
}

// A source that returns values out of range cannot make the build index past the end or loop.
void TstPlayOrder::brokenRandomSourceStillGivesAPermutation()
{
    const QStringList order = buildPlayOrder(keys(4), 1, [](quint32 bound) { return bound + 7; });
    QCOMPARE(order.size(), 4);
    QCOMPARE(QSet<QString>(order.cbegin(), order.cend()).size(), 4);
}

void TstPlayOrder::steps_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("following");
    QTest::addColumn<int>("preceding");

    QTest::newRow("middle of three") << 3 << 1 << 2 << 0;
    QTest::newRow("next from the last wraps to the first") << 3 << 2 << 0 << 1;
    QTest::newRow("back from the first wraps to the last") << 3 << 0 << 1 << 2;
    QTest::newRow("one picture stays on itself") << 1 << 0 << 0 << 0;
}

// Next and tick step forward, back steps backward, both wrapping around.
void TstPlayOrder::steps()
{
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(int, following);
    QFETCH(int, preceding);

    PlayState state = stateOf(count, position);
    QCOMPARE(state.followingPosition(), following);
    QCOMPARE(state.precedingPosition(), preceding);
    state.advance();
    QCOMPARE(state.position(), following);
    state = stateOf(count, position);
    state.stepBack();
    QCOMPARE(state.position(), preceding);
}

// Successive ticks over three pictures: 0, 1, 2, 0, 1, ... with the position text following.
void TstPlayOrder::ticksWrapAround()
{
    PlayState state;
    state.setOrder(keys(3));
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        seen << state.positionText() + QLatin1Char(' ') + state.currentPath();
        state.advance();
    }
    QCOMPARE(seen, QStringList({"1/3 /p/1.jpg", "2/3 /p/2.jpg", "3/3 /p/3.jpg", "1/3 /p/1.jpg",
                                "2/3 /p/2.jpg", "3/3 /p/3.jpg"}));
}

// An empty order shows "1/0", has no path, and never leaves position 0.
void TstPlayOrder::emptyOrder()
{
    PlayState state;
    state.setOrder(buildPlayOrder({}, 1));
    QCOMPARE(state.lastIndex(), -1);
    QCOMPARE(state.positionText(), QStringLiteral("1/0"));
    QVERIFY(state.currentPath().isEmpty());
    state.advance();
    QCOMPARE(state.position(), 0);
    state.stepBack();
    QCOMPARE(state.position(), 0);
}

QTEST_GUILESS_MAIN(TstPlayOrder)
#include "tst_playorder.moc"
