#include "platform/shellroutines.h"

#include "app/interaction.h"
#include "platform/platformtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString itemName(const QString &path)
{
    return QFileInfo(QDir::cleanPath(path)).fileName();
}

bool userConfirms(Interaction &interaction, const QStringList &paths)
{
    const QString text = paths.size() == 1 ? PlatformTexts::deleteOne(itemName(paths.first()))
                                           : PlatformTexts::deleteMany(paths.size());
    return interaction.messageBox(text, Interaction::StyleQuestionYesNo,
                                  PlatformTexts::deleteTitle()) == Interaction::Answer::Yes;
}

// Some Qt versions report success but move the file into ./files of the working folder when
// the data folder is missing; such a move is undone and counted as a failure.
bool moveOneToTrash(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isAbsolute() || !(info.exists() || info.isSymLink()))
        return false;
    QString pathInTrash;
    if (!QFile::moveToTrash(path, &pathInTrash))
        return false;
    if (QFileInfo(pathInTrash).isAbsolute())
        return true;
    QFile::rename(pathInTrash, path);
    return false;
}

} // namespace

int ShellDelete(Interaction &interaction, const QStringList &paths)
{
    if (paths.isEmpty())
        return 0;
    if (!userConfirms(interaction, paths))
        return ShellCancelled;
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    bool allMoved = true;
    for (const QString &path : paths)
        allMoved = moveOneToTrash(path) && allMoved;
    return allMoved ? 0 : ShellFailed;
}
