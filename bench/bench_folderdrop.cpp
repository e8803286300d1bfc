// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/slidelistmodel.h"
#include "silentparts.h"
#include "ui/browser/filelistview.h"
#include "ui/slidelist/slidelistdrop.h"
#include "ui/slidelist/slidelistview.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>

#include <dirent.h>
#include <sys/stat.h>

namespace {

constexpr int PictureCount = 10000;

// 10,000 pictures twice over: all in one folder, and spread over 100 folders in 10 groups.
class DropData {
public:
    static const DropData &instance()
    {
        static const DropData data;
        return data;
    }
    QString flat() const { return m_dir.filePath(QStringLiteral("flat")); }
    QString nested() const { return m_dir.filePath(QStringLiteral("nested")); }

private:
    DropData()
    {
        QDir().mkpath(flat());
        for (int i = 0; i < PictureCount; ++i)
            write(QStringLiteral("%1/IMG_%2.%3").arg(flat()).arg(i).arg(suffix(i)), i);
        for (int i = 0; i < PictureCount; ++i) {
            const QString folder =
                QStringLiteral("%1/group %2/day %3").arg(nested()).arg(i % 10).arg(i % 100);
            QDir().mkpath(folder);
            write(QStringLiteral("%1/P%2.%3").arg(folder).arg(i).arg(suffix(i)), i);
        }
    }
    static QString suffix(int i)
    {
        return i % 4 == 0 ? QStringLiteral("bmp") : QStringLiteral("JPG");
    }
    static void write(const QString &path, int i)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(i % 500, 'x'));
    }
    QTemporaryDir m_dir;
};

// A folder dragged from the tree onto the slide list: the walk, names and sizes, sorting and
// adding to the list behind its view.
void dropFolder(benchmark::State &state, const QString &folder)
{
    Settings settings;
    SilentInteraction interaction;
    NoHints hints;
    SlideListModel model;
    ListDocument document;
    FileListView fileList(settings, interaction, hints);
    SlideListView view(model, hints);
    SlideListDrop drop(model, document, settings, hints, view, fileList);
    QMimeData mime;
    mime.setData(QStringLiteral("application/x-vellora-folder-key"),
                 (QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ*") + folder).toUtf8());
    for (auto _ : state) {
        state.PauseTiming();
        model.clearEntries();
        state.ResumeTiming();
        drop.receive(mime, nullptr);
        runEventsUntil([&drop] { return !drop.isWalking(); });
        benchmark::DoNotOptimize(model.entryCount());
    }
    state.counters["entries"] = model.entryCount();
}

// The floor for listing and dropping: readdir and stat of every entry, nothing else. Counts the
// files it stats; descends into folders when asked.
int bareReaddirStat(const QByteArray &folder, bool recursive)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return 0;
    int files = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.' &&
            (entry->d_name[1] == 0 || (entry->d_name[1] == '.' && entry->d_name[2] == 0)))
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        struct stat info {};
        if (::stat(path.constData(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode))
            files += recursive ? bareReaddirStat(path, true) : 0;
        else
            ++files;
    }
    ::closedir(dir);
    return files;
}

// A folder of 10,000 pictures in the file list: enumeration, sort, names and sizes. Like the
// drops, it works on another thread, so its iterations are counted by the wall clock.
void BM_ShowFolderOf10000Pictures(benchmark::State &state)
{
    const QString folder = DropData::instance().flat();
    Settings settings;
    SilentInteraction interaction;
    NoHints hints;
    FileListView view(settings, interaction, hints);
    for (auto _ : state) {
        view.showFolderFiles(folder);
        runEventsUntil([&view] { return !view.isListing(); });
        benchmark::DoNotOptimize(view.entryCount());
    }
    state.counters["entries"] = view.entryCount();
}
BENCHMARK(BM_ShowFolderOf10000Pictures)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareReaddirStat10000(benchmark::State &state)
{
    const QByteArray folder = QFile::encodeName(DropData::instance().flat());
    int files = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(files = bareReaddirStat(folder, false));
    state.counters["entries"] = files;
}
BENCHMARK(BM_BareReaddirStat10000)->Unit(benchmark::kMillisecond);

void BM_DropFolderOf10000Pictures(benchmark::State &state)
{
    dropFolder(state, DropData::instance().flat());
}
BENCHMARK(BM_DropFolderOf10000Pictures)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DropTreeOf10000PicturesIn100Folders(benchmark::State &state)
{
    dropFolder(state, DropData::instance().nested());
}
BENCHMARK(BM_DropTreeOf10000PicturesIn100Folders)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareWalkTree10000(benchmark::State &state)
{
    const QByteArray folder = QFile::encodeName(DropData::instance().nested());
    int files = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(files = bareReaddirStat(folder, true));
    state.counters["entries"] = files;
}
BENCHMARK(BM_BareWalkTree10000)->Unit(benchmark::kMillisecond);

} // namespace
