// SPDX-License-Identifier: GPL-3.0-or-later
#include "showfixture.h"

#include "core/common/twips.h"

#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

class TstSlideShowFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void geometryComesFromTheSettings();
    void closeStoresTheGeometry();
    void maximisedCloseKeepsTheStoredGeometry();
    void topmostMenuIsForThisShowOnly();
    void rightPressOnTheToolbarOpensTheMenu();
    void orderMenuSwitches_data();
    void orderMenuSwitches();
    void fixedWindowStaysPinned();
    void freeWindowStepsAsideUntilPinned();
    void maximisingPinsAndRestoringUnpins();

private:
    QLabel *pin() const { return f->child<QLabel>("Picture5"); }
    void moveOverPicture();
    std::unique_ptr<ShowFixture> f;
};

void TstSlideShowFrame::init()
{
    f = std::make_unique<ShowFixture>();
}

void TstSlideShowFrame::cleanup()
{
    delete f->window.data();
    f.reset();
}

void TstSlideShowFrame::moveOverPicture()
{
    // Sent straight to the surface: a synthetic pointer entering a window brings an Enter event
    // but no move, and a move to where the pointer already is counts as none.
    auto *surface = f->child<PictureSurface>("Picture3");
    const QPointF local = surface->rect().center();
    QMouseEvent move(QEvent::MouseMove, local, surface->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &move);
}

// The window opens at the stored position and size, converted from twips.
void TstSlideShowFrame::geometryComesFromTheSettings()
{
    QVERIFY(f->open(f->redGreenBlue()));
    QCOMPARE(f->window->pos(), QPoint(twipsToPixels(1500), twipsToPixels(1200)));
    QCOMPARE(f->window->size(), QSize(twipsToPixels(6000), twipsToPixels(4500)));
    QCOMPARE(f->window->windowTitle(), QStringLiteral("Vellora 2000 / スライドショー /"));
}

// Closing stores where the window is now, in twips.
void TstSlideShowFrame::closeStoresTheGeometry()
{
    QVERIFY(f->open(f->redGreenBlue()));
    f->window->setGeometry(QRect(QPoint(40, 30), QSize(500, 400)));
    const QPoint pos = f->window->pos();
    QVERIFY(f->window->close());
    QCOMPARE(f->settings.showLeft, pixelsToTwips(pos.x()));
    QCOMPARE(f->settings.showTop, pixelsToTwips(pos.y()));
    QCOMPARE(f->settings.showWidth, pixelsToTwips(500));
    QCOMPARE(f->settings.showHeight, pixelsToTwips(400));
}

// A maximised window leaves the stored geometry and the maximised flag as they were.
void TstSlideShowFrame::maximisedCloseKeepsTheStoredGeometry()
{
    f->settings.showMaximized = 1;
    QVERIFY(f->open(f->redGreenBlue()));
    QVERIFY(f->window->isMaximized());
    QVERIFY(f->window->close());
    QCOMPARE(f->settings.showLeft, 1500.0);
    QCOMPARE(f->settings.showTop, 1200.0);
    QCOMPARE(f->settings.showWidth, 6000.0);
    QCOMPARE(f->settings.showHeight, 4500.0);
    QCOMPARE(f->settings.showMaximized.stored(), qint16(1));
}

