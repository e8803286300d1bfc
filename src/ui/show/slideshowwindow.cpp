// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/slideshowwindow.h"

#include "core/settings/settings.h"
#include "core/common/twips.h"
#include "ui/show/picturesurface.h"
#include "core/show/playorder.h"
#include "ui/show/showicons.h"
#include "ui/show/slideshowtexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int transitionFrameMs = 50;

QAction *addButton(QToolBar *toolbar, const QString &key, ShowIcon icon, const QString &tip,
                   const QKeySequence &shortcut)
{
    QAction *action = toolbar->addAction(showIcon(icon), tip);
    action->setObjectName(key);
    action->setToolTip(tip);
    action->setShortcut(shortcut);
    if (QWidget *button = toolbar->widgetForAction(action)) {
        button->setObjectName(key);
        button->setFocusPolicy(Qt::NoFocus);
    }
    return action;
}

} // namespace

SlideShowWindow::SlideShowWindow(Settings &settings, const QStringList &paths, int intervalSeconds,
                                 QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_paths(paths)
    , m_pin(!settings.startsFixed())
    , m_back(settings.showBackColour)
{
    setObjectName(QStringLiteral("SlideShowWindow"));
    setWindowTitle(SlideShowTexts::title());
    setAttribute(Qt::WA_DeleteOnClose);
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &SlideShowWindow::intervalTick);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(transitionFrameMs);
    connect(m_timer2, &QTimer::timeout, this, &SlideShowWindow::transitionTick);
    buildCoolBar();
    buildPictureArea();
    buildStatusBar();
    buildPopupMenu();
    loadSettings(intervalSeconds);
}

void SlideShowWindow::buildCoolBar()
{
    m_coolBar = new QWidget(this);
    m_coolBar->setObjectName(QStringLiteral("CoolBar1"));
    auto *layout = new QHBoxLayout(m_coolBar);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *toolbar = new QToolBar(m_coolBar);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    layout->addWidget(toolbar);
    layout->addStretch();
    connect(addButton(toolbar, QStringLiteral("tbm_Stop"), ShowIcon::Stop, SlideShowTexts::stop(),
                      QKeySequence(Qt::Key_Escape)),
            &QAction::triggered, this, &SlideShowWindow::stopClicked);
    toolbar->addSeparator();
    connect(addButton(toolbar, QStringLiteral("tbm_Return"), ShowIcon::Back, SlideShowTexts::back(),
                      QKeySequence(Qt::Key_Left)),
            &QAction::triggered, this, &SlideShowWindow::returnClicked);
    m_start = addButton(toolbar, QStringLiteral("tbm_Start"), ShowIcon::Pause,
                        SlideShowTexts::pause(), QKeySequence(Qt::Key_Space));
    m_start->setCheckable(true);
    connect(m_start, &QAction::triggered, this, &SlideShowWindow::startClicked);
    connect(addButton(toolbar, QStringLiteral("tbm_Next"), ShowIcon::Next, SlideShowTexts::next(),
                      QKeySequence(Qt::Key_Right)),
            &QAction::triggered, this, &SlideShowWindow::nextClicked);
    m_toolbar = toolbar;
    m_toolbar->installEventFilter(this);
    m_coolBar->installEventFilter(this);
    setMenuWidget(m_coolBar);
}

void SlideShowWindow::buildPictureArea()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("Picture1"));
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, m_back);
    area->setPalette(palette);
    area->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_picture3 = new PictureSurface(area);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->setBackColor(m_back);
    m_picture3->installEventFilter(this);
    layout->addWidget(m_picture3);
    connect(m_picture3, &PictureSurface::resized, this, &SlideShowWindow::refitPicture);
    setCentralWidget(area);
}

void SlideShowWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    auto *panel1 = new QWidget(bar);
    panel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    panel1->setFixedWidth(20);
    auto *layout = new QHBoxLayout(panel1);
    layout->setContentsMargins(2, 0, 0, 0);
    m_pinMarker = new QLabel(panel1);
    m_pinMarker->setObjectName(QStringLiteral("Picture5"));
    m_pinMarker->setPixmap(pinPixmap());
    layout->addWidget(m_pinMarker);
    m_positionPanel = new QLabel(bar);
    m_positionPanel->setObjectName(QStringLiteral("StatusBar1Panel2"));
    m_positionPanel->setMinimumWidth(60);
    m_pathPanel = new QLabel(bar);
    m_pathPanel->setObjectName(QStringLiteral("StatusBar1Panel3"));
    // A long path is clipped rather than widening the window.
    m_pathPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(panel1);
    bar->addWidget(m_positionPanel);
    bar->addWidget(m_pathPanel, 1);
    for (QObject *watched :
         {static_cast<QObject *>(bar), static_cast<QObject *>(panel1),
          static_cast<QObject *>(m_positionPanel), static_cast<QObject *>(m_pathPanel),
          static_cast<QObject *>(m_pinMarker)})
        watched->installEventFilter(this);
}

