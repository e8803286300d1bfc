// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/mainmenus.h"

#include "core/mainwindow/mainwindowtexts.h"
#include "ui/mainwindow/mainactions.h"

#include <QMenu>
#include <QMenuBar>

namespace {

void addMenu(QMenuBar &menuBar, const char *name, const QString &caption,
             const QList<QAction *> &actions)
{
    QMenu *menu = menuBar.addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    MainActions::addTo(*menu, actions);
}

} // namespace

void buildMainMenus(QMenuBar &menuBar, const MainActions &actions)
{
    addMenu(menuBar, "fileMenu", MainText::FileMenu, actions.fileMenu());
    addMenu(menuBar, "editMenu", MainText::EditMenu, actions.editMenu());
    addMenu(menuBar, "toolsMenu", MainText::ToolsMenu, actions.toolsMenu());
    addMenu(menuBar, "helpMenu", MainText::HelpMenu, actions.helpMenu());
}
