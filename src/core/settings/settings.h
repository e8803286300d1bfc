// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/apptexts.h"
#include "core/settings/storedflag.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The program's settings, read once at start-up and written once at shutdown.
// The windows hold a reference to the one instance owned by the application.
struct Settings {
    // The slide interval the program accepts, in whole seconds.
    static constexpr int MinimumIntervalSeconds = 1;
    static constexpr int MaximumIntervalSeconds = 30;

    // The slide-show window's size when no usable one is stored, twips.
    static constexpr double DefaultShowWidth = 4515;
    static constexpr double DefaultShowHeight = 4155;

    // "MainForm": main window position, twips.
    double mainLeft = 0;
    double mainTop = 0;

    // "SubForm": slide-show window geometry, twips.
    double showHeight = DefaultShowHeight;
    double showLeft = 0;
    double showTop = 0;
    double showWidth = DefaultShowWidth;
    StoredFlag showMaximized = 0;

    // "Option": the option record, in its stored field order.
    StoredFlag alwaysOnTop = 1;
    int intervalSeconds = 2;
    QString currentListPath = AppTexts::unnamedList();
    StoredFlag freeWindow = 1;
    StoredFlag randomOrder = 0;
    StoredFlag useFade = 1;
    QColor showBackColour = QColor(0, 0, 0);
    StoredFlag searchBmp = 1;
    StoredFlag searchJpg = 1;
    QString listSaveFolder;
    QString startupList;

    // Kept beside the settings while the program runs; never stored.
    QString settingsPath;
    // Where the slide show keeps its picture area between runs; empty: it is not kept.
    QString pictureAreaMemoryPath;
    bool restoreListFocus = false;
    QString lastFocusList;

    // The rules by which the stored flags are read; every reader asks through these.

    // The slide show opens maximised, and the main window's box shows it, for 1 only.
    bool opensMaximized() const { return showMaximized.stored() == 1; }
    // The slide show stays on top, and the main window's box shows it, for 1 only.
    bool staysOnTop() const { return alwaysOnTop.stored() == 1; }
    // The slide window starts fixed in place for 0 only; any other number leaves it free.
    bool startsFixed() const { return freeWindow.stored() == 0; }
    // The show plays in random order for 1 only.
    bool playsRandomly() const { return randomOrder.stored() == 1; }
    // The slide show fades for any number but 0 ...
    bool fades() const { return useFade.stored() != 0; }
    // ... while the options dialog shows the fade option checked for 1 only.
    bool fadeOptionChecked() const { return useFade.stored() == 1; }
    // The file list and folder drops take each picture type for 1 only.
    bool searchesBmp() const { return searchBmp.stored() == 1; }
    bool searchesJpeg() const { return searchJpg.stored() == 1; }
};

// The slide-show window's frame when no usable one is stored, twips: the default size in the
// top right-hand corner of the screen.
inline QRectF defaultShowFrame(const QSizeF &screenTwips)
{
    return {screenTwips.width() - Settings::DefaultShowWidth, 0, Settings::DefaultShowWidth,
            Settings::DefaultShowHeight};
}
