// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pictureloader.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>

namespace {

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
    const QString fileName = reader.fileName();
    QImageReader decoder(fileName);
    decoder.setAutoTransform(false);
    return decoder.read().size();
}

PictureError missingOrNot(const QString &path)
{
    const QFileInfo info(path);
    return path.isEmpty() || !info.exists() ? PictureError::NotFound : PictureError::None;
}

} // namespace

PictureHeader readPictureHeader(const QString &path)
{
    PictureHeader header;
    header.error = missingOrNot(path);
    if (header.error != PictureError::None)
        return header;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.canRead() ? storedSize(reader) : QSize();
    if (size.isEmpty()) {
        header.error = PictureError::NotAPicture;
        return header;
    }
    header.size = turnsSideways(reader) ? size.transposed() : size;
    return header;
}

QImage loadPicture(const QString &path, const QSize &shownSize, PictureError *error)
{
    PictureError result = missingOrNot(path);
    QImage image;
    if (result == PictureError::None) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        reader.setAutoTransform(true);
        if (shownSize.isValid() && !shownSize.isEmpty() && reader.canRead()) {
            // The reader scales the stored image; rotation is applied after scaling.
            reader.size();
            reader.setScaledSize(turnsSideways(reader) ? shownSize.transposed() : shownSize);
        }
        image = reader.read();
        if (image.isNull() || image.size().isEmpty()) {
            image = QImage();
            result = PictureError::NotAPicture;
        }
    }
    if (error)
        *error = result;
    return image;
}