// "常に手前に表示" follows the setting at load and toggles the window, not the setting.
void TstSlideShowFrame::topmostMenuIsForThisShowOnly()
{
    f->settings.alwaysOnTop = 1;
    QVERIFY(f->open(f->redGreenBlue()));
    QAction *item = f->child<QAction>("mnu_PopUp1_0");
    QCOMPARE(item->text(), QStringLiteral("常に手前に表示"));
    QVERIFY(item->isChecked());
    QVERIFY(f->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!f->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(f->window->isVisible());
    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(f->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(f->settings.alwaysOnTop.stored(), qint16(1));
}

// The right button over the toolbar opens the context menu; the left one does not.
void TstSlideShowFrame::rightPressOnTheToolbarOpensTheMenu()
{
    QVERIFY(f->open(f->redGreenBlue()));
    auto *toolbar = f->child<QToolBar>("Toolbar1");
    auto *menu = f->child<QMenu>("mnu_PopUp");
    const QPoint free(toolbar->width() - 3, toolbar->height() / 2);
    QTest::mousePress(toolbar, Qt::LeftButton, {}, free);
    QVERIFY(!menu->isVisible());
    QTest::mousePress(toolbar, Qt::RightButton, {}, free);
    QVERIFY(menu->isVisible());
    menu->hide();
}

void TstSlideShowFrame::orderMenuSwitches_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("randomAfter");

    QTest::newRow("random chosen in list order") << 0 << QByteArray("mnu_PopUp2_1") << true;
    QTest::newRow("list order chosen while checked switches too")
        << 0 << QByteArray("mnu_PopUp2_0") << true;
    QTest::newRow("list order chosen in random order") << 1 << QByteArray("mnu_PopUp2_0") << false;
    QTest::newRow("random chosen while checked switches too")
        << 1 << QByteArray("mnu_PopUp2_1") << false;
}

// Either entry switches to the other order; the stored setting and the position stay.
void TstSlideShowFrame::orderMenuSwitches()
{
    QFETCH(int, stored);
    QFETCH(QByteArray, chosen);
    QFETCH(bool, randomAfter);

    f->settings.randomOrder = qint16(stored);
    QStringList paths;
    for (int i = 0; i < 12; ++i)
        paths << f->dir.filePath(QStringLiteral("%1.jpg").arg(i));
    QVERIFY(f->open(paths));
    QAction *listOrder = f->child<QAction>("mnu_PopUp2_0");
    QAction *random = f->child<QAction>("mnu_PopUp2_1");
    QCOMPARE(random->isChecked(), stored == 1);
    QCOMPARE(listOrder->isChecked(), stored != 1);
    f->button("tbm_Next")->trigger();
    f->child<QAction>(chosen.constData())->trigger();
    QCOMPARE(random->isChecked(), randomAfter);
    QCOMPARE(listOrder->isChecked(), !randomAfter);
    QCOMPARE(f->settings.randomOrder.stored(), qint16(stored));
    QCOMPARE(f->window->playState().PlayPosition(), 1);
    const QStringList order = f->window->playState().PlayOrder();
    if (randomAfter) {
        QCOMPARE(QSet<QString>(order.cbegin(), order.cend()),
                 QSet<QString>(paths.cbegin(), paths.cend()));
    } else {
        QCOMPARE(order, paths);
    }
}

// A fixed window shows the pin, ignores clicks on it and never moves out of the way.
void TstSlideShowFrame::fixedWindowStaysPinned()
{
    QVERIFY(f->open(f->redGreenBlue()));
    QVERIFY(pin()->isVisible());
    QTest::mouseClick(pin(), Qt::LeftButton);
    QVERIFY(pin()->isVisible());
    const QPoint before = f->window->pos();
    moveOverPicture();
    QCOMPARE(f->window->pos(), before);
}

// A free window jumps to the point-symmetric place until a status bar click pins it, and
// a click on the pin frees it again.
void TstSlideShowFrame::freeWindowStepsAsideUntilPinned()
{
    f->settings.freeWindow = 1;
    QVERIFY(f->open(f->redGreenBlue()));
    QVERIFY(!pin()->isVisible());
    const QRect frame = f->window->frameGeometry();
    const QSize screen = f->window->screen()->geometry().size();
    moveOverPicture();
    const QPoint mirrored(screen.width() - (frame.width() + frame.x()),
                          screen.height() - (frame.height() + frame.y()));
    QCOMPARE(f->window->frameGeometry().topLeft(), mirrored);

    QTest::mouseClick(f->child<QLabel>("StatusBar1Panel2"), Qt::LeftButton);
    QVERIFY(pin()->isVisible());
    moveOverPicture();
    QCOMPARE(f->window->frameGeometry().topLeft(), mirrored);

    QTest::mouseClick(pin(), Qt::LeftButton);
    QVERIFY(!pin()->isVisible());
    moveOverPicture();
    QCOMPARE(f->window->frameGeometry().topLeft(), frame.topLeft());
}

// Maximised the window is pinned; restored it is free again if it was before.
void TstSlideShowFrame::maximisingPinsAndRestoringUnpins()
{
    f->settings.freeWindow = 1;
    QVERIFY(f->open(f->redGreenBlue()));
    const QSize normal = f->window->size();
    f->window->showMaximized();
    QTRY_VERIFY(f->window->isMaximized() && f->window->size() != normal);
    QVERIFY(pin()->isVisible());
    const QPoint before = f->window->pos();
    moveOverPicture();
    QCOMPARE(f->window->pos(), before);
    f->window->showNormal();
    QTRY_VERIFY(!f->window->isMaximized());
    QVERIFY(!pin()->isVisible());
}

QTEST_MAIN(TstSlideShowFrame)
#include "tst_slideshowframe.moc"
