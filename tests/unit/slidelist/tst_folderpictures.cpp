// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/entryrules.h"
#include "platform/directorylister.h"
#include "ui/slidelist/folderpictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A folder whose reading fails, as one without read permission does.
class RefusingLister : public DirectoryLister {
public:
    QString refused;
    FolderContents folderContents(const QString &folder, bool jpeg, bool bitmap) const override
    {
        if (folder != refused)
            return DirectoryLister::folderContents(folder, jpeg, bitmap);
        FolderContents refusal;
        refusal.error = ListingError::Other;
        return refusal;
    }
};

QStringList pathsOf(const QVector<SlideEntry> &entries)
{
    QStringList paths;
    for (const SlideEntry &entry : entries)
        paths.append(entry.path);
    return paths;
}

} // namespace

class TestFolderPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void foldersSortedBelowTheDroppedOne();
    void dotFoldersAreNotWalked();
    void linkCyclesEnd();
    void linkedFolderWalkedOnce();
    void unreadableFolderIsSkipped();
    void refusedListingIsSkipped();
    void picturesMixedInSortedOrder_data();
    void picturesMixedInSortedOrder();
    void iconFromDisplayNameSizeFromDisk();
    void vanishedPictureIsSkipped();

private:
    QString make(const QString &relative, qint64 bytes = 0) const;
    QString folder(const QString &relative) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    DirectoryLister m_lister;
};

void TestFolderPictures::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestFolderPictures::folder(const QString &relative) const
{
    const QString path = relative.isEmpty() ? m_dir->path() : m_dir->filePath(relative);
    QDir().mkpath(path);
    return path;
}

QString TestFolderPictures::make(const QString &relative, qint64 bytes) const
{
    const QString path = m_dir->filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(bytes, 'x'));
    return path;
}

// The dropped folder and every folder below it, in case-insensitive path order.
void TestFolderPictures::foldersSortedBelowTheDroppedOne()
{
    const QString root = folder(QString());
    for (const char *name : {"b", "A", "a2/z", "a2/Y", "C/d/e"})
        folder(QString::fromLatin1(name));
    const QStringList expected{root,
                               root + QStringLiteral("/A"),
                               root + QStringLiteral("/a2"),
                               root + QStringLiteral("/a2/Y"),
                               root + QStringLiteral("/a2/z"),
                               root + QStringLiteral("/b"),
                               root + QStringLiteral("/C"),
                               root + QStringLiteral("/C/d"),
                               root + QStringLiteral("/C/d/e")};
    QCOMPARE(FolderPictures(m_lister).folderPaths(root), expected);
}

// A folder whose name begins with "." and everything below it stay out of the walk.
void TestFolderPictures::dotFoldersAreNotWalked()
{
    const QString root = folder(QString());
    folder(QStringLiteral(".hidden/inner"));
    folder(QStringLiteral("seen/.cache"));
    QCOMPARE(FolderPictures(m_lister).folderPaths(root),
             (QStringList{root, root + QStringLiteral("/seen")}));
}

// Links back up the walk are not followed again, so the walk ends.
void TestFolderPictures::linkCyclesEnd()
{
    const QString root = folder(QStringLiteral("top"));
    const QString sub = folder(QStringLiteral("top/sub"));
    QVERIFY(QFile::link(root, sub + QStringLiteral("/up")));
    QVERIFY(QFile::link(sub, sub + QStringLiteral("/self")));
    make(QStringLiteral("top/sub/p.jpg"));
    QCOMPARE(FolderPictures(m_lister).folderPaths(root), (QStringList{root, sub}));
}

// Two paths to one folder: its pictures come in once, under the first path in sorted order.
void TestFolderPictures::linkedFolderWalkedOnce()
{
    const QString root = folder(QString());
    const QString real = folder(QStringLiteral("b-real"));
    QVERIFY(QFile::link(real, root + QStringLiteral("/a-link")));
    QVERIFY(QFile::link(real, root + QStringLiteral("/c-link")));
    QCOMPARE(FolderPictures(m_lister).folderPaths(root),
             (QStringList{root, root + QStringLiteral("/a-link")}));
}

