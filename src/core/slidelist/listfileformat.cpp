// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/listfileformat.h"

#include "core/common/cp932.h"
#include "core/slidelist/savefilecontents.h"

#include <QFile>
#include <QStringDecoder>
#include <QtEndian>

#include <limits>
#include <optional>

namespace {

using Status = ListReadResult::Status;

constexpr qsizetype MagicLength = 3;

const char *magicOf(ListFormat format)
{
    return format == ListFormat::Sml ? "sml" : "vrl";
}

bool isAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// ASCII is the same in CP932; skipping the converter keeps long lists fast.
QByteArray encodeText(const QString &text)
{
    return isAscii(text) ? text.toLatin1() : Cp932::encodeText(text);
}

QString decodeText(QByteArrayView bytes)
{
    return isAscii(bytes) ? QString::fromLatin1(bytes) : Cp932::decodeText(bytes.toByteArray());
}

template<typename Int> void appendLittleEndian(QByteArray &out, Int value)
{
    char bytes[sizeof(Int)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(Int));
}

// Reads little-endian fields one after the other; every read checks the bytes left.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    template<typename Int> std::optional<Int> integer()
    {
        QByteArrayView field;
        if (!take(sizeof(Int), &field))
            return std::nullopt;
        return qFromLittleEndian<Int>(field.data());
    }

    bool take(qsizetype length, QByteArrayView *field)
    {
        if (length < 0 || length > m_bytes.size() - m_position)
            return false;
        *field = m_bytes.sliced(m_position, length);
        m_position += length;
        return true;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};

QByteArray encodeBinary(ListFormat format, const QStringList &paths, bool *ok)
{
    QByteArray out;
    appendLittleEndian<qint16>(out, qint16(MagicLength));
    out.append(magicOf(format), MagicLength);
    appendLittleEndian<qint32>(out, qint32(paths.size()));
    for (const QString &path : paths) {
        const QByteArray bytes = encodeText(path);
        if (bytes.isEmpty() || bytes.size() > std::numeric_limits<qint16>::max()) {
            *ok = false;
            return {};
        }
        appendLittleEndian<qint16>(out, qint16(bytes.size()));
        out.append(bytes);
    }
    return out;
}

QByteArray encodeTextList(const QStringList &paths, bool *ok)
{
    QString text;
    for (const QString &path : paths) {
        if (path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n'))) {
            *ok = false;
            return {};
        }
        text += path;
        text += QLatin1String("\r\n");
    }
    return encodeText(text);
}

ListReadResult decodeBinary(ListFormat format, QByteArrayView bytes)
{
    FieldReader reader(bytes);
    const std::optional<qint16> magicLength = reader.integer<qint16>();
    QByteArrayView magic;
    if (!magicLength || !reader.take(*magicLength, &magic) ||
        decodeText(magic).compare(QLatin1String(magicOf(format)), Qt::CaseInsensitive) != 0)
        return {Status::WrongMagic, {}};

    ListReadResult result;
    const std::optional<qint32> count = reader.integer<qint32>();
    if (!count || *count < 0) {
        result.status = Status::Damaged;
        return result;
    }
    for (qint32 i = 0; i < *count; ++i) {
        const std::optional<qint16> length = reader.integer<qint16>();
        QByteArrayView path;
        if (!length || *length <= 0 || !reader.take(*length, &path)) {
            result.status = Status::Damaged;
            return result;
        }
        result.paths.append(decodeText(path));
    }
    return result;
}

// The text of a text list. Without the mark, bytes that are valid UTF-8 and not plain ASCII
// were written on Linux (an editor, a script) and are UTF-8; all others are CP932, as this
// program writes them.
QString decodeTextListBytes(QByteArrayView bytes)
{
    if (!isAscii(bytes) && !bytes.startsWith(QByteArrayView(Cp932::Utf8Mark))) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return decodeText(bytes);
}

// A line ends at CR, CR LF or a lone LF; empty lines name no file and are dropped.
ListReadResult decodeTextList(QByteArrayView bytes)
{
    const QString text = decodeTextListBytes(bytes);
    ListReadResult result;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        const QChar c = atEnd ? QChar() : text.at(i);
        if (!atEnd && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        if (i > start)
            result.paths.append(text.sliced(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    return result;
}

} // namespace

ListFormat listFormatOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return ListFormat::None;
    const QStringView extension = QStringView(path).sliced(dot + 1);
    if (extension.compare(QLatin1String("vrl"), Qt::CaseInsensitive) == 0)
        return ListFormat::Vrl;
    if (extension.compare(QLatin1String("sml"), Qt::CaseInsensitive) == 0)
        return ListFormat::Sml;
    if (extension.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
        return ListFormat::Txt;
    return ListFormat::None;
}

QByteArray encodeList(ListFormat format, const QStringList &paths, bool *ok)
{
    *ok = format != ListFormat::None;
    if (!*ok)
        return {};
    return format == ListFormat::Txt ? encodeTextList(paths, ok) : encodeBinary(format, paths, ok);
}

ListReadResult decodeList(ListFormat format, const QByteArray &bytes)
{
    if (format == ListFormat::None)
        return {Status::Unreadable, {}};
    return format == ListFormat::Txt ? decodeTextList(bytes) : decodeBinary(format, bytes);
}

ListReadResult readListFile(const QString &path, ListFormat format)
{
    QFile file(path);
    if (format == ListFormat::None || !file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}};
    return decodeList(format, file.readAll());
}

bool writeListFile(const QString &path, ListFormat format, const QStringList &paths)
{
    bool ok = false;
    const QByteArray bytes = encodeList(format, paths, &ok);
    if (!ok)
        return false;
    return saveFileContents(path, bytes);
}
