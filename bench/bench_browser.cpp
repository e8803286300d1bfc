// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/foldertreekeys.h"
#include "core/settings/settings.h"
#include "platform/directorylister.h"
#include "silentparts.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

constexpr int FolderCount = 2000;

// A folder of 2,000 subfolders (every other one holding a folder of its own, so that half the
// subfolder tests stop early) and a folder of 2,000 pictures, made once.
class BrowserData {
public:
    static const BrowserData &instance()
    {
        static const BrowserData data;
        return data;
    }
    QString folders() const { return m_dir.filePath(QStringLiteral("folders")); }
    QString pictures() const { return m_dir.filePath(QStringLiteral("pictures")); }
    QString start() const { return m_dir.filePath(QStringLiteral("start")); }

private:
    BrowserData()
    {
        QDir().mkpath(start());
        for (int i = 0; i < FolderCount; ++i) {
            const QString folder =
                QStringLiteral("%1/Folder %2").arg(folders()).arg(i, 4, 10, QLatin1Char('0'));
            QDir().mkpath(i % 2 == 0 ? folder + QStringLiteral("/inner") : folder);
            for (int j = 0; j < 5 && i % 2 == 1; ++j)
                QFile(QStringLiteral("%1/p%2.jpg").arg(folder).arg(j)).open(QIODevice::WriteOnly);
        }
        QDir().mkpath(pictures());
        for (int i = 0; i < FolderCount; ++i) {
            const QString suffix = i % 3 == 0 ? QStringLiteral("bmp") : QStringLiteral("JPG");
            QFile file(QStringLiteral("%1/IMG_%2.%3").arg(pictures()).arg(i).arg(suffix));
            file.open(QIODevice::WriteOnly);
            file.write(QByteArray(i % 977, 'x'));
        }
    }
    QTemporaryDir m_dir;
};

class BenchLister : public DirectoryLister {
public:
    QVector<Volume> volumes() const override
    {
        const BrowserData &data = BrowserData::instance();
        return {{data.start(), QStringLiteral("start"), false},
                {data.folders(), QStringLiteral("folders"), false}};
    }
};

// Expanding a folder of 2,000 subfolders: listing, sorting, display names, the subfolder test
// of every child on the reading thread, and the nodes once they arrive.
void BM_ExpandFolderOf2000Subfolders(benchmark::State &state)
{
    const BrowserData &data = BrowserData::instance();
    Settings settings;
    SilentInteraction interaction;
    NoHints hints;
    const auto lister = std::make_shared<BenchLister>();
    for (auto _ : state) {
        state.PauseTiming();
        FolderTreeView tree(settings, interaction, hints);
        tree.setDirectoryLister(lister);
        tree.loadTreeIcons();
        tree.buildFolderTree(FolderKeys::volumeKey(data.start()));
        runEventsUntil([&tree] { return !tree.isReading(); });
        QTreeWidgetItem *node = tree.nodeForKey(FolderKeys::volumeKey(data.folders()));
        state.ResumeTiming();
        node->setExpanded(true);
        runEventsUntil([&tree] { return !tree.isReading(); });
        benchmark::DoNotOptimize(node->childCount());
    }
}
BENCHMARK(BM_ExpandFolderOf2000Subfolders)->Unit(benchmark::kMillisecond);

// The enumeration alone: one listing and 2,000 subfolder tests.
void BM_ListAndTest2000Subfolders(benchmark::State &state)
{
    const BrowserData &data = BrowserData::instance();
    const DirectoryLister lister;
    for (auto _ : state) {
        const DirectoryListing listing = lister.subfolders(data.folders());
        int withFolders = 0;
        for (const QString &path : listing.paths)
            withFolders += lister.hasSubfolder(path) ? 1 : 0;
        benchmark::DoNotOptimize(withFolders);
    }
}
BENCHMARK(BM_ListAndTest2000Subfolders)->Unit(benchmark::kMillisecond);

// Listing a folder of 2,000 pictures in the file list: enumeration, sort, names and sizes.
void BM_ShowFolderOf2000Pictures(benchmark::State &state)
{
    const BrowserData &data = BrowserData::instance();
    Settings settings;
    SilentInteraction interaction;
    NoHints hints;
    FileListView view(settings, interaction, hints);
    for (auto _ : state) {
        view.showFolderFiles(data.pictures());
        runEventsUntil([&view] { return !view.isListing(); });
        benchmark::DoNotOptimize(view.entryCount());
    }
}
BENCHMARK(BM_ShowFolderOf2000Pictures)->Unit(benchmark::kMillisecond);

} // namespace
