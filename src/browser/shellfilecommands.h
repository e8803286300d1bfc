#pragma once

class FileListView;
class Interaction;
class SlideListModel;
class SlideListView;
class StatusHints;

// The slide list's pop-up commands on picture files: move, copy, delete to the trash.
class ShellFileCommands {
public:
    ShellFileCommands(SlideListModel &model, SlideListView &slideView, FileListView &fileList,
                      Interaction &interaction, StatusHints &hints);

    // mnu_PopUps items 0 (move), 1 (copy) and 2 (delete).
    void PopUpCommand(int index);

private:
    SlideListModel &m_model;
    SlideListView &m_slideView;
    FileListView &m_fileList;
    Interaction &m_interaction;
    StatusHints &m_hints;
};
