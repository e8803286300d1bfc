// SPDX-License-Identifier: GPL-3.0-or-later
#include "showfixture.h"

#include "core/common/twips.h"

#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

class TstSlideShowFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void geometryComesFromTheSettings();
    void closeStoresTheGeometry();
    void storedGeometryIsMadeUsable_data();
    void storedGeometryIsMadeUsable();
    void maximisedCloseKeepsTheStoredGeometry();
    void topmostMenuIsForThisShowOnly();
    void rightPressOnTheToolbarOpensTheMenu();
    void orderMenuSwitches_data();
    void orderMenuSwitches();
    void fixedWindowStaysPinned();
    void freeWindowStepsAsideUntilPinned();
    void maximisingPinsAndRestoringUnpins();

private:
    QLabel *pin() const { return f->child<QLabel>("pinMarker"); }
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

// The window's frame opens at the stored position and size, converted from twips.
void TstSlideShowFrame::geometryComesFromTheSettings()
{
    QVERIFY(f->open(f->redGreenBlue()));
    QCOMPARE(f->window->frameGeometry(), QRect(twipsToPixels(1500), twipsToPixels(1200),
                                               twipsToPixels(6000), twipsToPixels(4500)));
    QCOMPARE(f->window->windowTitle(), QStringLiteral("Vellora 2000 / スライドショー /"));
}

// Closing stores where the window's frame is now, in twips.
void TstSlideShowFrame::closeStoresTheGeometry()
{
    QVERIFY(f->open(f->redGreenBlue()));
    f->window->setGeometry(QRect(QPoint(40, 30), QSize(500, 400)));
    const QRect frame = f->window->frameGeometry();
    QVERIFY(frame.width() >= 500 && frame.height() >= 400);
    QVERIFY(f->window->close());
    QCOMPARE(f->settings.showLeft, float(pixelsToTwips(frame.x())));
    QCOMPARE(f->settings.showTop, float(pixelsToTwips(frame.y())));
    QCOMPARE(f->settings.showWidth, float(pixelsToTwips(frame.width())));
    QCOMPARE(f->settings.showHeight, float(pixelsToTwips(frame.height())));
}

void TstSlideShowFrame::storedGeometryIsMadeUsable_data()
{
    QTest::addColumn<QRectF>("stored"); // twips
    QTest::addColumn<bool>("givesDefault");
    QTest::newRow("a tiny size keeps the toolbar and some picture")
        << QRectF(1500, 1200, 150, 150) << false;
    QTest::newRow("a zero size gives the default frame") << QRectF(1500, 1200, 0, 0) << true;
    QTest::newRow("a place on no screen gives the default frame")
        << QRectF(300000, 300000, 6000, 4500) << true;
}

// A window that opens too small keeps its toolbar, 120 pixels of picture and its status bar;
// one that would open empty or on no screen opens at the default place and size.
void TstSlideShowFrame::storedGeometryIsMadeUsable()
{
    QFETCH(QRectF, stored);
    QFETCH(bool, givesDefault);
    f->settings.showLeft = float(stored.x());
    f->settings.showTop = float(stored.y());
    f->settings.showWidth = float(stored.width());
    f->settings.showHeight = float(stored.height());
    QVERIFY(f->open(f->redGreenBlue()));
    auto *toolbar = f->child<QToolBar>("showToolbar");
    QVERIFY(toolbar->width() >= toolbar->sizeHint().width());
    QVERIFY(f->child<PictureSurface>("pictureSurface")->height() >= 120);
    QVERIFY(f->window->statusBar()->height() >= f->window->statusBar()->sizeHint().height());
    const QSize screen = f->window->screen()->geometry().size();
    const QRect defaultFrame(screen.width() - twipsToPixels(4515), 0, twipsToPixels(4515),
                             twipsToPixels(4155));
    QCOMPARE(f->window->frameGeometry() == defaultFrame, givesDefault);
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
    QAction *item = f->child<QAction>("alwaysOnTopAction");
    QCOMPARE(item->text(), QStringLiteral("常に手前に表示"));
    QVERIFY(item->isChecked());
    QVERIFY(f->window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!f->window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(f->window->isVisible());
    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(f->window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(f->settings.alwaysOnTop, qint16(1));
}

// The right button over the toolbar opens the context menu; the left one does not.
void TstSlideShowFrame::rightPressOnTheToolbarOpensTheMenu()
{
    QVERIFY(f->open(f->redGreenBlue()));
    auto *toolbar = f->child<QToolBar>("showToolbar");
    auto *menu = f->child<QMenu>("showPopupMenu");
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

    QTest::newRow("random chosen in list order") << 0 << QByteArray("randomOrderAction") << true;
    QTest::newRow("list order chosen while checked switches too")
        << 0 << QByteArray("listOrderAction") << true;
    QTest::newRow("list order chosen in random order")
        << 1 << QByteArray("listOrderAction") << false;
    QTest::newRow("random chosen while checked switches too")
        << 1 << QByteArray("randomOrderAction") << false;
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
    QAction *listOrder = f->child<QAction>("listOrderAction");
    QAction *random = f->child<QAction>("randomOrderAction");
    QCOMPARE(random->isChecked(), stored == 1);
    QCOMPARE(listOrder->isChecked(), stored != 1);
    f->action("nextAction")->trigger();
    f->child<QAction>(chosen.constData())->trigger();
    QCOMPARE(random->isChecked(), randomAfter);
    QCOMPARE(listOrder->isChecked(), !randomAfter);
    QCOMPARE(f->settings.randomOrder, qint16(stored));
    QCOMPARE(f->window->controller().playState().position(), 1);
    const QStringList order = f->window->controller().playState().order();
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
    f->moveOverPicture();
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
    f->moveOverPicture();
    const QPoint mirrored(screen.width() - (frame.width() + frame.x()),
                          screen.height() - (frame.height() + frame.y()));
    QCOMPARE(f->window->frameGeometry().topLeft(), mirrored);

    QTest::mouseClick(f->child<QLabel>("positionPanel"), Qt::LeftButton);
    QVERIFY(pin()->isVisible());
    f->moveOverPicture();
    QCOMPARE(f->window->frameGeometry().topLeft(), mirrored);

    QTest::mouseClick(pin(), Qt::LeftButton);
    QVERIFY(!pin()->isVisible());
    f->moveOverPicture();
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
    f->moveOverPicture();
    QCOMPARE(f->window->pos(), before);
    f->window->showNormal();
    QTRY_VERIFY(!f->window->isMaximized());
    QVERIFY(!pin()->isVisible());
}

QTEST_MAIN(TstSlideShowFrame)
#include "tst_slideshowframe.moc"