void SlideShowWindow::buildPopupMenu()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("mnu_PopUp"));
    m_topmostItem = m_popup->addAction(SlideShowTexts::alwaysOnTop());
    m_topmostItem->setObjectName(QStringLiteral("mnu_PopUp1_0"));
    m_topmostItem->setCheckable(true);
    connect(m_topmostItem, &QAction::triggered, this, &SlideShowWindow::toggleTopmost);
    QMenu *orders = m_popup->addMenu(SlideShowTexts::playOrder());
    orders->setObjectName(QStringLiteral("mnu_PopUp2"));
    orders->menuAction()->setObjectName(QStringLiteral("mnu_PopUp1_1"));
    m_listOrderItem = orders->addAction(SlideShowTexts::listOrder());
    m_listOrderItem->setObjectName(QStringLiteral("mnu_PopUp2_0"));
    m_randomItem = orders->addAction(SlideShowTexts::randomOrder());
    m_randomItem->setObjectName(QStringLiteral("mnu_PopUp2_1"));
    for (QAction *item : {m_listOrderItem, m_randomItem}) {
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, &SlideShowWindow::switchOrder);
    }
}

void SlideShowWindow::loadSettings(int intervalSeconds)
{
    setTopmost(m_settings.staysOnTop());
    // The check marks show the order that is played; only 1 means random.
    m_randomPlay = m_settings.playsRandomly();
    m_randomItem->setChecked(m_randomPlay);
    m_listOrderItem->setChecked(!m_randomPlay);
    move(twipsToPixels(m_settings.showLeft), twipsToPixels(m_settings.showTop));
    resize(twipsToPixels(m_settings.showWidth), twipsToPixels(m_settings.showHeight));
    if (m_settings.opensMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    updatePin();
    m_play.setOrder(BuildPlayOrder(m_paths, m_randomPlay ? 1 : 0));
    m_timer1->setInterval(qMax(1, intervalSeconds) * 1000);
}

void SlideShowWindow::setTopmost(bool on)
{
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    m_topmostItem->setChecked(on);
    // Changing a window flag hides the window; it comes back in the same place.
    if (wasVisible)
        show();
}

void SlideShowWindow::updatePin()
{
    if (!isMinimized())
        m_pin.windowResized(isMaximized());
    m_pinMarker->setVisible(m_pin.visible());
}

void SlideShowWindow::stepAside()
{
    const QRect frame = frameGeometry();
    const QRectF twips(pixelsToTwips(frame.x()), pixelsToTwips(frame.y()),
                       pixelsToTwips(frame.width()), pixelsToTwips(frame.height()));
    const QPointF place = StepAsidePosition(twips, screenSizeTwips());
    move(twipsToPixels(place.x()), twipsToPixels(place.y()));
}

void SlideShowWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstPaintPending)
        firstPaint();
}

void SlideShowWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    updatePin();
}

void SlideShowWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updatePin();
}

void SlideShowWindow::closeEvent(QCloseEvent *event)
{
    if (m_transitionBusy) {
        event->ignore();
        return;
    }
    m_timer2->stop();
    m_timer1->stop();
    if (!isMaximized()) {
        m_settings.showTop = pixelsToTwips(y());
        m_settings.showLeft = pixelsToTwips(x());
        m_settings.showHeight = pixelsToTwips(height());
        m_settings.showWidth = pixelsToTwips(width());
    }
    Q_EMIT closed();
    event->accept();
}

bool SlideShowWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        return handleMousePress(watched, static_cast<QMouseEvent *>(event));
    if (event->type() == QEvent::MouseMove && watched == m_picture3 &&
        m_pin.stepsAside(isMaximized()))
        stepAside();
    return QMainWindow::eventFilter(watched, event);
}

bool SlideShowWindow::handleMousePress(QObject *watched, const QMouseEvent *event)
{
    if (watched == m_toolbar || watched == m_coolBar) {
        if (event->button() == Qt::RightButton)
            m_popup->popup(event->globalPosition().toPoint());
        return event->button() == Qt::RightButton;
    }
    if (event->button() != Qt::LeftButton || watched == m_picture3)
        return false;
    if (watched == m_pinMarker)
        m_pin.pinClicked();
    else
        m_pin.statusBarClicked();
    m_pinMarker->setVisible(m_pin.visible());
    return true;
}
