// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class FileListView;
class FolderTreeView;
class IntervalEntry;
class ListDocument;
class ListFileCommands;
class MainCommands;
class PaneArranger;
class PreviewPane;
class ShowOptionChecks;
class SlideListModel;
class SlideListView;
struct Settings;

// What the main window does when it becomes active: the first time it fills itself from
// the settings and opens the last list (or plays the start-up list); after a dialog it
// gives the focus back to the list that had it.
class MainActivation : public QObject {
    Q_OBJECT
public:
    struct Parts {
        PaneArranger *arranger;
        IntervalEntry *interval;
        ShowOptionChecks *checks;
        ListDocument *document;
        ListFileCommands *files;
        FolderTreeView *folderTree;
        FileListView *fileList;
        SlideListModel *model;
        SlideListView *slideList;
        PreviewPane *preview;
        MainCommands *commands;
    };

    MainActivation(QWidget &window, Settings &settings, const Parts &parts);

    bool isInitialised() const { return m_mainInitialised; }

    // Runs the first-activation work once, then the focus restore.
    void activated();
    // Whether the first activation opens the stored lists (the last list, or the start-up
    // list, which then plays); a start that names files opens those instead.
    void setOpensStoredLists(bool opens) { m_opensStoredLists = opens; }

    // The list name shown for a list file: its file name without the extension.
    static QString listNameOf(const QString &path);

private:
    void firstActivation();
    void showListName(const QString &path);
    void openStartList(QWidget *focused);
    void restoreListFocus();
    bool restoreFileListFocus();
    void restoreSlideListFocus();

    QWidget &m_window;
    Settings &m_settings;
    Parts m_parts;
    bool m_mainInitialised = false;
    bool m_opensStoredLists = true;
};
