// SPDX-License-Identifier: GPL-3.0-or-later
// Text list files: one path a line, CP932 or UTF-8 after a mark. The reader gives no empty
// path and no line break inside one, and what it reads is written back and read unchanged.
#include "fuzzcheck.h"

#include "core/slidelist/listfileformat.h"

namespace {

using Status = ListReadResult::Status;

qsizetype lineBreaks(const QByteArray &bytes)
{
    return bytes.count('\r') + bytes.count('\n');
}

void checkRoundTrip(const QStringList &paths)
{
    bool ok = false;
    const QByteArray encoded = encodeList(ListFormat::Txt, paths, &ok);
    if (!ok)
        return;
    const ListReadResult again = decodeList(ListFormat::Txt, encoded);
    FUZZ_CHECK(again.status == Status::Complete);
    FUZZ_CHECK(again.paths == paths);
    FUZZ_CHECK(lineBreaks(encoded) == 2 * paths.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::wholeInput(data, size);
    const ListReadResult result = decodeList(ListFormat::Txt, bytes);
    FUZZ_CHECK(result.status == Status::Complete);
    FUZZ_CHECK(result.paths.size() <= lineBreaks(bytes) + 1);
    for (const QString &path : result.paths) {
        FUZZ_CHECK(!path.isEmpty());
        FUZZ_CHECK(!path.contains(QLatin1Char('\r')) && !path.contains(QLatin1Char('\n')));
    }
    // Every path of the file can be written back: none holds a line break.
    bool ok = false;
    encodeList(ListFormat::Txt, result.paths, &ok);
    FUZZ_CHECK(ok);
    checkRoundTrip(result.paths);

    // The same bytes taken as UTF-8 paths split at NUL, which may hold lone CRs and LFs:
    // those cannot be written as lines and must be refused, never split.
    QStringList paths;
    for (const QByteArray &piece : bytes.split('\0'))
        paths.append(QString::fromUtf8(piece));
    const bool hasBreak = bytes.contains('\r') || bytes.contains('\n');
    bool okPieces = false;
    encodeList(ListFormat::Txt, paths, &okPieces);
    FUZZ_CHECK(okPieces == !hasBreak);
    if (!hasBreak && !paths.contains(QString()))
        checkRoundTrip(paths);
    return 0;
}
