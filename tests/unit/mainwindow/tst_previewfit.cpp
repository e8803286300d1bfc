// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/halfeven.h"
#include "core/mainwindow/previewfit.h"

#include <QTest>

class TestPreviewFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fit_data();
    void fit();
    void halfEven_data();
    void halfEven();
};

// Pictures are reduced to fit, never enlarged, and centred in the pane.
void TestPreviewFit::fit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("pane");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("smaller is unscaled and centred")
        << QSize(100, 50) << QSize(194, 167) << QRect(47, 58, 100, 50);
    QTest::newRow("exact fit fills the pane")
        << QSize(194, 167) << QSize(194, 167) << QRect(0, 0, 194, 167);
    QTest::newRow("twice as wide is halved and centred vertically")
        << QSize(388, 167) << QSize(194, 167) << QRect(0, 42, 194, 84);
    QTest::newRow("too tall is fitted to the height")
        << QSize(100, 400) << QSize(200, 100) << QRect(88, 0, 25, 100);
    QTest::newRow("too wide then still too tall fits both")
        << QSize(400, 1000) << QSize(200, 100) << QRect(80, 0, 40, 100);
    QTest::newRow("a half pixel offset goes to even")
        << QSize(11, 11) << QSize(20, 20) << QRect(4, 4, 11, 11);
    QTest::newRow("a hair-thin picture keeps one pixel")
        << QSize(10000, 1) << QSize(200, 100) << QRect(0, 50, 200, 1);
}

void TestPreviewFit::fit()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, pane);
    QFETCH(QRect, placed);
    QCOMPARE(PreviewFit::fit(picture, pane), placed);
}

// Halves go to the even neighbour, other fractions to the nearest.
void TestPreviewFit::halfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5 down") << 0.5 << 0;
    QTest::newRow("1.5 up") << 1.5 << 2;
    QTest::newRow("2.5 down") << 2.5 << 2;
    QTest::newRow("-2.5 towards zero") << -2.5 << -2;
    QTest::newRow("2.6 up") << 2.6 << 3;
    QTest::newRow("2.4 down") << 2.4 << 2;
}

void TestPreviewFit::halfEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

QTEST_GUILESS_MAIN(TestPreviewFit)
#include "tst_previewfit.moc"
