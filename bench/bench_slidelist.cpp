// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchdata.h"
#include "core/settings/settings.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/listfileformat.h"
#include "core/slidelist/slidelistmodel.h"
#include "silentparts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

const QString SizeTenBytes = QStringLiteral("        10");

// 100,000 existing picture files (10 bytes each) under a temporary folder, made once.
class PictureTree {
public:
    static const PictureTree &instance()
    {
        static const PictureTree tree;
        return tree;
    }
    QStringList paths;
    QString listFolder;

private:
    PictureTree()
    {
        const QByteArray content(10, 'x');
        const QStringList relative = BenchData::picturePaths(100000, 2024);
        for (const QString &path : relative) {
            const QString full = m_root.path() + path;
            QDir().mkpath(QFileInfo(full).path());
            QFile file(full);
            if (file.open(QIODevice::WriteOnly))
                file.write(content);
            paths.append(full);
        }
        listFolder = m_root.path();
    }
    QTemporaryDir m_root;
};

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * sysconf(_SC_PAGESIZE) : 0;
}

long heapBytes()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return long(info.uordblks + info.hblkhd); // small blocks in use plus mmap'd large ones
#else
    return 0;
#endif
}

// addEntry one path at a time, as the adding commands do; argument: number of paths.
void BM_AddEntry(benchmark::State &state)
{
    const QStringList paths = BenchData::picturePaths(int(state.range(0)));
    for (auto _ : state) {
        SlideListModel model;
        for (const QString &path : paths)
            model.addEntry(path, path, SizeTenBytes);
        benchmark::DoNotOptimize(model.entryCount());
        state.PauseTiming();
        model.clearEntries();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The floor for adding: the same paths into a bare hash of path to row, as the model's index
// holds them. Its growth from 100,000 to 200,000 is what the memory hierarchy allows.
void BM_BareHashInsert(benchmark::State &state)
{
    const QStringList paths = BenchData::picturePaths(int(state.range(0)));
    for (auto _ : state) {
        QHash<QString, int> rows;
        for (const QString &path : paths)
            rows.insert(path, int(rows.size()));
        benchmark::DoNotOptimize(rows.size());
        state.PauseTiming();
        rows.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Removing every other entry of 100,000 (the worst case for row-by-row removal).
void BM_RemoveEveryOtherEntry(benchmark::State &state)
{
    const QStringList paths = BenchData::picturePaths(100000);
    QList<int> positions;
    for (int i = 1; i <= paths.size(); i += 2)
        positions.append(i);
    for (auto _ : state) {
        state.PauseTiming();
        SlideListModel model;
        for (const QString &path : paths)
            model.addEntry(path, path, SizeTenBytes);
        state.ResumeTiming();
        model.removeEntriesAt(positions);
        benchmark::DoNotOptimize(model.entryCount());
        state.PauseTiming();
        model.clearEntries();
        state.ResumeTiming();
    }
}

// Saving 100,000 paths; argument: 0 vrl, 1 sml, 2 txt.
void BM_SaveList(benchmark::State &state)
{
    static const ListFormat formats[] = {ListFormat::Vrl, ListFormat::Sml, ListFormat::Txt};
    static const char *names[] = {"list.vrl", "list.sml", "list.txt"};
    const QStringList paths = BenchData::picturePaths(100000);
    QTemporaryDir dir;
    const QString target = dir.filePath(QLatin1String(names[state.range(0)]));
    for (auto _ : state) {
        if (!writeListFile(target, formats[state.range(0)], paths))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(target).size());
}

// Opening a list of 100,000 existing pictures into an empty list; argument as BM_SaveList.
void BM_OpenList(benchmark::State &state)
{
    static const ListFormat formats[] = {ListFormat::Vrl, ListFormat::Sml, ListFormat::Txt};
    static const char *names[] = {"open.vrl", "open.sml", "open.txt"};
    const PictureTree &tree = PictureTree::instance();
    const QString listPath =
        tree.listFolder + QLatin1Char('/') + QLatin1String(names[state.range(0)]);
    writeListFile(listPath, formats[state.range(0)], tree.paths);
    Settings settings;
    SilentInteraction interaction;
    for (auto _ : state) {
        SlideListModel model;
        ListDocument document;
        ListFileCommands commands(model, document, settings, interaction);
        commands.openListFile(listPath);
        if (model.entryCount() != tree.paths.size())
            state.SkipWithError("entries missing");
        state.PauseTiming();
        model.clearEntries();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * tree.paths.size());
}

// The floor for opening: one bare stat() of each of the same paths.
void BM_StatSamePaths(benchmark::State &state)
{
    const PictureTree &tree = PictureTree::instance();
    QList<QByteArray> encoded;
    for (const QString &path : tree.paths)
        encoded.append(QFile::encodeName(path));
    for (auto _ : state) {
        qint64 total = 0;
        for (const QByteArray &path : std::as_const(encoded)) {
            struct stat info {};
            if (::stat(path.constData(), &info) == 0)
                total += info.st_size;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * tree.paths.size());
}

// Memory held by 100,000 entries: resident set and heap in use, before and after adding.
void BM_MemoryOf100kEntries(benchmark::State &state)
{
    const QStringList paths = BenchData::picturePaths(100000);
    for (auto _ : state) {
        auto model = std::make_unique<SlideListModel>();
        const long rssBefore = residentBytes();
        const long heapBefore = heapBytes();
        for (const QString &path : paths)
            model->addEntry(path, path, QStringLiteral("%1").arg(path.size(), 10));
        state.counters["rss_delta_MB"] = double(residentBytes() - rssBefore) / (1 << 20);
        state.counters["heap_delta_MB"] = double(heapBytes() - heapBefore) / (1 << 20);
    }
}

} // namespace

BENCHMARK(BM_MemoryOf100kEntries)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddEntry)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareHashInsert)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveEveryOtherEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveList)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenList)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatSamePaths)->Unit(benchmark::kMillisecond);
