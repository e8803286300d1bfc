// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QStringList>

#include "core/show/fadetransition.h"
#include "ui/show/pictureprefetcher.h"
#include "core/show/pinstate.h"
#include "core/show/playstate.h"

class PictureSurface;
class QAction;
class QLabel;
class QMenu;
class QTimer;
struct Settings;

// The slide-show window: plays the given paths, one picture per interval, in list or random
// order, with the mosaic transition between pictures when the fade is on.
//
//   +--------------------------------------------+
//   | CoolBar1: Toolbar1  [Stop] | [<] [||] [>]  |
//   +--------------------------------------------+
//   | Picture1 (area) = Picture3 (visible)       |
//   +--------------------------------------------+
//   | Picture5 | n/m | path          StatusBar1  |
//   +--------------------------------------------+
//
// Picture1's image holds the current picture on the background colour; Picture4 is the work
// surface of the transition. Closing stores the geometry (unless maximised), emits closed()
// and deletes the window.
class SlideShowWindow : public QMainWindow {
    Q_OBJECT
public:
    SlideShowWindow(Settings &settings, const QStringList &paths, int intervalSeconds,
                    QWidget *parent = nullptr);

    const PlayState &playState() const { return m_play; }
    bool Paused() const { return m_paused; }
    bool TransitionBusy() const { return m_transitionBusy; }
    const QImage &Picture1() const { return m_picture1; }

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (slideshowwindow.cpp).
    void buildCoolBar();
    void buildPictureArea();
    void buildStatusBar();
    void buildPopupMenu();
    void loadSettings(int intervalSeconds);
    void setTopmost(bool on);
    void updatePin();
    void stepAside();
    bool handleMousePress(QObject *watched, const QMouseEvent *event);

    // Playing (slideshowplayback.cpp).
    void firstPaint();
    void ShowPicture(const QString &path, bool useFade);
    void refitPicture();
    void intervalTick();
    void startTransition();
    void transitionTick();
    void stopClicked();
    void returnClicked();
    void startClicked();
    void nextClicked();
    void pause();
    void showStepped();
    void setRunningLook(bool running);
    void switchOrder();
    void toggleTopmost();
    bool useFade() const;

    Settings &m_settings;
    const QStringList m_paths;
    PlayState m_play;
    FadeTransition m_fade;
    PinState m_pin;
    PicturePrefetcher m_prefetcher;
    bool m_paused = false;
    bool m_transitionBusy = false;
    bool m_firstPaintPending = true;
    bool m_randomPlay = false; // the order in force, as the menu's check marks show it
    QColor m_back;

    QImage m_picture1; // the current picture at full size on the background colour
    QImage m_picture4; // work surface of the transition
    PictureSurface *m_picture3 = nullptr;
    QWidget *m_coolBar = nullptr;
    QWidget *m_toolbar = nullptr;
    QAction *m_start = nullptr;
    QLabel *m_pinMarker = nullptr;
    QLabel *m_positionPanel = nullptr;
    QLabel *m_pathPanel = nullptr;
    QMenu *m_popup = nullptr;
    QAction *m_topmostItem = nullptr;
    QAction *m_listOrderItem = nullptr;
    QAction *m_randomItem = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
};
