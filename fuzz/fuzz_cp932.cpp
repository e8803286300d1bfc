// SPDX-License-Identifier: GPL-3.0-or-later
// The CP932 codec: any bytes decode without a crash, a clean decode encodes back to bytes
// of the same text, and any text survives encodeText/decodeText exactly.
#include "fuzzcheck.h"

#include "core/common/cp932.h"

namespace {

void checkBytes(const QByteArray &bytes)
{
    bool ok = false;
    const QString text = Cp932::decodeStrict(bytes, &ok);
    // A byte gives at most one character.
    FUZZ_CHECK(text.size() <= bytes.size());
    if (!ok) {
        FUZZ_CHECK(text.contains(QChar::ReplacementCharacter));
        return;
    }
    const std::optional<QByteArray> encoded = Cp932::encodeStrict(text);
    FUZZ_CHECK(encoded.has_value());
    bool okAgain = false;
    FUZZ_CHECK(Cp932::decodeStrict(*encoded, &okAgain) == text && okAgain);
    // Bytes with several forms (NEC and IBM rows) settle on one.
    FUZZ_CHECK(Cp932::encodeStrict(Cp932::decodeStrict(*encoded)) == encoded);
}

void checkText(const QString &text)
{
    const QByteArray encoded = Cp932::encodeText(text);
    FUZZ_CHECK(Cp932::decodeText(encoded) == text);
    if (const std::optional<QByteArray> strict = Cp932::encodeStrict(text)) {
        FUZZ_CHECK(*strict == encoded);
        bool ok = false;
        FUZZ_CHECK(Cp932::decodeStrict(*strict, &ok) == text && ok);
    } else {
        FUZZ_CHECK(encoded.startsWith(Cp932::Utf8Mark));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::wholeInput(data, size);
    checkBytes(bytes);
    FUZZ_CHECK(Cp932::decodeText(bytes).size() <= bytes.size());
    checkText(QString::fromUtf8(bytes));
    checkText(QString::fromLatin1(bytes));
    checkText(Cp932::decodeStrict(bytes));
    return 0;
}
