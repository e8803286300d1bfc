// SPDX-License-Identifier: GPL-3.0-or-later
#include "showfixture.h"

#include "core/slidelist/listfileformat.h"

#include <QApplication>
#include <QSignalSpy>

using TestPictures::isNear;

class TstSlideShowPlayback : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void firstPictureWithoutFade();
    void firstPictureWithFadeIsOneFrame();
    void startupSlideShowsTheDecodeMadeAhead_data();
    void startupSlideShowsTheDecodeMadeAhead();
    void ticksWrapAround();
    void transitionRunsItsFramesAndRefusesTheClose();
    void pauseAndResumeByTimerState();
    void resumeDuringTransitionWaitsForItsEnd();
    void stepsPauseAndShowAtOnce_data();
    void stepsPauseAndShowAtOnce();
    void keysReachTheButtons_data();
    void keysReachTheButtons();
    void unreadablePictureLeavesTheAreaBlankAndGoesOn();
    void exifRotatedPictureShownUpright();
    void resizeRefitsThePictureOnScreen();
    void emptyListShowsNothing();
    void closeEmitsClosedAndDeletes_data();
    void closeEmitsClosedAndDeletes();

private:
    std::unique_ptr<ShowFixture> f;
};

void TstSlideShowPlayback::init()
{
    f = std::make_unique<ShowFixture>();
}

void TstSlideShowPlayback::cleanup()
{
    delete f->window.data();
    f.reset();
}

// Without the fade the first picture goes straight on screen and the interval starts.
void TstSlideShowPlayback::firstPictureWithoutFade()
{
    f->settings.useFade = 0;
    const QStringList paths = f->redGreenBlue();
    QVERIFY(f->open(paths));
    QVERIFY(isNear(f->shown(), Qt::red));
    QCOMPARE(f->panel("positionPanel"), QStringLiteral("1/3"));
    QCOMPARE(f->panel("pathPanel"), paths.at(0));
    QVERIFY(f->slideTimer()->isActive());
    QCOMPARE(f->slideTimer()->interval(), 30000);
}

// With the fade the first picture appears at full size after one frame, without a dissolve.
void TstSlideShowPlayback::firstPictureWithFadeIsOneFrame()
{
    QVERIFY(f->open(f->redGreenBlue()));
    QVERIFY(!f->window->controller().isTransitionRunning());
    QVERIFY(!f->transitionTimer()->isActive());
    QVERIFY(f->slideTimer()->isActive());
    QVERIFY(isNear(f->shown(), Qt::red));
}

void TstSlideShowPlayback::startupSlideShowsTheDecodeMadeAhead_data()
{
    QTest::addColumn<bool>("random");
    QTest::newRow("list order") << false;
    QTest::newRow("random order") << true;
}

// The start-up list's first picture is decoded before the window is built, at the area the
// window has when it opens at its stored frame (before the window manager's frame shrinks it),
// and it is the picture shown first; in random order the show plays the order built with it.
void TstSlideShowPlayback::startupSlideShowsTheDecodeMadeAhead()
{
    QFETCH(bool, random);
    f->settings.useFade = 0;
    f->settings.randomOrder = random ? 1 : 0;
    const QStringList paths = f->redGreenBlue();
    const QString list = f->dir.filePath(QStringLiteral("start.txt"));
    QVERIFY(writeListFile(list, ListFormat::Txt, paths));
    const StartupSlide slide =
        StartupSlide::prepare(list, random, SlideShowWindow::expectedPictureArea(f->settings));
    QCOMPARE(slide.order.size(), random ? paths.size() : 0);
    QVERIFY(f->open(paths, slide));
    const QString first = f->window->controller().playState().currentPath();
    QCOMPARE(first, random ? slide.order.constFirst() : paths.constFirst());
    QCOMPARE(slide.picture.path, first);
    const QSize frameMargins = f->window->frameGeometry().size() - f->window->size();
    QCOMPARE(slide.picture.area, f->child<PictureSurface>("pictureSurface")->size() + frameMargins);
    const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
    QVERIFY(isNear(f->shown(), colours.at(paths.indexOf(first))));
}

// Each tick shows the next picture; after the last comes the first.
void TstSlideShowPlayback::ticksWrapAround()
{
    f->settings.useFade = 0;
    QVERIFY(f->open(f->redGreenBlue()));
    const QList<QColor> expected{Qt::green, Qt::blue, Qt::red, Qt::green};
    for (const QColor &colour : expected) {
        ShowFixture::fire(f->slideTimer());
        QVERIFY(isNear(f->shown(), colour));
        QVERIFY(f->slideTimer()->isActive());
    }
    QCOMPARE(f->panel("positionPanel"), QStringLiteral("2/3"));
}

