// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DirectoryLister;
class Interaction;
struct DirectoryListing;

// Which wording the format messages take: the folder tree adds a sad face.
enum class FormatWording { FileList, FolderTree };

// Tells the user why a folder could not be read and offers what can be done: Retry for a
// drive without a medium, formatting for an unformatted one. Other errors are passed over
// silently. Returns true when the user wants the folder read again.
bool askAgainAfterListingError(Interaction &interaction, const DirectoryLister &lister,
                               const QString &folder, const DirectoryListing &listing,
                               FormatWording wording);
