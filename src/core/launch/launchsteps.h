// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QVector>

// One step of opening what a start names: a list file opens as the Open command opens it;
// other files and folders in a row are added together, as one drop from the desktop.
struct LaunchStep {
    enum class Kind { OpenList, AddPaths };

    Kind kind = Kind::AddPaths;
    QStringList paths; // one list file, or the files and folders of the drop

    bool operator==(const LaunchStep &) const = default;
};

// The steps for paths, in their order. Only a regular file with a list extension is a list;
// a folder with such a name is walked.
QVector<LaunchStep> launchSteps(const QStringList &paths);
