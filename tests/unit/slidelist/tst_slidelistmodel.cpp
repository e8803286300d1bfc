// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/slidelistmodel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

SlideEntry picture(const QString &path)
{
    return SlideEntry{path, QStringLiteral("         1"), 1};
}

// A model holding /p/1.jpg ... /p/<count>.jpg.
void fill(SlideListModel &model, int count)
{
    QVector<SlideEntry> entries;
    for (int i = 1; i <= count; ++i)
        entries.append(picture(QStringLiteral("/p/%1.jpg").arg(i)));
    model.addEntries(entries);
}

} // namespace

class TestSlideListModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void duplicatesAreExactPaths_data();
    void duplicatesAreExactPaths();
    void bulkAppendSkipsKnownAndRepeatedPaths();
    void removingPositionsKeepsOrderAndIndex_data();
    void removingPositionsKeepsOrderAndIndex();
    void removeByExactPath();
    void bulkRemovalKeepsSelectionAndCurrent_data();
    void bulkRemovalKeepsSelectionAndCurrent();
};

// A path names one file exactly: paths that differ only in letter case are two pictures.
void TestSlideListModel::duplicatesAreExactPaths_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("added");
    QTest::newRow("same path") << QStringLiteral("/p/a.jpg") << QStringLiteral("/p/a.jpg") << false;
    QTest::newRow("capital extension is another file")
        << QStringLiteral("/p/a.jpg") << QStringLiteral("/p/A.JPG") << true;
    QTest::newRow("capital folder is another folder")
        << QStringLiteral("/p/trip/a.jpg") << QStringLiteral("/p/Trip/a.jpg") << true;
    QTest::newRow("accented capital is another file")
        << QStringLiteral("/p/é.jpg") << QStringLiteral("/p/É.jpg") << true;
    QTest::newRow("full-width capital is another file")
        << QStringLiteral("/p/ａ.jpg") << QStringLiteral("/p/Ａ.jpg") << true;
    QTest::newRow("different file")
        << QStringLiteral("/p/a.jpg") << QStringLiteral("/p/b.jpg") << true;
    QTest::newRow("outside the basic plane, other case is another file")
        << QStringLiteral("/p/𐐨.jpg") << QStringLiteral("/p/𐐀.jpg") << true;
}

void TestSlideListModel::duplicatesAreExactPaths()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, added);
    SlideListModel model;
    QVERIFY(model.addEntry(first, first, QStringLiteral("         0")));
    QCOMPARE(model.addEntry(second, second, QStringLiteral("         0")), added);
    QCOMPARE(model.findEntry(second), added ? 2 : 1);
    QCOMPARE(model.findEntry(first), 1);
    QCOMPARE(model.entryCount(), added ? 2 : 1);
}

// A batch is inserted at once, without paths already listed or repeated within it.
void TestSlideListModel::bulkAppendSkipsKnownAndRepeatedPaths()
{
    SlideListModel model;
    model.addEntry(QStringLiteral("/p/a.jpg"), QStringLiteral("a.jpg"), QString());
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    const int added =
        model.addEntries({picture(QStringLiteral("/p/b.jpg")), picture(QStringLiteral("/p/a.jpg")),
                          picture(QStringLiteral("/p/c.jpg")), picture(QStringLiteral("/p/b.jpg")),
                          picture(QStringLiteral("/p/B.JPG"))});
    QCOMPARE(added, 3);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(model.paths(), (QStringList{QStringLiteral("/p/a.jpg"), QStringLiteral("/p/b.jpg"),
                                         QStringLiteral("/p/c.jpg"), QStringLiteral("/p/B.JPG")}));
    QCOMPARE(model.findEntry(QStringLiteral("/p/c.jpg")), 3);
    QCOMPARE(model.findEntry(QStringLiteral("/p/C.jpg")), 0);
    QCOMPARE(model.addEntries({}), 0);
}

// Removing positions keeps the others in order, and every key still finds its new position.
void TestSlideListModel::removingPositionsKeepsOrderAndIndex_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("two of five") << 5 << QList<int>{3, 2};
    QTest::newRow("first only") << 5 << QList<int>{1};
    QTest::newRow("repeats and strays ignored") << 5 << QList<int>{0, 4, 4, 9, -1};
    QList<int> everyOther;
    for (int i = 1; i <= 200; i += 2)
        everyOther.append(i);
    QTest::newRow("many separate runs") << 200 << everyOther;
    QTest::newRow("all") << 3 << QList<int>{1, 2, 3};
}

