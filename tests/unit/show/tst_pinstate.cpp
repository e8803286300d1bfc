// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pinstate.h"

#include <QTest>

class TstPinState : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixedWindowStaysPinned();
    void freeWindowPinsAndUnpins();
    void maximisingPinsAndRestoringGivesBackTheEarlierState_data();
    void maximisingPinsAndRestoringGivesBackTheEarlierState();
    void stepAside_data();
    void stepAside();
};

// A fixed window starts pinned, ignores clicks on the pin and never steps aside.
void TstPinState::fixedWindowStaysPinned()
{
    PinState pin(false);
    QVERIFY(pin.visible());
    pin.pinClicked();
    QVERIFY(pin.visible());
    QVERIFY(!pin.stepsAside(false));
}

// A free window starts unpinned and steps aside; a status bar click pins it, a pin click frees it.
void TstPinState::freeWindowPinsAndUnpins()
{
    PinState pin(true);
    QVERIFY(!pin.visible());
    QVERIFY(pin.stepsAside(false));
    QVERIFY(!pin.stepsAside(true));
    pin.statusBarClicked();
    QVERIFY(pin.visible());
    QVERIFY(!pin.stepsAside(false));
    pin.pinClicked();
    QVERIFY(!pin.visible());
    QVERIFY(pin.stepsAside(false));
}

void TstPinState::maximisingPinsAndRestoringGivesBackTheEarlierState_data()
{
    QTest::addColumn<bool>("freeWindow");
    QTest::addColumn<bool>("pinnedBefore");
    QTest::newRow("hidden before: hidden again") << true << false;
    QTest::newRow("pinned by a click before: stays pinned") << true << true;
    QTest::newRow("fixed window: stays pinned") << false << true;
}

// Maximised the pin shows; restoring hides it again only if it was hidden before.
void TstPinState::maximisingPinsAndRestoringGivesBackTheEarlierState()
{
    QFETCH(bool, freeWindow);
    QFETCH(bool, pinnedBefore);
    PinState pin(freeWindow);
    if (pinnedBefore)
        pin.statusBarClicked();
    pin.windowResized(true);
    QVERIFY(pin.visible());
    QCOMPARE(pin.pinWasHidden(), !pinnedBefore);
    pin.windowResized(true); // a second resize while maximised changes nothing
    QVERIFY(pin.visible());
    pin.windowResized(false);
    QCOMPARE(pin.visible(), pinnedBefore);
    QVERIFY(!pin.pinWasHidden());
}

void TstPinState::stepAside_data()
{
    QTest::addColumn<QRectF>("window");
    QTest::addColumn<QPointF>("expected");

    // A 1024 x 768 screen is 15360 x 11520 twips.
    QTest::newRow("top right corner goes to bottom left")
        << QRectF(10845, 0, 4515, 4155) << QPointF(0, 7365);
    QTest::newRow("and back") << QRectF(0, 7365, 4515, 4155) << QPointF(10845, 0);
    QTest::newRow("centred window stays") << QRectF(5000, 4000, 5360, 3520) << QPointF(5000, 4000);
    QTest::newRow("partly off the screen lands partly off")
        << QRectF(-300, 100, 4515, 4155) << QPointF(11145, 7265);
    QTest::newRow("fractions kept") << QRectF(100.5, 0, 4515, 4155) << QPointF(10744.5, 7365);
}

// The window moves to the point-symmetric place: left = screen width - (width + left).
void TstPinState::stepAside()
{
    QFETCH(QRectF, window);
    QFETCH(QPointF, expected);
    QCOMPARE(stepAsidePosition(window, QSizeF(15360, 11520)), expected);
}

QTEST_GUILESS_MAIN(TstPinState)
#include "tst_pinstate.moc"
