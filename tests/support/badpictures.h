// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

// Pictures that are damaged, lie about themselves or are unusual, written by the tests into
// a temporary folder (the two that Qt cannot write come from tests/data/pictures).
namespace BadPictures {

// What a reader must make of a file.
enum class Expect {
    Picture,     // decodes at its upright natural size
    NotAPicture, // refused
    Either,      // damaged data: a partial picture or a refusal, never a crash or a hang
    Bomb,        // declares a huge size: refused, or decoded small within the allocation limit
};

struct Entry {
    QString name;
    Expect expect = Expect::Picture;
    QSize size;          // upright natural size the header declares; invalid when none
    int orientation = 0; // EXIF orientation written into the file, 0 for none
};

// Side of the decompression bombs: 65,000 x 65,000 pixels.
inline constexpr int BombSide = 65000;

// Left half red, right half blue, so a turn or a mirror shows where the left half went.
QImage twoColours(int width, int height);
QByteArray jpeg(const QImage &image, int quality = 90);
QByteArray bmp(const QImage &image);

// A JPEG with an APP1 segment (little-endian TIFF) holding one Orientation entry.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation);

QByteArray truncatedJpeg();
QByteArray corruptHuffmanJpeg();
QByteArray jpegBomb();
QByteArray bmpBomb();
QByteArray lyingBmp(int width, int height);
QByteArray grayscaleJpeg();

// Writes every file of the set into folder; dataFolder is tests/data/pictures. Returns the
// entries in a fixed order, or an empty list when a file could not be written.
QVector<Entry> writeAll(const QString &folder, const QString &dataFolder);

// Where the stored left (red) half of a picture ends up after its EXIF orientation.
enum class Side { Left, Right, Top, Bottom };
Side redSideAfter(int orientation);

} // namespace BadPictures
