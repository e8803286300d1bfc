// SPDX-License-Identifier: GPL-3.0-or-later
#include "showfixture.h"

#include "core/common/twips.h"
#include "core/settings/settingsfile.h"
#include "netwmstate.h"
#include "x11wait.h"
#include "xinput.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <xcb/screensaver.h>

// The slide-show window under a real window manager, which frames, maximises and stacks it.
class TstShowWindowOnX11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void keepAboveLeavesTheNormalGeometry_data();
    void keepAboveLeavesTheNormalGeometry();
    void frameLiesOnTheScreen_data();
    void frameLiesOnTheScreen();
    void closingStoresTheFrameItOpenedWith_data();
    void closingStoresTheFrameItOpenedWith();
    void fullScreenComesBackAsItWas_data();
    void fullScreenComesBackAsItWas();
    void xScreenSaverWaitsForThePause();

private:
    bool openFramed();
    bool pressOrDoubleClick(const QString &how) const;
    QWidget *bar(const char *name) const { return f->child<QWidget>(name); }
    bool keptAbove() const
    {
        return netWmState(f->window->windowHandle())
            .contains(QStringLiteral("_NET_WM_STATE_ABOVE"));
    }
    std::unique_ptr<ShowFixture> f;
};

void TstShowWindowOnX11::init()
{
    f = std::make_unique<ShowFixture>();
}

void TstShowWindowOnX11::cleanup()
{
    delete f->window.data();
    f.reset();
}

// Opens the window and waits until the window manager has put its frame around it.
bool TstShowWindowOnX11::openFramed()
{
    if (!f->open(f->redGreenBlue()))
        return false;
    return QTest::qWaitFor([this] { return f->window->frameGeometry() != f->window->geometry(); },
                           X11Wait::Timeout);
}

void TstShowWindowOnX11::keepAboveLeavesTheNormalGeometry_data()
{
    QTest::addColumn<int>("storedOnTop");
    QTest::newRow("switched on and off while maximised") << 0;
    QTest::newRow("switched off and on while maximised") << 1;
}

// "常に手前に表示" changes the stacking of the same native window: it stays maximised and
// gets back its normal geometry when restored.
void TstShowWindowOnX11::keepAboveLeavesTheNormalGeometry()
{
    QFETCH(int, storedOnTop);
    const bool onAtLoad = storedOnTop == 1;
    f->settings.alwaysOnTop = qint16(storedOnTop);
    QVERIFY(openFramed());
    QTRY_COMPARE_WITH_TIMEOUT(keptAbove(), onAtLoad, X11Wait::Timeout);
    const QRect normal = f->window->frameGeometry();
    const WId native = f->window->winId();

    f->window->showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(f->window->isMaximized() && f->window->frameGeometry() != normal,
                             X11Wait::Timeout);
    QAction *item = f->action("alwaysOnTopAction");
    item->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(keptAbove(), !onAtLoad, X11Wait::Timeout);
    item->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(keptAbove(), onAtLoad, X11Wait::Timeout);
    QCOMPARE(item->isChecked(), onAtLoad);
    QVERIFY(f->window->isMaximized());
    QCOMPARE(f->window->winId(), native);

    f->window->showNormal();
    QTRY_COMPARE_WITH_TIMEOUT(f->window->frameGeometry(), normal, X11Wait::Timeout);
}

void TstShowWindowOnX11::frameLiesOnTheScreen_data()
{
    QTest::addColumn<bool>("stepAside");
    QTest::newRow("default place") << false;
    QTest::newRow("stepped aside from the default place") << true;
}

