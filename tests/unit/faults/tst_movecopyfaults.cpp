// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "platform/filefailure.h"
#include "platform/fileworkprogress.h"
#include "platform/shellroutines.h"
#include "scriptedinteraction.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

using Answer = Interaction::Answer;

namespace {

constexpr TransferMode Move = TransferMode::Move;
constexpr TransferMode Copy = TransferMode::Copy;

QByteArray contentOf(const QString &name, int size)
{
    QByteArray bytes = name.toUtf8() + ':';
    while (bytes.size() < size)
        bytes += QByteArray::number(bytes.size()) + ' ';
    return bytes.left(size);
}

// Stops the work once this many bytes are done, which is within a file larger than that.
class StopAtBytes : public FileWorkProgress {
public:
    explicit StopAtBytes(qint64 bytes)
        : m_bytes(bytes)
    {
    }
    bool cancelled() const override { return state().bytesDone >= m_bytes; }

private:
    qint64 m_bytes;
};

// Whether every question asked was a file error with this reason.
bool allToldBecause(const ScriptedInteraction &interaction, int count, const QString &reason)
{
    const QVector<ScriptedInteraction::Call> told =
        interaction.callsOf(QStringLiteral("skipOrCancel"));
    return told.size() == count && interaction.calls.size() == count &&
           std::all_of(told.cbegin(), told.cend(), [&](const ScriptedInteraction::Call &call) {
               return call.text.endsWith(QStringLiteral("\n\n") + reason);
           });
}

} // namespace

Q_DECLARE_METATYPE(FileOperation)

// Moving and copying when the destination refuses or runs out of room: the sources stay as they
// were, no partial file is left, and nothing is replaced without a Yes.
class TestMoveCopyFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void lockedFolderKeepsEverything_data();
    void lockedFolderKeepsEverything();
    void fullDiskLeavesNoPartialFile_data();
    void fullDiskLeavesNoPartialFile();
    void fullDiskStopsPerFile_data();
    void fullDiskStopsPerFile();
    void nothingReplacedWithoutYes_data();
    void nothingReplacedWithoutYes();
    void eachFailureNamesFileAndReason_data();
    void eachFailureNamesFileAndReason();
    void skipOrCancelAtAFailure_data();
    void skipOrCancelAtAFailure();
    void cancelWithinAFile_data();
    void cancelWithinAFile();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString source(const QString &name, int size);
    // The names in folder, hidden ones too: a temporary file left behind would show here.
    QStringList entriesOf(const QString &folder) const;
    bool mountDestination(int kilobytes, bool readOnly = false);
    bool mount(const QString &folder, int kilobytes, bool readOnly);
    // A folder whose path leaves no room for a file name within the longest path.
    QString deepFolder() const;

    std::optional<QTemporaryDir> m_dir;
    QStringList m_mounts;
};

void TestMoveCopyFaults::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
    QVERIFY(QDir().mkpath(path("src")) && QDir().mkpath(path("dst")));
}

void TestMoveCopyFaults::cleanup()
{
    for (const QString &folder : std::as_const(m_mounts))
        Faults::unmount(folder);
    m_mounts.clear();
    Faults::setMode(path("src"), 0755);
    Faults::setMode(path("dst"), 0755);
    m_dir.reset();
}

QString TestMoveCopyFaults::source(const QString &name, int size)
{
    const QString file = path(QStringLiteral("src/") + name);
    return Faults::writeAll(file, contentOf(name, size)) ? file : QString();
}

QStringList TestMoveCopyFaults::entriesOf(const QString &folder) const
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool TestMoveCopyFaults::mountDestination(int kilobytes, bool readOnly)
{
    return mount(path("dst"), kilobytes, readOnly);
}

bool TestMoveCopyFaults::mount(const QString &folder, int kilobytes, bool readOnly)
{
    if (!Faults::mountSmallDisk(folder, kilobytes, readOnly))
        return false;
    m_mounts.append(folder);
    return true;
}

