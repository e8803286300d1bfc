// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <optional>

// Keeps the screen awake while inhibited: asks the desktop's screen saver on the session bus
// (org.freedesktop.ScreenSaver) not to start or blank the screen, under the application's name
// and the given reason, and on X11 suspends the X server's own screen saver too. Either part
// works without the other; without a session bus, or off X11, that part is quietly left out.
// Inhibiting twice or releasing twice changes nothing; destroying the inhibitor releases.
class ScreenSaverInhibitor : public QObject {
public:
    explicit ScreenSaverInhibitor(const QString &reason, QObject *parent = nullptr);
    ~ScreenSaverInhibitor() override;

    void setInhibited(bool on);
    bool isInhibited() const { return m_inhibited; }

private:
    void askBus();
    void cookieArrived(uint cookie);

    QString m_reason;
    bool m_inhibited = false;
    bool m_x11Suspended = false;
    // An Inhibit call is on its way; its reply decides whether the cookie is kept.
    bool m_asking = false;
    // The bus's token for the inhibition held now, given back to release it.
    std::optional<uint> m_cookie;
};
