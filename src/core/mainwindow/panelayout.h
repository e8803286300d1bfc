// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Where the panes of the main window lie, in twips of its client area. Only the splitters
// change the panes; a new client size moves just the command bar and the status bar, which
// stick to the top and the bottom edge.
struct PaneLayout {
    static constexpr int BarThickness = 45;
    // The client area the window is designed for; the frame around it is the window manager's.
    static constexpr int DesignedClientWidth = 10485;
    static constexpr int DesignedClientHeight = 7515;
    static constexpr int StatusBarHeight = 285;
    static constexpr int ProgressBarOffset = 52; // below the status bar's top

    QRect commandBar;
    QRect folderTree;
    QRect treeBar; // bar between the folder tree and the right-hand panes
    QRect fileList;
    QRect previewBar; // bar between the file list and the preview
    QRect preview;
    QRect slideListBar; // bar between the upper panes and the slide list
    QRect slideList;
    QRect statusBar;
    QRect progressBar;

    // The layout the window takes when it loads.
    static PaneLayout initial();

    // Keeps the command bar along the top and the status bar with its progress bar along
    // the bottom of a client area of the given size.
    void followClientSize(const QSize &client);
};