QString TestMoveCopyFaults::deepFolder() const
{
    QString folder = path("dst");
    const QString step = QStringLiteral("/") + QString(200, QLatin1Char('d'));
    while (folder.size() + step.size() < 3900)
        folder += step;
    folder += QLatin1Char('/') + QString(4090 - folder.size(), QLatin1Char('e'));
    return QDir().mkpath(folder) ? folder : QString();
}

void TestMoveCopyFaults::lockedFolderKeepsEverything_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<QString>("locked");
    QTest::newRow("copy into a read-only folder") << Copy << QStringLiteral("dst");
    QTest::newRow("move into a read-only folder") << Move << QStringLiteral("dst");
    QTest::newRow("move out of a read-only folder") << Move << QStringLiteral("src");
}

// A folder the user may not change: the work fails, each file is reported, both folders stay
// exactly as they were.
void TestMoveCopyFaults::lockedFolderKeepsEverything()
{
    QFETCH(TransferMode, mode);
    QFETCH(QString, locked);
    const QStringList paths{source(QStringLiteral("a.jpg"), 3000),
                            source(QStringLiteral("b.bmp"), 70)};
    QVERIFY(Faults::handOver(m_dir->path()));
    QVERIFY(Faults::setMode(path(locked), 0555));
    const QString destination = path("dst");
    const std::optional<int> failed = Faults::runUnprivileged([&] {
        ScriptedInteraction interaction;
        const ShellResult result = moveOrCopyFiles(interaction, paths, destination, mode);
        const bool told =
            allToldBecause(interaction, 2, QStringLiteral("アクセスが拒否されました。"));
        return result == ShellResult::Failed && told ? 1 : 0;
    });
    if (!failed)
        QSKIP("cannot work as an ordinary user here");
    QCOMPARE(*failed, 1);
    QCOMPARE(Faults::readAll(paths.at(0)), contentOf(QStringLiteral("a.jpg"), 3000));
    QCOMPARE(Faults::readAll(paths.at(1)), contentOf(QStringLiteral("b.bmp"), 70));
    QCOMPARE(entriesOf(destination), QStringList());
}

void TestMoveCopyFaults::fullDiskLeavesNoPartialFile_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<bool>("replacing");
    QTest::newRow("copy onto a full disk") << Copy << false;
    QTest::newRow("move onto a full disk keeps the source") << Move << false;
    QTest::newRow("copy replacing a file keeps the old one") << Copy << true;
    QTest::newRow("move replacing a file keeps both") << Move << true;
}

// A file larger than the room left never arrives in part, and a file it was to replace stays.
void TestMoveCopyFaults::fullDiskLeavesNoPartialFile()
{
    QFETCH(TransferMode, mode);
    QFETCH(bool, replacing);
    if (!mountDestination(64))
        QSKIP("needs root to mount a small file system");
    const QString big = source(QStringLiteral("big.jpg"), 256 * 1024);
    const QString target = path("dst/big.jpg");
    if (replacing)
        QVERIFY(Faults::writeAll(target, "old picture"));
    ScriptedInteraction interaction;
    if (replacing)
        interaction.answers << Answer::Yes;
    QCOMPARE(moveOrCopyFiles(interaction, {big}, path("dst"), mode), ShellResult::Failed);
    QVERIFY(
        interaction.calls.last().text.endsWith(QStringLiteral("ディスクの空き領域が足りません。")));
    QCOMPARE(Faults::readAll(big), contentOf(QStringLiteral("big.jpg"), 256 * 1024));
    QCOMPARE(interaction.callsOf(QStringLiteral("overwrite")).size(), replacing ? 1 : 0);
    if (replacing) {
        QCOMPARE(entriesOf(path("dst")), QStringList{QStringLiteral("big.jpg")});
        QCOMPARE(Faults::readAll(target), QByteArray("old picture"));
    } else {
        QCOMPARE(entriesOf(path("dst")), QStringList());
    }
}

