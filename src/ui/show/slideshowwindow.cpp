// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/slideshowwindow.h"

#include "core/common/twips.h"
#include "core/settings/settings.h"
#include "core/show/pictureareamemory.h"
#include "core/show/picturefit.h"
#include "core/show/showgeometry.h"
#include "platform/keepabove.h"
#include "ui/show/picturesurface.h"
#include "ui/show/showicons.h"
#include "ui/show/slideshowtexts.h"
#include "ui/show/startupslide.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

namespace {

// The least picture a window keeps below its toolbar, pixels.
constexpr int MinimumPictureHeight = 120;

// Only the stored value 1 means random order; any fade value but 0 means the fade.
SlideShowOptions showOptions(const Settings &settings, int intervalSeconds)
{
    SlideShowOptions options;
    options.intervalSeconds = intervalSeconds;
    options.randomOrder = settings.playsRandomly();
    options.fade = settings.fades();
    return options;
}

QRect pixelRect(const QRectF &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

QRect storedFrame(const Settings &settings)
{
    return pixelRect(
        QRectF(settings.showLeft, settings.showTop, settings.showWidth, settings.showHeight));
}

// The window as the settings will open it.
ShowWindowShape openingShape(const Settings &settings)
{
    const QRect frame = storedFrame(settings);
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return {settings.opensMaximized(), screen ? screen->availableGeometry() : QRect(), frame};
}

QList<QRect> screenRects()
{
    QList<QRect> rects;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        rects << screen->geometry();
    return rects;
}

void addButton(QToolBar *toolbar, QAction *action, const char *name)
{
    toolbar->addAction(action);
    if (QWidget *button = toolbar->widgetForAction(action)) {
        button->setObjectName(QLatin1String(name));
        button->setFocusPolicy(Qt::NoFocus);
    }
}

} // namespace

SlideShowWindow::SlideShowWindow(Settings &settings, const QStringList &paths, int intervalSeconds,
                                 QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_controller(new SlideShowController(paths, showOptions(settings, intervalSeconds), this))
    , m_actions(this)
    , m_pin(!settings.startsFixed())
    , m_loader(fitPicture)
    , m_back(settings.showBackColour)
    , m_screenSaver(SlideShowTexts::keepsScreenAwake())
{
    setObjectName(QStringLiteral("slideShowWindow"));
    setWindowTitle(SlideShowTexts::title());
    setAttribute(Qt::WA_DeleteOnClose);
    buildCommandBar();
    buildPictureArea();
    buildStatusBar();
    buildPopupMenu();
    connectCommands();
    // The toolbar whole, some picture and the status bar: a window that can always be used.
    setMinimumSize(m_commandBar->sizeHint().width(), m_commandBar->sizeHint().height() +
                                                         MinimumPictureHeight +
                                                         statusBar()->sizeHint().height());
    loadSettings();
}

// A window on a copy of the settings, never shown, laid out at the size it would open with.
QSize SlideShowWindow::expectedPictureArea(const Settings &settings)
{
    const PictureAreaMemory memory(settings.pictureAreaMemoryPath);
    if (const std::optional<QSize> area = memory.recall(openingShape(settings)))
        return *area;
    Settings unchanged = settings;
    SlideShowWindow probe(unchanged, {}, 1);
    if (settings.opensMaximized()) {
        const QScreen *screen = QGuiApplication::screenAt(probe.geometry().center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen)
            probe.resize(screen->availableGeometry().size());
    }
    probe.layout()->activate();
    return probe.centralWidget()->size();
}

void SlideShowWindow::playFirst(const StartupSlide &slide)
{
    if (!slide.order.isEmpty())
        m_controller->adoptOrder(slide.order);
    if (slide.picture.isValid())
        m_loader.adopt(slide.picture);
}

void SlideShowWindow::buildCommandBar()
{
    m_commandBar = new QWidget(this);
    m_commandBar->setObjectName(QStringLiteral("commandBar"));
    auto *layout = new QHBoxLayout(m_commandBar);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *toolbar = new QToolBar(m_commandBar);
    toolbar->setObjectName(QStringLiteral("showToolbar"));
    toolbar->setMovable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    layout->addWidget(toolbar);
    layout->addStretch();
    addButton(toolbar, m_actions.stop, "stopButton");
    toolbar->addSeparator();
    addButton(toolbar, m_actions.back, "backButton");
    addButton(toolbar, m_actions.pause, "pauseButton");
    addButton(toolbar, m_actions.next, "nextButton");
    m_toolbar = toolbar;
    m_toolbar->installEventFilter(this);
    m_commandBar->installEventFilter(this);
    setMenuWidget(m_commandBar);
}

void SlideShowWindow::buildPictureArea()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("pictureArea"));
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, m_back);
    area->setPalette(palette);
    area->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_surface = new PictureSurface(area);
    m_surface->setObjectName(QStringLiteral("pictureSurface"));
    m_surface->setBackColor(m_back);
    m_surface->installEventFilter(this);
    layout->addWidget(m_surface);
    connect(m_surface, &PictureSurface::resized, this, &SlideShowWindow::refitPicture);
    setCentralWidget(area);
}

void SlideShowWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("showStatusBar"));
    auto *pinPanel = new QWidget(bar);
    pinPanel->setObjectName(QStringLiteral("pinPanel"));
    pinPanel->setFixedWidth(20);
    auto *layout = new QHBoxLayout(pinPanel);
    layout->setContentsMargins(2, 0, 0, 0);
    m_pinMarker = new QLabel(pinPanel);
    m_pinMarker->setObjectName(QStringLiteral("pinMarker"));
    m_pinMarker->setPixmap(pinPixmap());
    layout->addWidget(m_pinMarker);
    m_positionPanel = new QLabel(bar);
    m_positionPanel->setObjectName(QStringLiteral("positionPanel"));
    m_positionPanel->setMinimumWidth(60);
    m_pathPanel = new QLabel(bar);
    m_pathPanel->setObjectName(QStringLiteral("pathPanel"));
    // A long path is clipped rather than widening the window.
    m_pathPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(pinPanel);
    bar->addWidget(m_positionPanel);
    bar->addWidget(m_pathPanel, 1);
    for (QObject *watched :
         {static_cast<QObject *>(bar), static_cast<QObject *>(pinPanel),
          static_cast<QObject *>(m_positionPanel), static_cast<QObject *>(m_pathPanel),
          static_cast<QObject *>(m_pinMarker)})
        watched->installEventFilter(this);
}

void SlideShowWindow::buildPopupMenu()
{
    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("showPopupMenu"));
    m_popupMenu->addAction(m_actions.alwaysOnTop);
    m_popupMenu->addAction(m_actions.fullScreen);
    QMenu *orders = m_popupMenu->addMenu(SlideShowTexts::playOrder());
    orders->setObjectName(QStringLiteral("playOrderMenu"));
    orders->menuAction()->setObjectName(QStringLiteral("playOrderAction"));
    orders->addAction(m_actions.listOrder);
    orders->addAction(m_actions.randomOrder);
}

// The commands go to the controller, and what it decides comes back to be painted.
void SlideShowWindow::connectCommands()
{
    SlideShowController *show = m_controller;
    // The keys work while full screen hides the toolbar too.
    addActions(
        {m_actions.stop, m_actions.back, m_actions.pause, m_actions.next, m_actions.fullScreen});
    connect(m_actions.stop, &QAction::triggered, this, &SlideShowWindow::stopOrLeaveFullScreen);
    connect(m_actions.fullScreen, &QAction::triggered, this, &SlideShowWindow::setFullScreen);
    connect(m_actions.back, &QAction::triggered, show, &SlideShowController::back);
    connect(m_actions.pause, &QAction::triggered, show, &SlideShowController::togglePause);
    connect(m_actions.next, &QAction::triggered, show, &SlideShowController::next);
    // For this show only: the stored setting stays as it is.
    connect(m_actions.alwaysOnTop, &QAction::triggered, this, &SlideShowWindow::setTopmost);
    for (QAction *order : {m_actions.listOrder, m_actions.randomOrder})
        connect(order, &QAction::triggered, show, &SlideShowController::switchOrder);
    connect(show, &SlideShowController::showPicture, this, &SlideShowWindow::showPicture);
    connect(&m_loader, &AsyncPictureLoader::loaded, this, &SlideShowWindow::pictureLoaded);
    connect(show, &SlideShowController::transitionFrame, this,
            &SlideShowWindow::drawTransitionFrame);
    // The work image is needed only while a transition runs.
    connect(show, &SlideShowController::transitionFinished, this,
            [this] { m_transitionWork = QImage(); });
    connect(show, &SlideShowController::playingChanged, this, [this](bool playing) {
        m_actions.showPlaying(playing);
        m_screenSaver.setInhibited(playing);
    });
    connect(show, &SlideShowController::orderChanged, this, &SlideShowWindow::orderSwitched);
}

