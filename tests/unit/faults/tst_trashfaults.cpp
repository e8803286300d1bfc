// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "platform/shellroutines.h"
#include "scriptedinteraction.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

using Answer = Interaction::Answer;

namespace {

struct TrashInfo {
    QString path;
    QString deletionDate;
};

// The original path and the date a trash information file records; empty when it has none.
TrashInfo readTrashInfo(const QString &infoFile)
{
    const QList<QByteArray> lines = Faults::readAll(infoFile).split('\n');
    TrashInfo info;
    if (lines.isEmpty() || lines.first() != "[Trash Info]")
        return info;
    for (const QByteArray &line : lines) {
        if (line.startsWith("Path="))
            info.path = QUrl::fromPercentEncoding(line.mid(5));
        else if (line.startsWith("DeletionDate="))
            info.deletionDate = QString::fromLatin1(line.mid(13));
    }
    return info;
}

ino_t inodeOf(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

// Deleting only ever moves into the desktop's trash, with the information that lets the file
// be put back; when that is not possible the file stays where it was.
class TestTrashFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void trashedFileKeepsItsDataAndOrigin();
    void sameNamesFromTwoFoldersBothKept();
    void refusedTrashKeepsTheFile_data();
    void refusedTrashKeepsTheFile();
    void fileOnAnotherDiskIsNeverLost();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString trash(const QString &relative) const
    {
        return path(QStringLiteral("home/.local/share/Trash/") + relative);
    }
    QString picture(const QString &relative, const QByteArray &content);

    std::optional<QTemporaryDir> m_dir;
    bool m_mounted = false;
};

void TestTrashFaults::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
}

void TestTrashFaults::cleanup()
{
    if (m_mounted)
        Faults::unmount(path("disk"));
    m_mounted = false;
    Faults::setMode(path("pictures"), 0755);
    m_dir.reset();
}

QString TestTrashFaults::picture(const QString &relative, const QByteArray &content)
{
    const QString file = path(QStringLiteral("pictures/") + relative);
    QDir().mkpath(QFileInfo(file).path());
    return Faults::writeAll(file, content) ? file : QString();
}

// The file is renamed into the trash (same inode, so never copied and unlinked) and its
// information file names where it came from and when.
void TestTrashFaults::trashedFileKeepsItsDataAndOrigin()
{
    const QString file = picture(QStringLiteral("夏 1.jpg"), "summer");
    const ino_t inode = inodeOf(file);
    ScriptedInteraction interaction;
    interaction.answers << Answer::Yes;
    QCOMPARE(moveToTrash(interaction, {file}), ShellResult::Done);
    QVERIFY(!QFileInfo::exists(file));
    const QString inTrash = trash(QStringLiteral("files/夏 1.jpg"));
    QCOMPARE(Faults::readAll(inTrash), QByteArray("summer"));
    QCOMPARE(inodeOf(inTrash), inode);
    const TrashInfo info = readTrashInfo(trash(QStringLiteral("info/夏 1.jpg.trashinfo")));
    QCOMPARE(info.path, file);
    QVERIFY(!info.deletionDate.isEmpty());
}

// Two files of one name from different folders: the second does not replace the first.
void TestTrashFaults::sameNamesFromTwoFoldersBothKept()
{
    const QStringList files{picture(QStringLiteral("x/a.jpg"), "from x"),
                            picture(QStringLiteral("y/a.jpg"), "from y")};
    ScriptedInteraction interaction;
    interaction.answers << Answer::Yes;
    QCOMPARE(moveToTrash(interaction, files), ShellResult::Done);
    const QStringList trashed = QDir(trash(QStringLiteral("files"))).entryList(QDir::Files);
    QCOMPARE(trashed.size(), 2);
    QStringList contents;
    QStringList origins;
    for (const QString &name : trashed) {
        contents.append(QString::fromUtf8(Faults::readAll(trash(QStringLiteral("files/") + name))));
        origins.append(readTrashInfo(trash(QStringLiteral("info/%1.trashinfo").arg(name))).path);
    }
    contents.sort();
    origins.sort();
    QCOMPARE(contents, (QStringList{QStringLiteral("from x"), QStringLiteral("from y")}));
    QCOMPARE(origins, files);
}

