// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The three list-file formats, chosen by the extension alone: binary lists with the magic
// "vrl" (this program) or "sml" (the Somnel screen saver), and text lists of one path a line.
enum class ListFormat { None, Vrl, Sml, Txt };

// What reading a list file gave.
struct ListReadResult {
    enum class Status {
        Complete,   // every entry the file announces was read
        Damaged,    // the file ends or breaks off early; paths holds the entries before
        WrongMagic, // a binary list whose magic text is not the extension's
        Unreadable, // the file could not be opened
    };
    Status status = Status::Complete;
    QStringList paths;
};

// The format of a path's extension (the text after its last "."), without regard to case.
ListFormat listFormatOf(const QString &path);

// The bytes of a list file. Paths go in CP932, or as EF BB BF + UTF-8 where CP932 cannot hold
// them (a text list then is UTF-8 as a whole). Clears *ok when a path cannot be stored: a
// binary path longer than a length field holds, a text path holding a line break.
QByteArray encodeList(ListFormat format, const QStringList &paths, bool *ok);

// The paths of a list file's bytes. A text list without the UTF-8 mark whose bytes are valid
// UTF-8 and not plain ASCII is read as UTF-8. Counts and lengths in the file are never trusted for
// allocation: a count promising more entries than there are, or a length that is zero,
// negative or past the end, ends the reading with the entries before it.
ListReadResult decodeList(ListFormat format, const QByteArray &bytes);

ListReadResult readListFile(const QString &path, ListFormat format);

// Writes the list with saveFileContents: a failed save leaves the previous file as it was.
// False when the list was not saved.
bool writeListFile(const QString &path, ListFormat format, const QStringList &paths);
