// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/directorylister.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>

class TestDirectoryLister : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void subfoldersLeaveOutDotNames();
    void subfolderTestSeesOnlyListedFolders_data();
    void subfolderTestSeesOnlyListedFolders();
    void pictureFiles_data();
    void pictureFiles();
    void folderContentsReadsLengthsThroughLinks();
    void listingErrorKinds_data();
    void listingErrorKinds();
    void missingFolderIsAQuietError();
    void newFolderResults();
    void renameNeverReplaces();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void makeFolders(const QStringList &names) const;
    void makeFiles(const QStringList &names) const;
    QStringList names(const DirectoryListing &listing) const;
    QStringList names(const QStringList &paths) const;

    QTemporaryDir m_dir;
    DirectoryLister m_lister;
};

void TestDirectoryLister::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
}

void TestDirectoryLister::makeFolders(const QStringList &names) const
{
    for (const QString &name : names)
        QVERIFY(QDir().mkpath(path(name)));
}

void TestDirectoryLister::makeFiles(const QStringList &names) const
{
    for (const QString &name : names) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

QStringList TestDirectoryLister::names(const DirectoryListing &listing) const
{
    return names(listing.paths);
}

QStringList TestDirectoryLister::names(const QStringList &paths) const
{
    QStringList result;
    for (const QString &full : paths) {
        const QString prefix = m_dir.path() + QLatin1Char('/');
        result.append(full.startsWith(prefix) ? full.mid(prefix.size()) : full);
    }
    std::sort(result.begin(), result.end());
    return result;
}

// ".git" and the like stay out; links to folders count as folders; files never do.
void TestDirectoryLister::subfoldersLeaveOutDotNames()
{
    makeFolders({"A", "b", ".git", "old.jpg"});
    makeFiles({"a.jpg", ".hidden"});
    QVERIFY(QFile::link(path("A"), path("linked")));
    const DirectoryListing listing = m_lister.subfolders(m_dir.path());
    QCOMPARE(listing.error, ListingError::None);
    QCOMPARE(names(listing), (QStringList{"A", "b", "linked", "old.jpg"}));
}

// The expand button promises folders the listing will show.
void TestDirectoryLister::subfolderTestSeesOnlyListedFolders_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("has");
    QTest::newRow("empty") << QStringList() << QStringList() << false;
    QTest::newRow("files only") << QStringList() << QStringList{"a.jpg", "b"} << false;
    QTest::newRow("dot folder only") << QStringList{".cache"} << QStringList() << false;
    QTest::newRow("one folder") << QStringList{"x"} << QStringList{"a.jpg"} << true;
}

void TestDirectoryLister::subfolderTestSeesOnlyListedFolders()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    makeFolders(folders);
    makeFiles(files);
    QFETCH(bool, has);
    QCOMPARE(m_lister.hasSubfolder(m_dir.path()), has);
}

// Extensions match without regard to case; a folder named like a picture is no picture; a
// picture whose name begins with "." is a picture, and one in a "." folder is not listed.
void TestDirectoryLister::pictureFiles_data()
{
    QTest::addColumn<bool>("jpeg");
    QTest::addColumn<bool>("bitmap");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("jpeg only") << true << false << QStringList{".x.jpg", "IMG_0001.JPG", "a.jpg"};
    QTest::newRow("bitmap only") << false << true << QStringList{".Y.BMP", "b.bmp", "c.BMP"};
    QTest::newRow("both") << true << true << QStringList{".Y.BMP", ".x.jpg", "IMG_0001.JPG",
                                                         "a.jpg",  "b.bmp",  "c.BMP"};
    QTest::newRow("neither") << false << false << QStringList();
}

void TestDirectoryLister::pictureFiles()
{
    QFETCH(bool, jpeg);
    QFETCH(bool, bitmap);
    makeFolders({"old.jpg", "sub", ".dot.jpg"});
    makeFiles({"a.jpg", "IMG_0001.JPG", "b.bmp", "c.BMP", "d.jpeg", "e.png", "jpg", ".x.jpg",
               ".Y.BMP", "sub/f.jpg", ".dot.jpg/g.jpg"});
    const DirectoryListing listing = m_lister.pictureFiles(m_dir.path(), jpeg, bitmap);
    QCOMPARE(listing.error, ListingError::None);
    QFETCH(QStringList, expected);
    QCOMPARE(names(listing), expected);

    // One reading for a walk picks the same pictures and the folders subfolders() lists.
    const FolderContents contents = m_lister.folderContents(m_dir.path(), jpeg, bitmap);
    QCOMPARE(contents.error, ListingError::None);
    QStringList picturePaths;
    for (const ListedPicture &picture : contents.pictures)
        picturePaths.append(picture.path);
    QCOMPARE(names(picturePaths), expected);
    QCOMPARE(names(contents.subfolders), (QStringList{"old.jpg", "sub"}));
}

