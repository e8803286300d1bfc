// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/foldertreekeys.h"

#include <QTest>

using namespace FolderKeys;

class TestFolderTreeKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholderKeys_data();
    void placeholderKeys();
    void keyParts_data();
    void keyParts();
    void childKeysTakeTheParentSection();
    void volumesTellTheirFoldersApart_data();
    void volumesTellTheirFoldersApart();
    void newFolderSeries();
    void sortedInsertion_data();
    void sortedInsertion();
    void folderOfPath_data();
    void folderOfPath();
    void sameOrBelow_data();
    void sameOrBelow();
};

const QString computer = QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ");
const QString desktop = QStringLiteral("デスクトップ");

// Volumes carry their path with a trailing separator; every other node prefixes its key.
void TestFolderTreeKeys::placeholderKeys_data()
{
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("volume gets a trailing separator")
        << volumePlaceholderKey(QStringLiteral("/media/u/USB"))
        << QStringLiteral("dummy*ﾏｲ ｺﾝﾋﾟｭｰﾀ*/media/u/USB/");
    QTest::newRow("root volume keeps its one separator")
        << volumePlaceholderKey(QStringLiteral("/")) << QStringLiteral("dummy*ﾏｲ ｺﾝﾋﾟｭｰﾀ*/");
    QTest::newRow("home folder under the desktop section")
        << placeholderKey(nodeKey(desktop, QStringLiteral("/home/u")))
        << QStringLiteral("dummy*デスクトップ*/home/u");
    QTest::newRow("plain folder") << placeholderKey(
                                         nodeKey(computer, QStringLiteral("/media/u/USB")))
                                  << QStringLiteral("dummy*ﾏｲ ｺﾝﾋﾟｭｰﾀ*/media/u/USB");
}

void TestFolderTreeKeys::placeholderKeys()
{
    QFETCH(QString, placeholder);
    QFETCH(QString, expected);
    QCOMPARE(placeholder, expected);
    QVERIFY(isPlaceholderKey(placeholder));
}

// The path is everything after the first "*": folder names may hold "*" themselves.
void TestFolderTreeKeys::keyParts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("top node has no path") << desktop << desktop << QString() << false;
    QTest::newRow("folder") << nodeKey(computer, QStringLiteral("/a/b")) << computer
                            << QStringLiteral("/a/b") << false;
    QTest::newRow("star inside a folder name") << nodeKey(computer, QStringLiteral("/a/x*y"))
                                               << computer << QStringLiteral("/a/x*y") << false;
    QTest::newRow("placeholder section in any case")
        << QStringLiteral("DUMMY*デスクトップ*/h") << QStringLiteral("DUMMY")
        << QStringLiteral("デスクトップ*/h") << true;
}

void TestFolderTreeKeys::keyParts()
{
    QFETCH(QString, key);
    QFETCH(QString, section);
    QCOMPARE(keySection(key), section);
    QFETCH(QString, path);
    QCOMPARE(keyPath(key), path);
    QFETCH(bool, placeholder);
    QCOMPARE(isPlaceholderKey(key), placeholder);
}

// A folder reached from the desktop stays in the desktop section below it.
void TestFolderTreeKeys::childKeysTakeTheParentSection()
{
    const QString parent = nodeKey(desktop, QStringLiteral("/home/u"));
    QCOMPARE(childKey(parent, childPath(QStringLiteral("/home/u"), QStringLiteral("Pictures"))),
             QStringLiteral("デスクトップ*/home/u/Pictures"));
    QCOMPARE(childPath(QStringLiteral("/"), QStringLiteral("usr")), QStringLiteral("/usr"));
}

// A volume mounted at /home and the folder /home of the root volume are two nodes: their keys,
// and those of the folders below them, differ in the section and keep the folder's path.
void TestFolderTreeKeys::volumesTellTheirFoldersApart_data()
{
    const QString root = volumeKey(QStringLiteral("/"));
    const QString homeFolder = childKey(root, QStringLiteral("/home"));
    const QString homeVolume = volumeKey(QStringLiteral("/home"));
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("path");
    QTest::newRow("volume /home beside the folder /home of the root")
        << homeVolume << homeFolder << QStringLiteral("/home");
    QTest::newRow("folders below them")
        << childKey(homeVolume, QStringLiteral("/home/u"))
        << childKey(homeFolder, QStringLiteral("/home/u")) << QStringLiteral("/home/u");
    QTest::newRow("a star in a mount path stays out of the section")
        << volumeKey(QStringLiteral("/mnt/a*b")) << nodeKey(computer, QStringLiteral("/mnt/a*b"))
        << QStringLiteral("/mnt/a*b");
    QTest::newRow("an escaped star is not a star")
        << childKey(volumeKey(QStringLiteral("/mnt/a%2Ab")), QStringLiteral("/mnt/x"))
        << childKey(volumeKey(QStringLiteral("/mnt/a*b")), QStringLiteral("/mnt/x"))
        << QStringLiteral("/mnt/x");
}

