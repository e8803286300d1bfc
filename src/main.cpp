// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingspath.h"
#include "platform/instancelock.h"
#include "ui/app/application.h"
#include "ui/app/qtinteraction.h"
#include "ui/app/qttranslations.h"

#include <QApplication>
#include <QIcon>

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

} // namespace

int main(int argc, char *argv[])
{
    returnLargeBuffersAtOnce();
    preferX11();
    QApplication app(argc, argv);
    // The application name makes the configuration folder ~/.config/vellora.
    QApplication::setApplicationName(QStringLiteral("vellora"));
    QApplication::setDesktopFileName(QStringLiteral("org.vellora.Vellora2000"));
    QApplication::setWindowIcon(programIcon());
    installJapaneseQtTexts(&app);

    InstanceLock lock;
    if (!lock.tryLock())
        return 0;

    QtInteraction interaction;
    Application application(interaction);
    application.start(settingsFilePath(QApplication::applicationDirPath()));
    return QApplication::exec();
}
