// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/profilefile.h"

#include "core/common/cp932.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

namespace {

struct Line {
    QByteArray raw; // bytes as read; empty for a line made by this write
    QString text;
    bool changed = false;
};

struct Document {
    QList<Line> lines;
    bool utf8 = false;
    QByteArray eol = "\n";
};

const QByteArray &mark()
{
    static const QByteArray bytes(Cp932::Utf8Mark);
    return bytes;
}

Document parse(QByteArray bytes)
{
    Document doc;
    if (bytes.startsWith(mark())) {
        doc.utf8 = true;
        bytes.remove(0, mark().size());
    }
    // 0D and 0A are never the second byte of a CP932 character, so splitting bytes is safe.
    QList<QByteArray> rawLines = bytes.split('\n');
    if (!rawLines.isEmpty() && rawLines.constLast().isEmpty())
        rawLines.removeLast();
    if (!rawLines.isEmpty() && rawLines.constFirst().endsWith('\r'))
        doc.eol = "\r\n";
    for (QByteArray &raw : rawLines) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString text = doc.utf8 ? Cp932::decodeUtf8(raw) : Cp932::decodeStrict(raw);
        doc.lines.append({raw, text, false});
    }
    return doc;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

// The key name of a "key=value" line, or nothing for comments and other lines.
std::optional<QString> keyName(const QString &line)
{
    const QString trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals < 0 || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return std::nullopt;
    return trimmed.left(equals).trimmed();
}

// Only ASCII blanks around a value are dropped: a full-width space that ends a Japanese
// file name is part of the name.
QString trimBlanks(QStringView text)
{
    const auto isBlank = [](QChar c) {
        return c.unicode() < 0x80 && c.isSpace();
    };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text.toString();
}

bool isQuoted(const QString &value)
{
    return value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
           value.endsWith(QLatin1Char('"'));
}

// The value as read: blanks around it dropped, then one pair of quotes around the rest.
QString readValue(QStringView stored)
{
    const QString value = trimBlanks(stored);
    return isQuoted(value) ? value.sliced(1, value.size() - 2) : value;
}

// The value as written, so that reading it gives it back trimmed.
QString storedValue(const QString &value)
{
    const QString trimmed = trimBlanks(value);
    return isQuoted(trimmed) ? QLatin1Char('"') + trimmed + QLatin1Char('"') : value;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the "[section]" line, -1 when there is none.
qsizetype findSection(const Document &doc, const QString &section)
{
    for (qsizetype i = 0; i < doc.lines.size(); ++i) {
        const std::optional<QString> name = sectionName(doc.lines.at(i).text);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

// Index of the line after the section's last line.
qsizetype sectionEnd(const Document &doc, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < doc.lines.size() && !sectionName(doc.lines.at(i).text))
        ++i;
    return i;
}

qsizetype findKey(const Document &doc, qsizetype header, const QString &key)
{
    const qsizetype end = sectionEnd(doc, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const std::optional<QString> name = keyName(doc.lines.at(i).text);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

qsizetype encodedSize(const QString &character, bool utf8)
{
    if (utf8)
        return character.toUtf8().size();
    // A character that CP932 cannot hold came from one undecodable byte.
    const std::optional<QByteArray> bytes = Cp932::encodeStrict(character);
    return bytes ? bytes->size() : 1;
}

// The longest start of value that fits maxBytes, never ending inside a character.
QString cutToBytes(const QString &value, bool utf8, qsizetype maxBytes)
{
    if (value.size() * 3 <= maxBytes)
        return value;
    qsizetype used = 0;
    qsizetype i = 0;
    while (i < value.size()) {
        const qsizetype length = value.at(i).isHighSurrogate() && i + 1 < value.size() ? 2 : 1;
        used += encodedSize(value.mid(i, length), utf8);
        if (used > maxBytes)
            break;
        i += length;
    }
    return value.left(i);
}

std::optional<Document> load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return Document();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

// Bytes of the document: CP932 with the untouched lines of a CP932 file as they were, or
// wholly UTF-8 after a mark when some text has no CP932 form.
QByteArray serialise(const Document &doc)
{
    QByteArray out;
    bool fits = true;
    for (const Line &line : doc.lines) {
        const bool reuse = !doc.utf8 && !line.changed;
        std::optional<QByteArray> bytes = reuse ? line.raw : Cp932::encodeStrict(line.text);
        if (!bytes) {
            fits = false;
            break;
        }
        out += *bytes + doc.eol;
    }
    if (fits)
        return out;
    out = mark();
    for (const Line &line : doc.lines)
        out += line.text.toUtf8() + doc.eol;
    return out;
}

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Sets key in section within the document; false when the names or the value cannot be stored.
bool setKey(Document &doc, const QString &section, const QString &key, const QString &value)
{
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) ||
        section.contains(QLatin1Char(']')) || key.contains(QLatin1Char('=')))
        return false;
    const Line keyLine{{}, key + QLatin1Char('=') + storedValue(value), true};
    qsizetype header = findSection(doc, section);
    if (header < 0) {
        doc.lines.append({{}, QLatin1Char('[') + section + QLatin1Char(']'), true});
        doc.lines.append(keyLine);
    } else if (const qsizetype line = findKey(doc, header, key); line >= 0) {
        doc.lines[line] = keyLine;
    } else {
        // After the section's last non-blank line, so blank lines before the next section stay.
        qsizetype at = sectionEnd(doc, header);
        while (at > header + 1 && doc.lines.at(at - 1).text.trimmed().isEmpty())
            --at;
        doc.lines.insert(at, keyLine);
    }
    return true;
}

bool save(const QString &path, const Document &doc)
{
    // Unbuffered, so that a write the disk refuses fails here: Qt 6.4 commits a buffered file
    // whose last flush failed, replacing the old file with a cut-off one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = serialise(doc);
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace

namespace ProfileFile {

QString readString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultValue, int maxBytes)
{
    const std::optional<Document> doc = load(path);
    if (!doc)
        return defaultValue;
    const qsizetype header = findSection(*doc, section);
    const qsizetype line = header < 0 ? -1 : findKey(*doc, header, key);
    if (line < 0)
        return defaultValue;
    const QString &text = doc->lines.at(line).text;
    const QString value = readValue(QStringView(text).sliced(text.indexOf(QLatin1Char('=')) + 1));
    return cutToBytes(value, doc->utf8, maxBytes);
}

bool writeString(const QString &path, const QString &section, const QString &key,
                 const QString &value)
{
    return writeStrings(path, section, {{key, value}});
}

bool writeStrings(const QString &path, const QString &section, const QList<KeyValue> &entries)
{
    std::optional<Document> doc = load(path);
    if (!doc)
        return false;
    bool allSet = true;
    bool anySet = false;
    for (const KeyValue &entry : entries) {
        const bool set = setKey(*doc, section, entry.first, entry.second);
        allSet = allSet && set;
        anySet = anySet || set;
    }
    return anySet && save(path, *doc) && allSet;
}

} // namespace ProfileFile
