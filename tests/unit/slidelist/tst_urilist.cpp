// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/urilist.h"

#include <QTest>

class TestUriList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void localPaths_data();
    void localPaths();
    void writtenListReadsBack_data();
    void writtenListReadsBack();
};

void TestUriList::localPaths_data()
{
    QTest::addColumn<QByteArray>("uriList");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("file manager CR LF lines keep their order")
        << QByteArray("file:///home/u/b.jpg\r\nfile:///home/u/a.jpg\r\n")
        << QStringList{QStringLiteral("/home/u/b.jpg"), QStringLiteral("/home/u/a.jpg")};
    QTest::newRow("percent-encoded Japanese and blanks are decoded")
        << QByteArray("file:///home/u/%E5%86%99%E7%9C%9F/a%20b.jpg\n")
        << QStringList{QStringLiteral("/home/u/写真/a b.jpg")};
    QTest::newRow("comments and empty lines are skipped")
        << QByteArray("# from a file manager\r\n\r\nfile:///x.bmp")
        << QStringList{QStringLiteral("/x.bmp")};
    QTest::newRow("localhost is this machine")
        << QByteArray("file://localhost/etc/a.jpg") << QStringList{QStringLiteral("/etc/a.jpg")};
    QTest::newRow("other hosts and schemes are not local files")
        << QByteArray("file://server/share/a.jpg\nhttp://example.org/a.jpg\nsmb://s/a.jpg\n")
        << QStringList{};
    QTest::newRow("an encoded NUL never reaches a path")
        << QByteArray("file:///tmp/a%00b.jpg\n") << QStringList{};
    QTest::newRow("garbage gives nothing") << QByteArray("\xff\xfe::::\n%%%") << QStringList{};
}

// A desktop drop gives the local paths in the order the file manager listed them.
void TestUriList::localPaths()
{
    QFETCH(QByteArray, uriList);
    QFETCH(QStringList, paths);
    QCOMPARE(localPathsFromUriList(uriList), paths);
}

// A drag out of the slide list writes one encoded file: URI per path, and reading it back gives
// the same paths whatever characters they hold.
void TestUriList::writtenListReadsBack_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QByteArray>("uriList");
    QTest::newRow("plain paths in their order")
        << QStringList{QStringLiteral("/p/b.jpg"), QStringLiteral("/p/a.jpg")}
        << QByteArray("file:///p/b.jpg\r\nfile:///p/a.jpg\r\n");
    QTest::newRow("Japanese, blanks and URI delimiters are encoded")
        << QStringList{QStringLiteral("/写真/a b#1?%.jpg")}
        << QByteArray("file:///%E5%86%99%E7%9C%9F/a%20b%231%3F%25.jpg\r\n");
    QTest::newRow("a noncharacter a Linux name may hold")
        << QStringList{QStringLiteral("/p/") + QChar(0xFDD0) + QStringLiteral(".jpg")}
        << QByteArray("file:///p/%EF%B7%90.jpg\r\n");
    QTest::newRow("nothing dragged") << QStringList{} << QByteArray();
}

void TestUriList::writtenListReadsBack()
{
    QFETCH(QStringList, paths);
    QFETCH(QByteArray, uriList);
    QCOMPARE(uriListFromLocalPaths(paths), uriList);
    QCOMPARE(localPathsFromUriList(uriList), paths);
}

QTEST_APPLESS_MAIN(TestUriList)
#include "tst_urilist.moc"
