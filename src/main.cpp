// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launch/commandline.h"
#include "core/launch/launchtexts.h"
#include "core/settings/settingspath.h"
#include "platform/instancehandover.h"
#include "platform/instancelock.h"
#include "platform/instanceserver.h"
#include "ui/app/application.h"
#include "ui/app/qtinteraction.h"
#include "ui/app/qttranslations.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Window positions, staying on top and stepping aside need X11: under a Wayland session the
// program runs through XWayland when it can, unless the user chose a platform.
void preferX11()
{
    const bool wayland =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// Decoded pictures are large and short-lived buffers, mostly made on worker threads. With a fixed
// threshold each one is mapped on its own and given back to the system when it is freed;
// glibc's moving threshold would keep them in the threads' heaps for good.
void returnLargeBuffersAtOnce()
{
#ifdef __GLIBC__
    constexpr int largeBuffer = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, largeBuffer);
#endif
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vellora-%1.png").arg(size));
    return icon;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// A start while the program runs hands its request to the running program and ends; it never
// runs beside it, so that only one program writes the settings file.
int handOver(const LaunchRequest &request)
{
    switch (handOverRequest(request, InstanceServer::defaultSocketPath())) {
    case HandOverResult::Delivered:
        return 0;
    case HandOverResult::Unreachable:
        print(stderr, LaunchTexts::runningProgramSilent() + QLatin1Char('\n'));
        return 1;
    case HandOverResult::Refused:
        print(stderr, LaunchTexts::runningProgramRefused() + QLatin1Char('\n'));
        return 1;
    }
    return 1;
}

// Reads the command line; prints what it asks for or complains about. Nothing when the
// program is to run.
std::optional<int> readCommandLine(LaunchRequest &request)
{
    const CommandLine commandLine =
        parseCommandLine(QApplication::arguments(), QDir::currentPath());
    switch (commandLine.action) {
    case CommandLine::Action::PrintHelp:
    case CommandLine::Action::PrintVersion:
        print(stdout, commandLine.text);
        return commandLine.exitStatus();
    case CommandLine::Action::Refuse:
        print(stderr, commandLine.text);
        return commandLine.exitStatus();
    case CommandLine::Action::Run:
        break;
    }
    for (const QString &name : commandLine.missing)
        print(stderr, LaunchTexts::missingFile(name) + QLatin1Char('\n'));
    request.paths = commandLine.request.paths;
    request.show = commandLine.request.show;
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    returnLargeBuffersAtOnce();
    // The launcher's tokens are read before Qt takes them out of the environment.
    LaunchRequest request;
    request.activationToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    request.startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    preferX11();
    QApplication app(argc, argv);
    // The application name makes the configuration folder ~/.config/vellora.
    QApplication::setApplicationName(QStringLiteral("vellora"));
    QApplication::setApplicationVersion(QStringLiteral(VELLORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.vellora.Vellora2000"));
    QApplication::setWindowIcon(programIcon());
    installJapaneseQtTexts(&app);
    if (const std::optional<int> status = readCommandLine(request))
        return *status;

    InstanceLock lock;
    if (!lock.tryLock())
        return handOver(request);
    InstanceServer server;
    server.listen();

    QtInteraction interaction;
    Application application(interaction);
    QObject::connect(&server, &InstanceServer::requestReceived, &application,
                     &Application::openLaunchRequest);
    // The first start's own tokens are Qt's, used when its first window shows.
    request.activationToken.clear();
    request.startupId.clear();
    application.start(settingsFilePath(QApplication::applicationDirPath()), request);
    return QApplication::exec();
}
