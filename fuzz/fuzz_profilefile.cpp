// The profile (INI) file: reads leave the file alone and give trimmed values no longer than
// the limit; a write changes only its own key and is read back as written.
//
// Input: the file's bytes, then optionally NUL, section, NUL, key, NUL, value.
#include "fuzzcheck.h"
#include "scratchfile.h"

#include "app/cp932.h"
#include "app/profilefile.h"

#include <QList>

namespace {

const QString Missing = QStringLiteral("\x01missing");

// Names the program could use: not empty, no blanks around them, nothing the file format
// gives a meaning to.
bool isPlainName(const QString &name)
{
    static const QString reserved = QStringLiteral("[]=;#\r\n");
    if (name.isEmpty() || name.front().isSpace() || name.back().isSpace())
        return false;
    for (QChar c : name) {
        if (reserved.contains(c))
            return false;
    }
    return true;
}

// ASCII white space; a full-width space is part of a value.
bool isBlank(QChar c)
{
    return c.unicode() < 0x80 && c.isSpace();
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

qsizetype storedBytes(const QString &text, bool utf8)
{
    if (utf8)
        return text.toUtf8().size();
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<QByteArray> encoded = Cp932::encodeStrict(text.mid(i, 1));
        bytes += encoded ? encoded->size() : 1;
    }
    return bytes;
}

// What reading a value written as value gives back.
QString expectedRead(const QString &value, bool utf8)
{
    QString expected = trimBlanks(value);
    while (storedBytes(expected, utf8) > ProfileFile::MaxValueBytes)
        expected.chop(expected.size() > 1 && expected.back().isLowSurrogate() ? 2 : 1);
    return expected;
}

bool isUtf8File(const QByteArray &bytes)
{
    return bytes.startsWith(Cp932::Utf8Mark);
}

QString field(const QList<QByteArray> &parts, int index, const char *fallback)
{
    const QString text = parts.size() > index ? QString::fromUtf8(parts.at(index)) : QString();
    return isPlainName(text) ? text : QString::fromUtf8(fallback);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Fuzz::ScratchFile scratch(QStringLiteral("vel20.ini"));
    const QList<QByteArray> parts = Fuzz::wholeInput(data, size).split('\0');
    const QByteArray &original = parts.at(0);
    const QString section = field(parts, 1, "Section");
    const QString key = field(parts, 2, "Option");
    const QString value = parts.size() > 3 ? QString::fromUtf8(parts.at(3))
                                           : QStringLiteral("1*5*/home/u/リスト.vrl*1*0*1*0*1*1**");
    const QString otherSection = QStringLiteral("Section");
    const QString otherKey = key.compare(QLatin1String("MainForm"), Qt::CaseInsensitive) == 0
                                 ? QStringLiteral("SubForm")
                                 : QStringLiteral("MainForm");
    if (!scratch.write(original))
        std::abort();

    const QString before = ProfileFile::readString(scratch.path(), section, key, Missing);
    const QString otherBefore =
        ProfileFile::readString(scratch.path(), otherSection, otherKey, Missing);
    FUZZ_CHECK(scratch.read() == original);
    for (const QString &read : {before, otherBefore}) {
        if (read == Missing)
            continue;
        FUZZ_CHECK(trimBlanks(read) == read);
        FUZZ_CHECK(storedBytes(read, isUtf8File(original)) <= ProfileFile::MaxValueBytes);
    }

    const bool writable = !value.contains(QLatin1Char('\r')) && !value.contains(QLatin1Char('\n'));
    FUZZ_CHECK(ProfileFile::writeString(scratch.path(), section, key, value) == writable);
    const QByteArray written = scratch.read();
    if (!writable) {
        FUZZ_CHECK(written == original);
        return 0;
    }
    const bool utf8 = isUtf8File(written);
    FUZZ_CHECK(ProfileFile::readString(scratch.path(), section, key, Missing) ==
               expectedRead(value, utf8));

    // Another key keeps its value; only a change to UTF-8 may move where a long value is cut.
    const bool sameKey = section.compare(otherSection, Qt::CaseInsensitive) == 0 &&
                         key.compare(otherKey, Qt::CaseInsensitive) == 0;
    const QString otherAfter =
        ProfileFile::readString(scratch.path(), otherSection, otherKey, Missing);
    if (!sameKey && utf8 == isUtf8File(original))
        FUZZ_CHECK(otherAfter == otherBefore);
    else if (!sameKey)
        FUZZ_CHECK(otherAfter.startsWith(otherBefore) || otherBefore.startsWith(otherAfter));
    return 0;
}
