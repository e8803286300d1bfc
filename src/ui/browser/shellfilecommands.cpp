// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/shellfilecommands.h"

#include "core/browser/browsertexts.h"
#include "core/common/interaction.h"
#include "core/slidelist/slidelistmodel.h"
#include "platform/shellroutines.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/fileworkrunner.h"

#include <QDir>

ShellFileCommands::ShellFileCommands(SlideListModel &model, FileListView &fileList,
                                     Interaction &interaction, StatusHints &hints, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_fileList(fileList)
    , m_interaction(interaction)
    , m_runner(new FileWorkRunner(interaction, hints, fileList, this))
{
}

void ShellFileCommands::moveFiles(const QStringList &paths)
{
    transfer(paths, BrowserTexts::moveTarget(), TransferMode::Move);
}

void ShellFileCommands::copyFiles(const QStringList &paths)
{
    transfer(paths, BrowserTexts::copyTarget(), TransferMode::Copy);
}

// The folder browser has no folder of its own: it opens at the desktop, the top of the
// user's folders (the home folder when there is no desktop folder).
void ShellFileCommands::transfer(const QStringList &paths, const QString &title, TransferMode mode)
{
    QString start = specialFolderPath(SpecialFolder::Desktop);
    if (start.isEmpty())
        start = QDir::homePath();
    const QString destination = m_interaction.folderName(title, start);
    if (!destination.isEmpty() && !paths.isEmpty())
        transferTo(paths, destination, mode);
    Q_EMIT folderQuestionClosed();
}

// Files that left their folder leave both lists, whatever the result says: a move stopped
// half-way has moved some of them.
void ShellFileCommands::transferTo(const QStringList &paths, const QString &destination,
                                   TransferMode mode)
{
    const QString title =
        mode == TransferMode::Move ? BrowserTexts::moving() : BrowserTexts::copying();
    const ShellResult result = m_runner->run(
        title, [paths, destination, mode](Interaction &asker, FileWorkProgress &progress) {
            return moveOrCopyFiles(asker, paths, destination, mode, &progress);
        });
    if (mode != TransferMode::Move)
        return;
    // A move that was done in full took every source away: only a part-done one is asked.
    if (result == ShellResult::Done)
        removeFromLists(paths);
    else
        removeVanished(paths);
    Q_EMIT listsReconciled();
}

// A failed or cancelled delete may still have put some files in the trash; those leave the
// lists too. Each file that stayed has been reported by itself.
void ShellFileCommands::deleteFiles(const QStringList &paths)
{
    if (paths.isEmpty() || !confirmTrash(m_interaction, paths))
        return;
    const ShellResult result = m_runner->run(
        BrowserTexts::trashing(), [paths](Interaction &asker, FileWorkProgress &progress) {
            return trashFiles(asker, paths, &progress);
        });
    if (result == ShellResult::Done)
        removeFromLists(paths);
    else
        removeVanished(paths);
    Q_EMIT listsReconciled();
}

// One update per list, however many entries leave.
void ShellFileCommands::removeFromLists(const QStringList &paths)
{
    m_model.removeEntries(paths);
    m_fileList.removeEntries(paths);
}

void ShellFileCommands::removeVanished(const QStringList &paths)
{
    QStringList gone;
    for (const QString &path : paths) {
        if (!pathEntryExists(path))
            gone.append(path);
    }
    removeFromLists(gone);
}
