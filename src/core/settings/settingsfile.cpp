// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingsfile.h"

#include "core/common/apptexts.h"
#include "core/common/getpiece.h"
#include "core/common/halfeven.h"
#include "core/common/logcategories.h"
#include "core/settings/profilefile.h"
#include "core/settings/settings.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString Section = QStringLiteral("Section");
const QString MainFormKey = QStringLiteral("MainForm");
const QString SubFormKey = QStringLiteral("SubForm");
const QString OptionKey = QStringLiteral("Option");
const QString Separator = QStringLiteral("*");
const QString DefaultOption = QStringLiteral("1*2*%1*1*0*1*0*1*1**").arg(AppTexts::unnamedList());

// The key's value, or nothing when it is missing, "NO_DATA" or has an empty first field.
std::optional<QString> readKey(const QString &path, const QString &key)
{
    const QString noData = QStringLiteral("NO_DATA");
    const QString value =
        ProfileFile::readString(path, Section, key, noData, SettingsFile::MaxValueBytes);
    if (value.compare(noData, Qt::CaseInsensitive) == 0 || getPiece(value, Separator, 1).isEmpty())
        return std::nullopt;
    return value;
}

QString field(const QString &value, int number)
{
    return getPiece(value, Separator, number);
}

// A whole field read as a twips number. The file has always held single-precision numbers: a
// number that is not one (too large, too small or not finite) counts as no number.
std::optional<double> twipsField(const QString &value, int number)
{
    const QString text = field(value, number).trimmed();
    bool ok = false;
    const float single = text.toFloat(&ok);
    if (!ok || !std::isfinite(single))
        return std::nullopt;
    return text.toDouble();
}

// Nearest integer of T (halves to even), clamped to T's range.
template<typename T> T nearest(double value)
{
    const double lowest = std::numeric_limits<T>::lowest();
    const double highest = std::numeric_limits<T>::max();
    return T(roundHalfEven(std::clamp(value, lowest, highest)));
}

// The number at the start of a field as a flag; any number fits, clamped to 16 bits.
StoredFlag leadingFlag(const QString &value, int number)
{
    return nearest<qint16>(SettingsFile::leadingNumber(field(value, number)));
}

