// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/launch/launchrequest.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The one message a later start sends to the running program: a header (four magic bytes and
// the body's size, big-endian) and a JSON body with a version, the paths to open, the show
// flag and the activation tokens. Nothing else can be asked, and a message that asks anything
// else is refused whole. The running program answers with one byte.
namespace LaunchMessage {

inline constexpr qsizetype HeaderSize = 8;
inline constexpr qsizetype MaxBodySize = 1024 * 1024;
inline constexpr int Version = 1;
inline constexpr char Accepted = 'y';
inline constexpr char Refused = 'n';

// Header and body. Tokens that could not pass decode (too long, not printable) are left out,
// so that an odd environment never costs the request itself.
QByteArray encode(const LaunchRequest &request);

// The body size a header announces; -1 when the header is not this message's or announces
// more than MaxBodySize.
qsizetype bodySize(QByteArrayView header);

// The request a body holds, or nothing with the reason in problem.
std::optional<LaunchRequest> decode(QByteArrayView body, QString *problem);

} // namespace LaunchMessage