void TestSlideListModel::removingPositionsKeepsOrderAndIndex()
{
    QFETCH(int, count);
    QFETCH(QList<int>, positions);
    SlideListModel model;
    fill(model, count);
    const QStringList before = model.paths();
    QStringList expected;
    for (int i = 1; i <= count; ++i) {
        if (!positions.contains(i))
            expected.append(before.at(i - 1));
    }
    model.removeEntriesAt(positions);
    QCOMPARE(model.paths(), expected);
    QCOMPARE(model.rowCount(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(model.findEntry(expected.at(i)), i + 1);
    for (const QString &path : before)
        QCOMPARE(model.findEntry(path) > 0, expected.contains(path));
}

// removeEntry removes only the entry of exactly that path; later entries move up.
void TestSlideListModel::removeByExactPath()
{
    SlideListModel model;
    fill(model, 3);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    model.removeEntry(QStringLiteral("/P/1.JPG"));
    QCOMPARE(removed.size(), 0);
    QCOMPARE(model.entryCount(), 3);
    model.removeEntry(QStringLiteral("/p/1.jpg"));
    QCOMPARE(removed.size(), 1);
    QCOMPARE(model.findEntry(QStringLiteral("/p/3.jpg")), 2);
    model.removeEntryAt(2);
    QCOMPARE(model.paths(), QStringList{QStringLiteral("/p/2.jpg")});
    model.removeEntry(QStringLiteral("/p/none.jpg"));
    QCOMPARE(model.entryCount(), 1);
}

// Many entries leave in one removal; the others keep their selection, and a current entry that
// leaves passes to the entry before the first one removed (the first remaining one when the
// removal starts at the top).
void TestSlideListModel::bulkRemovalKeepsSelectionAndCurrent_data()
{
    QTest::addColumn<QStringList>("removed"); // entry numbers, as paths /p/<n>.jpg
    QTest::addColumn<QList<int>>("selectedBefore");
    QTest::addColumn<int>("currentBefore");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::addColumn<int>("currentAfter");
    QTest::newRow("one block, current in it: the entry above")
        << QStringList{"3", "4"} << QList<int>{1, 3, 4} << 4 << QList<int>{1} << 2;
    QTest::newRow("scattered, current in them: the entry before the first")
        << QStringList{"2", "4", "6"} << QList<int>{2, 4, 5, 6} << 6 << QList<int>{5} << 1;
    QTest::newRow("scattered, current stays on its entry")
        << QStringList{"1", "3", "5"} << QList<int>{1, 4} << 4 << QList<int>{4} << 4;
    QTest::newRow("from the top: the first remaining")
        << QStringList{"1", "2", "4"} << QList<int>{1, 2, 4} << 1 << QList<int>{} << 3;
    QTest::newRow("unknown and repeated paths are ignored")
        << QStringList{"9", "5", "5", "P/2"} << QList<int>{2} << 2 << QList<int>{2} << 2;
    QTest::newRow("everything: nothing current")
        << QStringList{"6", "5", "4", "3", "2", "1"} << QList<int>{3} << 3 << QList<int>{} << 0;
}

void TestSlideListModel::bulkRemovalKeepsSelectionAndCurrent()
{
    QFETCH(QStringList, removed);
    QFETCH(QList<int>, selectedBefore);
    QFETCH(int, currentBefore);
    SlideListModel model;
    fill(model, 6);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QItemSelectionModel selection(&model);
    for (int number : selectedBefore)
        selection.select(model.index(number - 1, 0),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.setCurrentIndex(model.index(currentBefore - 1, 0), QItemSelectionModel::NoUpdate);
    QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);

    QStringList paths;
    for (const QString &number : removed)
        paths.append(QStringLiteral("/p/%1.jpg").arg(number));
    model.removeEntries(paths);

    QStringList expected;
    for (int number = 1; number <= 6; ++number) {
        if (!removed.contains(QString::number(number)))
            expected.append(QStringLiteral("/p/%1.jpg").arg(number));
    }
    QCOMPARE(model.paths(), expected);
    QCOMPARE(removals.size(), expected.size() < 6 ? 1 : 0);
    for (int row = 0; row < expected.size(); ++row)
        QCOMPARE(model.findEntry(expected.at(row)), row + 1);
    auto numberAt = [&](const QModelIndex &index) {
        return index.isValid() ? model.entryAt(index.row() + 1).path.mid(3).chopped(4).toInt() : 0;
    };
    QList<int> selectedAfter;
    const QModelIndexList rows = selection.selectedRows();
    for (const QModelIndex &row : rows)
        selectedAfter.append(numberAt(row));
    std::sort(selectedAfter.begin(), selectedAfter.end());
    QTEST(selectedAfter, "selectedAfter");
    QTEST(numberAt(selection.currentIndex()), "currentAfter");
}

QTEST_APPLESS_MAIN(TestSlideListModel)
#include "tst_slidelistmodel.moc"