void TestTrashFaults::refusedTrashKeepsTheFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("file in a read-only folder") << QStringLiteral("locked folder");
    QTest::newRow("trash that cannot be written") << QStringLiteral("locked trash");
    QTest::newRow("trash information folder that is a file") << QStringLiteral("info file");
    QTest::newRow("data folder that is a file") << QStringLiteral("data file");
}

// When the trash cannot take the file, the delete fails at once and the file stays in its place.
void TestTrashFaults::refusedTrashKeepsTheFile()
{
    QFETCH(QString, obstacle);
    const QString file = picture(QStringLiteral("a.jpg"), "keep me");
    const QString dataHome = path("home/.local/share");
    if (obstacle == QLatin1String("locked trash")) {
        QVERIFY(QDir().mkpath(trash(QStringLiteral("files"))) &&
                QDir().mkpath(trash(QStringLiteral("info"))));
    } else if (obstacle == QLatin1String("info file")) {
        QVERIFY(QDir().mkpath(trash(QStringLiteral("files"))));
        QVERIFY(Faults::writeAll(trash(QStringLiteral("info")), "not a folder"));
    } else if (obstacle == QLatin1String("data file")) {
        QVERIFY(QDir().mkpath(path("home/.local")));
        QVERIFY(Faults::writeAll(dataHome, "not a folder"));
    }
    QVERIFY(Faults::handOver(m_dir->path()));
    if (obstacle == QLatin1String("locked folder"))
        QVERIFY(Faults::setMode(path("pictures"), 0555));
    else if (obstacle == QLatin1String("locked trash"))
        QVERIFY(Faults::setMode(trash(QString()), 0555) &&
                Faults::setMode(trash(QStringLiteral("files")), 0555) &&
                Faults::setMode(trash(QStringLiteral("info")), 0555));
    const std::optional<int> outcome = Faults::runUnprivileged([&] {
        ScriptedInteraction interaction;
        interaction.answers << Answer::Yes;
        return moveToTrash(interaction, {file}) == ShellResult::Failed ? 1 : 0;
    });
    if (!outcome)
        QSKIP("cannot work as an ordinary user here");
    QCOMPARE(*outcome, 1);
    QCOMPARE(Faults::readAll(file), QByteArray("keep me"));
}

// A file on another file system goes to that file system's own trash or stays; either way the
// data is kept and an information file says where it came from.
void TestTrashFaults::fileOnAnotherDiskIsNeverLost()
{
    QVERIFY(QDir().mkpath(path("disk")));
    m_mounted = Faults::mountSmallDisk(path("disk"), 256);
    if (!m_mounted)
        QSKIP("needs root to mount a second file system");
    const QString file = path("disk/far.jpg");
    QVERIFY(Faults::writeAll(file, "far away"));
    ScriptedInteraction interaction;
    interaction.answers << Answer::Yes;
    const ShellResult result = moveToTrash(interaction, {file});
    if (result != ShellResult::Done) {
        QCOMPARE(Faults::readAll(file), QByteArray("far away"));
        return;
    }
    QVERIFY(!QFileInfo::exists(file));
    QDirIterator trashes(path("disk"), {QStringLiteral(".Trash*")},
                         QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY(trashes.hasNext());
    const QString diskTrash = trashes.next();
    QCOMPARE(Faults::readAll(diskTrash + QStringLiteral("/files/far.jpg")), QByteArray("far away"));
    const TrashInfo info = readTrashInfo(diskTrash + QStringLiteral("/info/far.jpg.trashinfo"));
    QVERIFY(info.path == file || info.path == QStringLiteral("far.jpg"));
}

QTEST_GUILESS_MAIN(TestTrashFaults)
#include "tst_trashfaults.moc"
