// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/mainactivation.h"

#include "core/browser/foldertreekeys.h"
#include "core/settings/settings.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/slidelisttexts.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"
#include "ui/mainwindow/intervalentry.h"
#include "ui/mainwindow/maincommands.h"
#include "ui/mainwindow/panearranger.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/showoptionchecks.h"
#include "ui/slidelist/slidelistview.h"

#include <QItemSelectionModel>
#include <QPointer>
#include <QWidget>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

MainActivation::MainActivation(QWidget &window, Settings &settings, const Parts &parts)
    : QObject(&window)
    , m_window(window)
    , m_settings(settings)
    , m_parts(parts)
{
}

void MainActivation::activated()
{
    if (!m_mainInitialised)
        firstActivation();
    if (m_settings.restoreListFocus)
        restoreListFocus();
}

QString MainActivation::listNameOf(const QString &path)
{
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

void MainActivation::firstActivation()
{
    // Disabling the window takes the focus away; the control that had it gets it back.
    const QPointer<QWidget> focused = m_window.focusWidget();
    m_window.setEnabled(false);
    m_parts.arranger->paintBarsAtRest();
    m_parts.interval->placeInterval(m_settings.intervalSeconds);
    m_parts.checks->placeSettings();
    showListName(m_opensStoredLists ? m_settings.currentListPath : AppTexts::unnamedList());
    m_parts.folderTree->loadTreeIcons();
    // The tree opens at the root volume.
    m_parts.folderTree->buildFolderTree(FolderKeys::volumeKey(QStringLiteral("/")));
    m_mainInitialised = true;
    if (m_opensStoredLists)
        openStartList(focused);
    m_window.setEnabled(true);
    if (focused && m_window.isVisible())
        focused->setFocus(Qt::OtherFocusReason);
}

void MainActivation::showListName(const QString &path)
{
    if (path.isEmpty())
        return;
    if (ListDocument::isUnnamed(path))
        m_parts.document->setNameAndPath(AppTexts::unnamedList(), QString());
    else
        m_parts.document->setNameAndPath(listNameOf(path), path);
}

// The window is disabled and holds no focus now; the show gives it back to the control that
// had it before.
void MainActivation::openStartList(QWidget *focused)
{
    if (!m_settings.startupList.isEmpty()) {
        m_parts.files->openListFile(m_settings.startupList);
        m_parts.commands->startSlideShow(focused);
    } else if (!m_settings.currentListPath.isEmpty() &&
               !ListDocument::isUnnamed(m_settings.currentListPath)) {
        m_parts.files->openListFile(m_settings.currentListPath);
    }
}

void MainActivation::restoreListFocus()
{
    if (!restoreFileListFocus())
        restoreSlideListFocus();
    m_settings.restoreListFocus = false;
}

// Selects the file list's item again and, when the file list had the focus, shows its
// picture and gives it the focus. True when nothing more is to be done.
bool MainActivation::restoreFileListFocus()
{
    FileListView &list = *m_parts.fileList;
    const QVector<FileListEntry> selected = list.selectedEntries();
    if (list.entryCount() == 0 || selected.isEmpty())
        return false;
    QModelIndex item = list.currentIndex();
    if (!item.isValid() || !list.selectionModel()->isRowSelected(item.row(), QModelIndex()))
        item = list.model()->index(list.fileModel().rowOfKey(selected.constFirst().key), 0);
    const QString key = list.fileModel().entryAt(item.row()).key;
    // Only this item is selected anew: the rest of a multiple selection stays as it was.
    QItemSelectionModel &selection = *list.selectionModel();
    selection.select(item, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    selection.setCurrentIndex(item, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!sameName(m_settings.lastFocusList, list.objectName()))
        return false;
    m_parts.preview->showPreview(key);
    list.setFocus(Qt::OtherFocusReason);
    return true;
}

void MainActivation::restoreSlideListFocus()
{
    if (m_parts.model->entryCount() == 0 ||
        !sameName(m_settings.lastFocusList, m_parts.slideList->objectName()))
        return;
    SlideListView &list = *m_parts.slideList;
    const int position = list.currentEntry();
    if (position > 0 && list.selectionModel()->isRowSelected(position - 1, QModelIndex()))
        m_parts.preview->showPreview(m_parts.model->entryAt(position).path);
    list.setFocus(Qt::OtherFocusReason);
}
