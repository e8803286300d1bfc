// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/directorylister.h"
#include "ui/slidelist/folderpictures.h"

#include <QObject>
#include <QString>
#include <QStringList>

class ListDocument;
class QMimeData;
class SlideListModel;
class SlideListView;
class StatusHints;
struct Settings;

// Drops onto the slide list: a folder from the folder tree, pictures from the file list, and
// files and folders from the desktop. A drag that began in the slide list itself does nothing.
// Lives as a child of the slide list view and watches its drag, drop and focus events.
class SlideListDrop : public QObject {
    Q_OBJECT
public:
    enum class Kind { None, Folder, FileList, Desktop };

    // What a drop is, judged by the drop alone: where its drag began (source, for drags inside
    // the program) and the data it carries. Nothing left over from an earlier drag counts.
    static Kind kindOf(const QMimeData &mime, const QObject *source, const QWidget &slideView,
                       const QWidget &fileList);

    SlideListDrop(SlideListModel &model, ListDocument &document, Settings &settings,
                  StatusHints &hints, SlideListView &slideView, QWidget &fileList);

    // Handles dropped data whose drag began at source (nullptr: outside the program).
    void receive(const QMimeData &mime, const QObject *source);

    // A file-list drop received and not yet added; it is added when the slide list next
    // gains the focus.
    bool hasPendingDrop() const { return m_pendingDrop; }
    QString pendingDropText() const { return m_pendingDropText; }

    // Gives the slide list the focus; when it has it already, its focus handling (a pending
    // drop, then the count message) runs all the same.
    void focusSlideList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool acceptDrag(QEvent *event) const;
    void dropFolder(const QString &folder);
    void dropFiles(const QStringList &paths);
    void storeFileListDrop(const QString &text);
    void addPendingDrop();
    void addFolderTree(const QString &folder);
    void addFolderPictures(const QString &folder);
    void finishDrop();

    SlideListModel &m_model;
    ListDocument &m_document;
    Settings &m_settings;
    StatusHints &m_hints;
    SlideListView &m_view;
    QWidget &m_fileList; // drags that begin here are file-list drops
    DirectoryLister m_lister;
    FolderPictures m_pictures{m_lister};
    bool m_pendingDrop = false;
    QString m_pendingDropText;
};