void TestMoveCopyFaults::fullDiskStopsPerFile_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::newRow("copy: the file that fits arrives whole") << Copy;
    QTest::newRow("move: the file that fits leaves, the other stays") << Move;
}

// Running out of room fails that file alone: the files before it arrived complete.
void TestMoveCopyFaults::fullDiskStopsPerFile()
{
    QFETCH(TransferMode, mode);
    if (!mountDestination(64))
        QSKIP("needs root to mount a small file system");
    const QString small = source(QStringLiteral("a-small.jpg"), 16 * 1024);
    const QString big = source(QStringLiteral("b-big.jpg"), 200 * 1024);
    ScriptedInteraction interaction;
    QCOMPARE(moveOrCopyFiles(interaction, {small, big}, path("dst"), mode), ShellResult::Failed);
    QVERIFY(allToldBecause(interaction, 1, QStringLiteral("ディスクの空き領域が足りません。")));
    QCOMPARE(entriesOf(path("dst")), QStringList{QStringLiteral("a-small.jpg")});
    QCOMPARE(Faults::readAll(path("dst/a-small.jpg")),
             contentOf(QStringLiteral("a-small.jpg"), 16 * 1024));
    QCOMPARE(QFileInfo::exists(small), mode == Copy);
    QCOMPARE(Faults::readAll(big), contentOf(QStringLiteral("b-big.jpg"), 200 * 1024));
}

void TestMoveCopyFaults::nothingReplacedWithoutYes_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<QString>("occupant");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<ShellResult>("result");
    QTest::addColumn<int>("questions");
    QTest::newRow("move cancelled at the question")
        << Move << "file" << Answer::Cancel << ShellResult::Cancelled << 1;
    QTest::newRow("copy cancelled at the question")
        << Copy << "file" << Answer::Cancel << ShellResult::Cancelled << 1;
    QTest::newRow("link of the same name declined")
        << Move << "link" << Answer::No << ShellResult::Failed << 1;
    QTest::newRow("folder of the same name is never replaced")
        << Move << "folder" << Answer::Yes << ShellResult::Failed << 0;
}

// Whatever holds the name in the destination stays there unless the user said Yes.
void TestMoveCopyFaults::nothingReplacedWithoutYes()
{
    QFETCH(TransferMode, mode);
    QFETCH(QString, occupant);
    QFETCH(Answer, answer);
    QFETCH(ShellResult, result);
    QFETCH(int, questions);
    const QString file = source(QStringLiteral("a.jpg"), 500);
    const QString target = path("dst/a.jpg");
    const QString elsewhere = path("elsewhere.jpg");
    QVERIFY(Faults::writeAll(elsewhere, "linked"));
    if (occupant == QLatin1String("file"))
        QVERIFY(Faults::writeAll(target, "old"));
    else if (occupant == QLatin1String("link"))
        QVERIFY(QFile::link(elsewhere, target));
    else
        QVERIFY(QDir().mkpath(target + QStringLiteral("/inside")));
    ScriptedInteraction interaction;
    interaction.answers << answer;
    QCOMPARE(moveOrCopyFiles(interaction, {file}, path("dst"), mode), result);
    QCOMPARE(interaction.callsOf(QStringLiteral("overwrite")).size(), questions);
    QCOMPARE(Faults::readAll(file), contentOf(QStringLiteral("a.jpg"), 500));
    QCOMPARE(entriesOf(path("dst")), QStringList{QStringLiteral("a.jpg")});
    QCOMPARE(Faults::readAll(elsewhere), QByteArray("linked"));
    if (occupant == QLatin1String("file"))
        QCOMPARE(Faults::readAll(target), QByteArray("old"));
    else if (occupant == QLatin1String("link"))
        QCOMPARE(QFileInfo(target).symLinkTarget(), elsewhere);
    else
        QVERIFY(QFileInfo(target + QStringLiteral("/inside")).isDir());
}

