// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtContainerFwd>

class FileListView;
class ListDocument;
class PreviewPane;
class SlideListDrop;
class SlideListModel;
class SlideListView;
class QWidget;
class StatusHints;
struct FileListEntry;
struct Settings;

// The Edit menu: delete entries, clear the list, add selected or all FileList pictures. Also
// sets up the drops onto the slide list.
class EditCommands {
public:
    EditCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                 StatusHints &hints, SlideListView &slideView, FileListView &fileList,
                 PreviewPane &preview);

    // mnu_Edits items 0, 1, 3 and 4; other indexes do nothing. Whether a list has the focus
    // is read from its window at the moment of the command.
    void EditCommand(int index);

    SlideListDrop &drop() { return *m_drop; }

private:
    void DeleteSelected();
    void ClearList();
    void AddFileListEntries(const QList<FileListEntry> &entries);
    bool hasFocus(const QWidget &view) const;

    SlideListModel &m_model;
    ListDocument &m_document;
    Settings &m_settings;
    StatusHints &m_hints;
    SlideListView &m_slideView;
    FileListView &m_fileList;
    PreviewPane &m_preview;
    SlideListDrop *m_drop; // a child of the slide list view
};
