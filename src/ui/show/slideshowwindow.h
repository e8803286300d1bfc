// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QStringList>

#include "core/show/pinstate.h"
#include "core/show/slideshowcontroller.h"
#include "platform/screensaverinhibitor.h"
#include "ui/show/asyncpictureloader.h"
#include "ui/show/slideshowactions.h"

class PictureSurface;
class QLabel;
class QMenu;
struct Settings;
struct StartupSlide;

// The slide-show window: plays the given paths, one picture per interval, in list or random
// order, with the mosaic transition between pictures when the fade is on. The controller decides
// what is shown when; the window builds the controls, paints and forwards clicks and keys.
//
//   +--------------------------------------------------------+
//   | commandBar: showToolbar  [stop] | [back] [pause] [next] |
//   +--------------------------------------------------------+
//   | pictureArea = pictureSurface                           |
//   +--------------------------------------------------------+
//   | pinPanel: pinMarker | positionPanel | pathPanel        |  showStatusBar
//   +--------------------------------------------------------+
//
// currentImage() holds the current picture at the surface's size on the background colour;
// the transition draws from it, through its work image, onto the surface's canvas. Pictures
// decode on worker threads and are drawn when they arrive; the next one is decoded ahead. A
// right click on the command bar opens showPopupMenu. The stored geometry is the frame's.
// Closing stores it (unless maximised), emits closed() and deletes the window.
//
// F11 or a double click on the picture toggles full screen: both bars hidden, the picture
// fitted to the whole screen. Esc then leaves full screen first; a full-screen window stays
// where it is, like a maximised one, and the geometry it stores is that of the window before.
// While the show plays (not while paused) the screen saver is held off.
class SlideShowWindow : public QMainWindow {
    Q_OBJECT
public:
    SlideShowWindow(Settings &settings, const QStringList &paths, int intervalSeconds,
                    QWidget *parent = nullptr);

    // The size the picture area will have when a window on these settings opens, found before
    // any window is shown; the window manager's frame is not known then and counts as none.
    static QSize expectedPictureArea(const Settings &settings);

    // Before the window is shown: starts with the start-up list's slide prepared ahead.
    void playFirst(const StartupSlide &slide);

    const SlideShowController &controller() const { return *m_controller; }
    const QImage &currentImage() const { return m_currentImage; }
    // True while the picture asked for last is still being decoded.
    bool isLoadingPicture() const { return m_loader.isLoading(); }

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (slideshowwindow.cpp).
    void buildCommandBar();
    void buildPictureArea();
    void buildStatusBar();
    void buildPopupMenu();
    void connectCommands();
    void loadSettings();
    void placeWindow();
    void rememberPictureArea();
    void fitPendingFrameSize();
    void setTopmost(bool on);
    void updatePin();
    void stepAside();
    bool fillsScreen() const { return isMaximized() || isFullScreen(); }
    bool handleMousePress(QObject *watched, const QMouseEvent *event);

    // Full screen (slideshowfullscreen.cpp).
    void setFullScreen(bool on);
    void fullScreenChanged();
    void stopOrLeaveFullScreen();
    void storeFrame();

    // Painting (slideshowplayback.cpp).
    void showPicture(const QString &path, bool throughTransition);
    void pictureLoaded(const LoadedPicture &picture, bool final);
    void showLoaded(const LoadedPicture &picture);
    bool holdsPictureFor(const QString &path) const;
    void drawTransitionFrame();
    void refitPicture();
    void markOrder(bool randomOrder);
    void orderSwitched(bool randomOrder);
    void prefetchFollowing();

    Settings &m_settings;
    SlideShowController *m_controller;
    SlideShowActions m_actions;
    PinState m_pin;
    AsyncPictureLoader m_loader;
    // The current picture as decoded, at the size it is shown at.
    LoadedPicture m_picture;
    // Whether the running transition takes the picture asked for last onto the screen.
    bool m_throughTransition = false;
    QColor m_back;
    // The stored frame size, until the window manager's frame margins turn it into a window size.
    QSize m_pendingFrameSize;
    QSize m_rememberedArea;
    // What full screen hides or changes, as it was before.
    QRect m_frameBeforeFullScreen;
    bool m_statusBarBeforeFullScreen = true;
    ScreenSaverInhibitor m_screenSaver;

    QImage m_currentImage;
    QImage m_transitionWork;
    PictureSurface *m_surface = nullptr;
    QWidget *m_commandBar = nullptr;
    QWidget *m_toolbar = nullptr;
    QLabel *m_pinMarker = nullptr;
    QLabel *m_positionPanel = nullptr;
    QLabel *m_pathPanel = nullptr;
    QMenu *m_popupMenu = nullptr;
};
