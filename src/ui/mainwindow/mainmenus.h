// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mainwindow/commandtable.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's menus. Each menu holds an array of items addressed by index, where a
// separator takes an index of its own. The two pop-up menus are not in the menu bar: the
// slide list and the folder tree open them over their items and read the chosen item's
// index from QAction::data().
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMenuBar &menuBar, QWidget &window);

    QAction *item(CommandMenu menu, int index) const;

Q_SIGNALS:
    void triggered(CommandMenu menu, int index);

private:
    void addMenu(QMenuBar &menuBar, CommandMenu menu, const QString &menuName,
                 const QString &caption, const QStringList &items,
                 const QList<QKeySequence> &shortcuts);

    QList<QAction *> m_items[4];
};
