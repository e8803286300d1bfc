#include "app/settingspath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString FileName = QStringLiteral("vel20.ini");
}

QString settingsFilePath(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    if (!programFolder.isEmpty() && folder.isDir() && folder.isWritable())
        return QDir(programFolder).filePath(FileName);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(FileName);
}
