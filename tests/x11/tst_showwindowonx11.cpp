// SPDX-License-Identifier: GPL-3.0-or-later
#include "showfixture.h"

#include "core/common/twips.h"
#include "core/settings/settingsfile.h"
#include "netwmstate.h"
#include "x11wait.h"

#include <QScreen>

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

private:
    bool openFramed();
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

QTEST_MAIN(TstShowWindowOnX11)
#include "tst_showwindowonx11.moc"
