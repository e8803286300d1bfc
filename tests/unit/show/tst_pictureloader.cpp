// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pictureloader.h"

#include "pictureworker.h"
#include "testpictures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace TestPictures;
using PictureWorker::fillArea;
using PictureWorker::headerOnly;
using PictureWorker::load;

namespace {

bool isReddish(QRgb c)
{
    return isNear(c, Qt::red, 75);
}
bool isBluish(QRgb c)
{
    return isNear(c, Qt::blue, 75);
}

} // namespace

class TstPictureLoader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void headerSizes_data();
    void headerSizes();
    void failures_data();
    void failures();
    void decodesAtShownSize_data();
    void decodesAtShownSize();
    void exifQuarterTurnComesOutUpright();
    void refusedOnTheApplicationThread();

private:
    QString writeJpeg(const QString &name, const QImage &image, int orientation = 0);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstPictureLoader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

QString TstPictureLoader::writeJpeg(const QString &name, const QImage &image, int orientation)
{
    const QString path = m_dir->filePath(name);
    return writeFile(path, jpeg(image, orientation)) ? path : QString();
}

void TstPictureLoader::headerSizes_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("jpeg natural size") << "JPEG"
                                       << "a.jpg" << 0 << QSize(64, 32);
    QTest::newRow("bitmap natural size") << "BMP"
                                         << "a.bmp" << 0 << QSize(64, 32);
    QTest::newRow("content decides, not the name") << "JPEG"
                                                   << "really.bmp" << 0 << QSize(64, 32);
    QTest::newRow("orientation 6 swaps width and height") << "JPEG"
                                                          << "r.jpg" << 6 << QSize(32, 64);
    QTest::newRow("orientation 8 swaps width and height") << "JPEG"
                                                          << "l.jpg" << 8 << QSize(32, 64);
    QTest::newRow("orientation 3 keeps the size") << "JPEG"
                                                  << "u.jpg" << 3 << QSize(64, 32);
}

// The header gives the upright natural size whatever the file is called.
void TstPictureLoader::headerSizes()
{
    QFETCH(QString, format);
    QFETCH(QString, name);
    QFETCH(int, orientation);
    QFETCH(QSize, expected);

    const QImage image = twoColours(64, 32);
    QString path;
    if (format == QLatin1String("JPEG")) {
        path = writeJpeg(name, image, orientation);
    } else {
        path = m_dir->filePath(name);
        QVERIFY(image.save(path, "BMP"));
    }
    const LoadedPicture header = load(path, QSize(), headerOnly);
    QCOMPARE(header.error, PictureError::None);
    QCOMPARE(header.natural, expected);
    QVERIFY(header.image.isNull());
}

void TstPictureLoader::failures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<PictureError>("expected");

    const QByteArray jpeg = encoded(twoColours(64, 32), "JPEG");
    QTest::newRow("missing file") << "gone.jpg" << QByteArray() << PictureError::NotFound;
    QTest::newRow("empty path") << "" << QByteArray() << PictureError::NotFound;
    QTest::newRow("empty file") << "empty.jpg" << QByteArray("") << PictureError::NotAPicture;
    QTest::newRow("text file") << "notes.jpg" << QByteArray("hello, not a picture")
                               << PictureError::NotAPicture;
    QTest::newRow("truncated jpeg header")
        << "cut.jpg" << jpeg.left(20) << PictureError::NotAPicture;
}

// A missing file is NotFound; anything else that does not decode is NotAPicture.
void TstPictureLoader::failures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(PictureError, expected);

    QString path;
    if (!name.isEmpty()) {
        path = m_dir->filePath(name);
        if (!content.isNull())
            QVERIFY(writeFile(path, content));
    }
    QCOMPARE(load(path, QSize(), headerOnly).error, expected);
    const LoadedPicture picture = load(path, QSize(10, 10), fillArea);
    QVERIFY(picture.image.isNull());
    QCOMPARE(picture.error, expected);
}

void TstPictureLoader::decodesAtShownSize_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("jpeg reduced") << "JPEG" << true << QSize(100, 50) << QSize(100, 50);
    QTest::newRow("jpeg enlarged") << "JPEG" << true << QSize(1000, 500) << QSize(1000, 500);
    QTest::newRow("bitmap reduced") << "BMP" << true << QSize(33, 17) << QSize(33, 17);
    QTest::newRow("invalid size means natural") << "JPEG" << false << QSize() << QSize(400, 200);
    QTest::newRow("empty size means natural") << "BMP" << false << QSize(0, 0) << QSize(400, 200);
}

// The decoded image has exactly the size it is shown at; without a place, its natural size.
void TstPictureLoader::decodesAtShownSize()
{
    QFETCH(QString, format);
    QFETCH(bool, placed);
    QFETCH(QSize, shown);
    QFETCH(QSize, expected);

    const QString path = m_dir->filePath(QStringLiteral("p.pic"));
    QVERIFY(writeFile(path, encoded(twoColours(400, 200), format.toLatin1().constData())));
    const LoadedPicture picture = load(path, shown, placed ? fillArea : nullptr);
    QCOMPARE(picture.error, PictureError::None);
    QCOMPARE(picture.image.size(), expected);
    QCOMPARE(picture.natural, QSize(400, 200));
    QVERIFY(isReddish(picture.image.pixel(2, expected.height() / 2)));
    QVERIFY(isBluish(picture.image.pixel(expected.width() - 3, expected.height() / 2)));
}

// Orientation 6 (a quarter turn clockwise) puts the stored left half on top, at the shown size.
void TstPictureLoader::exifQuarterTurnComesOutUpright()
{
    const QString path = writeJpeg(QStringLiteral("turned.jpg"), twoColours(80, 40), 6);
    const LoadedPicture natural = load(path);
    QCOMPARE(natural.error, PictureError::None);
    QCOMPARE(natural.image.size(), QSize(40, 80));
    QVERIFY(isReddish(natural.image.pixel(20, 5)));
    QVERIFY(isBluish(natural.image.pixel(20, 74)));

    const QImage shown = load(path, QSize(20, 40), fillArea).image;
    QCOMPARE(shown.size(), QSize(20, 40));
    QVERIFY(isReddish(shown.pixel(10, 3)));
    QVERIFY(isBluish(shown.pixel(10, 36)));
}

// A decode on the application's thread stops the program: only workers decode. The check runs
// in a child process, where it may end the program.
void TstPictureLoader::refusedOnTheApplicationThread()
{
    if (qEnvironmentVariableIsSet("DECODE_ON_APPLICATION_THREAD")) {
        loadPicture(writeJpeg(QStringLiteral("a.jpg"), twoColours(8, 8)));
        return;
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DECODE_ON_APPLICATION_THREAD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("refusedOnTheApplicationThread")});
    QVERIFY(child.waitForFinished(30000));
    QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
    QVERIFY(child.readAll().contains("application's thread"));
}

QTEST_GUILESS_MAIN(TstPictureLoader)
#include "tst_pictureloader.moc"