// Colours are stored as Windows colour values 0x00BBGGRR, so settings files stay
// interchangeable; only the low 24 bits hold the colour.
QColor colourFromWindows(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 windowsFromColour(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

// A whole field read as a 16-bit integer; nothing when it is no number or out of range.
std::optional<qint16> int16Field(const QString &value, int number)
{
    bool ok = false;
    const double parsed = field(value, number).trimmed().toDouble(&ok);
    // Far out of range (or not a number at all) before it is rounded.
    if (!ok || !(std::fabs(parsed) <= 1e6))
        return std::nullopt;
    const int result = roundHalfEven(parsed);
    if (result < std::numeric_limits<qint16>::lowest() ||
        result > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(result);
}

void readMainForm(Settings &settings, const QString &path, const QSizeF &screen)
{
    if (const std::optional<QString> value = readKey(path, MainFormKey)) {
        const std::optional<double> left = twipsField(*value, 1);
        const std::optional<double> top = twipsField(*value, 2);
        if (left && top) {
            settings.mainLeft = *left;
            settings.mainTop = *top;
            return;
        }
    }
    settings.mainLeft = (screen.width() - 10600) / 2;
    settings.mainTop = (screen.height() - 8200) / 2;
}

// The stored slide-show frame, or nothing when one of its fields is no number.
std::optional<QRectF> storedShowFrame(const QString &value)
{
    const std::optional<double> height = twipsField(value, 1);
    const std::optional<double> left = twipsField(value, 2);
    const std::optional<double> top = twipsField(value, 3);
    const std::optional<double> width = twipsField(value, 4);
    if (!height || !left || !top || !width)
        return std::nullopt;
    return QRectF(*left, *top, *width, *height);
}

void setShowFrame(Settings &settings, const QRectF &frame)
{
    settings.showHeight = frame.height();
    settings.showLeft = frame.left();
    settings.showTop = frame.top();
    settings.showWidth = frame.width();
}

void readSubForm(Settings &settings, const QString &path, const QSizeF &screen)
{
    const std::optional<QString> value = readKey(path, SubFormKey);
    const std::optional<QRectF> stored = value ? storedShowFrame(*value) : std::nullopt;
    if (!stored) {
        setShowFrame(settings, defaultShowFrame(screen));
        settings.showMaximized = 0;
        return;
    }
    // A window without width or height would never be seen, and would be stored so again; the
    // maximised flag stands apart from the frame.
    const bool hasArea = stored->width() > 0 && stored->height() > 0;
    setShowFrame(settings, hasArea ? *stored : defaultShowFrame(screen));
    settings.showMaximized = leadingFlag(*value, 5);
}

// A whole-number field of Option, or the default record's field when the stored one is no
// number or lies outside minimum to maximum: one field edited by hand spoils no other.
qint16 optionNumber(const QString &value, int number,
                    int minimum = std::numeric_limits<qint16>::lowest(),
                    int maximum = std::numeric_limits<qint16>::max())
{
    const std::optional<qint16> stored = int16Field(value, number);
    if (stored && *stored >= minimum && *stored <= maximum)
        return *stored;
    return *int16Field(DefaultOption, number);
}

void parseOption(Settings &settings, const QString &value)
{
    settings.alwaysOnTop = optionNumber(value, 1);
    settings.intervalSeconds =
        optionNumber(value, 2, Settings::MinimumIntervalSeconds, Settings::MaximumIntervalSeconds);
    settings.currentListPath = field(value, 3);
    if (settings.currentListPath.isEmpty())
        settings.currentListPath = AppTexts::unnamedList();
    settings.freeWindow = optionNumber(value, 4);
    settings.randomOrder = leadingFlag(value, 5);
    settings.useFade = leadingFlag(value, 6);
    const qint32 colour = nearest<qint32>(SettingsFile::leadingNumber(field(value, 7)));
    settings.showBackColour = colourFromWindows(quint32(colour));
    settings.searchBmp = leadingFlag(value, 8);
    settings.searchJpg = leadingFlag(value, 9);
    settings.listSaveFolder = field(value, 10);
    settings.startupList = cutAtNul(field(value, 11));
}

void readOption(Settings &settings, const QString &path)
{
    parseOption(settings, readKey(path, OptionKey).value_or(DefaultOption));
}

// A text field as stored; a text that holds the separator or a line break cannot be stored
// without spoiling the fields after it, so it is left empty.
QString textField(const QString &text)
{
    const bool storable = !text.contains(Separator) && !text.contains(QLatin1Char('\n')) &&
                          !text.contains(QLatin1Char('\r'));
    return storable ? text : QString();
}

QString optionValue(const Settings &s)
{
    const auto n = [](qint64 value) {
        return QString::number(value);
    };
    return QStringList{n(s.alwaysOnTop.stored()),
                       n(s.intervalSeconds),
                       textField(s.currentListPath),
                       n(s.freeWindow.stored()),
                       n(s.randomOrder.stored()),
                       n(s.useFade.stored()),
                       n(windowsFromColour(s.showBackColour)),
                       n(s.searchBmp.stored()),
                       n(s.searchJpg.stored()),
                       textField(s.listSaveFolder),
                       textField(s.startupList)}
        .join(Separator);
}

} // namespace

namespace SettingsFile {

void read(Settings &settings, const QSizeF &screenTwips)
{
    readMainForm(settings, settings.settingsPath, screenTwips);
    readSubForm(settings, settings.settingsPath, screenTwips);
    readOption(settings, settings.settingsPath);
}

bool write(const Settings &settings)
{
    const QString mainForm =
        numberText(settings.mainLeft) + Separator + numberText(settings.mainTop);
    const QString subForm =
        QStringList{numberText(settings.showHeight), numberText(settings.showLeft),
                    numberText(settings.showTop), numberText(settings.showWidth),
                    QString::number(settings.showMaximized.stored())}
            .join(Separator);
    // One replacement of the file: a write cut off half-way never mixes old and new keys.
    const bool written = ProfileFile::writeStrings(
        settings.settingsPath, Section,
        {{MainFormKey, mainForm}, {SubFormKey, subForm}, {OptionKey, optionValue(settings)}});
    if (!written)
        qCDebug(logSettings) << "settings not saved to" << settings.settingsPath;
    return written;
}

QString numberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Round to seven significant digits first, then print without an exponent.
    const double rounded = QString::number(value, 'g', 7).toDouble();
    if (rounded == 0)
        return QStringLiteral("0");
    const int magnitude = int(std::floor(std::log10(std::fabs(rounded))));
    QString text = QString::number(rounded, 'f', std::max(0, 6 - magnitude));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

double leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('.') && !point)
            point = true;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0;
}

} // namespace SettingsFile
