// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/showgeometry.h"

#include <QTest>

class TstShowGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingFrame_data();
    void openingFrame();
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

QTEST_APPLESS_MAIN(TstShowGeometry)
#include "tst_showgeometry.moc"
