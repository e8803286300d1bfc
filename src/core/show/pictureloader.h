// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Why a picture could not be read.
enum class PictureError { None, NotFound, NotAPicture };

// A picture's natural size, upright: an EXIF orientation of 90 or 270 degrees swaps width
// and height. An invalid size goes with an error.
struct PictureHeader {
    QSize size;
    PictureError error = PictureError::None;
};

// Reads only the header of the file; the format is found from the content, not the name.
PictureHeader readPictureHeader(const QString &path);

// Decodes the picture at shownSize (an upright size; invalid or empty means the natural size)
// and turns it upright by its EXIF orientation. A null image goes with an error. Decoding at
// the shown size lets the JPEG decoder scale in the DCT; the reader's allocation limit stays
// in force as the guard against decompression bombs.
QImage loadPicture(const QString &path, const QSize &shownSize, PictureError *error = nullptr);
