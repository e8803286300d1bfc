// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <utility>

// A private profile (INI) file: "[section]" lines, each followed by "key=value" lines.
// Section and key names match without regard to letter case and values are read trimmed of
// surrounding blanks, then without one pair of double quotes that encloses the whole value, as
// files written by hand often quote values. The file is CP932, or wholly UTF-8 after a
// byte-order mark when some text in it has no CP932 form.
namespace ProfileFile {

// Longest value that a read returns, in bytes of the file's encoding.
inline constexpr int MaxValueBytes = 254;

// The value of key in section, cut to maxBytes without splitting a character;
// defaultValue when the file, the section or the key is missing.
QString readString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultValue, int maxBytes = MaxValueBytes);

// Sets key in section to value, keeping every other line of the file. A value enclosed in
// double quotes is stored inside one more pair, so that it reads back whole. Creates the file, the
// section or the key when missing. The file is replaced in one step, so a failed write
// leaves the old file. Returns false when nothing was written: the file exists but cannot be
// read, it cannot be saved, a name or the value holds a line break, the section name a "]"
// or the key name a "=".
bool writeString(const QString &path, const QString &section, const QString &key,
                 const QString &value);

using KeyValue = std::pair<QString, QString>;

// Sets several keys of one section in a single replacement of the file, so that a write cut
// off at any moment leaves all of them old or all of them new. A key that cannot be stored
// (as for writeString) is left as it is and makes the result false; the others are written.
bool writeStrings(const QString &path, const QString &section, const QList<KeyValue> &entries);

} // namespace ProfileFile
