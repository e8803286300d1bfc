// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pictureareamemory.h"
#include "core/show/showgeometry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QTest>

Q_DECLARE_METATYPE(ShowWindowShape)
Q_DECLARE_METATYPE(std::optional<ShowWindowShape>)

class TstShowGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingFrame_data();
    void openingFrame();
    void rememberedPictureArea_data();
    void rememberedPictureArea();
};

void TstShowGeometry::openingFrame_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");

    const QList<QRect> one{{0, 0, 1280, 1024}};
    const QList<QRect> two{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    QTest::newRow("a size above the minimum stands")
        << QRect(100, 80, 400, 300) << one << QRect(100, 80, 400, 300);
    QTest::newRow("a narrow size is raised to the minimum width")
        << QRect(100, 80, 50, 300) << one << QRect(100, 80, 150, 300);
    QTest::newRow("a low size is raised to the minimum height")
        << QRect(100, 80, 400, 10) << one << QRect(100, 80, 400, 200);
    QTest::newRow("a size of one pixel is raised to the minimum")
        << QRect(100, 80, 1, 1) << one << QRect(100, 80, 150, 200);
    QTest::newRow("a zero width gives the default")
        << QRect(100, 80, 0, 300) << one << QRect(979, 0, 301, 277);
    QTest::newRow("a negative height gives the default")
        << QRect(100, 80, 400, -5) << one << QRect(979, 0, 301, 277);
    QTest::newRow("a frame partly off the screen stands")
        << QRect(-200, -100, 400, 300) << one << QRect(-200, -100, 400, 300);
    QTest::newRow("a frame right of the screen gives the default")
        << QRect(1280, 0, 400, 300) << one << QRect(979, 0, 301, 277);
    QTest::newRow("a frame above the screen gives the default")
        << QRect(0, -300, 400, 300) << one << QRect(979, 0, 301, 277);
    QTest::newRow("a narrow frame left of the screen reaches it once raised")
        << QRect(-100, 0, 50, 300) << one << QRect(-100, 0, 150, 300);
    QTest::newRow("a frame on the second screen stands")
        << QRect(2000, 500, 400, 300) << two << QRect(2000, 500, 400, 300);
    QTest::newRow("without screens the stored frame stands")
        << QRect(5000, 5000, 400, 300) << QList<QRect>() << QRect(5000, 5000, 400, 300);
}

// A stored frame is raised to the minimum; an empty one, or one on no screen, is replaced.
void TstShowGeometry::openingFrame()
{
    QFETCH(QRect, stored);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    const QRect fallback(979, 0, 301, 277);
    QCOMPARE(openingShowFrame(stored, QSize(150, 200), fallback, screens), expected);
}

void TstShowGeometry::rememberedPictureArea_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<std::optional<ShowWindowShape>>("remembered");
    QTest::addColumn<ShowWindowShape>("asked");
    QTest::addColumn<QSize>("expected");

    const QRect screen(0, 0, 1920, 1080);
    const ShowWindowShape maximised{true, screen, {400, 200, 301, 277}};
    const ShowWindowShape normal{false, screen, {400, 200, 301, 277}};
    const QByteArray none;
    QTest::newRow("the same shape is recalled")
        << none << std::optional(normal) << normal << QSize(297, 203);
    QTest::newRow("a maximised window's frame does not count")
        << none << std::optional(maximised) << ShowWindowShape{true, screen, {0, 0, 500, 500}}
        << QSize(297, 203);
    QTest::newRow("a normal window's frame counts")
        << none << std::optional(normal) << ShowWindowShape{false, screen, {400, 200, 302, 277}}
        << QSize();
    QTest::newRow("another screen area is not recalled")
        << none << std::optional(maximised) << ShowWindowShape{true, {0, 0, 1280, 1024}, {}}
        << QSize();
    QTest::newRow("a maximised window is not a normal one")
        << none << std::optional(maximised) << normal << QSize();
    QTest::newRow("each way of standing is kept beside the other")
        << QByteArray("1 0 0 1920 1080 0 0 0 0 1920 996") << std::optional(normal) << maximised
        << QSize(1920, 996);
    QTest::newRow("a torn line is not recalled")
        << QByteArray("0 0 0 1920") << std::optional<ShowWindowShape>() << normal << QSize();
    QTest::newRow("words that are no numbers are not recalled")
        << QByteArray("0 0 0 1920 1080 400 200 301 277 x 203") << std::optional<ShowWindowShape>()
        << normal << QSize();
}

// The area of the last show window, recalled only for a window that will stand the same way.
void TstShowGeometry::rememberedPictureArea()
{
    QFETCH(QByteArray, before);
    QFETCH(std::optional<ShowWindowShape>, remembered);
    QFETCH(ShowWindowShape, asked);
    QFETCH(QSize, expected);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cache/area"));
    if (!before.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before + '\n');
    }
    const PictureAreaMemory memory(path);
    if (remembered)
        memory.remember(*remembered, QSize(297, 203));
    QCOMPARE(memory.recall(asked).value_or(QSize()), expected);
}

QTEST_APPLESS_MAIN(TstShowGeometry)
#include "tst_showgeometry.moc"
