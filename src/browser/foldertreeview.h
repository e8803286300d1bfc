#pragma once

#include <QTreeWidget>

class Interaction;
class StatusHints;
struct Settings;

// The folder tree of the main window (TreeView1).
class FolderTreeView : public QTreeWidget {
    Q_OBJECT
public:
    FolderTreeView(Settings &settings, Interaction &interaction, StatusHints &hints,
                   QWidget *parent = nullptr);

    void LoadTreeIcons();
    void BuildFolderTree(const QString &expandKey);

Q_SIGNALS:
    void folderClicked(const QString &folderPath);

private:
    Settings &m_settings;
    Interaction &m_interaction;
    StatusHints &m_hints;
};
