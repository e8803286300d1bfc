// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slidelist/editcommands.h"

#include "core/settings/settings.h"
#include "core/common/statushints.h"
#include "ui/browser/filelistview.h"
#include "ui/mainwindow/previewpane.h"
#include "core/slidelist/entryrules.h"
#include "core/slidelist/listdocument.h"
#include "ui/slidelist/paintpause.h"
#include "ui/slidelist/slidelistdrop.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/slidelisttexts.h"
#include "ui/slidelist/slidelistview.h"

#include <QItemSelectionModel>

namespace {

enum EditItem { DeleteItem = 0, ClearItem = 1, AddSelectedItem = 3, AddAllItem = 4 };

} // namespace

EditCommands::EditCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                           StatusHints &hints, SlideListView &slideView, FileListView &fileList,
                           PreviewPane &preview)
    : m_model(model)
    , m_document(document)
    , m_settings(settings)
    , m_hints(hints)
    , m_slideView(slideView)
    , m_fileList(fileList)
    , m_preview(preview)
    , m_drop(new SlideListDrop(model, document, settings, hints, slideView, fileList))
{
}

void EditCommands::EditCommand(int index)
{
    switch (index) {
    case DeleteItem:
        if (hasFocus(m_slideView) && m_model.EntryCount() > 0)
            DeleteSelected();
        break;
    case ClearItem:
        if (m_model.EntryCount() > 0)
            ClearList();
        break;
    case AddSelectedItem:
        if (hasFocus(m_fileList) && m_fileList.EntryCount() > 0)
            AddFileListEntries(m_fileList.selectedEntries());
        break;
    case AddAllItem:
        if (m_fileList.EntryCount() > 0)
            AddFileListEntries(m_fileList.allEntries());
        break;
    default:
        break;
    }
}

// The window's active control; menu and toolbar clicks leave it where it was.
bool EditCommands::hasFocus(const QWidget &view) const
{
    return m_slideView.window()->focusWidget() == &view;
}

void EditCommands::DeleteSelected()
{
    {
        const PaintPause pause(m_slideView);
        m_hints.setHint(SlideListTexts::deletingEntries());
        QList<int> positions;
        const QModelIndexList rows = m_slideView.selectionModel()->selectedRows();
        positions.reserve(rows.size());
        for (const QModelIndex &row : rows)
            positions.append(row.row() + 1);
        m_model.RemoveEntriesAt(positions);
    }
    if (const int count = m_model.EntryCount(); count > 0) {
        const QModelIndex last = m_model.index(count - 1, 0);
        m_slideView.selectionModel()->setCurrentIndex(last, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
        m_slideView.scrollTo(last);
    }
    m_slideView.setFocus(Qt::OtherFocusReason);
    m_hints.setHint(QString());
}

// No question: the list is emptied and becomes a new, unnamed list.
void EditCommands::ClearList()
{
    m_model.ClearEntries();
    if (hasFocus(m_slideView))
        m_preview.setBackColor(m_settings.showBackColour);
    m_document.setNameAndPath(AppTexts::unnamedList(), QString());
    m_document.ListModified = false;
}

// The file list's own path and size texts; the picture files are not examined again.
void EditCommands::AddFileListEntries(const QList<FileListEntry> &entries)
{
    {
        const PaintPause pause(m_slideView);
        m_hints.setHint(SlideListTexts::addingEntries());
        m_hints.setProgressMaximum(m_fileList.EntryCount());
        m_hints.setProgressValue(0);
        QVector<SlideEntry> candidates;
        candidates.reserve(entries.size());
        for (const FileListEntry &entry : entries) {
            candidates.append({entry.key, entry.sizeText, IconForName(entry.key)});
            m_hints.setProgressValue(int(candidates.size()));
        }
        m_model.AddEntries(candidates);
    }
    m_slideView.setFocus(Qt::OtherFocusReason);
    m_hints.setHint(QString());
    m_hints.setProgressValue(0);
    m_document.ListModified = true;
}