// The stored size is the frame's, so the default window fills the top right-hand corner
// exactly and its point-symmetric place is the bottom left-hand one.
void TstShowWindowOnX11::frameLiesOnTheScreen()
{
    QFETCH(bool, stepAside);
    f->settings.settingsPath = f->dir.filePath(QStringLiteral("absent.ini"));
    SettingsFile::read(f->settings, screenSizeTwips());
    f->settings.freeWindow = stepAside ? 1 : 0;
    QVERIFY(openFramed());
    const QRect screen = f->window->screen()->geometry();
    const QSize size(twipsToPixels(f->settings.showWidth), twipsToPixels(f->settings.showHeight));
    const QRect corner(screen.topRight() - QPoint(size.width() - 1, 0), size);
    QTRY_COMPARE_WITH_TIMEOUT(f->window->frameGeometry(), corner, X11Wait::Timeout);
    if (stepAside) {
        f->moveOverPicture();
        const QRect opposite(screen.bottomLeft() - QPoint(0, size.height() - 1), size);
        QTRY_COMPARE_WITH_TIMEOUT(f->window->frameGeometry(), opposite, X11Wait::Timeout);
    }
    QVERIFY(screen.contains(f->window->frameGeometry()));
}

void TstShowWindowOnX11::closingStoresTheFrameItOpenedWith_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::newRow("opened in the normal state") << false;
    QTest::newRow("opened maximised, then restored") << true;
}

// Opening and closing leaves the stored place and size as they were.
void TstShowWindowOnX11::closingStoresTheFrameItOpenedWith()
{
    QFETCH(bool, maximised);
    f->settings.showMaximized = maximised ? 1 : 0;
    QVERIFY(openFramed());
    if (maximised) {
        QTRY_VERIFY_WITH_TIMEOUT(f->window->isMaximized(), X11Wait::Timeout);
        f->window->showNormal();
    }
    const QRect stored(twipsToPixels(1500), twipsToPixels(1200), twipsToPixels(6000),
                       twipsToPixels(4500));
    QTRY_COMPARE_WITH_TIMEOUT(f->window->frameGeometry(), stored, X11Wait::Timeout);
    QVERIFY(f->window->close());
    QCOMPARE(f->settings.showLeft, 1500.0f);
    QCOMPARE(f->settings.showTop, 1200.0f);
    QCOMPARE(f->settings.showWidth, 6000.0f);
    QCOMPARE(f->settings.showHeight, 4500.0f);
}

// A key named as xdotool names it, or a double click on the middle of the picture.
bool TstShowWindowOnX11::pressOrDoubleClick(const QString &how) const
{
    if (how == QLatin1String("double click")) {
        const auto *surface = f->child<PictureSurface>("pictureSurface");
        return XInput::click(surface, surface->rect().center(), 1, 2);
    }
    return XInput::key(how);
}

void TstShowWindowOnX11::fullScreenComesBackAsItWas_data()
{
    QTest::addColumn<QString>("enter");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("freeWindow");
    QTest::addColumn<int>("onTop");
    const QString f11 = QStringLiteral("F11");
    const QString doubleClick = QStringLiteral("double click");
    // A free window would step aside from the pointer that comes to double-click it.
    QTest::newRow("F11 in, Esc out, a free window stays put")
        << f11 << QStringLiteral("Escape") << 1 << 0;
    QTest::newRow("double click in, F11 out, kept on top") << doubleClick << f11 << 0 << 1;
    QTest::newRow("double click in and out") << doubleClick << doubleClick << 0 << 0;
    QTest::newRow("closed while full screen, a free window kept on top")
        << f11 << QStringLiteral("close") << 1 << 1;
}

