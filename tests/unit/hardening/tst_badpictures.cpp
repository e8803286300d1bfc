// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pictureloader.h"

#include "badpictures.h"
#include "pictureworker.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using namespace BadPictures;
using PictureWorker::fillArea;
using PictureWorker::headerOnly;
using PictureWorker::load;

Q_DECLARE_METATYPE(BadPictures::Expect)

namespace {

// Highest resident size of the process so far, in megabytes.
long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

bool isNear(QRgb pixel, QRgb colour)
{
    return qAbs(qRed(pixel) - qRed(colour)) < 80 && qAbs(qGreen(pixel) - qGreen(colour)) < 80 &&
           qAbs(qBlue(pixel) - qBlue(colour)) < 80;
}

// The colour in the middle of one side of an image.
QRgb sidePixel(const QImage &image, Side side)
{
    const int w = image.width();
    const int h = image.height();
    switch (side) {
    case Side::Left:
        return image.pixel(2, h / 2);
    case Side::Right:
        return image.pixel(w - 3, h / 2);
    case Side::Top:
        return image.pixel(w / 2, 2);
    case Side::Bottom:
        return image.pixel(w / 2, h - 3);
    }
    return 0;
}

Side opposite(Side side)
{
    switch (side) {
    case Side::Left:
        return Side::Right;
    case Side::Right:
        return Side::Left;
    case Side::Top:
        return Side::Bottom;
    case Side::Bottom:
        return Side::Top;
    }
    return side;
}

} // namespace

// The shared picture loader over the bad-picture set.
class TstBadPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void headers_data() { corpusRows(); }
    void headers();
    void naturalDecode_data() { corpusRows(); }
    void naturalDecode();
    void shownDecode_data() { corpusRows(); }
    void shownDecode();
    void bombsAllocateNothing_data();
    void bombsAllocateNothing();
    void orientationsComeOutUpright_data();
    void orientationsComeOutUpright();
    void unusualColourModelsKeepTheirColours_data();
    void unusualColourModelsKeepTheirColours();

private:
    void corpusRows();
    QString pathOf(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QVector<Entry> m_entries;
};

void TstBadPictures::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_entries = writeAll(m_dir.path(), QStringLiteral(VELLORA_TEST_DATA "/pictures"));
    QVERIFY(!m_entries.isEmpty());
}

void TstBadPictures::corpusRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Expect>("expect");
    QTest::addColumn<QSize>("size");
    for (const Entry &entry : std::as_const(m_entries))
        QTest::newRow(qPrintable(entry.name)) << entry.name << entry.expect << entry.size;
}

// The header alone gives the upright declared size, or refuses what is no picture; a bomb's
// header is read without decoding it.
void TstBadPictures::headers()
{
    QFETCH(QString, name);
    QFETCH(Expect, expect);
    QFETCH(QSize, size);
    const LoadedPicture header = load(pathOf(name), QSize(), headerOnly);
    QVERIFY(header.image.isNull());
    switch (expect) {
    case Expect::Picture:
        QCOMPARE(header.error, PictureError::None);
        QCOMPARE(header.natural, size);
        break;
    case Expect::Bomb:
        if (header.error == PictureError::None)
            QCOMPARE(header.natural, size);
        else
            QCOMPARE(header.error, PictureError::NotAPicture);
        break;
    case Expect::NotAPicture:
        QCOMPARE(header.error, PictureError::NotAPicture);
        QVERIFY(!header.natural.isValid());
        break;
    case Expect::Either:
        QVERIFY(header.error != PictureError::NotFound);
        QCOMPARE(header.error == PictureError::None, header.natural.isValid());
        break;
    }
}

// A full decode gives the natural size, refuses what is no picture and refuses a bomb.
void TstBadPictures::naturalDecode()
{
    QFETCH(QString, name);
    QFETCH(Expect, expect);
    QFETCH(QSize, size);
    const LoadedPicture picture = load(pathOf(name));
    const PictureError error = picture.error;
    const QImage &image = picture.image;
    QVERIFY(error != PictureError::NotFound);
    QCOMPARE(image.isNull(), error == PictureError::NotAPicture);
    if (expect == Expect::Picture)
        QCOMPARE(image.size(), size);
    else if (expect == Expect::NotAPicture || expect == Expect::Bomb)
        QCOMPARE(error, PictureError::NotAPicture);
}

