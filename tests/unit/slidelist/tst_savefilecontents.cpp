// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/savefilecontents.h"
#include "faultsupport.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QByteArray OldContent("/shared/old/a.jpg\r\n/shared/old/b.jpg\r\n");

} // namespace

// Saving over a list in a folder the user may not write (a shared list): written in place
// when the user may write the list itself, with the old content kept until the write is done.
class TestSaveFileContents : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void sharedListInLockedFolder_data();
    void sharedListInLockedFolder();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QStringList copiesInCache() const;
    // Fills the disk at shared/ until not one more block fits.
    void fillDisk() const;

    std::optional<QTemporaryDir> m_dir;
    bool m_mounted = false;
};

void TestSaveFileContents::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(path("shared")));
    QVERIFY(QDir().mkpath(path("cache")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(path("cache")));
}

void TestSaveFileContents::cleanup()
{
    Faults::setMode(path("shared"), 0755);
    if (m_mounted)
        Faults::unmount(path("shared"));
    m_mounted = false;
    m_dir.reset();
}

QStringList TestSaveFileContents::copiesInCache() const
{
    QStringList copies;
    QDirIterator it(path("cache"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        copies.append(it.next());
    return copies;
}

void TestSaveFileContents::fillDisk() const
{
    QFile filler(path("shared/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
}

void TestSaveFileContents::sharedListInLockedFolder_data()
{
    QTest::addColumn<bool>("listThere");
    QTest::addColumn<int>("listMode");
    QTest::addColumn<bool>("cacheUsable");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a list the user may write is written in place")
        << true << 0644 << true << false << true;
    QTest::newRow("a list the user may not write is refused")
        << true << 0444 << true << false << false;
    QTest::newRow("a new list cannot be made there") << false << 0 << true << false << false;
    QTest::newRow("without room for the old content's copy nothing is written")
        << true << 0644 << false << false << false;
    QTest::newRow("a full disk gets the old content back") << true << 0644 << true << true << false;
}

// The list holds the new content exactly when the save says so, and the old content
// otherwise; no other file is left beside it or in the cache.
void TestSaveFileContents::sharedListInLockedFolder()
{
    QFETCH(bool, listThere);
    QFETCH(int, listMode);
    QFETCH(bool, cacheUsable);
    QFETCH(bool, diskFull);
    QFETCH(bool, saved);
    if (diskFull) {
        m_mounted = Faults::mountSmallDisk(path("shared"), 64);
        if (!m_mounted)
            QSKIP("needs root to mount a small file system");
    }
    const QString list = path("shared/list.txt");
    if (listThere)
        QVERIFY(Faults::writeAll(list, OldContent));
    if (diskFull)
        fillDisk();
    if (!cacheUsable) {
        QVERIFY(QDir(path("cache")).removeRecursively());
        QVERIFY(Faults::writeAll(path("cache"), "a file where the cache folder should be"));
    }
    QVERIFY(Faults::handOver(m_dir->path()));
    if (listThere)
        QVERIFY(Faults::setMode(list, mode_t(listMode)));
    QVERIFY(Faults::setMode(path("shared"), 0555));

    const QByteArray newContent = QByteArray("/shared/new/c.jpg\r\n").repeated(diskFull ? 9000 : 3);
    const std::optional<int> result =
        Faults::runUnprivileged([&] { return saveFileContents(list, newContent) ? 1 : 0; });
    if (!result)
        QSKIP("cannot work as an ordinary user here");
    QCOMPARE(*result, saved ? 1 : 0);
    QCOMPARE(Faults::readAll(list), saved ? newContent : (listThere ? OldContent : QByteArray()));
    QStringList beside = QDir(path("shared")).entryList(QDir::Files | QDir::Hidden);
    beside.removeAll(QStringLiteral("filler"));
    QCOMPARE(beside, listThere ? QStringList{QStringLiteral("list.txt")} : QStringList());
    if (cacheUsable)
        QCOMPARE(copiesInCache(), QStringList());
}

QTEST_GUILESS_MAIN(TestSaveFileContents)
#include "tst_savefilecontents.moc"