void TestMoveCopyFaults::eachFailureNamesFileAndReason_data()
{
    QTest::addColumn<FileOperation>("operation");
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("told");
    const QString copyTitle =
        QStringLiteral("ファイルのコピーエラー\n'a.jpg' をコピーできません。\n\n");
    const QString moveTitle =
        QStringLiteral("ファイルの移動エラー\n'a.jpg' を移動できません。\n\n");
    const QString trashTitle =
        QStringLiteral("ファイルの削除エラー\n'a.jpg' をごみ箱に移動できません。\n\n");
    QTest::newRow("read-only file system refuses a copy")
        << FileOperation::Copy << "read-only disk"
        << copyTitle + "読み取り専用のファイル システムです。";
    QTest::newRow("read-only file system refuses a move")
        << FileOperation::Move << "read-only disk"
        << moveTitle + "読み取り専用のファイル システムです。";
    QTest::newRow("source gone before its turn")
        << FileOperation::Move << "vanished" << moveTitle + "元のファイルが見つかりません。";
    QTest::newRow("name too long for the destination")
        << FileOperation::Copy << "deep folder"
        << copyTitle + "この場所にはファイル名が長すぎます。";
    QTest::newRow("a folder holds the name")
        << FileOperation::Move << "folder" << moveTitle + "同じ名前のフォルダが既にあります。";
    QTest::newRow("trash refused in a read-only folder")
        << FileOperation::Trash << "locked folder" << trashTitle + "アクセスが拒否されました。";
    QTest::newRow("trash of a vanished file")
        << FileOperation::Trash << "vanished" << trashTitle + "元のファイルが見つかりません。";
}

// A file that cannot be dealt with is named with the reason, as an ordinary user meets it; it
// stays where it was and leaves nothing behind.
void TestMoveCopyFaults::eachFailureNamesFileAndReason()
{
    QFETCH(FileOperation, operation);
    QFETCH(QString, obstacle);
    QFETCH(QString, told);
    const QString file = source(QStringLiteral("a.jpg"), 500);
    QString destination = path("dst");
    if (obstacle == QLatin1String("vanished"))
        QVERIFY(QFile::remove(file));
    else if (obstacle == QLatin1String("deep folder"))
        QVERIFY(!(destination = deepFolder()).isEmpty());
    else if (obstacle == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path("dst/a.jpg")));
    QVERIFY(Faults::handOver(m_dir->path()));
    if (obstacle == QLatin1String("read-only disk") && !mountDestination(64, true))
        QSKIP("needs root to mount a read-only file system");
    if (obstacle == QLatin1String("locked folder"))
        QVERIFY(Faults::setMode(path("src"), 0555));
    const QStringList before = entriesOf(destination);
    const QString toldFile = path("told");
    const std::optional<int> failed = Faults::runUnprivileged([&] {
        ScriptedInteraction interaction;
        const TransferMode mode =
            operation == FileOperation::Move ? TransferMode::Move : TransferMode::Copy;
        const ShellResult result = operation == FileOperation::Trash
                                       ? trashFiles(interaction, {file})
                                       : moveOrCopyFiles(interaction, {file}, destination, mode);
        const ScriptedInteraction::Call &call = interaction.calls.value(0);
        Faults::writeAll(toldFile, (call.kind + call.title + '\n' + call.text).toUtf8());
        return result == ShellResult::Failed && interaction.calls.size() == 1 ? 1 : 0;
    });
    if (!failed)
        QSKIP("cannot work as an ordinary user here");
    QCOMPARE(QString::fromUtf8(Faults::readAll(toldFile)), QStringLiteral("skipOrCancel") + told);
    QCOMPARE(*failed, 1);
    if (obstacle != QLatin1String("vanished"))
        QCOMPARE(Faults::readAll(file), contentOf(QStringLiteral("a.jpg"), 500));
    QCOMPARE(entriesOf(destination), before);
}

