// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mainwindow/commandrule.h"
#include "ui/dialogs/helpviewer.h"
#include "ui/show/startupslide.h"

#include <QObject>
#include <QPointer>

class EditCommands;
class FileListView;
class Interaction;
class ListFileCommands;
class MainActions;
class PreviewPane;
class QAction;
class ShellFileCommands;
class SlideListModel;
class SlideListView;
class SlideShowWindow;
class UpDownControl;
struct Settings;

// What the main window's commands do. Each action of MainActions runs one method here,
// after its rule has been checked against the state of the lists at that moment.
class MainCommands : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ListFileCommands *listFiles;
        EditCommands *edits;
        ShellFileCommands *shellFiles;
        SlideListModel *model;
        SlideListView *slideList;
        FileListView *fileList;
        PreviewPane *preview;
        UpDownControl *intervalUpDown;
    };

    MainCommands(QWidget &window, Settings &settings, Interaction &interaction,
                 const MainActions &actions, const Parts &parts);

    // Plays the slide list in the slide-show window while the main window hides; an empty
    // list starts nothing. When the show ends, returnFocus (by default the control that has
    // the focus now) gets the focus back.
    void startSlideShow(QWidget *returnFocus = nullptr);
    SlideShowWindow *slideShow() const;
    // The next show starts with this slide, prepared before the windows were built.
    void setStartupSlide(const StartupSlide &slide) { m_startupSlide = slide; }

private:
    using Command = void (MainCommands::*)();
    void bind(QAction *action, Command command);
    CommandState state() const;

    void openList();
    void save();
    void saveAs();
    void deleteSelectedEntries();
    void clearList();
    void addSelectedPictures();
    void addAllPictures();
    void startShowHere();
    void openOptions();
    void openHelpContents();
    void openHelpIndex();
    void openHelp(HelpPage page);
    void openAbout();
    void moveFiles();
    void copyFiles();
    void deleteFiles();
    void rememberFocus();

    QWidget &m_window;
    Settings &m_settings;
    Interaction &m_interaction;
    const MainActions &m_actions;
    Parts m_parts;
    QPointer<SlideShowWindow> m_slideShow;
    QPointer<QWidget> m_focusAfterShow;
    StartupSlide m_startupSlide;
};
