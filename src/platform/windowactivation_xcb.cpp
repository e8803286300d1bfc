// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowactivation.h"

#include "core/common/logcategories.h"
#include "platform/x11connection.h"

#include <QRegularExpression>
#include <QWindow>

#include <cstring>

namespace {

// The request comes from a normal application (EWMH _NET_ACTIVE_WINDOW).
constexpr quint32 SourceApplication = 1;
// A startup-notification message travels in pieces of this many bytes.
constexpr int StartupInfoPiece = 20;

// The launch time a startup id carries after "_TIME"; 0 when it carries none.
quint32 launchTime(const QString &startupId)
{
    static const QRegularExpression time(QStringLiteral("_TIME(\\d+)$"));
    const QRegularExpressionMatch match = time.match(startupId);
    return match.hasMatch() ? match.captured(1).toUInt() : 0;
}

void askToActivate(xcb_connection_t *connection, xcb_window_t window, quint32 time)
{
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = internAtom(connection, "_NET_ACTIVE_WINDOW");
    request.data.data32[0] = SourceApplication;
    request.data.data32[1] = time;
    sendToRootWindow(connection, request,
                     XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
}

// Tells the launcher that the start it watches has ended ("remove" of the startup-notification
// protocol): the later start ended without a window of its own.
void endLaunchFeedback(xcb_connection_t *connection, xcb_window_t window, const QString &id)
{
    QString quoted = id;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    const QByteArray text = QStringLiteral("remove: ID=\"%1\"").arg(quoted).toUtf8();
    xcb_client_message_event_t piece{};
    piece.response_type = XCB_CLIENT_MESSAGE;
    piece.format = 8;
    piece.window = window;
    piece.type = internAtom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t following = internAtom(connection, "_NET_STARTUP_INFO");
    // The text goes with its closing zero byte.
    for (qsizetype sent = 0; sent <= text.size(); sent += StartupInfoPiece) {
        std::memset(piece.data.data8, 0, StartupInfoPiece);
        std::memcpy(piece.data.data8, text.constData() + sent,
                    std::min<qsizetype>(StartupInfoPiece, text.size() - sent));
        sendToRootWindow(connection, piece, XCB_EVENT_MASK_PROPERTY_CHANGE);
        piece.type = following;
    }
}

} // namespace

void activateForLaunch(QWindow *window, const QString &activationToken, const QString &startupId)
{
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window->handle() || startupId.isEmpty()) {
        window->requestActivate();
        return;
    }
    const auto id = xcb_window_t(window->winId());
    endLaunchFeedback(connection, id, startupId);
    const quint32 time = launchTime(startupId);
    if (time == 0) {
        window->requestActivate();
        return;
    }
    qCDebug(logLaunch) << "activating with the launch time of" << startupId;
    askToActivate(connection, id, time);
}
