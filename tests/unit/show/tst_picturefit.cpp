// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/picturefit.h"

#include "pictureworker.h"

#include <QTemporaryDir>
#include <QTest>

class TstPictureFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fit_data();
    void fit();
    void loadsAtTheFittedSize();
    void unreadablePictureHasNoImage();
};

void TstPictureFit::fit_data()
{
    QTest::addColumn<QSize>("natural");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRect>("expected");

    const QSize area(300, 200);
    QTest::newRow("small tall picture enlarged to the height, x 83.5 to 84")
        << QSize(100, 150) << area << QRect(84, 0, 133, 200);
    QTest::newRow("wide picture reduced to the width, y 62.5 to 62")
        << QSize(400, 100) << area << QRect(0, 62, 300, 75);
    QTest::newRow("exact size unscaled") << area << area << QRect(0, 0, 300, 200);
    QTest::newRow("small wide picture enlarged to the width")
        << QSize(30, 10) << area << QRect(0, 50, 300, 100);
    QTest::newRow("huge photo reduced to the height")
        << QSize(6000, 4000) << QSize(1920, 1080) << QRect(150, 0, 1620, 1080);
    QTest::newRow("same width, taller: reduced to the height")
        << QSize(300, 400) << area << QRect(75, 0, 150, 200);
    QTest::newRow("same height, narrower: kept")
        << QSize(100, 200) << area << QRect(100, 0, 100, 200);
    QTest::newRow("one pixel picture fills the smaller side")
        << QSize(1, 1) << area << QRect(50, 0, 200, 200);
    QTest::newRow("empty area gives an empty place")
        << QSize(100, 100) << QSize(0, 0) << QRect(0, 0, 0, 0);
    QTest::newRow("empty picture gives nothing") << QSize(0, 50) << area << QRect();
}

// The largest size with the picture's proportions that fits, centred, halves to even.
void TstPictureFit::fit()
{
    QFETCH(QSize, natural);
    QFETCH(QSize, area);
    QFETCH(QRect, expected);
    QCOMPARE(fitPicture(natural, area), expected);
}

// The picture is decoded at the size it is shown at, not at its natural size.
void TstPictureFit::loadsAtTheFittedSize()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.jpg"));
    QImage image(800, 200, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(path, "JPEG"));
    const LoadedPicture fitted = PictureWorker::load(path, QSize(300, 200), fitPicture);
    QCOMPARE(fitted.error, PictureError::None);
    QCOMPARE(fitted.rect, QRect(0, 62, 300, 75));
    QCOMPARE(fitted.image.size(), QSize(300, 75));
}

// A missing file yields no image and says why.
void TstPictureFit::unreadablePictureHasNoImage()
{
    const LoadedPicture fitted =
        PictureWorker::load(QStringLiteral("/nonexistent/x.jpg"), {300, 200}, fitPicture);
    QCOMPARE(fitted.error, PictureError::NotFound);
    QVERIFY(fitted.image.isNull());
}

QTEST_GUILESS_MAIN(TstPictureFit)
#include "tst_picturefit.moc"
