// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;

// Qt's own texts (message-box buttons, the file dialog) in Japanese, like the rest of the
// program, whatever language the desktop is set to. Without Qt's translation files installed
// they stay in English.
void installJapaneseQtTexts(QObject *owner);
