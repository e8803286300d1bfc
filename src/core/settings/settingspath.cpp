// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingspath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString FileName = QStringLiteral("vel20.ini");

// An installed program has its data folder beside its bin folder. It never writes there, even
// when run by root, whose rights would make every folder look writable.
bool isInstalledProgram(const QString &programFolder)
{
    return QFileInfo(QDir(programFolder).filePath(QStringLiteral("../share/vellora"))).isDir();
}

} // namespace

QString settingsFilePath(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    if (!programFolder.isEmpty() && folder.isDir() && folder.isWritable() &&
        !isInstalledProgram(programFolder))
        return QDir(programFolder).filePath(FileName);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(FileName);
}
