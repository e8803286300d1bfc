// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slidelist/slidelistdrop.h"

#include "core/browser/browsertexts.h"
#include "core/browser/filedragtext.h"
#include "core/browser/foldertreekeys.h"
#include "core/common/statushints.h"
#include "core/settings/settings.h"
#include "core/slidelist/entryrules.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/slidelisttexts.h"
#include "core/slidelist/urilist.h"
#include "platform/detachedwork.h"
#include "platform/directorylister.h"
#include "ui/common/dragformats.h"
#include "ui/common/waitcue.h"
#include "ui/slidelist/folderpictures.h"
#include "ui/slidelist/paintpause.h"
#include "ui/slidelist/slidelistview.h"

#include <QDropEvent>
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
    , m_lister(std::make_shared<DirectoryLister>())
    , m_walking(new DetachedWork(this))
    , m_waitCue(new WaitCue(slideView, hints, BrowserTexts::readingFolders(), *m_walking))
{
    setObjectName(QStringLiteral("SlideListDrop"));
    m_view.setAcceptDrops(true);
    m_view.viewport()->setAcceptDrops(true);
    m_view.installEventFilter(this);
    m_view.viewport()->installEventFilter(this);
}

void SlideListDrop::setDirectoryLister(std::shared_ptr<const DirectoryLister> lister)
{
    m_lister = lister ? std::move(lister) : std::make_shared<DirectoryLister>();
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
        startWalk(WalkKind::TreeFolder, {draggedFolder(mime)});
        break;
    case Kind::FileList:
        storeFileListDrop(mime.text());
        break;
    case Kind::Desktop:
        addDesktopPaths(localPathsFromUriList(mime.data(UriListType)));
        break;
    case Kind::None:
        break;
    }
}

void SlideListDrop::addDesktopPaths(const QStringList &paths)
{
    startWalk(WalkKind::DesktopPaths, paths);
}

// A file-list drop still waiting is settled by this drop, as if the walk had ended at once.
void SlideListDrop::startWalk(WalkKind kind, const QStringList &paths)
{
    m_pendingDrop = false;
    m_pendingDropText.clear();
    const quint64 id = ++m_lastWalk;
    m_walks.push_back({id, std::nullopt});
    const std::shared_ptr<const DirectoryLister> lister = m_lister;
    const bool jpeg = m_settings.searchesJpeg();
    const bool bitmap = m_settings.searchesBmp();
    m_walking->start(
        [lister, kind, paths, jpeg, bitmap](WorkTicket &ticket) {
            const FolderPictures pictures(*lister);
            return kind == WalkKind::TreeFolder
                       ? pictures.treeEntries(paths.first(), jpeg, bitmap, ticket)
                       : pictures.droppedEntries(paths, jpeg, bitmap, ticket);
        },
        [this, id](const QVector<SlideEntry> &entries) { walkEnded(id, entries); },
        [this](int maximum, int value) { showProgress(maximum, value); });
}

// A walk that ends before an earlier one waits for it.
void SlideListDrop::walkEnded(quint64 id, const QVector<SlideEntry> &entries)
{
    for (Walk &walk : m_walks) {
        if (walk.id == id)
            walk.entries = entries;
    }
    while (!m_walks.empty() && m_walks.front().entries) {
        const QVector<SlideEntry> ready = *m_walks.front().entries;
        m_walks.pop_front();
        addWalked(ready);
    }
    if (m_walks.empty())
        Q_EMIT walksEnded();
}

void SlideListDrop::addWalked(const QVector<SlideEntry> &entries)
{
    {
        const PaintPause pause(m_view);
        m_model.addEntries(entries);
    }
    m_hints.setProgressValue(0);
    m_hints.setHint(QString());
    m_document.listModified = true;
    focusSlideList();
}

void SlideListDrop::showProgress(int maximum, int value)
{
    m_hints.setProgressMaximum(maximum);
    m_hints.setProgressValue(value);
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
