// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QObject;

// The commands of the slide-show window, each created here once with its caption, key, icon and
// tool tip, and shared by the toolbar, the pop-up menu and the keys. They carry no status tip:
// the window's status bar holds the position and path, which a hint would cover while the
// pointer rests on a button.
struct SlideShowActions {
    explicit SlideShowActions(QObject *owner);

    // The pause button shows what a click does: pause while playing, start while paused.
    void showPlaying(bool playing);

    QAction *stop;
    QAction *back;
    QAction *pause;
    QAction *next;
    // Checked while the window fills the screen.
    QAction *fullScreen;
    QAction *alwaysOnTop;
    QAction *listOrder;
    QAction *randomOrder;
};
