// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FileWorkProgress;

enum class CopyOutcome { Copied, Failed, Cancelled };

// Copies source to target through a hidden temporary file beside the target, which is on disk
// before it takes the target's name: a copy that fails or is cancelled never leaves a partial
// file, and a file it was to replace keeps its old content. Without replace an existing target
// is never replaced. Failed sets errno; Cancelled when progress says so between pieces of the
// file. The bytes copied are added to progress as they go.
CopyOutcome copyFileDurably(const QString &source, const QString &target, bool replace,
                            FileWorkProgress *progress);