void SlideShowWindow::loadSettings()
{
    setTopmost(m_settings.staysOnTop());
    // The check marks show the order that is played.
    markOrder(m_controller->isRandomOrder());
    placeWindow();
    if (m_settings.opensMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    updatePin();
}

// Before the native window exists the flag goes into it at creation; afterwards a changed flag
// would re-create it, and a maximised window would lose its normal geometry.
void SlideShowWindow::setTopmost(bool on)
{
    m_actions.alwaysOnTop->setChecked(on);
    if (QWindow *native = windowHandle())
        setKeepAbove(native, on);
    else
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
}

// The stored place and size are the frame's, like the main window's stored place. The window
// manager tells the frame's margins only once the window is on screen: until then the frame is
// taken for the window, and the size is set again when the margins are known.
void SlideShowWindow::placeWindow()
{
    const QRect frame =
        openingShowFrame(storedFrame(m_settings), minimumSize(),
                         pixelRect(defaultShowFrame(screenSizeTwips())), screenRects());
    move(frame.topLeft());
    resize(frame.size());
    m_pendingFrameSize = frame.size();
}

// Until then the window has the frame's size as its own. A maximised window waits for its
// restore, and the margins of the moment between the two states are not yet the normal ones.
void SlideShowWindow::fitPendingFrameSize()
{
    if (m_pendingFrameSize.isEmpty() || size() != m_pendingFrameSize ||
        windowState() != Qt::WindowNoState)
        return;
    const QSize margins = frameGeometry().size() - size();
    if (margins.isNull())
        return;
    resize(m_pendingFrameSize - margins);
    m_pendingFrameSize = QSize();
}

void SlideShowWindow::updatePin()
{
    if (!isMinimized())
        m_pin.windowResized(fillsScreen());
    m_pinMarker->setVisible(m_pin.visible());
}

void SlideShowWindow::stepAside()
{
    const QRect frame = frameGeometry();
    const QRectF twips(pixelsToTwips(frame.x()), pixelsToTwips(frame.y()),
                       pixelsToTwips(frame.width()), pixelsToTwips(frame.height()));
    const QPointF place = stepAsidePosition(twips, screenSizeTwips());
    move(twipsToPixels(place.x()), twipsToPixels(place.y()));
}

void SlideShowWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_controller->hasStarted()) {
        m_controller->start();
        m_screenSaver.setInhibited(true);
    }
}

void SlideShowWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    fitPendingFrameSize();
}

void SlideShowWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    updatePin();
    fitPendingFrameSize();
}

void SlideShowWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        fullScreenChanged();
        updatePin();
        fitPendingFrameSize();
    }
}

void SlideShowWindow::closeEvent(QCloseEvent *event)
{
    if (!m_controller->stop()) {
        event->ignore();
        return;
    }
    storeFrame();
    rememberPictureArea();
    m_screenSaver.setInhibited(false);
    Q_EMIT closed();
    event->accept();
}

// For the next start, whose first picture decodes before its window exists: each time a
// picture arrives (the program may be ended without a close), and when the window closes.
void SlideShowWindow::rememberPictureArea()
{
    if (m_settings.pictureAreaMemoryPath.isEmpty() || isMinimized() || isFullScreen() ||
        !screen() || m_surface->size() == m_rememberedArea)
        return;
    m_rememberedArea = m_surface->size();
    const ShowWindowShape shape{isMaximized(), screen()->availableGeometry(),
                                storedFrame(m_settings)};
    PictureAreaMemory(m_settings.pictureAreaMemoryPath).remember(shape, m_surface->size());
}

bool SlideShowWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        return handleMousePress(watched, static_cast<QMouseEvent *>(event));
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_surface &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_actions.fullScreen->trigger();
        return true;
    }
    if (event->type() == QEvent::MouseMove && watched == m_surface &&
        m_pin.stepsAside(fillsScreen()))
        stepAside();
    return QMainWindow::eventFilter(watched, event);
}

bool SlideShowWindow::handleMousePress(QObject *watched, const QMouseEvent *event)
{
    if (watched == m_toolbar || watched == m_commandBar) {
        if (event->button() == Qt::RightButton)
            m_popupMenu->popup(event->globalPosition().toPoint());
        return event->button() == Qt::RightButton;
    }
    if (event->button() != Qt::LeftButton || watched == m_surface)
        return false;
    if (watched == m_pinMarker)
        m_pin.pinClicked();
    else
        m_pin.statusBarClicked();
    m_pinMarker->setVisible(m_pin.visible());
    return true;
}
