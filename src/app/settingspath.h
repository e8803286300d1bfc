#pragma once

#include <QString>

// Where the settings file lives: in the program's folder when that folder is writable (a
// portable copy), otherwise in the user's configuration folder, which is created then.
QString settingsFilePath(const QString &programFolder);