// A decode at a shown size gives exactly that size, whatever the file declares.
void TstBadPictures::shownDecode()
{
    QFETCH(QString, name);
    QFETCH(Expect, expect);
    const QSize shown(120, 90);
    const LoadedPicture picture = load(pathOf(name), shown, fillArea);
    const PictureError error = picture.error;
    const QImage &image = picture.image;
    QCOMPARE(image.isNull(), error == PictureError::NotAPicture);
    if (expect == Expect::Picture)
        QCOMPARE(image.size(), shown);
    else if (expect == Expect::NotAPicture)
        QCOMPARE(error, PictureError::NotAPicture);
    else if (!image.isNull())
        QCOMPARE(image.size(), shown);
}

void TstBadPictures::bombsAllocateNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("shown");
    for (const char *name : {"bomb.jpg", "bomb.bmp", "bomb-20000.bmp"}) {
        QTest::addRow("%s at natural size", name) << QString::fromLatin1(name) << QSize();
        QTest::addRow("%s at a shown size", name) << QString::fromLatin1(name) << QSize(800, 800);
    }
}

// A file declaring 65,000 x 65,000 pixels costs no memory worth counting, and the reader's
// allocation limit stays in force afterwards.
void TstBadPictures::bombsAllocateNothing()
{
    QFETCH(QString, name);
    QFETCH(QSize, shown);
    const int limit = QImageReader::allocationLimit();
    QVERIFY(limit > 0);
    const long before = peakMegabytes();
    const QImage image = load(pathOf(name), shown, shown.isValid() ? fillArea : nullptr).image;
    if (!image.isNull()) {
        QCOMPARE(image.size(), shown);
        QVERIFY(image.sizeInBytes() <= qsizetype(limit) * 1024 * 1024);
    }
    QVERIFY2(peakMegabytes() - before < limit, "the bomb was decoded past the limit");
    QCOMPARE(QImageReader::allocationLimit(), limit);
}

void TstBadPictures::orientationsComeOutUpright_data()
{
    QTest::addColumn<int>("orientation");
    for (int orientation = 1; orientation <= 8; ++orientation)
        QTest::addRow("orientation %d", orientation) << orientation;
}

// Each EXIF orientation turns or mirrors the picture upright, at natural and at shown size.
void TstBadPictures::orientationsComeOutUpright()
{
    QFETCH(int, orientation);
    const QString path = pathOf(QStringLiteral("exif-%1.jpg").arg(orientation));
    const Side red = redSideAfter(orientation);
    const QSize natural = orientation >= 5 ? QSize(32, 64) : QSize(64, 32);
    QCOMPARE(load(path, QSize(), headerOnly).natural, natural);
    for (const QSize &shown : {QSize(), natural * 2}) {
        const QImage image = load(path, shown, shown.isValid() ? fillArea : nullptr).image;
        QCOMPARE(image.size(), shown.isValid() ? shown : natural);
        QVERIFY(isNear(sidePixel(image, red), qRgb(255, 0, 0)));
        QVERIFY(isNear(sidePixel(image, opposite(red)), qRgb(0, 0, 255)));
    }
}

void TstBadPictures::unusualColourModelsKeepTheirColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRgb>("left");
    QTest::addColumn<QRgb>("right");
    QTest::newRow("CMYK with the Adobe marker") << "cmyk.jpg" << qRgb(255, 0, 0) << qRgb(0, 0, 255);
    QTest::newRow("progressive") << "progressive.jpg" << qRgb(255, 0, 0) << qRgb(0, 0, 255);
    QTest::newRow("grayscale ramp") << "grayscale.jpg" << qRgb(6, 6, 6) << qRgb(230, 230, 230);
}

// CMYK, progressive and grayscale JPEGs decode with their own colours, not inverted.
void TstBadPictures::unusualColourModelsKeepTheirColours()
{
    QFETCH(QString, name);
    QFETCH(QRgb, left);
    QFETCH(QRgb, right);
    const QImage image = load(pathOf(name)).image;
    QVERIFY(!image.isNull());
    QVERIFY(isNear(sidePixel(image, Side::Left), left));
    QVERIFY(isNear(sidePixel(image, Side::Right), right));
}

QTEST_GUILESS_MAIN(TstBadPictures)
#include "tst_badpictures.moc"
