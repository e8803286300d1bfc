// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/cp932.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

// One conversion direction of glibc's iconv, closed on scope exit.
class Converter {
public:
    Converter(const char *to, const char *from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Back to the initial state, so one converter serves call after call.
    void reset() { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

    // Converts as much of [*in, *in + *inLeft) as possible, appending to out; returns the
    // errno of the stop, 0 when everything was converted.
    int convert(char **in, size_t *inLeft, QByteArray &out)
    {
        char buffer[1024];
        while (*inLeft > 0) {
            char *dest = buffer;
            size_t destLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, in, inLeft, &dest, &destLeft);
            out.append(buffer, qsizetype(dest - buffer));
            if (rc == size_t(-1) && errno != E2BIG)
                return errno;
        }
        return 0;
    }

private:
    iconv_t m_cd;
};

// Opening a converter costs far more than converting one path, and a list holds many paths:
// each thread keeps one converter per direction.
Converter &toCp932()
{
    thread_local Converter converter("CP932", "UTF-8");
    converter.reset();
    return converter;
}

Converter &fromCp932()
{
    thread_local Converter converter("UTF-8", "CP932");
    converter.reset();
    return converter;
}

// Code page 932 holds the ASCII range unchanged, so such text needs no converter at all.
bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

const QByteArray &utf8Mark()
{
    static const QByteArray mark(Cp932::Utf8Mark);
    return mark;
}

} // namespace

namespace Cp932 {

std::optional<QByteArray> encodeStrict(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    if (isAscii(utf8))
        return utf8;
    Converter &converter = toCp932();
    if (!converter.valid())
        return std::nullopt;
    char *in = utf8.data();
    size_t inLeft = size_t(utf8.size());
    QByteArray out;
    if (converter.convert(&in, &inLeft, out) != 0)
        return std::nullopt;
    // iconv also maps some characters one way only (U+301C, U+00A5, U+2212, ...); those
    // would come back as different characters, so they count as not held.
    bool ok = false;
    if (decodeStrict(out, &ok) != text || !ok)
        return std::nullopt;
    return out;
}

QString decodeStrict(const QByteArray &bytes, bool *ok)
{
    if (ok)
        *ok = true;
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    Converter &converter = fromCp932();
    if (!converter.valid()) {
        if (ok)
            *ok = bytes.isEmpty();
        return bytes.isEmpty() ? QString() : QString(bytes.size(), QChar::ReplacementCharacter);
    }
    QByteArray source = bytes;
    char *in = source.data();
    size_t inLeft = size_t(source.size());
    QByteArray out;
    while (converter.convert(&in, &inLeft, out) != 0) {
        // An invalid or truncated sequence: mark one byte and go on after it.
        out.append("\xEF\xBF\xBD");
        ++in;
        --inLeft;
        if (ok)
            *ok = false;
    }
    return QString::fromUtf8(out);
}

QByteArray encodeText(const QString &text)
{
    if (std::optional<QByteArray> cp932 = encodeStrict(text))
        return *cp932;
    return utf8Mark() + text.toUtf8();
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith(utf8Mark()))
        return decodeUtf8(QByteArrayView(bytes).sliced(utf8Mark().size()));
    return decodeStrict(bytes);
}

QString decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

} // namespace Cp932
