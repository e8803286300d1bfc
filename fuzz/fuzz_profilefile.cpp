// SPDX-License-Identifier: GPL-3.0-or-later
// The profile (INI) file: reads leave the file alone and give trimmed values (blanks inside
// quotes aside) no longer than the limit; a write changes only its own key and is read back
// as written.
//
// Input: the file's bytes, then optionally NUL, section, NUL, key, NUL, value.
#include "fuzzcheck.h"
#include "scratchfile.h"

#include "core/common/cp932.h"
#include "core/settings/profilefile.h"

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

// One input taken apart: the file, the key to write and its value, and another key that the
// write must leave alone.
struct Case {
    QByteArray file;
    QString section;
    QString key;
    QString value;
    QString otherKey;
};

Case caseOf(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = Fuzz::wholeInput(data, size).split('\0');
    Case c;
    c.file = parts.at(0);
    c.section = field(parts, 1, "Section");
    c.key = field(parts, 2, "Option");
    c.value = parts.size() > 3 ? QString::fromUtf8(parts.at(3))
                               : QStringLiteral("1*5*/home/u/リスト.vrl*1*0*1*0*1*1**");
    const bool mainForm = c.key.compare(QLatin1String("MainForm"), Qt::CaseInsensitive) == 0;
    c.otherKey = mainForm ? QStringLiteral("SubForm") : QStringLiteral("MainForm");
    return c;
}

// Reading changes nothing and gives a trimmed value within the limit.
QString checkedRead(const Fuzz::ScratchFile &scratch, const QString &section, const QString &key)
{
    const QByteArray file = scratch.read();
    const QString value = ProfileFile::readString(scratch.path(), section, key, Missing);
    FUZZ_CHECK(scratch.read() == file);
    if (value != Missing) {
        // Trimmed, then cut: only a value read from between quotes may start with a blank,
        // and only such a value or a cut one may end in one.
        const qsizetype bytes = storedBytes(value, isUtf8File(file));
        const bool quoted = file.contains('"');
        FUZZ_CHECK(bytes <= ProfileFile::MaxValueBytes);
        FUZZ_CHECK(quoted || value.isEmpty() || !isBlank(value.front()));
        FUZZ_CHECK(quoted || bytes > ProfileFile::MaxValueBytes - 4 || trimBlanks(value) == value);
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Fuzz::ScratchFile scratch(QStringLiteral("vel20.ini"));
    const Case c = caseOf(data, size);
    const QString otherSection = QStringLiteral("Section");
    if (!scratch.write(c.file))
        std::abort();
    checkedRead(scratch, c.section, c.key);
    const QString otherBefore = checkedRead(scratch, otherSection, c.otherKey);

    const bool writable =
        !c.value.contains(QLatin1Char('\r')) && !c.value.contains(QLatin1Char('\n'));
    FUZZ_CHECK(ProfileFile::writeString(scratch.path(), c.section, c.key, c.value) == writable);
    const QByteArray written = scratch.read();
    if (!writable) {
        FUZZ_CHECK(written == c.file);
        return 0;
    }
    const bool utf8 = isUtf8File(written);
    FUZZ_CHECK(checkedRead(scratch, c.section, c.key) == expectedRead(c.value, utf8));

    // Another key keeps its value; only a change to UTF-8 may move where a long value is cut.
    const QString otherAfter = checkedRead(scratch, otherSection, c.otherKey);
    if (utf8 == isUtf8File(c.file))
        FUZZ_CHECK(otherAfter == otherBefore);
    else
        FUZZ_CHECK(otherAfter.startsWith(otherBefore) || otherBefore.startsWith(otherAfter));
    return 0;
}
