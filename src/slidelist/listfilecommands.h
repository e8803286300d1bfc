#pragma once

#include <QString>

class Interaction;
class ListDocument;
class SlideListModel;
struct Settings;

// The File menu's list-file commands: open, save and save as.
class ListFileCommands {
public:
    ListFileCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                     Interaction &interaction);

    void OpenListFile(const QString &path);
    void SaveListFile(bool useCurrentPath);

    // mnu_Files items 0 (open), 2 (save) and 3 (save as); other indexes do nothing.
    void FileCommand(int index);

private:
    SlideListModel &m_model;
    ListDocument &m_document;
    Settings &m_settings;
    Interaction &m_interaction;
};
