// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: whatever vel20.ini holds, reading gives usable settings, and writing
// them and reading again gives the same settings back.
#include "fuzzcheck.h"
#include "scratchfile.h"

#include "core/common/cp932.h"
#include "core/settings/profilefile.h"
#include "core/settings/settings.h"
#include "core/settings/settingsfile.h"

#include <cmath>

namespace {

// 1024 x 768 pixels at 15 twips a pixel.
const QSizeF Screen(15360, 11520);

// Seven significant digits is what the file keeps of a number.
bool nearlySame(double a, double b)
{
    return std::fabs(a - b) <= 1e-6 * std::max(std::fabs(a), 1.0);
}

void checkUsable(const Settings &s)
{
    for (double value : {s.mainLeft, s.mainTop, s.showHeight, s.showLeft, s.showTop, s.showWidth})
        FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(s.showWidth > 0 && s.showHeight > 0);
    FUZZ_CHECK(s.intervalSeconds >= Settings::MinimumIntervalSeconds &&
               s.intervalSeconds <= Settings::MaximumIntervalSeconds);
    FUZZ_CHECK(!s.currentListPath.isEmpty());
    // Text fields come out of a "*"-separated value, so none can hold the separator.
    for (const QString &text : {s.currentListPath, s.listSaveFolder, s.startupList})
        FUZZ_CHECK(!text.contains(QLatin1Char('*')));
    FUZZ_CHECK(!s.startupList.contains(QChar(0)));
}

qsizetype storedBytes(const QString &path, const QString &value)
{
    QFile file(path);
    const bool utf8 = file.open(QIODevice::ReadOnly) && file.peek(3) == Cp932::Utf8Mark;
    if (utf8)
        return value.toUtf8().size();
    const std::optional<QByteArray> bytes = Cp932::encodeStrict(value);
    return bytes ? bytes->size() : value.toUtf8().size();
}

// A text holding a line break cannot be stored as a field and is written empty.
QString storable(const QString &text)
{
    const bool breaks = text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    return breaks ? QString() : text;
}

void checkSame(const Settings &a, const Settings &b, bool optionWhole)
{
    FUZZ_CHECK(nearlySame(a.mainLeft, b.mainLeft) && nearlySame(a.mainTop, b.mainTop));
    FUZZ_CHECK(nearlySame(a.showHeight, b.showHeight) && nearlySame(a.showLeft, b.showLeft));
    FUZZ_CHECK(nearlySame(a.showTop, b.showTop) && nearlySame(a.showWidth, b.showWidth));
    FUZZ_CHECK(a.showMaximized == b.showMaximized);
    // A value longer than the read limit is cut on reading, and the fields past the cut
    // take their defaults; only an Option value read whole must match.
    if (optionWhole) {
        FUZZ_CHECK(a.alwaysOnTop == b.alwaysOnTop && a.intervalSeconds == b.intervalSeconds);
        FUZZ_CHECK(a.freeWindow == b.freeWindow && a.randomOrder == b.randomOrder);
        FUZZ_CHECK(a.useFade == b.useFade && a.showBackColour == b.showBackColour);
        FUZZ_CHECK(a.searchBmp == b.searchBmp && a.searchJpg == b.searchJpg);
        const QString listPath = storable(a.currentListPath);
        FUZZ_CHECK((listPath.isEmpty() ? AppTexts::unnamedList() : listPath) == b.currentListPath);
        FUZZ_CHECK(storable(a.listSaveFolder) == b.listSaveFolder);
        // The last field ends the value, whose blanks at the end the file does not keep; a
        // list path ending in a blank has no list extension anyway.
        QString startup = storable(a.startupList);
        while (!startup.isEmpty() && startup.back().unicode() < 0x80 && startup.back().isSpace())
            startup.chop(1);
        FUZZ_CHECK(startup == b.startupList);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Fuzz::ScratchFile scratch(QStringLiteral("vel20.ini"));
    if (!scratch.write(Fuzz::wholeInput(data, size)))
        std::abort();

    Settings first;
    first.settingsPath = scratch.path();
    SettingsFile::read(first, Screen);
    checkUsable(first);

    FUZZ_CHECK(SettingsFile::write(first));
    Settings second;
    second.settingsPath = scratch.path();
    SettingsFile::read(second, Screen);
    checkUsable(second);
    const QString option =
        ProfileFile::readString(scratch.path(), QStringLiteral("Section"), QStringLiteral("Option"),
                                QString(), SettingsFile::MaxValueBytes);
    // A cut never leaves more than three bytes unused (a four-byte character that did not fit).
    checkSame(first, second, storedBytes(scratch.path(), option) < SettingsFile::MaxValueBytes - 3);
    return 0;
}
