// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a drag from the file list: never more records than the count or the text
// holds, and what is read is written and read back unchanged. Records shaped like real file
// list rows (the name is the path's last component) come back exactly, whatever "*" and "|"
// the path holds.
#include "fuzzcheck.h"

#include "core/browser/filedragtext.h"

namespace {

bool sameRecords(const QVector<FileDragRecord> &a, const QVector<FileDragRecord> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].path != b[i].path || a[i].name != b[i].name || a[i].sizeText != b[i].sizeText)
            return false;
    }
    return true;
}

// A row as the file list makes it from a read record: a name without "/" or TAB that ends
// the path, and a size text without "*" or TAB.
std::optional<FileDragRecord> rowShaped(const FileDragRecord &read)
{
    FileDragRecord row;
    row.name = read.name;
    row.name.remove(QLatin1Char('/')).remove(QLatin1Char('\t'));
    if (row.name.isEmpty())
        return std::nullopt;
    row.path = read.path + QLatin1Char('/') + row.name;
    row.path.remove(QLatin1Char('\t'));
    row.sizeText = read.sizeText;
    row.sizeText.remove(QLatin1Char('*')).remove(QLatin1Char('\t'));
    return row;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(Fuzz::wholeInput(data, size));
    const QVector<FileDragRecord> records = readFileDragText(text);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    FUZZ_CHECK(bar >= 0 || records.isEmpty());
    if (bar >= 0) {
        FUZZ_CHECK(records.size() <= std::max(0, text.left(bar).trimmed().toInt()));
        FUZZ_CHECK(records.size() <= text.mid(bar + 1).count(QLatin1Char('\t')) + 1);
    }
    for (const FileDragRecord &record : records)
        FUZZ_CHECK(!record.path.isEmpty() && !record.path.contains(QLatin1Char('\t')));

    // Written again, the records read back as they are.
    FUZZ_CHECK(sameRecords(readFileDragText(fileDragText(records)), records));

    QVector<FileDragRecord> rows;
    for (const FileDragRecord &record : records) {
        if (const std::optional<FileDragRecord> row = rowShaped(record))
            rows.append(*row);
    }
    FUZZ_CHECK(sameRecords(readFileDragText(fileDragText(rows)), rows));

    // The input's lines as rows: folder, name and size text separated by TABs.
    QVector<FileDragRecord> lineRows;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        FileDragRecord shape{parts.value(0), parts.value(1), parts.value(2)};
        if (const std::optional<FileDragRecord> row = rowShaped(shape))
            lineRows.append(*row);
    }
    FUZZ_CHECK(sameRecords(readFileDragText(fileDragText(lineRows)), lineRows));
    return 0;
}
