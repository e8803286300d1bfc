// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/apptexts.h"
#include "core/common/interaction.h"

#include <QString>

// The standard warning box, for one of the program's fixed messages or a text of its own.
// Each ";" starts a new line, and the text ends at the first empty line. Beeps first; the box
// is titled "メッセージ"; the input focus is back where it was when the box has closed.
void showMessage(Interaction &interaction, AppMessage message,
                 MessageStyle style = MessageStyle::Exclamation);
void showMessage(Interaction &interaction, const QString &text,
                 MessageStyle style = MessageStyle::Exclamation);

// The text that showMessage shows.
QString messageText(AppMessage message);
QString messageText(const QString &text);
