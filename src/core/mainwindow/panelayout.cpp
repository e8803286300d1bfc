// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/panelayout.h"

PaneLayout PaneLayout::initial()
{
    PaneLayout layout;
    layout.coolBar = QRect(0, 0, DesignedClientWidth, 705);
    layout.folderTree = QRect(0, 690, 2925, 6540);
    layout.picture2 = QRect(2925, 720, BarThickness, 6540);
    layout.fileList = QRect(2970, 690, 4555, 2505);
    layout.picture3 = QRect(7525, 690, BarThickness, 2505);
    layout.preview = QRect(7570, 690, 2910, 2505);
    layout.picture4 = QRect(2970, 3195, 7510, BarThickness);
    layout.slideList = QRect(2970, 3240, 7510, 3990);
    layout.followClientSize(QSize(DesignedClientWidth, DesignedClientHeight));
    return layout;
}

void PaneLayout::followClientSize(const QSize &client)
{
    coolBar.setWidth(client.width());
    statusBar = QRect(0, client.height() - StatusBarHeight, client.width(), StatusBarHeight);
    progressBar = QRect(30, statusBar.top() + ProgressBarOffset, 2265, 195);
}
