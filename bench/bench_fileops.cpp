// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "core/slidelist/slidelistmodel.h"
#include "platform/fileworkprogress.h"
#include "platform/shellroutines.h"
#include "silentparts.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/fileworkrunner.h"
#include "ui/browser/shellfilecommands.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

// Moving and copying files as the slide list's commands do, beside what the system does bare.
// The files live under /var/tmp, which is on a disk (not in memory) on the build machines.
namespace {

constexpr int MoveCount = 10000;
constexpr int CopyCount = 200;
constexpr int CopySize = 5 << 20;

// Names the destination folder when asked for one; declines everything else.
class ChosenFolder : public SilentInteraction {
public:
    explicit ChosenFolder(const QString &folder)
        : m_folder(folder)
    {
    }
    QString folderName(const QString &, const QString &) override { return m_folder; }

private:
    QString m_folder;
};

// A source and a destination folder on one file system, with files of the given size in the
// source.
class FileSet {
public:
    FileSet(int count, int size)
        : m_dir(QStringLiteral("/var/tmp/vellora-bench-XXXXXX"))
    {
        QDir().mkpath(source());
        QDir().mkpath(destination());
        QByteArray content(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            content[i] = char('a' + i % 23);
        for (int i = 0; i < count; ++i) {
            const QString path =
                source() + QStringLiteral("/IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(content);
            m_paths.append(path);
        }
        ::sync();
    }
    QString source() const { return m_dir.filePath(QStringLiteral("src")); }
    QString destination() const { return m_dir.filePath(QStringLiteral("dst")); }
    const QStringList &paths() const { return m_paths; }
    QByteArray destinationOf(const QString &path) const
    {
        return QFile::encodeName(destination() + path.mid(source().size()));
    }
    // Puts moved files back, or removes copies; then nothing is left to write back.
    void reset(bool moved) const
    {
        for (const QString &path : m_paths) {
            if (moved)
                std::rename(destinationOf(path).constData(), QFile::encodeName(path).constData());
            else
                ::unlink(destinationOf(path).constData());
        }
        ::sync();
    }

private:
    QTemporaryDir m_dir;
    QStringList m_paths;
};

const FileSet &moveSet()
{
    static const FileSet files(MoveCount, 1000);
    return files;
}

const FileSet &copySet()
{
    static const FileSet files(CopyCount, CopySize);
    return files;
}

// The slide list's file commands over both lists, with the destination folder chosen.
struct ListCommands {
    explicit ListCommands(const FileSet &files)
        : interaction(files.destination())
    {
    }
    Settings settings;
    ChosenFolder interaction;
    NoHints hints;
    SlideListModel model;
    FileListView fileList{settings, interaction, hints};
    ShellFileCommands commands{model, fileList, interaction, hints};
};

// The whole command: the entries of every file in the slide list and the file list, the move
// on its worker thread, and both lists brought in line afterwards.
void BM_MoveFilesOf10000Entries(benchmark::State &state)
{
    const FileSet &files = moveSet();
    ListCommands lists(files);
    for (auto _ : state) {
        state.PauseTiming();
        for (const QString &path : files.paths())
            lists.model.addEntry(path, path, QStringLiteral("      1000"));
        lists.fileList.showFolderFiles(files.source());
        state.ResumeTiming();
        lists.commands.moveFiles(files.paths());
        state.PauseTiming();
        if (lists.model.entryCount() != 0 || lists.fileList.entryCount() != 0)
            state.SkipWithError("entries left in the lists");
        files.reset(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MoveFilesOf10000Entries)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The move alone, on its worker thread with the progress shown, the lists left out.
void BM_MoveFiles10000WithoutLists(benchmark::State &state)
{
    const FileSet &files = moveSet();
    SilentInteraction interaction;
    NoHints hints;
    QWidget window;
    FileWorkRunner runner(interaction, hints, window);
    for (auto _ : state) {
        runner.run(QString(), [&files](Interaction &asker, FileWorkProgress &progress) {
            return moveOrCopyFiles(asker, files.paths(), files.destination(), TransferMode::Move,
                                   &progress);
        });
        state.PauseTiming();
        files.reset(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MoveFiles10000WithoutLists)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_BareRename10000(benchmark::State &state)
{
    const FileSet &files = moveSet();
    QVector<QByteArray> sources;
    QVector<QByteArray> targets;
    for (const QString &path : files.paths()) {
        sources.append(QFile::encodeName(path));
        targets.append(files.destinationOf(path));
    }
    for (auto _ : state) {
        for (qsizetype i = 0; i < sources.size(); ++i)
            std::rename(sources.at(i).constData(), targets.at(i).constData());
        state.PauseTiming();
        files.reset(true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareRename10000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command, each file on disk before it takes its name.
void BM_Copy200FilesOf5MB(benchmark::State &state)
{
    const FileSet &files = copySet();
    ListCommands lists(files);
    for (auto _ : state) {
        lists.commands.copyFiles(files.paths());
        state.PauseTiming();
        files.reset(false);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * qint64(CopyCount) * CopySize);
}
BENCHMARK(BM_Copy200FilesOf5MB)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CpAndSync200FilesOf5MB(benchmark::State &state)
{
    const FileSet &files = copySet();
    const QString command = QStringLiteral("cp -- \"$1\"/* \"$2\"/ && sync -f \"$2\"");
    for (auto _ : state) {
        QProcess::execute(QStringLiteral("sh"),
                          {QStringLiteral("-c"), command, QStringLiteral("sh"), files.source(),
                           files.destination()});
        state.PauseTiming();
        files.reset(false);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * qint64(CopyCount) * CopySize);
}
BENCHMARK(BM_CpAndSync200FilesOf5MB)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
