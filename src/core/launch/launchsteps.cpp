// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launch/launchsteps.h"

#include "core/slidelist/listfileformat.h"

#include <QFileInfo>

QVector<LaunchStep> launchSteps(const QStringList &paths)
{
    QVector<LaunchStep> steps;
    for (const QString &path : paths) {
        if (listFormatOf(path) != ListFormat::None && QFileInfo(path).isFile()) {
            steps.append({LaunchStep::Kind::OpenList, {path}});
            continue;
        }
        if (steps.isEmpty() || steps.constLast().kind != LaunchStep::Kind::AddPaths)
            steps.append({LaunchStep::Kind::AddPaths, {}});
        steps.last().paths.append(path);
    }
    return steps;
}
