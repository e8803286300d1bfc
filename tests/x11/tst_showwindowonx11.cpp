// SPDX-License-Identifier: GPL-3.0-or-later
#include "showfixture.h"

#include "netwmstate.h"
#include "x11wait.h"

// The slide-show window under a real window manager, which frames, maximises and stacks it.
class TstShowWindowOnX11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void keepAboveLeavesTheNormalGeometry_data();
    void keepAboveLeavesTheNormalGeometry();

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
    f->settings.AlwaysOnTop = qint16(storedOnTop);
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

QTEST_MAIN(TstShowWindowOnX11)
#include "tst_showwindowonx11.moc"
