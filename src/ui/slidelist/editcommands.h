// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtContainerFwd>

class ListDocument;
class SlideListDrop;
class SlideListModel;
class SlideListView;
class QWidget;
class StatusHints;
struct FileListEntry;
struct Settings;

// The Edit commands on the slide list: delete entries, clear the list, add file-list
// pictures. Also sets up the drops onto the slide list. Whether a command may run at all is
// the caller's rule; these just do the work.
class EditCommands {
public:
    // fileList is only the widget whose drags count as file-list drops.
    EditCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                 StatusHints &hints, SlideListView &slideView, QWidget &fileList);

    // Removes the selected entries; the last entry is selected afterwards and the list keeps
    // the focus.
    void deleteSelectedEntries();
    // No question: the list is emptied and becomes a new, unnamed list.
    void clearList();
    // Adds file-list entries with the file list's own path and size texts; the progress runs
    // against listedCount, the number of entries the file list shows.
    void addFileListEntries(const QList<FileListEntry> &entries, int listedCount);

    SlideListDrop &drop() { return *m_drop; }

private:
    SlideListModel &m_model;
    ListDocument &m_document;
    StatusHints &m_hints;
    SlideListView &m_slideView;
    SlideListDrop *m_drop; // a child of the slide list view
};
