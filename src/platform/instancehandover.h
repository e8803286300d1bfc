// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/launch/launchrequest.h"

#include <QString>

#include <chrono>

// A later start's side of the instance socket: hands a request to the running program.
enum class HandOverResult { Delivered, Unreachable, Refused };

struct HandOverTimes {
    // How long the running program may take to let the socket be opened: it may be just
    // starting, holding the lock but not yet listening.
    std::chrono::milliseconds connect{2000};
    // How long it may take to answer once reached: it answers from its event loop, which a
    // long piece of work can hold up.
    std::chrono::milliseconds answer{10000};
};

HandOverResult handOverRequest(const LaunchRequest &request, const QString &socketPath,
                               const HandOverTimes &times = {});
