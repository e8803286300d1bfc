#pragma once

#include <QTreeView>

class Interaction;
class StatusHints;
struct Settings;

// The picture file list of the main window (ListView1).
class FileListView : public QTreeView {
    Q_OBJECT
public:
    FileListView(Settings &settings, Interaction &interaction, StatusHints &hints,
                 QWidget *parent = nullptr);

    void ShowFolderFiles(const QString &folderPath);

Q_SIGNALS:
    void previewRequested(const QString &path);
    void previewCleared();

private:
    Settings &m_settings;
    Interaction &m_interaction;
    StatusHints &m_hints;
};
