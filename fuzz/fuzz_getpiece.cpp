// SPDX-License-Identifier: GPL-3.0-or-later
// getPiece against a plain split of the text: fields from..to joined by the delimiter, the
// empty text for fields past the end, for any text, delimiter and field numbers.
#include "fuzzcheck.h"

#include "core/common/getpiece.h"

#include <QStringList>

namespace {

QString splitPiece(const QString &text, const QString &delimiter, int from, int to)
{
    if (from < 1 || to < from || delimiter.isEmpty())
        return {};
    const QStringList fields = text.split(delimiter, Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (from > fields.size())
        return {};
    const qsizetype last = std::min<qsizetype>(to, fields.size());
    return fields.mid(from - 1, last - from + 1).join(delimiter);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::InputReader input(data, size);
    // Field numbers around the interesting range, including 0 and negatives.
    const int from = int(input.byte()) - 2;
    const uint8_t span = input.byte();
    // -1 is the parameter's "omitted" value.
    const bool toOmitted = span == 0xff;
    int to = toOmitted ? from : from + int(span % 16) - 2;
    if (to == -1)
        to = from;
    const QString delimiter = QString::fromUtf8(input.bytes(input.byte() % 4));
    const QString text = QString::fromUtf8(input.rest());

    const QString piece =
        toOmitted ? getPiece(text, delimiter, from) : getPiece(text, delimiter, from, to);
    FUZZ_CHECK(piece == splitPiece(text, delimiter, from, to));
    FUZZ_CHECK(piece.size() <= text.size());

    // Reading every field one by one and joining them gives the text back.
    if (!delimiter.isEmpty() && text.size() < 512) {
        const qsizetype count = text.split(delimiter).size();
        QStringList fields;
        for (int k = 1; k <= count; ++k)
            fields.append(getPiece(text, delimiter, k));
        FUZZ_CHECK(fields.join(delimiter) == text);
        FUZZ_CHECK(getPiece(text, delimiter, 1, int(count) + 1) == text);
        FUZZ_CHECK(getPiece(text, delimiter, int(count) + 1).isEmpty());
    }
    return 0;
}