// Full screen shows the picture alone on the whole screen and never steps aside. Leaving it
// brings back the frame, the bars, the pin and the stacking; the next Esc ends the show, and
// the stored geometry is the normal window's.
void TstShowWindowOnX11::fullScreenComesBackAsItWas()
{
    QFETCH(QString, enter);
    QFETCH(QString, leave);
    QFETCH(int, freeWindow);
    QFETCH(int, onTop);
    f->settings.freeWindow = qint16(freeWindow);
    f->settings.alwaysOnTop = qint16(onTop);
    QVERIFY(openFramed());
    QTRY_VERIFY_WITH_TIMEOUT(f->window->isActiveWindow(), X11Wait::Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(keptAbove(), onTop == 1, X11Wait::Timeout);
    const QRect normal = f->window->frameGeometry();
    const bool pinShown = bar("pinMarker")->isVisibleTo(f->window);

    QVERIFY(pressOrDoubleClick(enter));
    const QRect screen = f->window->screen()->geometry();
    QTRY_VERIFY_WITH_TIMEOUT(f->window->isFullScreen() && f->window->frameGeometry() == screen,
                             X11Wait::Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(bar("pictureSurface")->size(), screen.size(), X11Wait::Timeout);
    QVERIFY(!bar("commandBar")->isVisible());
    QVERIFY(!bar("showStatusBar")->isVisible());
    f->moveOverPicture();
    QVERIFY(f->window->isFullScreen());
    QCOMPARE(f->window->geometry(), screen);

    if (leave == QLatin1String("close")) {
        QVERIFY(f->window->close());
    } else {
        QVERIFY(pressOrDoubleClick(leave));
        QTRY_VERIFY_WITH_TIMEOUT(!f->window->isFullScreen() && f->window->frameGeometry() == normal,
                                 X11Wait::Timeout);
        QVERIFY(bar("commandBar")->isVisible());
        QVERIFY(bar("showStatusBar")->isVisible());
        QCOMPARE(bar("pinMarker")->isVisibleTo(f->window), pinShown);
        QTRY_COMPARE_WITH_TIMEOUT(keptAbove(), onTop == 1, X11Wait::Timeout);
        QVERIFY(XInput::key(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(f->window.isNull(), X11Wait::Timeout);
    }
    QCOMPARE(f->settings.showLeft, float(pixelsToTwips(normal.x())));
    QCOMPARE(f->settings.showTop, float(pixelsToTwips(normal.y())));
    QCOMPARE(f->settings.showWidth, float(pixelsToTwips(normal.width())));
    QCOMPARE(f->settings.showHeight, float(pixelsToTwips(normal.height())));
}

namespace {

xcb_screensaver_query_info_reply_t *xScreenSaverInfo(xcb_connection_t *connection)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return xcb_screensaver_query_info_reply(
        connection, xcb_screensaver_query_info(connection, screen->root), nullptr);
}

// The X server's screen saver is running.
bool xScreenSaverOn(xcb_connection_t *connection)
{
    xcb_screensaver_query_info_reply_t *info = xScreenSaverInfo(connection);
    const bool on = info && info->state == XCB_SCREENSAVER_STATE_ON;
    std::free(info);
    return on;
}

} // namespace

// While a show plays the X server's own screen saver does not start, however long no input
// comes (the session bus is out of reach here); paused, the show lets it start.
void TstShowWindowOnX11::xScreenSaverWaitsForThePause()
{
    xcb_connection_t *connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_query_extension_reply_t *extension =
        xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (!extension || !extension->present)
        QSKIP("the X server has no screen-saver extension");
    // As "xset s 2": two seconds without input start the screen saver.
    xcb_set_screen_saver(connection, 2, 0, XCB_BLANKING_PREFERRED, XCB_EXPOSURES_ALLOWED);
    const auto restore = qScopeGuard([connection] {
        xcb_set_screen_saver(connection, -1, -1, XCB_BLANKING_DEFAULT, XCB_EXPOSURES_DEFAULT);
        xcb_force_screen_saver(connection, XCB_SCREEN_SAVER_RESET);
        xcb_flush(connection);
    });
    QVERIFY(openFramed());
    // The idle time counts from here; the show suspended the screen saver before.
    xcb_force_screen_saver(connection, XCB_SCREEN_SAVER_RESET);
    QElapsedTimer playing;
    playing.start();
    while (playing.elapsed() < 5000) {
        QVERIFY(!xScreenSaverOn(connection));
        QTest::qWait(100);
    }
    xcb_screensaver_query_info_reply_t *info = xScreenSaverInfo(connection);
    QVERIFY(info);
    const quint32 idle = info->ms_since_user_input;
    std::free(info);
    QVERIFY2(idle >= 2000, "input came during the show");

    f->action("pauseAction")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(xScreenSaverOn(connection), X11Wait::Timeout);
}

QTEST_MAIN(TstShowWindowOnX11)
#include "tst_showwindowonx11.moc"
