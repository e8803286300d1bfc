// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test program: a picture decoded on the application's thread stops the
// test there, in release builds too.
#include "core/show/pictureloader.h"

#include <QCoreApplication>

namespace {

void checkDecodeThreads()
{
    setDecodeThreadCheck(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(checkDecodeThreads)
