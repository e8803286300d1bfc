// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Why a picture could not be read.
enum class PictureError { None, NotFound, NotAPicture };

// Where a picture of the upright natural size goes in an area, such as fitPicture. An empty
// rectangle means nothing is drawn, so nothing is decoded.
using PicturePlacement = QRect (*)(const QSize &natural, const QSize &area);

// A picture decoded for display. A null image goes with an error or with an empty place.
struct LoadedPicture {
    QString path;
    QImage image;  // at the size of rect, upright
    QRect rect;    // where the picture goes in the area
    QSize natural; // the upright natural size; invalid when the file declares none
    PictureError error = PictureError::None;
};

// The one way the program decodes a picture file. Reads the header (the format is found from
// the content, not the name), places the upright natural size in the area, and decodes at the
// placed size: the JPEG decoder scales in the DCT to the smallest n/8 that is at least that
// size and smooths down once from there, and the EXIF orientation is applied to the small
// image. Without a placement the picture is decoded at its natural size. The reader's
// allocation limit stays in force as the guard against decompression bombs.
// Decoding takes long: it belongs on a worker thread, never on the application's thread.
LoadedPicture loadPicture(const QString &path, const QSize &area = QSize(),
                          PicturePlacement place = nullptr);

// With the check on, loadPicture stops the program when it is called on the application's
// thread. On in debug builds; the test programs switch it on in every build.
void setDecodeThreadCheck(bool on);
