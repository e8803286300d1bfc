// SPDX-License-Identifier: GPL-3.0-or-later
// Binary list files (magic "vrl" and "sml"): the reader never trusts the file's counts and
// lengths, and whatever it reads is written back and read again unchanged.
#include "fuzzcheck.h"

#include "core/slidelist/listfileformat.h"

namespace {

using Status = ListReadResult::Status;

// Two bytes of magic length, the three magic letters, four bytes of count.
constexpr qsizetype HeaderBytes = 2 + 3 + 4;
// Two bytes of length and at least one byte of path.
constexpr qsizetype SmallestEntry = 3;

void checkRoundTrip(ListFormat format, const QStringList &paths)
{
    bool ok = false;
    const QByteArray encoded = encodeList(format, paths, &ok);
    if (!ok)
        return;
    const ListReadResult again = decodeList(format, encoded);
    FUZZ_CHECK(again.status == Status::Complete);
    FUZZ_CHECK(again.paths == paths);
    bool okAgain = false;
    FUZZ_CHECK(encodeList(format, again.paths, &okAgain) == encoded && okAgain);
}

void checkFormat(ListFormat format, const QByteArray &bytes)
{
    const ListReadResult result = decodeList(format, bytes);
    if (result.status == Status::WrongMagic) {
        FUZZ_CHECK(result.paths.isEmpty());
        return;
    }
    FUZZ_CHECK(result.status == Status::Complete || result.status == Status::Damaged);
    const qsizetype room = std::max<qsizetype>(0, bytes.size() - HeaderBytes) / SmallestEntry;
    FUZZ_CHECK(result.paths.size() <= room);
    // An entry of nothing but the UTF-8 mark reads as an empty path, which names no file:
    // opening drops it with the missing files, so only the others must survive a save.
    QStringList named = result.paths;
    named.removeAll(QString());
    checkRoundTrip(format, named);

    // A file cut short gives the entries before the cut.
    const ListReadResult cut = decodeList(format, bytes.left(bytes.size() / 2));
    if (cut.status != Status::WrongMagic) {
        FUZZ_CHECK(cut.paths.size() <= result.paths.size());
        FUZZ_CHECK(cut.paths == result.paths.mid(0, cut.paths.size()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::wholeInput(data, size);
    checkFormat(ListFormat::Vrl, bytes);
    checkFormat(ListFormat::Sml, bytes);
    // One magic can never pass as the other.
    FUZZ_CHECK(decodeList(ListFormat::Vrl, bytes).status == Status::WrongMagic ||
               decodeList(ListFormat::Sml, bytes).status == Status::WrongMagic);

    // The same bytes taken as paths, one a line, must survive writing and reading.
    QStringList paths;
    for (const QByteArray &line : bytes.split('\n')) {
        if (!line.isEmpty())
            paths.append(QString::fromUtf8(line));
    }
    checkRoundTrip(ListFormat::Vrl, paths);
    checkRoundTrip(ListFormat::Sml, paths);
    return 0;
}
