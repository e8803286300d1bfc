// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// One file of a drag from the file list.
struct FileDragRecord {
    QString path;     // full path, the file list's key
    QString name;     // the name shown in the file list
    QString sizeText; // the file list's size column
};

// The text a drag from the file list carries: the count, "|", then one record
// "path*name*sizeText" followed by a TAB for each file, in list order.
QString fileDragText(const QVector<FileDragRecord> &records);

// The records of a drag text. Records beyond the text, or without a path, are skipped;
// a path holding "*" or "|" is read back whole.
QVector<FileDragRecord> readFileDragText(const QString &text);
