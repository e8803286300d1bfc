// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slidelist/editcommands.h"

#include "core/browser/filelistmodel.h"
#include "core/common/statushints.h"
#include "core/settings/settings.h"
#include "core/slidelist/entryrules.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/slidelisttexts.h"
#include "ui/slidelist/paintpause.h"
#include "ui/slidelist/slidelistdrop.h"
#include "ui/slidelist/slidelistview.h"

#include <QItemSelectionModel>

EditCommands::EditCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                           StatusHints &hints, SlideListView &slideView, QWidget &fileList)
    : m_model(model)
    , m_document(document)
    , m_hints(hints)
    , m_slideView(slideView)
    , m_drop(new SlideListDrop(model, document, settings, hints, slideView, fileList))
{
}

void EditCommands::deleteSelectedEntries()
{
    {
        const PaintPause pause(m_slideView);
        m_hints.setHint(SlideListTexts::deletingEntries());
        QList<int> positions;
        const QModelIndexList rows = m_slideView.selectionModel()->selectedRows();
        positions.reserve(rows.size());
        for (const QModelIndex &row : rows)
            positions.append(row.row() + 1);
        m_model.removeEntriesAt(positions);
    }
    if (const int count = m_model.entryCount(); count > 0) {
        const QModelIndex last = m_model.index(count - 1, 0);
        m_slideView.selectionModel()->setCurrentIndex(last, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
        m_slideView.scrollTo(last);
    }
    m_slideView.setFocus(Qt::OtherFocusReason);
    m_hints.setHint(QString());
}

void EditCommands::clearList()
{
    m_model.clearEntries();
    m_document.setNameAndPath(AppTexts::unnamedList(), QString());
    m_document.listModified = false;
}

// The pictures are not examined again.
void EditCommands::addFileListEntries(const QList<FileListEntry> &entries, int listedCount)
{
    {
        const PaintPause pause(m_slideView);
        m_hints.setHint(SlideListTexts::addingEntries());
        m_hints.setProgressMaximum(listedCount);
        m_hints.setProgressValue(0);
        QVector<SlideEntry> candidates;
        candidates.reserve(entries.size());
        for (const FileListEntry &entry : entries) {
            candidates.append({entry.key, entry.sizeText, iconForName(entry.key)});
            m_hints.setProgressValue(int(candidates.size()));
        }
        m_model.addEntries(candidates);
    }
    m_slideView.setFocus(Qt::OtherFocusReason);
    m_hints.setHint(QString());
    m_hints.setProgressValue(0);
    m_document.listModified = true;
}
