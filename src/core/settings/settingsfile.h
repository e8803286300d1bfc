// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QString>

struct Settings;

// The settings file: keys "MainForm", "SubForm" and "Option" of section "Section", each a
// "*"-separated list of fields. Read once at start-up, written once at shutdown.
namespace SettingsFile {

// Longest value read back. The program reads its own values whole: Option holds three paths,
// and the usual 254-byte cut of a profile read would drop the fields after a long list path.
inline constexpr int MaxValueBytes = 3 * 4096 + 64;

// Fills settings from the file at settings.settingsPath. A key that is missing, empty or
// "NO_DATA" takes its defaults, some of which depend on the screen size; so does a form whose
// place or size is no number, and a slide-show frame without area (its maximised flag stays).
// An Option number that is no number or out of range takes that one field's default.
void read(Settings &settings, const QSizeF &screenTwips);

// Writes the three keys to settings.settingsPath; false when some key could not be written.
bool write(const Settings &settings);

// A number as the file stores it: plain decimal, at most seven significant digits, no
// trailing zeros ("2380", "-500", "2387.5").
QString numberText(double value);

// The number at the start of text: blanks skipped, then an optional sign, digits and one
// decimal point up to the first other character; 0 when there is none.
double leadingNumber(const QString &text);

} // namespace SettingsFile
