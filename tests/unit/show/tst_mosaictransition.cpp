// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/mosaictransition.h"

#include <QTest>

namespace {

struct Run {
    QList<int> percents;
    int switchAt = -1; // index of the frame that switches pictures
};

Run runUntilFinished(MosaicTransition &mosaic)
{
    Run run;
    for (int frame = 0; frame < 200; ++frame) {
        const TransitionStep step = mosaic.nextFrame();
        run.percents << mosaic.percent();
        if (step.switchPicture)
            run.switchAt = frame;
        if (step.finished)
            break;
    }
    return run;
}

QImage filled(const QSize &size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TstMosaicTransition : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstPictureIsOneFullFrame();
    void changeRunsTheWholeSequence();
    void everyChangeRepeatsTheSequence();
    void frameSize_data();
    void frameSize();
    void fullFrameIsAnExactCopy();
    void zeroFrameKeepsTheVisibleSurface();
    void reducedFrameMakesBlocks();
};

// The first picture appears at full size at once: one frame, no dissolve.
void TstMosaicTransition::firstPictureIsOneFullFrame()
{
    MosaicTransition mosaic;
    mosaic.prepareFirstPicture();
    const Run run = runUntilFinished(mosaic);
    QCOMPARE(run.percents, QList<int>{100});
    QCOMPARE(run.switchAt, -1);
    QVERIFY(!mosaic.isForming());
    QCOMPARE(mosaic.percent(), 100);
}

// 24 dissolving frames ending with the switch at 0, then 26 forming frames up to full size.
void TstMosaicTransition::changeRunsTheWholeSequence()
{
    MosaicTransition mosaic;
    const Run run = runUntilFinished(mosaic);
    const QList<int> dissolve{89, 79, 70, 62, 55, 48, 42, 37, 32, 28, 24, 21,
                              18, 15, 12, 10, 8,  6,  4,  3,  2,  1,  0,  0};
    const QList<int> forming{1,  2,  3,  4,  5,  6,  8,  10, 12, 14, 16, 19, 22,
                             25, 29, 33, 37, 42, 47, 53, 59, 66, 74, 82, 91, 100};
    QCOMPARE(run.percents, dissolve + forming);
    QCOMPARE(run.switchAt, 23);
}

// The resting state after a transition starts the next one from the top again.
void TstMosaicTransition::everyChangeRepeatsTheSequence()
{
    MosaicTransition mosaic;
    mosaic.prepareFirstPicture();
    runUntilFinished(mosaic);
    const Run second = runUntilFinished(mosaic);
    const Run third = runUntilFinished(mosaic);
    QCOMPARE(second.percents.size(), 50);
    QCOMPARE(third.percents, second.percents);
}

void TstMosaicTransition::frameSize_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("full size") << 100 << QSize(1920, 1080) << QSize(1920, 1080);
    QTest::newRow("zero is empty") << 0 << QSize(1920, 1080) << QSize(0, 0);
    QTest::newRow("ten percent") << 10 << QSize(1920, 1080) << QSize(192, 108);
    QTest::newRow("halves go to even") << 1 << QSize(250, 150) << QSize(2, 2);
    QTest::newRow("one percent of a small area rounds to nothing")
        << 1 << QSize(40, 30) << QSize(0, 0);
}

// The reduced copy is the percentage of the area, rounded half to even.
void TstMosaicTransition::frameSize()
{
    QFETCH(int, percent);
    QFETCH(QSize, area);
    QFETCH(QSize, expected);
    QCOMPARE(mosaicFrameSize(percent, area), expected);
}

// At full size the visible surface becomes exactly the picture.
void TstMosaicTransition::fullFrameIsAnExactCopy()
{
    QImage picture = filled({64, 48}, qRgb(0, 0, 0));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    QImage work = filled(picture.size(), qRgb(1, 2, 3));
    QImage visible = filled(picture.size(), qRgb(9, 9, 9));
    drawMosaicFrame(picture, work, visible, 100);
    QCOMPARE(visible, picture);
}

// A frame at 0 percent leaves the previous frame on screen.
void TstMosaicTransition::zeroFrameKeepsTheVisibleSurface()
{
    const QImage picture = filled({64, 48}, qRgb(255, 0, 0));
    QImage work = filled(picture.size(), qRgb(0, 0, 0));
    const QImage before = filled(picture.size(), qRgb(0, 255, 0));
    QImage visible = before;
    drawMosaicFrame(picture, work, visible, 0);
    QCOMPARE(visible, before);
}

// At 25 percent each pixel of the reduced copy covers a 4 x 4 block, without blending.
void TstMosaicTransition::reducedFrameMakesBlocks()
{
    QImage picture = filled({64, 64}, qRgb(0, 0, 0));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QImage work = filled(picture.size(), qRgb(0, 0, 0));
    QImage visible = filled(picture.size(), qRgb(0, 0, 0));
    drawMosaicFrame(picture, work, visible, 25);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QRgb pixel = visible.pixel(x, y);
            QVERIFY(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255));
            QCOMPARE(pixel, visible.pixel(x / 4 * 4, y / 4 * 4));
        }
    }
}

QTEST_GUILESS_MAIN(TstMosaicTransition)
#include "tst_mosaictransition.moc"
