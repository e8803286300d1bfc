// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

class Interaction;

// The standard warning box. message is a text or a message code (a number, or a text that
// reads as one); a code outside the table is shown as it stands. Each ";" starts a new
// line, and the text ends at the first empty line. buttons is a message-box style value.
// Beeps first; the input focus is back where it was when the box has closed.
void ShowMessage(Interaction &interaction, const QVariant &message, int buttons = 48);

// The text that ShowMessage shows for message.
QString messageText(const QVariant &message);
