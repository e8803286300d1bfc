// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "core/show/mosaictransition.h"
#include "core/show/picturefit.h"
#include "core/show/pictureloader.h"
#include "ui/show/picturesurface.h"
#include "ui/show/slideshowwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <future>

#include <unistd.h>

namespace {

const QSize photoSize(6000, 4000);
const QSize screenArea(1920, 1080);

// A photo-like picture: smooth colour fields with fine noise, so the encoder has real detail
// to store and the decoder real work to do.
QImage photo(int seed)
{
    QImage image(photoSize, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(24));
            line[x] = qRgb((x / 24 + noise + seed * 40) & 0xff, (y / 16 + noise) & 0xff,
                           ((x + y) / 40 + noise) & 0xff);
        }
    }
    return image;
}

// Photos written once for all cases.
struct Photos {
    QTemporaryDir dir;
    QStringList paths;
    Photos()
    {
        for (int i = 0; i < 3; ++i) {
            const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            photo(i).save(path, "JPEG", 90);
            paths << path;
        }
    }
};

const Photos &photos()
{
    static const Photos shared;
    return shared;
}

// A window whose picture area is exactly the size of a full-HD screen.
SlideShowWindow *openShow(Settings &settings, const QStringList &paths)
{
    settings.useFade = 0;
    auto *window = new SlideShowWindow(settings, paths, 30);
    window->show();
    auto *surface = window->findChild<PictureSurface *>(QStringLiteral("pictureSurface"));
    window->resize(window->size() + (screenArea - surface->size()));
    QCoreApplication::processEvents();
    return window;
}

// Decoding as the program does it: on a worker thread (a thread of its own, since waiting on a
// pool's future may run its task on the waiting thread).
LoadedPicture loadOnWorker(const QString &path, const QSize &area, PicturePlacement place)
{
    return std::async(std::launch::async, loadPicture, path, area, place).get();
}

void tick(SlideShowWindow *window)
{
    QMetaObject::invokeMethod(window->findChild<QTimer *>(QStringLiteral("slideTimer")), "timeout");
}

// From the interval tick to the picture drawn on screen, with the next picture prefetched.
void BM_ShowTickToDrawnPrefetched(benchmark::State &state)
{
    Settings settings;
    QPointer<SlideShowWindow> window = openShow(settings, photos().paths);
    auto *surface = window->findChild<PictureSurface *>(QStringLiteral("pictureSurface"));
    for (auto _ : state) {
        state.PauseTiming();
        QThreadPool::globalInstance()->waitForDone();
        state.ResumeTiming();
        tick(window);
        surface->repaint();
    }
    state.counters["area_w"] = surface->width();
    state.counters["area_h"] = surface->height();
    delete window.data();
}
BENCHMARK(BM_ShowTickToDrawnPrefetched)->Unit(benchmark::kMillisecond)->Iterations(12);

// Loading without a prefetch: header, fit and decode at the shown size.
void BM_ShowColdLoadAtShownSize(benchmark::State &state)
{
    const QString path = photos().paths.first();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadOnWorker(path, screenArea, fitPicture).image.constBits());
}
BENCHMARK(BM_ShowColdLoadAtShownSize)->Unit(benchmark::kMillisecond)->Iterations(8);

// The naive way for comparison: decode at the natural size, then scale smoothly.
void BM_ShowColdLoadFullThenScale(benchmark::State &state)
{
    const QString path = photos().paths.first();
    for (auto _ : state) {
        const QImage full = loadOnWorker(path, QSize(), nullptr).image;
        const QRect place = fitPicture(full.size(), screenArea);
        benchmark::DoNotOptimize(
            full.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).constBits());
    }
}
BENCHMARK(BM_ShowColdLoadFullThenScale)->Unit(benchmark::kMillisecond)->Iterations(4);

// libjpeg-turbo's own decoder with DCT scaling (process start included), the floor to compare
// with; argument: eighths of the natural size (4 = 1/2, 3 = 3/8, what 1620 x 1080 needs).
void BM_ShowColdLoadDjpeg(benchmark::State &state)
{
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        state.SkipWithError("djpeg not found (Debian package libjpeg-turbo-progs)");
        return;
    }
    const QString scale = QStringLiteral("%1/8").arg(state.range(0));
    for (auto _ : state) {
        QProcess process;
        process.start(djpeg, {QStringLiteral("-scale"), scale, QStringLiteral("-outfile"),
                              QStringLiteral("/dev/null"), photos().paths.first()});
        process.waitForFinished();
    }
}
BENCHMARK(BM_ShowColdLoadDjpeg)->Arg(4)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(8);

// One frame of the mosaic transition over a full-HD area; argument: the percentage.
void BM_ShowTransitionFrame(benchmark::State &state)
{
    QImage picture = loadOnWorker(photos().paths.first(), screenArea, fitPicture).image;
    QImage area(screenArea, QImage::Format_RGB32);
    area.fill(Qt::black);
    QPainter(&area).drawImage(fitPicture(picture.size(), screenArea), picture);
    QImage work = area;
    QImage visible = area;
    work.detach();
    visible.detach();
    for (auto _ : state)
        drawMosaicFrame(area, work, visible, int(state.range(0)));
}
BENCHMARK(BM_ShowTransitionFrame)->Arg(100)->Arg(89)->Arg(10)->Unit(benchmark::kMillisecond);

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

// Resident memory over many slide changes, with the interval shortened to 1 ms through the
// interval timer so the event loop drives the show as it would in use.
void BM_ShowMemoryOverSlideChanges(benchmark::State &state)
{
    const int changes = int(state.range(0));
    Settings settings;
    QPointer<SlideShowWindow> window = openShow(settings, photos().paths);
    auto *slideTimer = window->findChild<QTimer *>(QStringLiteral("slideTimer"));
    slideTimer->setInterval(1);
    slideTimer->start();
    for (int i = 0; i < 6; ++i) // warm up: every picture decoded once
        QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    const long before = residentKiB();
    long peak = before;
    for (auto _ : state) {
        int seen = 0;
        int position = window->controller().playState().position();
        while (seen < changes) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (window->controller().playState().position() != position) {
                position = window->controller().playState().position();
                ++seen;
                peak = qMax(peak, residentKiB());
            }
        }
    }
    state.counters["rss_before_MiB"] = double(before) / 1024;
    state.counters["rss_after_MiB"] = double(residentKiB()) / 1024;
    state.counters["rss_peak_MiB"] = double(peak) / 1024;
    delete window.data();
}
BENCHMARK(BM_ShowMemoryOverSlideChanges)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
