// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pictureareamemory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace {

// One line of integers for each way a window stands (maximised or not): maximised, the screen
// area, the frame, the picture area.
constexpr int FieldCount = 1 + 4 + 4 + 2;
constexpr qint64 MostBytes = 512;

struct Remembered {
    ShowWindowShape shape;
    QSize area;
};

QList<int> rectFields(const QRect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect rectAt(const QList<int> &fields, int first)
{
    return {fields[first], fields[first + 1], fields[first + 2], fields[first + 3]};
}

std::optional<Remembered> parseLine(const QByteArray &line)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() != FieldCount)
        return std::nullopt;
    QList<int> fields;
    for (const QByteArray &word : words) {
        bool ok = false;
        fields << word.toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return Remembered{{fields[0] != 0, rectAt(fields, 1), rectAt(fields, 5)},
                      QSize(fields[9], fields[10])};
}

QByteArray formatLine(const Remembered &entry)
{
    QList<int> fields{entry.shape.maximised ? 1 : 0};
    fields << rectFields(entry.shape.screenArea) << rectFields(entry.shape.frame)
           << entry.area.width() << entry.area.height();
    QByteArrayList words;
    for (const int field : std::as_const(fields))
        words << QByteArray::number(field);
    return words.join(' ') + '\n';
}

QList<Remembered> readAll(const QString &path)
{
    QList<Remembered> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QList<QByteArray> lines = file.read(MostBytes).split('\n');
    for (const QByteArray &line : lines) {
        if (const std::optional<Remembered> entry = parseLine(line))
            entries << *entry;
    }
    return entries;
}

} // namespace

bool ShowWindowShape::operator==(const ShowWindowShape &other) const
{
    return maximised == other.maximised && screenArea == other.screenArea &&
           (maximised || frame == other.frame);
}

PictureAreaMemory::PictureAreaMemory(QString filePath)
    : m_filePath(std::move(filePath))
{
}

std::optional<QSize> PictureAreaMemory::recall(const ShowWindowShape &shape) const
{
    const QList<Remembered> entries = readAll(m_filePath);
    for (const Remembered &entry : entries) {
        if (entry.shape == shape && !entry.area.isEmpty())
            return entry.area;
    }
    return std::nullopt;
}

// The line of the other way of standing is kept. A torn line is read as no line at all: the
// file needs no safe save.
void PictureAreaMemory::remember(const ShowWindowShape &shape, const QSize &area) const
{
    if (m_filePath.isEmpty() || area.isEmpty())
        return;
    QByteArray contents = formatLine({shape, area});
    const QList<Remembered> entries = readAll(m_filePath);
    for (const Remembered &entry : entries) {
        if (entry.shape.maximised != shape.maximised)
            contents += formatLine(entry);
    }
    QDir().mkpath(QFileInfo(m_filePath).path());
    QFile file(m_filePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

QString PictureAreaMemory::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/vellora/show-picture-area");
}
