// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/browser/filelistmodel.h"

#include <QSet>
#include <QTreeView>

#include <memory>

class DetachedWork;
class DirectoryLister;
class Interaction;
class StatusHints;
class WaitCue;
struct PictureReading;
struct Settings;

// The picture file list of the main window: the JPEG and bitmap files of the
// folder last chosen in the folder tree.
class FileListView : public QTreeView {
    Q_OBJECT
public:
    FileListView(Settings &settings, Interaction &interaction, StatusHints &hints,
                 QWidget *parent = nullptr);
    ~FileListView() override;

    // Tests give a lister that stands in for media that are not ready or slow; nullptr
    // restores the real file system.
    void setDirectoryLister(std::shared_ptr<const DirectoryLister> lister);

    // Lists the picture files of one folder, sorted by path; the search options are read
    // at every call. The folder is read on a thread of its own: the list stays empty until
    // the rows arrive, and a newer call supersedes a listing still on its way.
    void showFolderFiles(const QString &folderPath);
    // Whether a listing is on its way.
    bool isListing() const;
    // The folder last listed or being listed; empty before the first listing and after
    // clearEntries().
    QString folder() const { return m_folder; }
    WaitCue &waitCue() { return *m_waitCue; }

    const FileListModel &fileModel() const { return m_model; }
    int entryCount() const { return m_model.entryCount(); }
    // Entries in list order: the selected ones, or all.
    QVector<FileListEntry> selectedEntries() const;
    QVector<FileListEntry> allEntries() const;
    // Key of the entry with the keyboard focus (the one a preview shows); empty when none.
    QString currentKey() const;
    // Also keep the entries out of a listing still on its way. The entries of many keys
    // leave in one update; removeEntries tells how many there were.
    bool removeEntry(const QString &key);
    int removeEntries(const QStringList &keys);
    // Also drops a listing still on its way.
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
    void picturesRead(const QString &folderPath, const PictureReading &reading);
    void showProgress(int maximum, int value);

    Settings &m_settings;
    Interaction &m_interaction;
    StatusHints &m_hints;
    FileListModel m_model;
    std::shared_ptr<const DirectoryLister> m_lister;
    DetachedWork *m_reading;
    WaitCue *m_waitCue;
    QSet<QString> m_removedWhileListing;
    QString m_folder;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_columnsPlaced = false;
};