// A folder that cannot be read adds nothing and hides nothing else.
void TestFolderPictures::unreadableFolderIsSkipped()
{
    const QString root = folder(QString());
    const QString locked = folder(QStringLiteral("locked"));
    make(QStringLiteral("locked/p.jpg"));
    folder(QStringLiteral("locked/inner"));
    make(QStringLiteral("open/q.jpg"));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    });
    if (!QDir(locked).entryList(QDir::Files).isEmpty())
        QSKIP("permissions do not stop this user (root) from reading the folder");

    const FolderPictures pictures(m_lister);
    const QStringList folders = pictures.folderPaths(root);
    QVERIFY(!folders.contains(locked + QStringLiteral("/inner")));
    QVERIFY(folders.contains(root + QStringLiteral("/open")));
    QStringList found;
    for (const QString &each : folders)
        found += pathsOf(pictures.folderEntries(each, true, true));
    QCOMPARE(found, QStringList{root + QStringLiteral("/open/q.jpg")});
}

// Whatever stops a folder from being read, the walk goes on with the others.
void TestFolderPictures::refusedListingIsSkipped()
{
    const QString root = folder(QString());
    RefusingLister lister;
    lister.refused = folder(QStringLiteral("refused"));
    folder(QStringLiteral("refused/inner"));
    make(QStringLiteral("refused/p.jpg"));
    const QString open = folder(QStringLiteral("open/deeper"));
    const FolderPictures pictures(lister);
    QCOMPARE(pictures.folderPaths(root),
             (QStringList{root, root + QStringLiteral("/open"), open, lister.refused}));
    QVERIFY(pictures.folderEntries(lister.refused, true, true).isEmpty());
}

void TestFolderPictures::picturesMixedInSortedOrder_data()
{
    QTest::addColumn<bool>("jpeg");
    QTest::addColumn<bool>("bitmap");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("jpeg and bitmap interleaved by name, dot names included")
        << true << true
        << QStringList{QStringLiteral(".e.jpg"), QStringLiteral("a.JPG"), QStringLiteral("B.bmp"),
                       QStringLiteral("c.jpg")};
    QTest::newRow("bitmap search off leaves bitmaps out")
        << true << false
        << QStringList{QStringLiteral(".e.jpg"), QStringLiteral("a.JPG"), QStringLiteral("c.jpg")};
    QTest::newRow("jpeg search off leaves jpegs out")
        << false << true << QStringList{QStringLiteral("B.bmp")};
    QTest::newRow("both off finds nothing") << false << false << QStringList();
}

// Pictures of one folder: *.jpg and *.bmp in any case, sorted together, a name beginning
// with "." as well; folders and other files are not pictures.
void TestFolderPictures::picturesMixedInSortedOrder()
{
    QFETCH(bool, jpeg);
    QFETCH(bool, bitmap);
    QFETCH(QStringList, expected);
    const QString root = folder(QString());
    for (const char *name : {"c.jpg", "B.bmp", "a.JPG", ".e.jpg", "d.txt", "e.jpeg", "sub/f.jpg"})
        make(QString::fromLatin1(name));
    folder(QStringLiteral("g.jpg"));
    QStringList paths;
    for (const QString &name : std::as_const(expected))
        paths.append(root + QLatin1Char('/') + name);
    QCOMPARE(pathsOf(FolderPictures(m_lister).folderEntries(root, jpeg, bitmap)), paths);
}

// The icon follows the file's own name, not dots in its folders; the size is read now.
void TestFolderPictures::iconFromDisplayNameSizeFromDisk()
{
    const QString root = folder(QStringLiteral("my.pics"));
    make(QStringLiteral("my.pics/a.bmp"), 1234);
    make(QStringLiteral("my.pics/b.jpg"), 0);
    const QVector<SlideEntry> entries = FolderPictures(m_lister).folderEntries(root, true, true);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).icon, 2);
    QCOMPARE(entries.at(0).sizeText, sizeText(1234));
    QCOMPARE(entries.at(1).icon, 1);
    QCOMPARE(entries.at(1).sizeText, sizeText(0));
}

// A picture named in the folder but gone by the time its length is read is left out.
void TestFolderPictures::vanishedPictureIsSkipped()
{
    const QString root = folder(QString());
    const QString kept = make(QStringLiteral("kept.jpg"));
    QVERIFY(QFile::link(root + QStringLiteral("/deleted.jpg"), root + QStringLiteral("/gone.jpg")));
    QCOMPARE(pathsOf(FolderPictures(m_lister).folderEntries(root, true, true)), QStringList{kept});
}

QTEST_GUILESS_MAIN(TestFolderPictures)
#include "tst_folderpictures.moc"
