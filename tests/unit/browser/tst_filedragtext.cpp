// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/filedragtext.h"

#include <QTest>

class TestFileDragText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesCountAndRecords();
    void writesZeroForNothing();
    void readsBack_data();
    void readsBack();
    void readsBadTextQuietly_data();
    void readsBadTextQuietly();
};

// Count, "|", then path*name*size and a TAB per file.
void TestFileDragText::writesCountAndRecords()
{
    const QVector<FileDragRecord> records{
        {QStringLiteral("/p/a.jpg"), QStringLiteral("a.jpg"), QStringLiteral("    12,345")},
        {QStringLiteral("/p/b.bmp"), QStringLiteral("b.bmp"), QStringLiteral("     9,876")}};
    QCOMPARE(fileDragText(records), QStringLiteral("2|/p/a.jpg*a.jpg*    12,345\t"
                                                   "/p/b.bmp*b.bmp*     9,876\t"));
}

// Nothing selected: the digit 0 and the bar.
void TestFileDragText::writesZeroForNothing()
{
    QCOMPARE(fileDragText({}), QStringLiteral("0|"));
    QVERIFY(readFileDragText(QStringLiteral("0|")).isEmpty());
}

// Paths come back whole even where they hold the text's own separators.
void TestFileDragText::readsBack_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("/p/a.jpg") << QStringLiteral("a.jpg");
    QTest::newRow("star in a folder") << QStringLiteral("/p*q/a.jpg") << QStringLiteral("a.jpg");
    QTest::newRow("star in the name") << QStringLiteral("/p/a*b.jpg") << QStringLiteral("a*b.jpg");
    QTest::newRow("bar in a folder") << QStringLiteral("/p|q/a.jpg") << QStringLiteral("a.jpg");
    QTest::newRow("japanese") << QStringLiteral("/写真/海.jpg") << QStringLiteral("海.jpg");
}

void TestFileDragText::readsBack()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    const FileDragRecord second{QStringLiteral("/x/y.bmp"), QStringLiteral("y.bmp"),
                                QStringLiteral("         0")};
    const QVector<FileDragRecord> read =
        readFileDragText(fileDragText({{path, name, QStringLiteral("     1,234")}, second}));
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(0).path, path);
    QCOMPARE(read.at(0).name, name);
    QCOMPARE(read.at(0).sizeText, QStringLiteral("     1,234"));
    QCOMPARE(read.at(1).path, second.path);
    QCOMPARE(read.at(1).sizeText, second.sizeText);
}

// A count beyond the records, a missing bar or empty records add nothing wrong.
void TestFileDragText::readsBadTextQuietly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("no bar") << QStringLiteral("hello") << QStringList();
    QTest::newRow("count too high")
        << QStringLiteral("5|/p/a.jpg*a.jpg*         1\t") << QStringList{"/p/a.jpg"};
    QTest::newRow("count too low")
        << QStringLiteral("1|/p/a.jpg*a.jpg*1\t/p/b.jpg*b.jpg*2\t") << QStringList{"/p/a.jpg"};
    QTest::newRow("not a number") << QStringLiteral("x|/p/a.jpg*a.jpg*1\t") << QStringList();
    QTest::newRow("empty record skipped")
        << QStringLiteral("2|\t/p/b.jpg*b.jpg*2\t") << QStringList{"/p/b.jpg"};
}

void TestFileDragText::readsBadTextQuietly()
{
    QFETCH(QString, text);
    QFETCH(QStringList, paths);
    QStringList read;
    const QVector<FileDragRecord> records = readFileDragText(text);
    for (const FileDragRecord &record : records)
        read.append(record.path);
    QCOMPARE(read, paths);
}

QTEST_APPLESS_MAIN(TestFileDragText)
#include "tst_filedragtext.moc"
