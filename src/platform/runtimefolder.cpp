// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtimefolder.h"

#include <QDir>
#include <QStandardPaths>

QString runtimeFilePath(const QString &name)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(name);
}
