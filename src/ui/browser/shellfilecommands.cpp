// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/shellfilecommands.h"

#include "core/common/interaction.h"
#include "core/common/statushints.h"
#include "core/browser/browsertexts.h"
#include "ui/browser/filelistview.h"
#include "platform/shellroutines.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/slidelist/slidelistview.h"

#include <QDir>
#include <QFileInfo>

ShellFileCommands::ShellFileCommands(SlideListModel &model, SlideListView &slideView,
                                     FileListView &fileList, Interaction &interaction,
                                     StatusHints &hints)
    : m_model(model)
    , m_slideView(slideView)
    , m_fileList(fileList)
    , m_interaction(interaction)
    , m_hints(hints)
{
}

void ShellFileCommands::PopUpCommand(int index)
{
    if (m_model.EntryCount() == 0)
        return;
    switch (index) {
    case 0:
        chooseFolderThen(BrowserTexts::moveTarget(), &ShellFileCommands::MoveSelectedFiles);
        break;
    case 1:
        chooseFolderThen(BrowserTexts::copyTarget(), &ShellFileCommands::CopySelectedFiles);
        break;
    case 2:
        DeleteSelectedFiles();
        break;
    default:
        break;
    }
}

// The folder browser has no folder of its own: it opens at the desktop, the top of the
// user's folders (the home folder when there is no desktop folder).
void ShellFileCommands::chooseFolderThen(const QString &title, Command command)
{
    QString start = specialFolderPath(SpecialFolder::Desktop);
    if (start.isEmpty())
        start = QDir::homePath();
    const QString destination = m_interaction.folderName(title, start);
    if (!destination.isEmpty())
        (this->*command)(destination);
    m_slideView.setFocus();
}

// Files that left their folder leave both lists, whatever the result says: a move stopped
// half-way has moved some of them.
void ShellFileCommands::MoveSelectedFiles(const QString &destination)
{
    const QStringList paths = m_slideView.SelectedEntries();
    if (paths.isEmpty())
        return;
    moveOrCopy(destination, TransferMode::Move);
    removeVanished(paths);
    m_slideView.ShowListCount();
}

void ShellFileCommands::CopySelectedFiles(const QString &destination)
{
    moveOrCopy(destination, TransferMode::Copy);
}

ShellResult ShellFileCommands::moveOrCopy(const QString &destination, TransferMode mode)
{
    const QStringList paths = m_slideView.SelectedEntries();
    if (paths.isEmpty())
        return ShellResult::Done;
    auto progress = [this](int done, int total) {
        m_hints.setProgressMaximum(qMax(1, total));
        m_hints.setProgressValue(done);
        return true;
    };
    const ShellResult result = moveOrCopyFiles(m_interaction, paths, destination, mode, progress);
    m_hints.setProgressValue(0);
    return result;
}

// A failed delete may still have put some files in the trash; those leave the lists too.
void ShellFileCommands::DeleteSelectedFiles()
{
    const QStringList paths = m_slideView.SelectedEntries();
    if (paths.isEmpty())
        return;
    const ShellResult result = moveToTrash(m_interaction, paths);
    if (result == ShellResult::Cancelled)
        return;
    if (result == ShellResult::Done) {
        removeFromLists(paths);
    } else {
        removeVanished(paths);
        m_interaction.messageBox(BrowserTexts::deleteFailed(), MessageStyle::Error,
                                 BrowserTexts::deleteFileErrorTitle());
    }
    m_slideView.ShowListCount();
}

void ShellFileCommands::removeFromLists(const QStringList &paths)
{
    for (const QString &path : paths) {
        m_model.RemoveEntry(path);
        m_fileList.removeEntry(path);
    }
}

void ShellFileCommands::removeVanished(const QStringList &paths)
{
    QStringList gone;
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            gone.append(path);
    }
    removeFromLists(gone);
}
