// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "platform/shellroutines.h"
#include "scriptedinteraction.h"

#include <QTemporaryDir>
#include <QTest>

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

} // namespace

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

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString source(const QString &name, int size);
    // The names in folder, hidden ones too: a temporary file left behind would show here.
    QStringList entriesOf(const QString &folder) const;
    bool mountDestination(int kilobytes);

    std::optional<QTemporaryDir> m_dir;
    bool m_mounted = false;
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
    if (m_mounted)
        Faults::unmount(path("dst"));
    m_mounted = false;
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

bool TestMoveCopyFaults::mountDestination(int kilobytes)
{
    m_mounted = Faults::mountSmallDisk(path("dst"), kilobytes);
    return m_mounted;
}

void TestMoveCopyFaults::lockedFolderKeepsEverything_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<QString>("locked");
    QTest::newRow("copy into a read-only folder") << Copy << QStringLiteral("dst");
    QTest::newRow("move into a read-only folder") << Move << QStringLiteral("dst");
    QTest::newRow("move out of a read-only folder") << Move << QStringLiteral("src");
}

// A folder the user may not change: the work fails, both folders stay exactly as they were.
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
        return result == ShellResult::Failed && interaction.calls.isEmpty() ? 1 : 0;
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
    interaction.answers << Answer::Yes;
    QCOMPARE(moveOrCopyFiles(interaction, {big}, path("dst"), mode), ShellResult::Failed);
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

QTEST_GUILESS_MAIN(TestMoveCopyFaults)
#include "tst_movecopyfaults.moc"
