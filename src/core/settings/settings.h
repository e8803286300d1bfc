// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The program's settings, read once at start-up and written once at shutdown.
// The windows hold a reference to the one instance owned by the application.
struct Settings {
    // "MainForm": main window position, twips.
    float MainLeft = 0;
    float MainTop = 0;

    // "SubForm": slide-show window geometry, twips.
    float ShowHeight = 4155;
    float ShowLeft = 0;
    float ShowTop = 0;
    float ShowWidth = 4515;
    qint16 ShowMaximized = 0;

    // "Option": the option record, in its stored field order.
    qint16 AlwaysOnTop = 1;
    qint16 IntervalSeconds = 2;
    QString CurrentListPath = QStringLiteral("UnNamed");
    qint16 FreeWindow = 1;
    qint16 RandomOrder = 0;
    qint16 UseFade = 1;
    qint32 ShowBackColor = 0; // Windows colour value 0x00BBGGRR
    qint16 SearchBmp = 1;
    qint16 SearchJpg = 1;
    QString ListSaveFolder;
    QString StartupList;

    // Kept beside the settings while the program runs; never stored.
    QString SettingsPath;
    bool RestoreListFocus = false;
    QString LastFocusList;
};