void TestFolderTreeKeys::volumesTellTheirFoldersApart()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, path);
    QVERIFY(first != second);
    QCOMPARE(keyPath(first), path);
    QCOMPARE(keyPath(second), path);
    QVERIFY(keySection(first).startsWith(computer));
    QVERIFY(!isPlaceholderKey(first));
}

// Try 1 is the bare name, later tries count from 2.
void TestFolderTreeKeys::newFolderSeries()
{
    const QString base = QStringLiteral("/p/新しいフォルダ");
    QCOMPARE(newFolderPath(base, 1), base);
    QCOMPARE(newFolderPath(base, 2), QStringLiteral("/p/新しいフォルダ (2)"));
    QCOMPARE(newFolderPath(base, 13), QStringLiteral("/p/新しいフォルダ (13)"));
}

// A new node goes before the first sibling sorting after it, in the user's order; a
// placeholder stays first.
void TestFolderTreeKeys::sortedInsertion_data()
{
    const QString a = nodeKey(computer, QStringLiteral("/p/A"));
    const QString c = nodeKey(computer, QStringLiteral("/p/C"));
    const QString placeholder = placeholderKey(nodeKey(computer, QStringLiteral("/p")));
    const QString newKey = nodeKey(computer, QStringLiteral("/p/新しいフォルダ"));
    const QStringList kana{nodeKey(computer, QStringLiteral("/p/アルバム")),
                           nodeKey(computer, QStringLiteral("/p/うみ"))};
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("siblings");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("position");
    QTest::newRow("no siblings") << "C" << QStringList() << newKey << 0;
    QTest::newRow("between A and C")
        << "C" << QStringList{a, c} << nodeKey(computer, QStringLiteral("/p/b")) << 1;
    QTest::newRow("after all") << "C" << QStringList{a, c} << newKey << 2;
    QTest::newRow("placeholder stays first")
        << "C" << QStringList{placeholder} << nodeKey(computer, QStringLiteral("/p/0")) << 1;
    QTest::newRow("placeholder then folders")
        << "C" << QStringList{placeholder, c} << nodeKey(computer, QStringLiteral("/p/a")) << 1;
    QTest::newRow("Japanese user: kana by their sound")
        << "ja_JP" << kana << nodeKey(computer, QStringLiteral("/p/いぬ")) << 1;
}

void TestFolderTreeKeys::sortedInsertion()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, siblings);
    QFETCH(QString, key);
    QFETCH(int, position);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(sortedInsertPosition(siblings, key), position);
    QLocale::setDefault(QLocale::c());
}

void TestFolderTreeKeys::folderOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("file in folder") << QStringLiteral("/p/a.jpg") << QStringLiteral("/p");
    QTest::newRow("file at the root") << QStringLiteral("/a.jpg") << QStringLiteral("/");
    QTest::newRow("no separator") << QStringLiteral("a.jpg") << QString();
}

void TestFolderTreeKeys::folderOfPath()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(::folderOfPath(path), folder);
}

void TestFolderTreeKeys::sameOrBelow_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("below");
    QTest::newRow("same") << QStringLiteral("/p/q") << QStringLiteral("/p/q") << true;
    QTest::newRow("other letter case is another folder")
        << QStringLiteral("/P/q") << QStringLiteral("/p/Q") << false;
    QTest::newRow("below a folder of other letter case")
        << QStringLiteral("/p/trip/a") << QStringLiteral("/p/Trip") << false;
    QTest::newRow("subfolder") << QStringLiteral("/p/q/r") << QStringLiteral("/p/q") << true;
    QTest::newRow("sibling sharing a prefix")
        << QStringLiteral("/p/qq") << QStringLiteral("/p/q") << false;
    QTest::newRow("empty folder never") << QStringLiteral("/p") << QString() << false;
}

void TestFolderTreeKeys::sameOrBelow()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(bool, below);
    QCOMPARE(isSameOrBelow(path, folder), below);
}

QTEST_APPLESS_MAIN(TestFolderTreeKeys)
#include "tst_foldertreekeys.moc"
