// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/maintoolbar.h"

#include "ui/mainwindow/mainactions.h"

MainToolBar::MainToolBar(const MainActions &actions, QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("mainToolBar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::NoFocus);
    MainActions::addTo(*this, actions.toolBar());
}
