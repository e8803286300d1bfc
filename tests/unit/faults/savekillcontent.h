// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the save-kill helper saves and what the test expects to find afterwards: two versions
// of a list and of the settings, "a" (on disk before) and "b" (the new one), told apart in
// every field so that a file mixing the two is caught.

#include "core/settings/settings.h"

#include <QString>
#include <QStringList>

namespace SaveKill {

// The helper prints these lines; the test kills it at fixed points counted from them.
inline constexpr char StartedLine[] = "started";
inline constexpr char SavedLine[] = "saved";

inline QStringList listPaths(char version, int count)
{
    QStringList paths;
    paths.reserve(count);
    // The new version's paths are longer, so a file cut short can never pass for it.
    const QString pattern = version == 'a' ? QStringLiteral("/pictures/a/%1.jpg")
                                           : QStringLiteral("/pictures/trip/%1.bmp");
    for (int i = 0; i < count; ++i)
        paths.append(pattern.arg(i, 7, 10, QLatin1Char('0')));
    return paths;
}

inline Settings settingsVersion(char version, const QString &path)
{
    Settings settings;
    settings.settingsPath = path;
    const bool b = version == 'b';
    settings.mainLeft = b ? 1500 : 300;
    settings.mainTop = b ? 2250 : 450;
    settings.showLeft = b ? 6000 : 120;
    settings.showWidth = b ? 9000 : 4515;
    settings.showMaximized = b ? 1 : 0;
    settings.intervalSeconds = b ? 9 : 2;
    settings.currentListPath = b ? QStringLiteral("/写真/旅行.vrl") : QStringLiteral("UnNamed");
    settings.showBackColour = b ? QColor(0x00, 0x80, 0xFF) : QColor(0, 0, 0);
    settings.listSaveFolder = b ? QStringLiteral("/写真") : QString();
    return settings;
}

} // namespace SaveKill
