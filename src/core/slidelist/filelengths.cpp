// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/filelengths.h"

#include "core/common/logcategories.h"

#include <QFileInfo>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

constexpr qsizetype PathsPerThreadAtLeast = 2000;
constexpr unsigned MostThreads = 4;

qint64 lengthOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isAbsolute())
        return -1;
    // Asking the size first makes one stat() answer both questions; isFile() alone would cost
    // a call of its own. A folder, a device or a pipe is no picture (and reading a pipe would
    // wait for ever).
    const qint64 size = info.size();
    if (info.isFile())
        return size;
    qCDebug(logSlideList) << (info.exists() ? "not a file, left out:" : "missing, left out:")
                          << path;
    return -1;
}

void fill(const QStringList &paths, QVector<qint64> &lengths, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i)
        lengths[i] = lengthOf(paths.at(i));
}

} // namespace

QVector<qint64> FileLengths(const QStringList &paths)
{
    QVector<qint64> lengths(paths.size(), -1);
    const qsizetype byCount = paths.size() / PathsPerThreadAtLeast;
    const qsizetype threads = std::clamp<qsizetype>(
        std::min<qsizetype>(byCount, std::thread::hardware_concurrency()), 1, MostThreads);
    const qsizetype chunk = (paths.size() + threads - 1) / threads;
    std::vector<std::thread> workers;
    for (qsizetype t = 1; t < threads; ++t) {
        const qsizetype from = t * chunk;
        const qsizetype to = std::min(paths.size(), from + chunk);
        workers.emplace_back(fill, std::cref(paths), std::ref(lengths), from, to);
    }
    fill(paths, lengths, 0, std::min(paths.size(), chunk));
    for (std::thread &worker : workers)
        worker.join();
    return lengths;
}
