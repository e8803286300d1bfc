// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filefailure.h"

#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "platform/platformtexts.h"
#include "platform/shellroutines.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

QString reasonText(FileOperation operation, const FileFailure &failure)
{
    using Reason = FileFailure::Reason;
    switch (failure.reason) {
    case Reason::PermissionDenied:
        return PlatformTexts::permissionDenied();
    case Reason::NoSpace:
        return PlatformTexts::noSpace();
    case Reason::SourceGone:
        return PlatformTexts::sourceGone();
    case Reason::SameFolder:
        return operation == FileOperation::Copy ? PlatformTexts::copyIntoOwnFolder()
                                                : PlatformTexts::moveIntoOwnFolder();
    case Reason::FolderInTheWay:
        return PlatformTexts::folderInTheWay();
    case Reason::NameTooLong:
        return PlatformTexts::nameTooLong();
    case Reason::ReadOnlyFileSystem:
        return PlatformTexts::readOnlyFileSystem();
    case Reason::Other:
        break;
    }
    return PlatformTexts::otherFailure(QString::fromLocal8Bit(std::strerror(failure.errorNumber)));
}

QString messageText(FileOperation operation, const QString &name, const QString &reason)
{
    switch (operation) {
    case FileOperation::Move:
        return PlatformTexts::cannotMove(name, reason);
    case FileOperation::Copy:
        return PlatformTexts::cannotCopy(name, reason);
    case FileOperation::Trash:
        break;
    }
    return PlatformTexts::cannotTrash(name, reason);
}

QString messageTitle(FileOperation operation)
{
    switch (operation) {
    case FileOperation::Move:
        return PlatformTexts::moveErrorTitle();
    case FileOperation::Copy:
        return PlatformTexts::copyErrorTitle();
    case FileOperation::Trash:
        break;
    }
    return PlatformTexts::trashErrorTitle();
}

} // namespace

FileFailure FileFailure::fromErrno(int errorNumber, const QString &source)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return {Reason::PermissionDenied, errorNumber};
    case ENOSPC:
    case EDQUOT:
        return {Reason::NoSpace, errorNumber};
    case ENAMETOOLONG:
        return {Reason::NameTooLong, errorNumber};
    case EROFS:
        return {Reason::ReadOnlyFileSystem, errorNumber};
    case ENOENT:
        if (!pathEntryExists(source))
            return {Reason::SourceGone, errorNumber};
        break;
    default:
        break;
    }
    return {Reason::Other, errorNumber};
}

bool skipAfterFailure(Interaction &interaction, FileOperation operation, const QString &path,
                      const FileFailure &failure)
{
    const QString name = QFileInfo(path).fileName();
    const QString reason = reasonText(operation, failure);
    qCDebug(logPlatform) << "not done:" << path << reason;
    return interaction.skipOrCancel(messageText(operation, name, reason),
                                    messageTitle(operation)) == Interaction::Answer::Skip;
}
