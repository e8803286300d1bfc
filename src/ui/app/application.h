// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/launch/launchrequest.h"
#include "core/settings/settings.h"

#include <QObject>
#include <memory>

class Interaction;
class MainWindow;

// Start-up and shutdown around the main window: reads the settings file, shows the main
// window (or, with a start-up list, plays it first; or opens what the command line names),
// and writes the settings back when the main window is asked to close.
class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(Interaction &interaction, QObject *parent = nullptr);
    ~Application() override;

    // Reads the settings file at settingsPath and shows the main window. A request that names
    // files opens them in place of the stored lists.
    void start(const QString &settingsPath, const LaunchRequest &request = {});
    // Opens what a later start of the program asks for.
    void openLaunchRequest(const LaunchRequest &request);

    MainWindow *mainWindow() const { return m_window.get(); }
    const Settings &settings() const { return m_settings; }

private:
    void placeOnScreen();
    void saveSettings();

    Interaction &m_interaction;
    Settings m_settings;
    std::unique_ptr<MainWindow> m_window;
};
