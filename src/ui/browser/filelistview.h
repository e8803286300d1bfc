// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/browser/filelistmodel.h"

#include <QTreeView>

#include <memory>

class DirectoryLister;
struct DirectoryListing;
class Interaction;
class StatusHints;
struct Settings;

// The picture file list of the main window: the JPEG and bitmap files of the
// folder last chosen in the folder tree.
class FileListView : public QTreeView {
    Q_OBJECT
public:
    FileListView(Settings &settings, Interaction &interaction, StatusHints &hints,
                 QWidget *parent = nullptr);
    ~FileListView() override;

    // Tests give a lister that stands in for media that are not ready; nullptr restores the
    // real file system.
    void setDirectoryLister(const DirectoryLister *lister);

    // Lists the picture files of one folder, sorted by path; the search options are read
    // at every call.
    void showFolderFiles(const QString &folderPath);
    // The folder last listed; empty before the first listing and after clearEntries().
    QString folder() const { return m_folder; }

    const FileListModel &fileModel() const { return m_model; }
    int entryCount() const { return m_model.entryCount(); }
    // Entries in list order: the selected ones, or all.
    QVector<FileListEntry> selectedEntries() const;
    QVector<FileListEntry> allEntries() const;
    // Key of the entry with the keyboard focus (the one a preview shows); empty when none.
    QString currentKey() const;
    bool removeEntry(const QString &key);
    void clearEntries();

Q_SIGNALS:
    void previewRequested(const QString &path);
    void previewCleared();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeColumns();
    void headerClicked(int column);
    void previewAfterRelease(Qt::KeyboardModifiers modifiers);
    DirectoryListing listPictures(const QString &folderPath);
    QVector<FileListEntry> entriesFor(const QStringList &sortedPaths);

    Settings &m_settings;
    Interaction &m_interaction;
    StatusHints &m_hints;
    FileListModel m_model;
    std::unique_ptr<DirectoryLister> m_ownLister;
    const DirectoryLister *m_lister;
    QString m_folder;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_columnsPlaced = false;
};
