// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/filedragtext.h"

#include <QStringList>

namespace {

const QChar countEnd = QLatin1Char('|');
const QChar recordEnd = QLatin1Char('\t');
const QChar fieldDelimiter = QLatin1Char('*');

// Splits "path*name" where name is the last component of path; falls back to the first "*"
// when no split fits (a name that is not the file name).
void splitPathAndName(const QString &pathAndName, FileDragRecord &record)
{
    qsizetype at = pathAndName.indexOf(fieldDelimiter);
    const qsizetype firstAt = at;
    while (at >= 0) {
        const QString path = pathAndName.left(at);
        const QString name = pathAndName.mid(at + 1);
        // A file name holds no "/"; without this test "/a/n*n*a/n" named "n" splits too early.
        if (!name.isEmpty() && !name.contains(QLatin1Char('/')) &&
            path.endsWith(QLatin1Char('/') + name)) {
            record.path = path;
            record.name = name;
            return;
        }
        at = pathAndName.indexOf(fieldDelimiter, at + 1);
    }
    record.path = firstAt < 0 ? pathAndName : pathAndName.left(firstAt);
    record.name = firstAt < 0 ? QString() : pathAndName.mid(firstAt + 1);
}

FileDragRecord readRecord(const QString &text)
{
    FileDragRecord record;
    const qsizetype sizeAt = text.lastIndexOf(fieldDelimiter);
    if (sizeAt < 0) {
        record.path = text;
        return record;
    }
    record.sizeText = text.mid(sizeAt + 1);
    splitPathAndName(text.left(sizeAt), record);
    return record;
}

} // namespace

QString fileDragText(const QVector<FileDragRecord> &records)
{
    QString text = QString::number(records.size()) + countEnd;
    for (const FileDragRecord &record : records) {
        text += record.path + fieldDelimiter + record.name + fieldDelimiter + record.sizeText +
                recordEnd;
    }
    return text;
}

QVector<FileDragRecord> readFileDragText(const QString &text)
{
    const qsizetype countAt = text.indexOf(countEnd);
    if (countAt < 0)
        return {};
    const int count = text.left(countAt).trimmed().toInt();
    const QStringList records = text.mid(countAt + 1).split(recordEnd);
    QVector<FileDragRecord> result;
    for (int i = 0; i < count && i < records.size(); ++i) {
        FileDragRecord record = readRecord(records.at(i));
        if (!record.path.isEmpty())
            result.append(record);
    }
    return result;
}
