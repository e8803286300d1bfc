// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Text in the Windows Japanese code page (CP932 / Windows-31J), the encoding of list files
// and the settings file. Text that CP932 cannot hold exactly is never replaced by '?': the
// "Text" pair falls back to UTF-8 marked by a byte-order mark.
namespace Cp932 {

// The CP932 bytes of text, or nothing when some character has no exact CP932 form (also
// when it would only map one way, e.g. U+301C onto the wave dash of U+FF5E).
std::optional<QByteArray> encodeStrict(const QString &text);

// CP932 bytes as text; each byte that starts no valid character becomes U+FFFD and clears
// *ok.
QString decodeStrict(const QByteArray &bytes, bool *ok = nullptr);

// CP932 when it can hold the text exactly, else EF BB BF followed by the UTF-8 bytes.
QByteArray encodeText(const QString &text);

// Bytes starting with EF BB BF are UTF-8 (the mark dropped); all others are CP932.
QString decodeText(const QByteArray &bytes);

// UTF-8 bytes as text, keeping a U+FEFF at the start (QString::fromUtf8 drops it).
QString decodeUtf8(QByteArrayView bytes);

// The byte-order mark that announces UTF-8.
inline constexpr char Utf8Mark[] = "\xEF\xBB\xBF";

} // namespace Cp932
