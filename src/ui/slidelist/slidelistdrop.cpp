// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slidelist/slidelistdrop.h"

#include "core/browser/filedragtext.h"
#include "core/browser/foldertreekeys.h"
#include "core/common/logcategories.h"
#include "core/common/statushints.h"
#include "core/settings/settings.h"
#include "core/slidelist/entryrules.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/slidelisttexts.h"
#include "core/slidelist/urilist.h"
#include "ui/common/dragformats.h"
#include "ui/slidelist/paintpause.h"
#include "ui/slidelist/slidelistview.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace {

const QString UriListType = QStringLiteral("text/uri-list");

bool isWithin(const QObject *source, const QWidget &widget)
{
    const auto *sourceWidget = qobject_cast<const QWidget *>(source);
    return sourceWidget && (sourceWidget == &widget || widget.isAncestorOf(sourceWidget));
}

QString draggedFolder(const QMimeData &mime)
{
    return FolderKeys::keyPath(QString::fromUtf8(mime.data(folderDragMimeType())));
}

} // namespace

SlideListDrop::Kind SlideListDrop::kindOf(const QMimeData &mime, const QObject *source,
                                          const QWidget &slideView, const QWidget &fileList)
{
    if (isWithin(source, slideView))
        return Kind::None;
    if (mime.hasFormat(folderDragMimeType()))
        return draggedFolder(mime).isEmpty() ? Kind::None : Kind::Folder;
    if (isWithin(source, fileList))
        return mime.hasText() ? Kind::FileList : Kind::None;
    // Links to other machines or to things that are not files give nothing to add.
    const bool localFiles = !localPathsFromUriList(mime.data(UriListType)).isEmpty();
    return localFiles ? Kind::Desktop : Kind::None;
}

SlideListDrop::SlideListDrop(SlideListModel &model, ListDocument &document, Settings &settings,
                             StatusHints &hints, SlideListView &slideView, QWidget &fileList)
    : QObject(&slideView)
    , m_model(model)
    , m_document(document)
    , m_settings(settings)
    , m_hints(hints)
    , m_view(slideView)
    , m_fileList(fileList)
{
    setObjectName(QStringLiteral("SlideListDrop"));
    m_view.setAcceptDrops(true);
    m_view.viewport()->setAcceptDrops(true);
    m_view.installEventFilter(this);
    m_view.viewport()->installEventFilter(this);
}

bool SlideListDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        acceptDrag(event);
        return true;
    case QEvent::Drop:
        if (acceptDrag(event)) {
            const auto *drop = static_cast<QDropEvent *>(event);
            receive(*drop->mimeData(), drop->source());
        }
        return true;
    case QEvent::FocusIn:
        // Runs before the view's own focus handling, which then shows the count message.
        if (watched == &m_view && m_pendingDrop)
            addPendingDrop();
        return false;
    default:
        return false;
    }
}

// Dropped data is only ever copied into the list: a move would let the source delete its files.
bool SlideListDrop::acceptDrag(QEvent *event) const
{
    auto *drag = static_cast<QDropEvent *>(event);
    const bool wanted = drag->possibleActions().testFlag(Qt::CopyAction) &&
                        kindOf(*drag->mimeData(), drag->source(), m_view, m_fileList) != Kind::None;
    if (!wanted) {
        drag->ignore();
        return false;
    }
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    return true;
}

void SlideListDrop::receive(const QMimeData &mime, const QObject *source)
{
    switch (kindOf(mime, source, m_view, m_fileList)) {
    case Kind::Folder:
        dropFolder(draggedFolder(mime));
        break;
    case Kind::FileList:
        storeFileListDrop(mime.text());
        break;
    case Kind::Desktop:
        dropFiles(localPathsFromUriList(mime.data(UriListType)));
        break;
    case Kind::None:
        break;
    }
}

void SlideListDrop::dropFolder(const QString &folder)
{
    {
        const PaintPause pause(m_view);
        addFolderTree(folder);
    }
    finishDrop();
}

// Files are added whatever their type; a folder is walked like one dragged from the tree.
// Which is which the file system says: a folder may have a "." in its name, a file none.
void SlideListDrop::dropFiles(const QStringList &paths)
{
    {
        const PaintPause pause(m_view);
        m_hints.setProgressMaximum(int(paths.size()));
        m_hints.setProgressValue(0);
        QVector<SlideEntry> files;
        for (int i = 0; i < paths.size(); ++i) {
            const QString &path = paths.at(i);
            const QFileInfo info(path);
            if (info.isDir()) {
                m_model.addEntries(files);
                files.clear();
                addFolderTree(path);
            } else if (info.isFile()) {
                files.append({path, sizeText(info.size()), iconForName(path)});
            } else {
                qCDebug(logSlideList) << "dropped path gone, left out:" << path;
            }
            m_hints.setProgressValue(i + 1);
        }
        m_model.addEntries(files);
    }
    finishDrop();
}

void SlideListDrop::storeFileListDrop(const QString &text)
{
    m_pendingDropText = text;
    m_pendingDrop = true;
    m_document.listModified = true;
    // The adding belongs to the focus handling, after the drop itself has finished.
    QMetaObject::invokeMethod(this, &SlideListDrop::focusSlideList, Qt::QueuedConnection);
}

void SlideListDrop::focusSlideList()
{
    if (!m_view.hasFocus()) {
        m_view.setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_pendingDrop)
        addPendingDrop();
    if (m_model.entryCount() > 0)
        m_view.showListCount();
}

void SlideListDrop::addPendingDrop()
{
    const QVector<FileDragRecord> records = readFileDragText(m_pendingDropText);
    {
        const PaintPause pause(m_view);
        m_hints.setHint(SlideListTexts::addingEntries());
        m_hints.setProgressMaximum(int(records.size()));
        m_hints.setProgressValue(0);
        QVector<SlideEntry> candidates;
        candidates.reserve(records.size());
        for (const FileDragRecord &record : records) {
            candidates.append({record.path, record.sizeText, iconForName(record.path)});
            m_hints.setProgressValue(int(candidates.size()));
        }
        m_model.addEntries(candidates);
    }
    m_pendingDrop = false;
    m_pendingDropText.clear();
    m_hints.setProgressValue(0);
    m_hints.setHint(QString());
    m_document.listModified = true;
}

// The folder and every folder below it, in sorted order; the progress counts folders.
void SlideListDrop::addFolderTree(const QString &folder)
{
    const QStringList folders = m_pictures.folderPaths(folder);
    const bool several = folders.size() > 1;
    if (several) {
        m_hints.setProgressMaximum(int(folders.size()));
        m_hints.setProgressValue(0);
    }
    for (int i = 0; i < folders.size(); ++i) {
        addFolderPictures(folders.at(i));
        if (several)
            m_hints.setProgressValue(i);
    }
}

void SlideListDrop::addFolderPictures(const QString &folder)
{
    m_model.addEntries(
        m_pictures.folderEntries(folder, m_settings.searchesJpeg(), m_settings.searchesBmp()));
    m_document.listModified = true;
}

void SlideListDrop::finishDrop()
{
    m_pendingDrop = false;
    m_pendingDropText.clear();
    m_hints.setProgressValue(0);
    m_hints.setHint(QString());
    m_document.listModified = true;
    focusSlideList();
}
