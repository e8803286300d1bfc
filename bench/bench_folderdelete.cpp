// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/foldertreekeys.h"
#include "core/settings/settings.h"
#include "core/slidelist/slidelistmodel.h"
#include "platform/directorylister.h"
#include "silentparts.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"
#include "ui/slidelist/slidelistview.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QTemporaryDir>
#include <QVector>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int PictureCount = 10000;

// A folder of 10,000 pictures that is deleted, beside a folder whose 10,000 pictures stay; the
// slide list holds both, one after the other in turn (every deleted entry a run of its own).
class DeleteData {
public:
    static const DeleteData &instance()
    {
        static const DeleteData data;
        return data;
    }
    QString volume() const { return m_dir.path(); }
    QString doomed() const { return m_dir.filePath(QStringLiteral("doomed")); }
    QString trashed() const { return m_dir.filePath(QStringLiteral("trashed")); }
    QVector<SlideEntry> slideEntries;
    QStringList doomedPaths;

private:
    DeleteData()
    {
        const QString kept = m_dir.filePath(QStringLiteral("kept"));
        QDir().mkpath(doomed());
        QDir().mkpath(kept);
        for (int i = 0; i < PictureCount; ++i) {
            const QString name = QStringLiteral("/IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
            QFile(doomed() + name).open(QIODevice::WriteOnly);
            QFile(kept + name).open(QIODevice::WriteOnly);
            doomedPaths.append(doomed() + name);
            slideEntries.append({doomed() + name, QStringLiteral("         0"), 1});
            slideEntries.append({kept + name, QStringLiteral("         0"), 1});
        }
    }
    QTemporaryDir m_dir;
};

class VolumeLister : public DirectoryLister {
public:
    QVector<Volume> volumes() const override
    {
        return {{DeleteData::instance().volume(), QStringLiteral("volume"), false}};
    }
};

// The three panes of the main window that a folder delete touches, shown.
struct BrowserPanes {
    BrowserPanes()
        : tree(new FolderTreeView(settings, interaction, hints))
        , files(new FileListView(settings, interaction, hints))
        , slides(new SlideListView(model, hints))
    {
        auto *layout = new QHBoxLayout(&window);
        layout->addWidget(tree);
        layout->addWidget(files);
        layout->addWidget(slides);
        tree->setDirectoryLister(std::make_shared<VolumeLister>());
        tree->setSlideList(&model);
        tree->setFileList(files);
        window.resize(1000, 500);
        window.show();
        tree->loadTreeIcons();
        tree->buildFolderTree(volumeKey());
        runEventsUntil([this] { return !tree->isReading(); });
    }
    static QString volumeKey() { return FolderKeys::volumeKey(DeleteData::instance().volume()); }

    Settings settings;
    SilentInteraction interaction;
    NoHints hints;
    SlideListModel model;
    QWidget window;
    FolderTreeView *tree;
    FileListView *files;
    SlideListView *slides;
};

// The follow-ups of deleting a folder whose 10,000 pictures are in the slide list and shown in
// the file list: its node goes, its 10,000 entries leave the slide list (10,000 others stay),
// and the file list is listed again from the selected folder. The trash itself is left out (a
// rename stands in for it, untimed).
void BM_FolderDeleteFollowUps10000(benchmark::State &state)
{
    const DeleteData &data = DeleteData::instance();
    BrowserPanes panes;
    QTreeWidgetItem *volume = panes.tree->nodeForKey(BrowserPanes::volumeKey());
    const QString doomedKey = FolderKeys::childKey(BrowserPanes::volumeKey(), data.doomed());
    for (auto _ : state) {
        state.PauseTiming();
        QTreeWidgetItem *node = panes.tree->nodeForKey(doomedKey);
        if (!node) {
            node = panes.tree->newFolderNode(doomedKey, QStringLiteral("doomed"));
            volume->insertChild(0, node);
        }
        panes.tree->setCurrentItem(volume);
        panes.model.addEntries(data.slideEntries);
        panes.files->showFolderFiles(data.doomed());
        runEventsUntil([&panes] { return !panes.files->isListing(); });
        std::rename(QFile::encodeName(data.doomed()).constData(),
                    QFile::encodeName(data.trashed()).constData());
        state.ResumeTiming();

        panes.tree->commands().removeDeletedFolder(data.doomed(), node);
        runEventsUntil([&panes] { return !panes.files->isListing(); });

        state.PauseTiming();
        if (panes.model.entryCount() != PictureCount || panes.files->folder() != data.volume())
            state.SkipWithError("the follow-ups went wrong");
        std::rename(QFile::encodeName(data.trashed()).constData(),
                    QFile::encodeName(data.doomed()).constData());
        panes.model.clearEntries();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FolderDeleteFollowUps10000)->Unit(benchmark::kMillisecond);

// The floor for those follow-ups: the same 10,000 paths removed from a bare hash of the 20,000
// paths and a bare vector of them.
void BM_BareRemove10000FromHashAndVector(benchmark::State &state)
{
    const DeleteData &data = DeleteData::instance();
    for (auto _ : state) {
        state.PauseTiming();
        QHash<QString, int> rows;
        QVector<QString> paths;
        rows.reserve(data.slideEntries.size());
        paths.reserve(data.slideEntries.size());
        for (const SlideEntry &entry : data.slideEntries) {
            rows.insert(entry.path, int(paths.size()));
            paths.append(entry.path);
        }
        state.ResumeTiming();

        for (const QString &path : data.doomedPaths)
            rows.remove(path);
        paths.removeIf([&rows](const QString &path) { return !rows.contains(path); });
        benchmark::DoNotOptimize(paths.size());
    }
}
BENCHMARK(BM_BareRemove10000FromHashAndVector)->Unit(benchmark::kMillisecond);

} // namespace