// A change runs 50 frames with the interval stopped; closing in between is refused.
void TstSlideShowPlayback::transitionRunsItsFramesAndRefusesTheClose()
{
    QVERIFY(f->open(f->redGreenBlue()));
    ShowFixture::fire(f->slideTimer());
    QVERIFY(f->window->controller().isTransitionRunning());
    QVERIFY(f->transitionTimer()->isActive());
    QVERIFY(!f->slideTimer()->isActive());
    QVERIFY(!f->window->close());
    QVERIFY(f->window->isVisible());
    QCOMPARE(f->window->controller().playState().position(), 1);
    QCOMPARE(f->finishTransition(), 49);
    QVERIFY(isNear(f->shown(), Qt::green));
    QVERIFY(f->slideTimer()->isActive());
    QVERIFY(!f->transitionTimer()->isActive());
    QVERIFY(f->window->close());
}

// Pause stops the interval timer and shows "スタート"; resume starts it and shows "ポーズ".
void TstSlideShowPlayback::pauseAndResumeByTimerState()
{
    QVERIFY(f->open(f->redGreenBlue()));
    QAction *start = f->action("pauseAction");
    QCOMPARE(start->toolTip(), QStringLiteral("ポーズ"));
    start->trigger();
    QVERIFY(f->window->controller().isPaused());
    QVERIFY(!f->slideTimer()->isActive());
    QVERIFY(start->isChecked());
    QCOMPARE(start->toolTip(), QStringLiteral("スタート"));
    start->trigger();
    QVERIFY(!f->window->controller().isPaused());
    QVERIFY(f->slideTimer()->isActive());
    QCOMPARE(f->slideTimer()->remainingTime() > 29000, true);
    QVERIFY(!start->isChecked());
    QCOMPARE(start->toolTip(), QStringLiteral("ポーズ"));
    QCOMPARE(f->window->controller().playState().position(), 0);
}

// Resuming in the middle of a transition leaves the interval to the transition's end.
void TstSlideShowPlayback::resumeDuringTransitionWaitsForItsEnd()
{
    QVERIFY(f->open(f->redGreenBlue()));
    ShowFixture::fire(f->slideTimer());
    QAction *start = f->action("pauseAction");
    start->trigger();
    start->trigger();
    QVERIFY(!f->slideTimer()->isActive());
    f->finishTransition();
    QVERIFY(f->slideTimer()->isActive());
}

void TstSlideShowPlayback::stepsPauseAndShowAtOnce_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("position");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("next goes forward") << QByteArray("nextAction") << 1 << 1 << QColor(Qt::green);
    QTest::newRow("next from the last goes to the first")
        << QByteArray("nextAction") << 3 << 0 << QColor(Qt::red);
    QTest::newRow("back from the first goes to the last")
        << QByteArray("backAction") << 1 << 2 << QColor(Qt::blue);
}

// Next and back pause the show and put their picture on screen without a transition.
void TstSlideShowPlayback::stepsPauseAndShowAtOnce()
{
    QFETCH(QByteArray, action);
    QFETCH(int, steps);
    QFETCH(int, position);
    QFETCH(QColor, colour);

    QVERIFY(f->open(f->redGreenBlue()));
    for (int i = 0; i < steps; ++i)
        f->action(action.constData())->trigger();
    QVERIFY(!f->window->controller().isTransitionRunning());
    QVERIFY(f->window->controller().isPaused());
    QVERIFY(!f->slideTimer()->isActive());
    QCOMPARE(f->action("pauseAction")->toolTip(), QStringLiteral("スタート"));
    QCOMPARE(f->window->controller().playState().position(), position);
    QVERIFY(isNear(f->shown(), colour));
}

void TstSlideShowPlayback::keysReachTheButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("paused");

    QTest::newRow("space pauses") << int(Qt::Key_Space) << 0 << true;
    QTest::newRow("right is next") << int(Qt::Key_Right) << 1 << true;
    QTest::newRow("left is back") << int(Qt::Key_Left) << 2 << true;
}

// Space, Left and Right act like the pause, back and next buttons.
void TstSlideShowPlayback::keysReachTheButtons()
{
    QFETCH(int, key);
    QFETCH(int, position);
    QFETCH(bool, paused);

    f->settings.useFade = 0;
    QVERIFY(f->open(f->redGreenBlue()));
    QApplication::setActiveWindow(f->window);
    QVERIFY(QTest::qWaitForWindowActive(f->window));
    QTest::keyClick(f->window, Qt::Key(key));
    QCOMPARE(f->window->controller().playState().position(), position);
    QCOMPARE(f->window->controller().isPaused(), paused);
    QCOMPARE(f->slideTimer()->isActive(), !paused);
}

