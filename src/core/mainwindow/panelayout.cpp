// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/panelayout.h"

PaneLayout PaneLayout::initial()
{
    PaneLayout layout;
    layout.commandBar = QRect(0, 0, DesignedClientWidth, 705);
    layout.folderTree = QRect(0, 690, 2925, 6540);
    layout.treeBar = QRect(2925, 720, BarThickness, 6540);
    layout.fileList = QRect(2970, 690, 4555, 2505);
    layout.previewBar = QRect(7525, 690, BarThickness, 2505);
    layout.preview = QRect(7570, 690, 2910, 2505);
    layout.slideListBar = QRect(2970, 3195, 7510, BarThickness);
    layout.slideList = QRect(2970, 3240, 7510, 3990);
    layout.followClientSize(QSize(DesignedClientWidth, DesignedClientHeight));
    return layout;
}

void PaneLayout::followClientSize(const QSize &client)
{
    commandBar.setWidth(client.width());
    statusBar = QRect(0, client.height() - StatusBarHeight, client.width(), StatusBarHeight);
    progressBar = QRect(30, statusBar.top() + ProgressBarOffset, 2265, 195);
}
