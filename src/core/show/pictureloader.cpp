// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pictureloader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QThread>

#include <atomic>

namespace {

#ifdef NDEBUG
std::atomic<bool> decodeThreadCheck{false};
#else
std::atomic<bool> decodeThreadCheck{true};
#endif

// A decode on the application's thread freezes every window for its whole length.
void requireWorkerThread()
{
    if (!decodeThreadCheck.load(std::memory_order_relaxed))
        return;
    const QCoreApplication *application = QCoreApplication::instance();
    if (application && QThread::currentThread() == application->thread())
        qFatal("a picture was decoded on the application's thread");
}

bool turnsSideways(const QImageReader &reader)
{
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
}

// The size the file stores, before any orientation is applied; asks the header first and
// decodes only for formats that cannot tell their size without it.
QSize storedSize(QImageReader &reader)
{
    QSize size = reader.size();
    if (size.isValid())
        return size;
    QImageReader decoder(reader.fileName());
    decoder.setAutoTransform(false);
    return decoder.read().size();
}

PictureError missingOrNot(const QString &path)
{
    return path.isEmpty() || !QFileInfo::exists(path) ? PictureError::NotFound : PictureError::None;
}

} // namespace

void setDecodeThreadCheck(bool on)
{
    decodeThreadCheck.store(on, std::memory_order_relaxed);
}

LoadedPicture loadPicture(const QString &path, const QSize &area, PicturePlacement place)
{
    requireWorkerThread();
    LoadedPicture picture;
    picture.path = path;
    picture.error = missingOrNot(path);
    if (picture.error != PictureError::None)
        return picture;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.canRead() ? storedSize(reader) : QSize();
    if (stored.isEmpty()) {
        picture.error = PictureError::NotAPicture;
        return picture;
    }
    const bool sideways = turnsSideways(reader);
    picture.natural = sideways ? stored.transposed() : stored;
    picture.rect = place ? place(picture.natural, area) : QRect(QPoint(), picture.natural);
    if (picture.rect.isEmpty())
        return picture;
    // The reader scales the stored image; the orientation is applied after scaling.
    if (place)
        reader.setScaledSize(sideways ? picture.rect.size().transposed() : picture.rect.size());
    picture.image = reader.read();
    if (picture.image.isNull() || picture.image.size().isEmpty()) {
        picture.image = QImage();
        picture.error = PictureError::NotAPicture;
    }
    return picture;
}
