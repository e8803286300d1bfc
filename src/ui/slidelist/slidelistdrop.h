// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slidelist/slidelistmodel.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <deque>
#include <memory>
#include <optional>

class DetachedWork;
class DirectoryLister;
class ListDocument;
class QMimeData;
class SlideListModel;
class SlideListView;
class StatusHints;
class WaitCue;
class WorkTicket;
struct Settings;

// Drops onto the slide list: a folder from the folder tree, pictures from the file list, and
// files and folders from the desktop. A drag that began in the slide list itself does nothing.
// Lives as a child of the slide list view and watches its drag, drop and focus events.
// Folders and desktop paths are walked on threads of their own; what they bring is added
// when the walk ends, drop after drop in the order of the drops.
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

    // Tests give a lister for slow or failing media; nullptr restores the real file system.
    void setDirectoryLister(std::shared_ptr<const DirectoryLister> lister);

    // Handles dropped data whose drag began at source (nullptr: outside the program).
    void receive(const QMimeData &mime, const QObject *source);
    // Adds files and folders as a drop of them from the desktop does.
    void addDesktopPaths(const QStringList &paths);

    // A file-list drop received and not yet added; it is added when the slide list next
    // gains the focus.
    bool hasPendingDrop() const { return m_pendingDrop; }
    QString pendingDropText() const { return m_pendingDropText; }
    // Whether a dropped folder is still being walked.
    bool isWalking() const { return !m_walks.empty(); }
    WaitCue &waitCue() { return *m_waitCue; }

    // Gives the slide list the focus; when it has it already, its focus handling (a pending
    // drop, then the count message) runs all the same.
    void focusSlideList();

Q_SIGNALS:
    // Every walk has ended and its entries are in the list.
    void walksEnded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One drop being walked; entries once the walk has ended.
    struct Walk {
        quint64 id = 0;
        std::optional<QVector<SlideEntry>> entries;
    };
    enum class WalkKind { TreeFolder, DesktopPaths };

    bool acceptDrag(QEvent *event) const;
    void startWalk(WalkKind kind, const QStringList &paths);
    void walkEnded(quint64 id, const QVector<SlideEntry> &entries);
    void addWalked(const QVector<SlideEntry> &entries);
    void storeFileListDrop(const QString &text);
    void addPendingDrop();
    void showProgress(int maximum, int value);

    SlideListModel &m_model;
    ListDocument &m_document;
    Settings &m_settings;
    StatusHints &m_hints;
    SlideListView &m_view;
    QWidget &m_fileList; // drags that begin here are file-list drops
    std::shared_ptr<const DirectoryLister> m_lister;
    DetachedWork *m_walking;
    WaitCue *m_waitCue;
    std::deque<Walk> m_walks; // in the order of the drops
    quint64 m_lastWalk = 0;
    bool m_pendingDrop = false;
    QString m_pendingDropText;
};
