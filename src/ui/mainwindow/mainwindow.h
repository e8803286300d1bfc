// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area. Positions are designed in twips and converted to pixels
// when placed; the three bars marked with # are splitters the user drags.
//
//  +------------------------------- commandBar -------------------------------+
//  | mainToolBar: exit | open save | delete clear | add add-all | show | opts |
//  |              help                                                        |
//  | listPanel: listBandCaption [listNameLabel] intervalLabel [intervalEdit]  |
//  |   [intervalUpDown] secondsLabel [onTopCheck] [maximizedCheck]            |
//  +--------------+-+-------------------------+-+-----------------------------+
//  |              |#|                         |#|                             |
//  |  folderTree  |#|  fileList               |#|  previewPane                |
//  |              |#|                         |#|                             |
//  |              |#+#### slideListSplitter ##+#+#############################+
//  |              |#|  slideList                                              |
//  |              |#|                                                         |
//  +--------------+-+---------------------------------------------------------+
//  | [progressBar] | hintPanel                      | datePanel | timePanel   |
//  +------------------------------- statusBar --------------------------------+
//
// treeSplitter is the bar right of the folder tree, previewSplitter the one left of the
// preview. The focusSink entry lies below the bottom edge, out of sight.
#pragma once

#include <QMainWindow>
#include <memory>

class CommandBar;
class EditCommands;
class FileListView;
class FolderTreeView;
class Interaction;
class IntervalEntry;
class LaunchOpener;
class ListDocument;
class ListFileCommands;
class MainActivation;
class MainCommands;
class MainActions;
class MainStatusBar;
class PaneArranger;
class PreviewPane;
class QLineEdit;
class ShellFileCommands;
class ShowOptionChecks;
class SlideListModel;
class SlideListView;
struct LaunchRequest;
struct Settings;
struct StartupSlide;

// The main window: builds its panes and command frame and wires them together. What the
// parts do lives in the parts.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Settings &settings, Interaction &interaction, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Plays the start-up list without showing this window first: the first activation runs
    // now and starts the show with the slide prepared ahead; the window shows only when no
    // show starts.
    void playStartupList(const StartupSlide &slide);

    // Starts with what the command line names, in place of the stored lists (the last list
    // and the start-up list stay stored for the next start): the first activation runs now,
    // the named files open, and the list plays (--show) or the window shows.
    void openAtStart(const LaunchRequest &request);
    // Opens what a later start of the program names and brings the window in use (the show's,
    // when a show runs) to the front.
    void openLaunchRequest(const LaunchRequest &request);
    const LaunchOpener &launchOpener() const { return *m_launch; }

    // Path of the list file being edited; empty for a list without a file.
    QString listPath() const;

    bool isInitialised() const;
    bool isSplitterDragging() const;

    const PaneArranger &arranger() const { return *m_arranger; }

Q_SIGNALS:
    // Emitted when the window is asked to close, before it goes; the settings are written then.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildPanes(QWidget &client);
    void buildCommands();
    void buildBehaviour();
    void wireSignals();
    void placeWindow();

    Settings &m_settings;
    Interaction &m_interaction;
    ListDocument *m_document;
    SlideListModel *m_model;
    MainActions *m_actions;
    MainStatusBar *m_statusBar = nullptr;
    CommandBar *m_commandBar = nullptr;
    FolderTreeView *m_folderTree = nullptr;
    FileListView *m_fileList = nullptr;
    PreviewPane *m_preview = nullptr;
    SlideListView *m_slideList = nullptr;
    QLineEdit *m_focusSink = nullptr;
    PaneArranger *m_arranger = nullptr;
    std::unique_ptr<ListFileCommands> m_listFiles;
    std::unique_ptr<EditCommands> m_edits;
    ShellFileCommands *m_shellFiles = nullptr;
    IntervalEntry *m_interval = nullptr;
    ShowOptionChecks *m_checks = nullptr;
    MainCommands *m_commands = nullptr;
    MainActivation *m_activation = nullptr;
    LaunchOpener *m_launch = nullptr;
};
