// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fileworkprogress.h"
#include "platform/shellroutines.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <unistd.h>

using Answer = Interaction::Answer;

namespace {

constexpr TransferMode Move = TransferMode::Move;
constexpr TransferMode Copy = TransferMode::Copy;

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Stops the work once a number of files has been dealt with.
class StopAfterFiles : public FileWorkProgress {
public:
    explicit StopAfterFiles(int files)
        : m_files(files)
    {
    }
    bool cancelled() const override { return state().filesDone >= m_files; }

private:
    int m_files;
};

} // namespace

class TestShellMoveCopy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void copyKeepsTheSources();
    void moveTakesTheSources();
    void declinedOverwriteKeepsTheDestination_data();
    void declinedOverwriteKeepsTheDestination();
    void yesReplacesOneFile();
    void yesToAllAsksOnce();
    void cancelStopsTheWork();
    void progressCanStopTheWork();
    void unusableDestinationFails();
    void readOnlyDestinationKeepsTheSources();
    void fileIntoItsOwnFolderStaysIntact();
    void missingAndFolderSourcesFail();
    void failedCopyLeavesNoPartialFile();
    void moveAcrossFileSystems();
    void emptyListDoesNothing();

private:
    QString source(const QString &name) const { return m_dir->filePath(u"src/"_qs + name); }
    QString target(const QString &name) const { return m_dir->filePath(u"dst/"_qs + name); }
    QString destination() const { return m_dir->filePath(QStringLiteral("dst")); }
    QStringList sources(const QStringList &names);

    std::optional<QTemporaryDir> m_dir;
    ScriptedInteraction m_interaction;
};

void TestShellMoveCopy::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("src")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("dst")));
    m_interaction = ScriptedInteraction();
}

