// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mainwindow/commandrule.h"

#include <QHash>
#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Every command of the main window as one QAction with its caption, shortcut, icon, tool tip
// and status hint, made here and nowhere else. The menu bar, the toolbar, the two pop-up
// menus and the keys all use these same actions; what a command does is connected elsewhere.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QObject *parent = nullptr);

    QAction *exit() const { return m_exit; }
    QAction *openList() const { return m_openList; }
    QAction *save() const { return m_save; }
    QAction *saveAs() const { return m_saveAs; }
    QAction *deleteEntries() const { return m_deleteEntries; }
    QAction *clearList() const { return m_clearList; }
    QAction *addSelected() const { return m_addSelected; }
    QAction *addAll() const { return m_addAll; }
    QAction *startShow() const { return m_startShow; }
    QAction *options() const { return m_options; }
    QAction *helpContents() const { return m_helpContents; }
    QAction *helpIndex() const { return m_helpIndex; }
    QAction *about() const { return m_about; }
    // F10 opens the first menu, as on the desktops the program comes from; in no menu.
    QAction *openMenuBar() const { return m_openMenuBar; }
    // The slide list's pop-up: the files of the selected entries.
    QAction *moveFiles() const { return m_moveFiles; }
    QAction *copyFiles() const { return m_copyFiles; }
    QAction *deleteFiles() const { return m_deleteFiles; }
    // The folder tree's pop-up: the folder under the pointer.
    QAction *newFolder() const { return m_newFolder; }
    QAction *deleteFolder() const { return m_deleteFolder; }

    // The actions of each menu, the toolbar and the pop-ups in order; nullptr is a separator.
    QList<QAction *> fileMenu() const;
    QList<QAction *> editMenu() const;
    QList<QAction *> toolsMenu() const;
    QList<QAction *> helpMenu() const;
    QList<QAction *> toolBar() const;
    QList<QAction *> slideListPopUp() const;
    QList<QAction *> folderTreePopUp() const;

    // Every command, in the order made.
    QList<QAction *> all() const { return m_all; }

    // Adds actions to a menu or toolbar; nullptr adds a separator.
    static void addTo(QWidget &widget, const QList<QAction *> &actions);

    // What must hold for the action's command to run when it is triggered.
    CommandRule rule(const QAction *action) const { return m_rules.value(action); }

private:
    struct ActionDescription;
    QAction *make(const ActionDescription &description);
    void makePopUpCommands();

    QAction *m_exit;
    QAction *m_openList;
    QAction *m_save;
    QAction *m_saveAs;
    QAction *m_deleteEntries;
    QAction *m_clearList;
    QAction *m_addSelected;
    QAction *m_addAll;
    QAction *m_startShow;
    QAction *m_options;
    QAction *m_helpContents;
    QAction *m_helpIndex;
    QAction *m_about;
    QAction *m_openMenuBar;
    QAction *m_moveFiles;
    QAction *m_copyFiles;
    QAction *m_deleteFiles;
    QAction *m_newFolder;
    QAction *m_deleteFolder;
    QHash<const QAction *, CommandRule> m_rules;
    QList<QAction *> m_all;
};
