// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/application.h"

#include "core/common/twips.h"
#include "core/settings/settingsfile.h"
#include "core/show/pictureareamemory.h"
#include "ui/mainwindow/mainwindow.h"
#include "ui/show/slideshowwindow.h"
#include "ui/show/startupslide.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace {

// The main window's designed size, twips.
constexpr double MainWidth = 10600;
constexpr double MainHeight = 8200;

bool meetsSomeScreen(const QRect &window)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->geometry().intersects(window))
            return true;
    }
    return false;
}

} // namespace

Application::Application(Interaction &interaction, QObject *parent)
    : QObject(parent)
    , m_interaction(interaction)
{
}

Application::~Application() = default;

void Application::start(const QString &settingsPath, const LaunchRequest &request)
{
    m_settings.settingsPath = settingsPath;
    m_settings.pictureAreaMemoryPath = PictureAreaMemory::defaultFilePath();
    SettingsFile::read(m_settings, screenSizeTwips());
    placeOnScreen();
    // A start-up list's first picture decodes on a worker while the windows are built, and the
    // main window stays out of sight until the show ends. Files named at the start take the
    // start-up list's place.
    const bool playsAtStart = request.paths.isEmpty() && !m_settings.startupList.isEmpty();
    const StartupSlide slide =
        playsAtStart ? StartupSlide::prepare(m_settings.startupList, m_settings.playsRandomly(),
                                             SlideShowWindow::expectedPictureArea(m_settings))
                     : StartupSlide();
    m_window = std::make_unique<MainWindow>(m_settings, m_interaction);
    connect(m_window.get(), &MainWindow::closeRequested, this, &Application::saveSettings);
    if (playsAtStart)
        m_window->playStartupList(slide);
    else if (!request.asksNothing())
        m_window->openAtStart(request);
    else
        m_window->show();
}

void Application::openLaunchRequest(const LaunchRequest &request)
{
    if (m_window)
        m_window->openLaunchRequest(request);
}

// A position left from a screen that is gone (or a hand-edited one) would open the window
// where nobody can see it: it is centred instead.
void Application::placeOnScreen()
{
    const QRect window(twipsToPixels(m_settings.mainLeft), twipsToPixels(m_settings.mainTop),
                       twipsToPixels(MainWidth), twipsToPixels(MainHeight));
    if (QGuiApplication::screens().isEmpty() || meetsSomeScreen(window))
        return;
    const QSizeF screen = screenSizeTwips();
    m_settings.mainLeft = (screen.width() - MainWidth) / 2;
    m_settings.mainTop = (screen.height() - MainHeight) / 2;
}

void Application::saveSettings()
{
    m_settings.currentListPath = m_window->listPath();
    SettingsFile::write(m_settings);
}
