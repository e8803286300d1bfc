// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screensaverinhibitor.h"

#include "core/common/logcategories.h"
#include "platform/x11screensaver.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>

namespace {

const QString Service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Path = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString Interface = QStringLiteral("org.freedesktop.ScreenSaver");

QDBusMessage screenSaverCall(const QString &method)
{
    return QDBusMessage::createMethodCall(Service, Path, Interface, method);
}

// Nothing waits for the answer: a busy or vanished screen saver must not hold up the show.
void giveBack(uint cookie)
{
    QDBusMessage release = screenSaverCall(QStringLiteral("UnInhibit"));
    release << cookie;
    QDBusConnection::sessionBus().send(release);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(const QString &reason, QObject *parent)
    : QObject(parent)
    , m_reason(reason)
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    setInhibited(false);
}

void ScreenSaverInhibitor::setInhibited(bool on)
{
    if (on == m_inhibited)
        return;
    m_inhibited = on;
    if (on) {
        m_x11Suspended = suspendX11ScreenSaver(true);
        if (!m_cookie && !m_asking)
            askBus();
        return;
    }
    if (m_x11Suspended)
        suspendX11ScreenSaver(false);
    m_x11Suspended = false;
    if (m_cookie)
        giveBack(*m_cookie);
    m_cookie.reset();
}

// The reply comes later; by then the inhibition may have been released, or the inhibitor
// destroyed, and the cookie is given back at once.
void ScreenSaverInhibitor::askBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCDebug(logPlatform, "no session bus: only the X screen saver is held off");
        return;
    }
    QDBusMessage inhibit = screenSaverCall(QStringLiteral("Inhibit"));
    inhibit << QCoreApplication::applicationName() << m_reason;
    m_asking = true;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit));
    const QPointer<ScreenSaverInhibitor> self(this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [self, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (self)
            self->m_asking = false;
        if (reply.isError())
            qCDebug(logPlatform, "the screen saver was not inhibited: %s",
                    qUtf8Printable(reply.error().message()));
        else if (self)
            self->cookieArrived(reply.value());
        else
            giveBack(reply.value());
    });
}

void ScreenSaverInhibitor::cookieArrived(uint cookie)
{
    if (m_inhibited)
        m_cookie = cookie;
    else
        giveBack(cookie);
}
