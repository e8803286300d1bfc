#pragma once

class FileListView;
class ListDocument;
class PreviewPane;
class SlideListModel;
class SlideListView;
class StatusHints;
struct Settings;

// The Edit menu: delete entries, clear the list, add selected or all FileList pictures.
class EditCommands {
public:
    EditCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                 StatusHints &hints, SlideListView &slideView, FileListView &fileList,
                 PreviewPane &preview);

    // mnu_Edits items 0, 1, 3 and 4; other indexes do nothing.
    void EditCommand(int index);

private:
    SlideListModel &m_model;
    ListDocument &m_document;
    Settings &m_settings;
    StatusHints &m_hints;
    SlideListView &m_slideView;
    FileListView &m_fileList;
    PreviewPane &m_preview;
};