// A link to a picture brings the picture's length; a link to nothing is no picture; a link to
// a folder is a subfolder.
void TestDirectoryLister::folderContentsReadsLengthsThroughLinks()
{
    makeFolders({"real"});
    QFile file(path("real/p.jpg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(QByteArray(1234, 'x')), 1234);
    file.close();
    QVERIFY(QFile::link(path("real/p.jpg"), path("linked.jpg")));
    QVERIFY(QFile::link(path("deleted.jpg"), path("dangling.jpg")));
    QVERIFY(QFile::link(path("real"), path("folder")));
    const FolderContents contents = m_lister.folderContents(m_dir.path(), true, true);
    QCOMPARE(contents.error, ListingError::None);
    QCOMPARE(contents.pictures.size(), 1);
    QCOMPARE(contents.pictures.first().path, path("linked.jpg"));
    QCOMPARE(contents.pictures.first().size, 1234);
    QCOMPARE(names(contents.subfolders), (QStringList{"folder", "real"}));
}

// Errors of a medium or mount that is not ready are worth a retry; the others are quiet.
void TestDirectoryLister::listingErrorKinds_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<ListingError>("kind");
    QTest::newRow("no medium") << ENOMEDIUM << ListingError::NotReady;
    QTest::newRow("dead FUSE mount") << ENOTCONN << ListingError::NotReady;
    QTest::newRow("read error") << EIO << ListingError::NotReady;
    QTest::newRow("stale network handle") << ESTALE << ListingError::NotReady;
    QTest::newRow("server down") << EHOSTDOWN << ListingError::NotReady;
    QTest::newRow("device gone") << ENODEV << ListingError::NotReady;
    QTest::newRow("server silent") << ETIMEDOUT << ListingError::NotReady;
    QTest::newRow("missing folder") << ENOENT << ListingError::Other;
    QTest::newRow("no access") << EACCES << ListingError::Other;
    QTest::newRow("not a folder") << ENOTDIR << ListingError::Other;
}

void TestDirectoryLister::listingErrorKinds()
{
    QFETCH(int, error);
    QFETCH(ListingError, kind);
    QCOMPARE(listingErrorOf(error), kind);
}

// A folder that is not there is nothing to ask the user about.
void TestDirectoryLister::missingFolderIsAQuietError()
{
    QCOMPARE(m_lister.folderContents(path("gone"), true, true).error, ListingError::Other);
    const DirectoryListing listing = m_lister.subfolders(path("gone"));
    QCOMPARE(listing.error, ListingError::Other);
    QVERIFY(listing.paths.isEmpty());
    QVERIFY(!listing.systemText.isEmpty());
    QVERIFY(!m_lister.hasSubfolder(path("gone")));
}

// A taken name asks for the next one; a missing parent is a plain failure.
void TestDirectoryLister::newFolderResults()
{
    QCOMPARE(m_lister.makeFolder(path("n")), MakeFolderResult::Created);
    QCOMPARE(m_lister.makeFolder(path("n")), MakeFolderResult::NameTaken);
    makeFiles({"file"});
    QCOMPARE(m_lister.makeFolder(path("file")), MakeFolderResult::NameTaken);
    QCOMPARE(m_lister.makeFolder(path("gone/n")), MakeFolderResult::Failed);
}

// An existing folder, even an empty one, a file or a dangling link, is never replaced by a
// rename; a name that differs only in letter case is a free name.
void TestDirectoryLister::renameNeverReplaces()
{
    makeFolders({"new", "empty"});
    makeFiles({"file"});
    QVERIFY(QFile::link(path("nowhere"), path("dangling")));
    for (const char *taken : {"empty", "file", "dangling"}) {
        QVERIFY(!m_lister.renameFolder(path("new"), path(QString::fromLatin1(taken))));
        QVERIFY(QFileInfo(path("new")).isDir());
    }
    QVERIFY(QFileInfo(path("empty")).isDir());
    QVERIFY(QFileInfo(path("file")).isFile());
    QVERIFY(QFileInfo(path("dangling")).isSymLink());
    QVERIFY(m_lister.renameFolder(path("new"), path("NEW")));
    QVERIFY(m_lister.renameFolder(path("NEW"), path("new")));
    QVERIFY(!m_lister.renameFolder(path("new"), m_dir.path() + QLatin1Char('/')));
    QVERIFY(m_lister.renameFolder(path("new"), path("new")));
    QVERIFY(m_lister.renameFolder(path("new"), path("Z")));
    QVERIFY(QFileInfo(path("Z")).isDir());
    QVERIFY(!QFileInfo::exists(path("new")));
}

QTEST_APPLESS_MAIN(TestDirectoryLister)
#include "tst_directorylister.moc"
