// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/filedragtext.h"
#include "core/browser/filelistmodel.h"

#include <QItemSelectionModel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

class TestFileListModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void sortsByName_data();
    void sortsByName();
    void sortsBySizeNotByText();
    void selectionFollowsSort();
    void removesByExactKey();
    void dragTextInRowOrder();

private:
    QStringList names() const;
    FileListModel m_model;
};

FileListEntry entry(const QString &name, qint64 size, const QString &sizeText)
{
    return {QStringLiteral("/p/") + name, name, sizeText, size, 1};
}

void TestFileListModel::init()
{
    m_model.setEntries({entry(QStringLiteral("b.jpg"), 200, QStringLiteral("       200")),
                        entry(QStringLiteral("A.bmp"), 100'000'000, QStringLiteral("100,000,000")),
                        entry(QStringLiteral("c.JPG"), 99'999'999, QStringLiteral("99,999,999")),
                        entry(QStringLiteral("a.jpg"), 200, QStringLiteral("       200"))});
}

QStringList TestFileListModel::names() const
{
    QStringList result;
    for (int row = 0; row < m_model.rowCount(); ++row)
        result.append(m_model.data(m_model.index(row, FileListModel::NameColumn)).toString());
    return result;
}

// Names sort without regard to case.
void TestFileListModel::sortsByName_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ascending") << int(Qt::AscendingOrder)
                               << QStringList{"A.bmp", "a.jpg", "b.jpg", "c.JPG"};
    QTest::newRow("descending") << int(Qt::DescendingOrder)
                                << QStringList{"c.JPG", "b.jpg", "a.jpg", "A.bmp"};
}

void TestFileListModel::sortsByName()
{
    QFETCH(int, order);
    m_model.sort(FileListModel::NameColumn, Qt::SortOrder(order));
    QFETCH(QStringList, expected);
    QCOMPARE(names(), expected);
}

// A 100 MB file sorts after a 99 MB one, though its text would sort first; equal sizes keep
// their order.
void TestFileListModel::sortsBySizeNotByText()
{
    m_model.sort(FileListModel::SizeColumn, Qt::DescendingOrder);
    QCOMPARE(names(), (QStringList{"A.bmp", "c.JPG", "b.jpg", "a.jpg"}));
    m_model.sort(FileListModel::SizeColumn, Qt::AscendingOrder);
    QCOMPARE(names(), (QStringList{"b.jpg", "a.jpg", "c.JPG", "A.bmp"}));
}

// Selected rows stay selected when the rows move.
void TestFileListModel::selectionFollowsSort()
{
    QItemSelectionModel selection(&m_model);
    selection.select(m_model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_model.sort(FileListModel::NameColumn, Qt::AscendingOrder);
    const QModelIndexList rows = selection.selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(m_model.entryAt(rows.first().row()).name, QStringLiteral("c.JPG"));
}

// Keys are full paths; on this file system A.jpg and a.jpg are two files. Many keys leave in
// one removal, and the rows left keep their selection.
void TestFileListModel::removesByExactKey()
{
    QVERIFY(!m_model.removeKey(QStringLiteral("/p/B.JPG")));
    QVERIFY(m_model.removeKey(QStringLiteral("/p/b.jpg")));
    QCOMPARE(m_model.entryCount(), 3);
    QCOMPARE(m_model.rowOfKey(QStringLiteral("/p/a.jpg")), 2);

    init();
    QItemSelectionModel selection(&m_model);
    selection.select(m_model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QSignalSpy removals(&m_model, &QAbstractItemModel::rowsRemoved);
    QCOMPARE(m_model.removeKeys({QStringLiteral("/p/a.jpg"), QStringLiteral("/p/x.jpg"),
                                 QStringLiteral("/p/b.jpg")}),
             2);
    QCOMPARE(names(), (QStringList{"A.bmp", "c.JPG"}));
    QCOMPARE(removals.size(), 1);
    QCOMPARE(selection.selectedRows(), QModelIndexList{m_model.index(1, 0)});
}

// The drag text lists the touched rows once each, top to bottom, whatever the index order.
void TestFileListModel::dragTextInRowOrder()
{
    const QModelIndexList indexes{m_model.index(3, 1), m_model.index(0, 0), m_model.index(3, 0),
                                  m_model.index(0, 1)};
    std::unique_ptr<QMimeData> mime(m_model.mimeData(indexes));
    QCOMPARE(mime->text(), QStringLiteral("2|/p/b.jpg*b.jpg*       200\t"
                                          "/p/a.jpg*a.jpg*       200\t"));
    QCOMPARE(m_model.supportedDragActions(), Qt::CopyAction);
}

QTEST_APPLESS_MAIN(TestFileListModel)
#include "tst_filelistmodel.moc"
