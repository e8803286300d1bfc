// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mainwindow/commandtable.h"

#include <QObject>
#include <QPointer>

class EditCommands;
class Interaction;
class ListFileCommands;
class PreviewPane;
class SlideListModel;
class SlideShowWindow;
class UpDownControl;
struct Settings;

// Runs the main window's commands, addressed by menu and item index. Menus, toolbar
// buttons and function keys all come through here.
class MainCommands : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ListFileCommands *files;
        EditCommands *edits;
        SlideListModel *model;
        PreviewPane *preview;
        UpDownControl *interval;
    };

    MainCommands(QWidget &window, Settings &settings, Interaction &interaction, const Parts &parts);

    void run(CommandMenu menu, int index);
    // A toolbar button: the key chooses the menu item; an unknown key does nothing.
    void runButton(const QString &key);

    // Plays the slide list in the slide-show window while the main window hides; an empty
    // list starts nothing. When the show ends, returnFocus (by default the control that has
    // the focus now) gets the focus back.
    void StartSlideShow(QWidget *returnFocus = nullptr);
    SlideShowWindow *slideShow() const;

private:
    void ToolsCommand(int index);
    void HelpCommand(int index);
    void rememberFocus();
    void openOptions();
    void openAbout();

    QWidget &m_window;
    Settings &m_settings;
    Interaction &m_interaction;
    Parts m_parts;
    QPointer<SlideShowWindow> m_slideShow;
    QPointer<QWidget> m_focusAfterShow;
};
