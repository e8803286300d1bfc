// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Interaction;
class QFileInfo;

// The desktop's shell services as the rest of the program needs them. Results follow the
// shell's habit: 0 is success, anything else a failure (ShellCancelled: the user declined).

// The name the shell shows for a path: its last component (extension kept) when the path
// exists, a volume's node text for a mount path, empty when the path does not exist.
QString ShellDisplayName(const QString &path);
// The same for a path already examined: walks that need the size too ask the file system once.
QString ShellDisplayName(const QFileInfo &info);

// Special folders by their shell numbers: 0 the desktop (empty when it is missing or is the
// home folder itself), 5 the personal documents folder (the home folder). Others are empty.
constexpr int SpecialFolderDesktop = 0;
constexpr int SpecialFolderDocuments = 5;
QString SpecialFolderPath(int csidl);

// The text before its first NUL character; the whole text when it holds none.
QString CutAtNul(const QString &text);

// There is no format facility here: always FormatNotPossible.
constexpr int FormatNotPossible = -3;
int FormatDriveDialog(const QString &path);

// Opens the file in the program the desktop associates with it.
void OpenWithDesktop(const QString &path);

// The user declined: nothing changed, callers show no error.
constexpr int ShellCancelled = 1223;
// Some or all of the work could not be done.
constexpr int ShellFailed = 1;

// Moves the paths to the desktop's trash after the user confirms; never deletes for good.
// 0 when every path is in the trash, ShellCancelled when the user declined, else ShellFailed.
int ShellDelete(Interaction &interaction, const QStringList &paths);

// Moves (mode 1) or copies (any other mode) files into the destination folder, asking before
// a file of the same name is replaced. 0 when every file arrived (and nothing was asked when
// paths is empty); ShellCancelled when the user stopped before anything changed; ShellFailed
// when any file was skipped, refused or failed. A failed transfer keeps the source and leaves
// no partial file behind. progress(done, total) runs before each file; false stops the work.
int ShellMoveCopy(Interaction &interaction, const QStringList &paths, const QString &destination,
                  int mode, const std::function<bool(int done, int total)> &progress = {});