void TestMoveCopyFaults::skipOrCancelAtAFailure_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("arrived");
    QTest::newRow("move: skipped, the others arrive")
        << Move << Answer::Skip << QStringList{"a.jpg", "c.jpg"};
    QTest::newRow("move: cancelled, the rest stays")
        << Move << Answer::Cancel << QStringList{"a.jpg"};
    QTest::newRow("copy: skipped, the others arrive")
        << Copy << Answer::Skip << QStringList{"a.jpg", "c.jpg"};
    QTest::newRow("copy: cancelled, the rest stays")
        << Copy << Answer::Cancel << QStringList{"a.jpg"};
}

// The answer to a failure in the middle decides the rest; files done before stay done.
void TestMoveCopyFaults::skipOrCancelAtAFailure()
{
    QFETCH(TransferMode, mode);
    QFETCH(Answer, answer);
    QFETCH(QStringList, arrived);
    const QStringList paths{source(QStringLiteral("a.jpg"), 100), path("src/b.jpg"),
                            source(QStringLiteral("c.jpg"), 300)};
    ScriptedInteraction interaction;
    interaction.answers << answer;
    QCOMPARE(moveOrCopyFiles(interaction, paths, path("dst"), mode), ShellResult::Failed);
    QCOMPARE(interaction.callsOf(QStringLiteral("skipOrCancel")).size(), 1);
    QCOMPARE(entriesOf(path("dst")), arrived);
    QCOMPARE(QFileInfo::exists(paths.at(0)), mode == Copy);
    QCOMPARE(QFileInfo::exists(paths.at(2)), mode == Copy || !arrived.contains("c.jpg"));
    for (const QString &name : arrived)
        QCOMPARE(Faults::readAll(path("dst/") + name),
                 contentOf(name, name == "a.jpg" ? 100 : 300));
}

void TestMoveCopyFaults::cancelWithinAFile_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<bool>("acrossDisks");
    QTest::newRow("copy: no partial file") << Copy << false << false;
    QTest::newRow("copy replacing: the old file stays") << Copy << true << false;
    QTest::newRow("move across disks: the source stays") << Move << false << true;
    QTest::newRow("move across disks replacing: both stay") << Move << true << true;
}

// Cancel within a large file abandons it at once: the file before it is done, the large one
// leaves no trace, and a file it was to replace keeps its old content.
void TestMoveCopyFaults::cancelWithinAFile()
{
    QFETCH(TransferMode, mode);
    QFETCH(bool, replacing);
    QFETCH(bool, acrossDisks);
    if (acrossDisks && !mount(path("src"), 64 * 1024, false))
        QSKIP("needs root to mount a second file system");
    const int bigSize = 24 << 20;
    const QStringList paths{source(QStringLiteral("a.jpg"), 1000),
                            source(QStringLiteral("big.jpg"), bigSize)};
    if (replacing)
        QVERIFY(Faults::writeAll(path("dst/big.jpg"), "old picture"));
    ScriptedInteraction interaction;
    interaction.answers << Answer::Yes;
    StopAtBytes progress(1000 + (1 << 20));
    QCOMPARE(moveOrCopyFiles(interaction, paths, path("dst"), mode, &progress),
             ShellResult::Failed);
    QCOMPARE(Faults::readAll(path("dst/a.jpg")), contentOf(QStringLiteral("a.jpg"), 1000));
    QCOMPARE(QFileInfo::exists(paths.at(0)), mode == Copy);
    QCOMPARE(Faults::readAll(paths.at(1)), contentOf(QStringLiteral("big.jpg"), bigSize));
    QStringList expected{QStringLiteral("a.jpg")};
    if (replacing) {
        expected.append(QStringLiteral("big.jpg"));
        QCOMPARE(Faults::readAll(path("dst/big.jpg")), QByteArray("old picture"));
    }
    QCOMPARE(entriesOf(path("dst")), expected);
}

QTEST_GUILESS_MAIN(TestMoveCopyFaults)
#include "tst_movecopyfaults.moc"
