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
        << VolumePlaceholderKey(QStringLiteral("/media/u/USB"))
        << QStringLiteral("dummy*ﾏｲ ｺﾝﾋﾟｭｰﾀ*/media/u/USB/");
    QTest::newRow("root volume keeps its one separator")
        << VolumePlaceholderKey(QStringLiteral("/")) << QStringLiteral("dummy*ﾏｲ ｺﾝﾋﾟｭｰﾀ*/");
    QTest::newRow("home folder under the desktop section")
        << PlaceholderKey(NodeKey(desktop, QStringLiteral("/home/u")))
        << QStringLiteral("dummy*デスクトップ*/home/u");
    QTest::newRow("plain folder") << PlaceholderKey(
                                         NodeKey(computer, QStringLiteral("/media/u/USB")))
                                  << QStringLiteral("dummy*ﾏｲ ｺﾝﾋﾟｭｰﾀ*/media/u/USB");
}

void TestFolderTreeKeys::placeholderKeys()
{
    QFETCH(QString, placeholder);
    QFETCH(QString, expected);
    QCOMPARE(placeholder, expected);
    QVERIFY(IsPlaceholderKey(placeholder));
}

// The path is everything after the first "*": folder names may hold "*" themselves.
void TestFolderTreeKeys::keyParts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("top node has no path") << desktop << desktop << QString() << false;
    QTest::newRow("folder") << NodeKey(computer, QStringLiteral("/a/b")) << computer
                            << QStringLiteral("/a/b") << false;
    QTest::newRow("star inside a folder name") << NodeKey(computer, QStringLiteral("/a/x*y"))
                                               << computer << QStringLiteral("/a/x*y") << false;
    QTest::newRow("placeholder section in any case")
        << QStringLiteral("DUMMY*デスクトップ*/h") << QStringLiteral("DUMMY")
        << QStringLiteral("デスクトップ*/h") << true;
}

void TestFolderTreeKeys::keyParts()
{
    QFETCH(QString, key);
    QFETCH(QString, section);
    QCOMPARE(KeySection(key), section);
    QFETCH(QString, path);
    QCOMPARE(KeyPath(key), path);
    QFETCH(bool, placeholder);
    QCOMPARE(IsPlaceholderKey(key), placeholder);
}

// A folder reached from the desktop stays in the desktop section below it.
void TestFolderTreeKeys::childKeysTakeTheParentSection()
{
    const QString parent = NodeKey(desktop, QStringLiteral("/home/u"));
    QCOMPARE(ChildKey(parent, ChildPath(QStringLiteral("/home/u"), QStringLiteral("Pictures"))),
             QStringLiteral("デスクトップ*/home/u/Pictures"));
    QCOMPARE(ChildPath(QStringLiteral("/"), QStringLiteral("usr")), QStringLiteral("/usr"));
}

// Try 1 is the bare name, later tries count from 2.
void TestFolderTreeKeys::newFolderSeries()
{
    const QString base = QStringLiteral("/p/新しいフォルダ");
    QCOMPARE(NewFolderPath(base, 1), base);
    QCOMPARE(NewFolderPath(base, 2), QStringLiteral("/p/新しいフォルダ (2)"));
    QCOMPARE(NewFolderPath(base, 13), QStringLiteral("/p/新しいフォルダ (13)"));
}

// A new node goes before the first sibling sorting after it, in the user's order; a
// placeholder stays first.
void TestFolderTreeKeys::sortedInsertion_data()
{
    const QString a = NodeKey(computer, QStringLiteral("/p/A"));
    const QString c = NodeKey(computer, QStringLiteral("/p/C"));
    const QString placeholder = PlaceholderKey(NodeKey(computer, QStringLiteral("/p")));
    const QString newKey = NodeKey(computer, QStringLiteral("/p/新しいフォルダ"));
    const QStringList kana{NodeKey(computer, QStringLiteral("/p/アルバム")),
                           NodeKey(computer, QStringLiteral("/p/うみ"))};
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("siblings");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("position");
    QTest::newRow("no siblings") << "C" << QStringList() << newKey << 0;
    QTest::newRow("between A and C")
        << "C" << QStringList{a, c} << NodeKey(computer, QStringLiteral("/p/b")) << 1;
    QTest::newRow("after all") << "C" << QStringList{a, c} << newKey << 2;
    QTest::newRow("placeholder stays first")
        << "C" << QStringList{placeholder} << NodeKey(computer, QStringLiteral("/p/0")) << 1;
    QTest::newRow("placeholder then folders")
        << "C" << QStringList{placeholder, c} << NodeKey(computer, QStringLiteral("/p/a")) << 1;
    QTest::newRow("Japanese user: kana by their sound")
        << "ja_JP" << kana << NodeKey(computer, QStringLiteral("/p/いぬ")) << 1;
}

void TestFolderTreeKeys::sortedInsertion()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, siblings);
    QFETCH(QString, key);
    QFETCH(int, position);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(SortedInsertPosition(siblings, key), position);
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
    QCOMPARE(FolderOfPath(path), folder);
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
    QCOMPARE(IsSameOrBelow(path, folder), below);
}

QTEST_APPLESS_MAIN(TestFolderTreeKeys)
#include "tst_foldertreekeys.moc"
