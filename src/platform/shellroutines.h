// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class FileWorkProgress;
class Interaction;
class QFileInfo;

// The desktop's shell services as the rest of the program needs them.

// How a shell operation on files ended.
enum class ShellResult {
    Done,      // everything was done
    Cancelled, // the user declined before anything changed: callers show no error
    Failed,    // some or all of the work could not be done
};

// How an offer to format a medium ended.
enum class FormatResult {
    Formatted,
    Failed,      // formatting was tried and failed
    NotPossible, // there is no format facility for the medium
};

enum class SpecialFolder { Desktop, Documents };

enum class TransferMode { Move, Copy };

// The name the shell shows for a path: its last component (extension kept) when the path
// exists, a volume's node text for a mount path, empty when the path does not exist.
QString shellDisplayName(const QString &path);
// The same for a path already examined: walks that need the size too ask the file system once.
QString shellDisplayName(const QFileInfo &info);

// True when the path names an entry of its folder, a link to nothing included: a source that
// is gone has no entry at all.
bool pathEntryExists(const QString &path);

// The desktop (empty when it is missing or is the home folder itself) or the personal
// documents folder (the home folder).
QString specialFolderPath(SpecialFolder folder);

// There is no format facility here: always NotPossible.
FormatResult formatDriveDialog(const QString &path);

// Opens the file in the program the desktop associates with it.
void openWithDesktop(const QString &path);

// Moves the paths to the desktop's trash after the user confirms; never deletes for good.
// Done when every path is in the trash (or paths is empty), Cancelled when the user declined;
// a path that stays is not reported.
ShellResult moveToTrash(Interaction &interaction, const QStringList &paths);

// The question before paths go to the trash: true when the user agreed.
bool confirmTrash(Interaction &interaction, const QStringList &paths);
// Moves the paths to the trash without asking first. Each path that cannot go is reported,
// with the choice to skip it or leave the rest. Done when every path is in the trash, else
// Failed. progress follows the work and can stop it between paths.
ShellResult trashFiles(Interaction &interaction, const QStringList &paths,
                       FileWorkProgress *progress = nullptr);

// Moves or copies files into the destination folder, asking before a file of the same name is
// replaced. A file that cannot be moved or copied is reported, with the choice to skip it or
// leave the rest. Done when every file arrived (and nothing was asked when paths is empty);
// Cancelled when the user stopped before anything changed; Failed when any file was skipped,
// refused or failed, or the work stopped half-way. A file not transferred keeps its source and
// leaves no partial file behind. progress follows the work and can stop it, even within a file.
ShellResult moveOrCopyFiles(Interaction &interaction, const QStringList &paths,
                            const QString &destination, TransferMode mode,
                            FileWorkProgress *progress = nullptr);