void TestShellMoveCopy::cleanup()
{
    QFile::setPermissions(destination(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

QStringList TestShellMoveCopy::sources(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names) {
        if (!writeFile(source(name), "new " + name.toUtf8()))
            return {};
        paths.append(source(name));
    }
    return paths;
}

void TestShellMoveCopy::copyKeepsTheSources()
{
    const QStringList paths = sources({QStringLiteral("a.jpg"), QStringLiteral("海.bmp")});
    QCOMPARE(moveOrCopyFiles(m_interaction, paths, destination(), Copy), ShellResult::Done);
    QCOMPARE(readFile(target(QStringLiteral("海.bmp"))), QByteArray("new 海.bmp"));
    QCOMPARE(readFile(target(QStringLiteral("a.jpg"))), QByteArray("new a.jpg"));
    QVERIFY(QFile::exists(paths.at(0)) && QFile::exists(paths.at(1)));
    QVERIFY(m_interaction.calls.isEmpty());
}

void TestShellMoveCopy::moveTakesTheSources()
{
    const QStringList paths = sources({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    QCOMPARE(moveOrCopyFiles(m_interaction, paths, destination(), Move), ShellResult::Done);
    QVERIFY(!QFile::exists(paths.at(0)) && !QFile::exists(paths.at(1)));
    QCOMPARE(readFile(target(QStringLiteral("b.jpg"))), QByteArray("new b.jpg"));
}

void TestShellMoveCopy::declinedOverwriteKeepsTheDestination_data()
{
    QTest::addColumn<TransferMode>("mode");
    QTest::newRow("copy answered No") << Copy;
    QTest::newRow("move answered No") << Move;
}

// Nothing is replaced without a Yes; a skipped file makes the result a failure.
void TestShellMoveCopy::declinedOverwriteKeepsTheDestination()
{
    QFETCH(TransferMode, mode);
    QVERIFY(writeFile(target(QStringLiteral("a.jpg")), "old"));
    const QStringList paths = sources({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    m_interaction.answers << Answer::No;
    QVERIFY(moveOrCopyFiles(m_interaction, paths, destination(), mode) != ShellResult::Done);
    QCOMPARE(readFile(target(QStringLiteral("a.jpg"))), QByteArray("old"));
    QVERIFY(QFile::exists(paths.at(0)));
    QVERIFY(QFile::exists(target(QStringLiteral("b.jpg"))));
    const QVector<ScriptedInteraction::Call> asked =
        m_interaction.callsOf(QStringLiteral("overwrite"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().title, QStringLiteral("ファイルの上書きの確認"));
    QVERIFY(asked.first().text.contains(QStringLiteral("'a.jpg'")));
}

void TestShellMoveCopy::yesReplacesOneFile()
{
    QVERIFY(writeFile(target(QStringLiteral("a.jpg")), "old"));
    m_interaction.answers << Answer::Yes;
    const QStringList paths = sources({QStringLiteral("a.jpg")});
    QCOMPARE(moveOrCopyFiles(m_interaction, paths, destination(), Move), ShellResult::Done);
    QCOMPARE(readFile(target(QStringLiteral("a.jpg"))), QByteArray("new a.jpg"));
    QVERIFY(!QFile::exists(paths.first()));
}

void TestShellMoveCopy::yesToAllAsksOnce()
{
    QVERIFY(writeFile(target(QStringLiteral("a.jpg")), "old"));
    QVERIFY(writeFile(target(QStringLiteral("b.jpg")), "old"));
    m_interaction.answers << Answer::YesToAll;
    const QStringList paths = sources({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    QCOMPARE(moveOrCopyFiles(m_interaction, paths, destination(), Copy), ShellResult::Done);
    QCOMPARE(m_interaction.calls.size(), 1);
    QCOMPARE(readFile(target(QStringLiteral("b.jpg"))), QByteArray("new b.jpg"));
}

// Cancel stops at once: Cancelled when nothing was done yet, a failure otherwise.
void TestShellMoveCopy::cancelStopsTheWork()
{
    QVERIFY(writeFile(target(QStringLiteral("b.jpg")), "old"));
    QVERIFY(writeFile(target(QStringLiteral("c.jpg")), "old"));
    const QStringList paths = sources({"b.jpg", "c.jpg", "d.jpg"});
    m_interaction.answers << Answer::Cancel;
    QCOMPARE(moveOrCopyFiles(m_interaction, paths, destination(), Move), ShellResult::Cancelled);
    QVERIFY(QFile::exists(paths.at(0)) && QFile::exists(paths.at(2)));
    QVERIFY(!QFile::exists(target(QStringLiteral("d.jpg"))));

    m_interaction.answers << Answer::Yes << Answer::Cancel;
    const ShellResult result = moveOrCopyFiles(m_interaction, paths, destination(), Move);
    QVERIFY(result == ShellResult::Failed);
    QVERIFY(!QFile::exists(paths.at(0)));
    QCOMPARE(readFile(target(QStringLiteral("c.jpg"))), QByteArray("old"));
    QVERIFY(QFile::exists(paths.at(2)));
}

void TestShellMoveCopy::progressCanStopTheWork()
{
    const QStringList paths = sources({"a.jpg", "b.jpg", "c.jpg"});
    StopAfterFiles progress(1);
    QVERIFY(moveOrCopyFiles(m_interaction, paths, destination(), Copy, &progress) !=
            ShellResult::Done);
    const FileWorkProgress::State state = progress.state();
    QCOMPARE(state.filesDone, 1);
    QCOMPARE(state.fileCount, 3);
    QCOMPARE(state.fileName, QStringLiteral("a.jpg"));
    QCOMPARE(state.byteCount, qint64(3 * 9));
    QCOMPARE(state.bytesDone, qint64(9));
    QVERIFY(QFile::exists(target(QStringLiteral("a.jpg"))));
    QVERIFY(!QFile::exists(target(QStringLiteral("b.jpg"))));
}

void TestShellMoveCopy::unusableDestinationFails()
{
    const QStringList paths = sources({QStringLiteral("a.jpg")});
    QVERIFY(moveOrCopyFiles(m_interaction, paths, source(QStringLiteral("a.jpg")), Move) !=
            ShellResult::Done);
    QVERIFY(moveOrCopyFiles(m_interaction, paths, destination() + u"/none"_qs, Move) !=
            ShellResult::Done);
    QVERIFY(moveOrCopyFiles(m_interaction, paths, QStringLiteral("dst"), Move) !=
            ShellResult::Done);
    QVERIFY(QFile::exists(paths.first()));
}

void TestShellMoveCopy::readOnlyDestinationKeepsTheSources()
{
    if (::geteuid() == 0)
        QSKIP("the superuser may write into read-only folders");
    QVERIFY(QFile::setPermissions(destination(), QFile::ReadOwner | QFile::ExeOwner));
    const QStringList paths = sources({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    QVERIFY(moveOrCopyFiles(m_interaction, paths, destination(), Move) != ShellResult::Done);
    QVERIFY(QFile::exists(paths.at(0)) && QFile::exists(paths.at(1)));
}

// Moving or copying a file onto itself must not truncate it; the user is told why nothing
// happened.
void TestShellMoveCopy::fileIntoItsOwnFolderStaysIntact()
{
    const QStringList paths = sources({QStringLiteral("a.jpg")});
    const QString folder = m_dir->filePath(QStringLiteral("src"));
    QVERIFY(moveOrCopyFiles(m_interaction, paths, folder, Copy) != ShellResult::Done);
    QVERIFY(moveOrCopyFiles(m_interaction, paths, folder + u"/"_qs, Move) != ShellResult::Done);
    QCOMPARE(readFile(paths.first()), QByteArray("new a.jpg"));
    const QVector<ScriptedInteraction::Call> told = m_interaction.callsOf(u"skipOrCancel"_qs);
    QCOMPARE(m_interaction.calls.size(), 2);
    QCOMPARE(told.at(0).text,
             u"'a.jpg' をコピーできません。\n\nコピー先のフォルダは元のフォルダと同じです。"_qs);
    QCOMPARE(told.at(0).title, u"ファイルのコピーエラー"_qs);
    QCOMPARE(told.at(1).text,
             u"'a.jpg' を移動できません。\n\n移動先のフォルダは元のフォルダと同じです。"_qs);
    QCOMPARE(told.at(1).title, u"ファイルの移動エラー"_qs);
}

void TestShellMoveCopy::missingAndFolderSourcesFail()
{
    QStringList paths = sources({QStringLiteral("a.jpg")});
    paths.prepend(source(QStringLiteral("missing.jpg")));
    paths.append(m_dir->path());
    QVERIFY(moveOrCopyFiles(m_interaction, paths, destination(), Move) != ShellResult::Done);
    QVERIFY(QFile::exists(target(QStringLiteral("a.jpg"))));
    QVERIFY(QFileInfo(m_dir->path()).isDir());
}

// A source that cannot be read completely never replaces the file already there.
void TestShellMoveCopy::failedCopyLeavesNoPartialFile()
{
    QVERIFY(writeFile(target(QStringLiteral("status")), "old"));
    m_interaction.answers << Answer::Yes;
    const QString unreliable = QStringLiteral("/proc/self/status");
    if (QFileInfo(unreliable).size() != 0)
        QSKIP("needs a file whose reported size differs from its contents");
    QVERIFY(moveOrCopyFiles(m_interaction, {unreliable}, destination(), Copy) != ShellResult::Done);
    QCOMPARE(readFile(target(QStringLiteral("status"))), QByteArray("old"));
    QCOMPARE(QDir(destination()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("status")}));
}

void TestShellMoveCopy::moveAcrossFileSystems()
{
    QTemporaryDir other(QStringLiteral("/dev/shm/vellora-XXXXXX"));
    if (!other.isValid() || QStorageInfo(other.path()) == QStorageInfo(m_dir->path()))
        QSKIP("needs a second file system");
    const QString path = other.filePath(QStringLiteral("far.jpg"));
    QVERIFY(writeFile(path, QByteArray(3 << 20, 'x')));
    QCOMPARE(moveOrCopyFiles(m_interaction, {path}, destination(), Move), ShellResult::Done);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(readFile(target(QStringLiteral("far.jpg"))), QByteArray(3 << 20, 'x'));
    QCOMPARE(QDir(destination()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestShellMoveCopy::emptyListDoesNothing()
{
    FileWorkProgress progress;
    QCOMPARE(moveOrCopyFiles(m_interaction, {}, QString(), Move, &progress), ShellResult::Done);
    QVERIFY(m_interaction.calls.isEmpty());
    QCOMPARE(progress.state().fileCount, 0);
}

QTEST_GUILESS_MAIN(TestShellMoveCopy)
#include "tst_shellmovecopy.moc"