// A missing picture leaves the area in the background colour, names itself in the status bar,
// and the next interval moves on.
void TstSlideShowPlayback::unreadablePictureLeavesTheAreaBlankAndGoesOn()
{
    f->settings.useFade = 0;
    QStringList paths = f->redGreenBlue();
    paths[1] = f->dir.filePath(QStringLiteral("gone.jpg"));
    QVERIFY(f->open(paths));
    ShowFixture::fire(f->slideTimer());
    QCOMPARE(f->panel("positionPanel"), QStringLiteral("2/3"));
    QCOMPARE(f->panel("pathPanel"), paths.at(1));
    const QImage &canvas = f->canvas();
    QCOMPARE(canvas.pixel(0, 0), ShowFixture::back.rgb());
    QCOMPARE(f->shown(), ShowFixture::back.rgb());
    QVERIFY(f->slideTimer()->isActive());
    ShowFixture::fire(f->slideTimer());
    QVERIFY(isNear(f->shown(), Qt::blue));
}

// A photo turned by its EXIF orientation is shown upright, fitted and centred.
void TstSlideShowPlayback::exifRotatedPictureShownUpright()
{
    f->settings.useFade = 0;
    const QString path = f->dir.filePath(QStringLiteral("turned.jpg"));
    QVERIFY(TestPictures::writeFile(path, TestPictures::jpeg(TestPictures::twoColours(80, 40), 6)));
    QVERIFY(f->open({path}));
    const QImage &canvas = f->canvas();
    const int middle = canvas.width() / 2;
    QVERIFY(isNear(canvas.pixel(middle, canvas.height() / 8), Qt::red, 75));
    QVERIFY(isNear(canvas.pixel(middle, canvas.height() * 7 / 8), Qt::blue, 75));
    QCOMPARE(canvas.pixel(2, canvas.height() / 2), ShowFixture::back.rgb());
}

// After a resize the picture on screen is fitted to the new area at once, fade or not.
void TstSlideShowPlayback::resizeRefitsThePictureOnScreen()
{
    const QString path = f->dir.filePath(QStringLiteral("wide.jpg"));
    QVERIFY(TestPictures::writeFile(path, TestPictures::jpeg(TestPictures::twoColours(400, 100))));
    QVERIFY(f->open({path}));
    auto *surface = f->child<PictureSurface>("pictureSurface");
    f->window->resize(f->window->size() + QSize(200, 100));
    QTRY_COMPARE(surface->canvas().size(), surface->size());
    const QImage &canvas = f->canvas();
    const int middle = canvas.height() / 2;
    QVERIFY(isNear(canvas.pixel(1, middle), Qt::red, 75));
    QVERIFY(isNear(canvas.pixel(canvas.width() - 2, middle), Qt::blue, 75));
    QCOMPARE(canvas.pixel(canvas.width() / 2, 1), ShowFixture::back.rgb());
    QVERIFY(!f->window->controller().isTransitionRunning());
}

// An empty list shows the background and "1/0", and ticks do no harm.
void TstSlideShowPlayback::emptyListShowsNothing()
{
    QVERIFY(f->open({}));
    ShowFixture::fire(f->slideTimer());
    f->finishTransition();
    f->action("backAction")->trigger();
    QCOMPARE(f->panel("positionPanel"), QStringLiteral("1/0"));
    QCOMPARE(f->shown(), ShowFixture::back.rgb());
}

void TstSlideShowPlayback::closeEmitsClosedAndDeletes_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("stop button") << false;
    QTest::newRow("escape key") << true;
}

// The stop button and Esc close the window, which tells its owner and deletes itself.
void TstSlideShowPlayback::closeEmitsClosedAndDeletes()
{
    QFETCH(bool, byKey);
    QVERIFY(f->open(f->redGreenBlue()));
    QSignalSpy closed(f->window.data(), &SlideShowWindow::closed);
    if (byKey) {
        QApplication::setActiveWindow(f->window);
        QVERIFY(QTest::qWaitForWindowActive(f->window));
        QTest::keyClick(f->window, Qt::Key_Escape);
    } else {
        f->action("stopAction")->trigger();
    }
    QCOMPARE(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f->window.isNull());
}

QTEST_MAIN(TstSlideShowPlayback)
#include "tst_slideshowplayback.moc"
