// SPDX-License-Identifier: GPL-3.0-or-later
#include "badpictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>

namespace BadPictures {

namespace {

template<typename Int> void appendLittle(QByteArray &out, Int value)
{
    char bytes[sizeof(Int)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(Int));
}

template<typename Int> void appendBig(QByteArray &out, Int value)
{
    char bytes[sizeof(Int)];
    qToBigEndian(value, bytes);
    out.append(bytes, sizeof(Int));
}

// Offset of the first marker FF <code> after the start marker, -1 when there is none.
qsizetype findMarker(const QByteArray &jpeg, uchar code)
{
    return jpeg.indexOf(QByteArray("\xff", 1) + char(code), 2);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

// A file header and an information header for a bottom-up 24-bit bitmap of the given size
// whose pixel data (claimed to hold dataBytes) follows at once.
QByteArray bmpHeaders(qint32 width, qint32 height, quint32 dataBytes)
{
    QByteArray out("BM");
    appendLittle<quint32>(out, 14 + 40 + dataBytes);
    appendLittle<quint32>(out, 0);
    appendLittle<quint32>(out, 14 + 40);
    appendLittle<quint32>(out, 40);
    appendLittle<qint32>(out, width);
    appendLittle<qint32>(out, height);
    appendLittle<quint16>(out, 1);  // planes
    appendLittle<quint16>(out, 24); // bits per pixel
    appendLittle<quint32>(out, 0);  // no compression
    appendLittle<quint32>(out, dataBytes);
    appendLittle<qint32>(out, 2835); // 72 dpi
    appendLittle<qint32>(out, 2835);
    appendLittle<quint32>(out, 0);
    appendLittle<quint32>(out, 0);
    return out;
}

} // namespace

QImage twoColours(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

QByteArray jpeg(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

QByteArray bmp(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray tiff("II\x2a\x00", 4);
    appendLittle<quint32>(tiff, 8); // first IFD right after the header
    appendLittle<quint16>(tiff, 1); // one entry
    appendLittle<quint16>(tiff, 0x0112);
    appendLittle<quint16>(tiff, 3); // SHORT
    appendLittle<quint32>(tiff, 1);
    appendLittle<quint16>(tiff, quint16(orientation));
    appendLittle<quint16>(tiff, 0);
    appendLittle<quint32>(tiff, 0); // no next IFD
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    appendBig<quint16>(segment, quint16(payload.size() + 2));
    QByteArray out = jpeg;
    out.insert(2, segment + payload);
    return out;
}

// Cut halfway through the compressed scan data, after all the headers.
QByteArray truncatedJpeg()
{
    const QByteArray bytes = jpeg(twoColours(64, 32));
    const qsizetype scan = findMarker(bytes, 0xda);
    return scan < 0 ? QByteArray() : bytes.left((scan + bytes.size()) / 2);
}

// Code counts of the first Huffman table that promise far more codes than 16 bits can hold.
QByteArray corruptHuffmanJpeg()
{
    QByteArray bytes = jpeg(twoColours(64, 32));
    const qsizetype table = findMarker(bytes, 0xc4);
    if (table < 0)
        return {};
    // Marker, length, class and id, then 16 code counts.
    for (qsizetype i = table + 5; i < table + 5 + 16; ++i)
        bytes[i] = char(0xff);
    return bytes;
}

// A real 16 x 16 JPEG whose frame header claims 65,000 x 65,000 pixels.
QByteArray jpegBomb()
{
    QImage image(16, 16, QImage::Format_Grayscale8);
    image.fill(128);
    QByteArray bytes = jpeg(image);
    const qsizetype frame = findMarker(bytes, 0xc0);
    if (frame < 0)
        return {};
    // Marker, length, precision, then height and width, big-endian.
    QByteArray side;
    appendBig<quint16>(side, quint16(BombSide));
    bytes.replace(frame + 5, 2, side);
    bytes.replace(frame + 7, 2, side);
    return bytes;
}

QByteArray bmpBomb()
{
    return lyingBmp(BombSide, BombSide);
}

// Headers for width x height pixels followed by a few bytes of pixel data.
QByteArray lyingBmp(int width, int height)
{
    const quint64 rowBytes = (quint64(width) * 3 + 3) / 4 * 4;
    const quint64 claimed = std::min<quint64>(rowBytes * quint64(height), 0xffffffffu);
    return bmpHeaders(width, height, quint32(claimed)) + QByteArray(64, '\x7f');
}

QByteArray grayscaleJpeg()
{
    QImage image(40, 30, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, x * 6, x * 6));
    return jpeg(image);
}

Side redSideAfter(int orientation)
{
    switch (orientation) {
    case 2: // mirrored left to right
    case 3: // half turn
        return Side::Right;
    case 5: // mirrored along the main diagonal
    case 6: // quarter turn clockwise
        return Side::Top;
    case 7: // mirrored along the other diagonal
    case 8: // quarter turn anticlockwise
        return Side::Bottom;
    default:
        return Side::Left;
    }
}

namespace {

Entry entry(const char *name, Expect expect, QSize size = {}, int orientation = 0)
{
    return Entry{QString::fromLatin1(name), expect, size, orientation};
}

// The files the tests write themselves, with their contents.
QVector<std::pair<Entry, QByteArray>> generatedFiles()
{
    const QSize wide(64, 32);
    const QByteArray good = jpeg(twoColours(wide.width(), wide.height()));
    QVector<std::pair<Entry, QByteArray>> files{
        {entry("good.jpg", Expect::Picture, wide), good},
        {entry("good.bmp", Expect::Picture, wide), bmp(twoColours(64, 32))},
        {entry("jpeg-named.bmp", Expect::Picture, wide), good},
        {entry("empty.jpg", Expect::NotAPicture), QByteArray("")},
        {entry("text.jpg", Expect::NotAPicture), QByteArray("not a picture\r\n")},
        {entry("truncated-header.jpg", Expect::NotAPicture), good.left(20)},
        {entry("truncated.jpg", Expect::Either), truncatedJpeg()},
        {entry("corrupt-huffman.jpg", Expect::Either), corruptHuffmanJpeg()},
        {entry("lying.bmp", Expect::Either), lyingBmp(3000, 2000)},
        {entry("zero-width.bmp", Expect::NotAPicture), lyingBmp(0, 10)},
        {entry("bomb.jpg", Expect::Bomb, QSize(BombSide, BombSide)), jpegBomb()},
        {entry("bomb.bmp", Expect::Bomb, QSize(BombSide, BombSide)), bmpBomb()},
        {entry("bomb-20000.bmp", Expect::Bomb, QSize(20000, 20000)), lyingBmp(20000, 20000)},
        {entry("grayscale.jpg", Expect::Picture, QSize(40, 30)), grayscaleJpeg()},
        {entry("exif-bad-orientation.jpg", Expect::Picture, wide), withExifOrientation(good, 9)},
    };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QSize upright = orientation >= 5 ? wide.transposed() : wide;
        const QByteArray name = "exif-" + QByteArray::number(orientation) + ".jpg";
        files.append({entry(name.constData(), Expect::Picture, upright, orientation),
                      withExifOrientation(good, orientation)});
    }
    return files;
}

} // namespace

QVector<Entry> writeAll(const QString &folder, const QString &dataFolder)
{
    QVector<Entry> entries;
    for (const auto &[file, bytes] : generatedFiles()) {
        if (bytes.isNull() || !writeFile(QDir(folder).filePath(file.name), bytes))
            return {};
        entries.append(file);
    }
    // Qt writes neither CMYK nor progressive JPEG; these two were made once with ImageMagick.
    for (const Entry &file : {entry("cmyk.jpg", Expect::Picture, QSize(48, 32)),
                              entry("progressive.jpg", Expect::Picture, QSize(96, 64))}) {
        if (!copyFile(QDir(dataFolder).filePath(file.name), QDir(folder).filePath(file.name)))
            return {};
        entries.append(file);
    }
    return entries;
}

} // namespace BadPictures
