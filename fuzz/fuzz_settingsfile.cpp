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
bool nearlySame(float a, float b)
{
    return std::fabs(double(a) - double(b)) <= 1e-6 * std::max(std::fabs(double(a)), 1.0);
}

void checkUsable(const Settings &s)
{
    for (float value : {s.MainLeft, s.MainTop, s.ShowHeight, s.ShowLeft, s.ShowTop, s.ShowWidth})
        FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(s.IntervalSeconds >= 1 && s.IntervalSeconds <= 30);
    FUZZ_CHECK(!s.CurrentListPath.isEmpty());
    // Text fields come out of a "*"-separated value, so none can hold the separator.
    for (const QString &text : {s.CurrentListPath, s.ListSaveFolder, s.StartupList})
        FUZZ_CHECK(!text.contains(QLatin1Char('*')));
    FUZZ_CHECK(!s.StartupList.contains(QChar(0)));
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
    FUZZ_CHECK(nearlySame(a.MainLeft, b.MainLeft) && nearlySame(a.MainTop, b.MainTop));
    FUZZ_CHECK(nearlySame(a.ShowHeight, b.ShowHeight) && nearlySame(a.ShowLeft, b.ShowLeft));
    FUZZ_CHECK(nearlySame(a.ShowTop, b.ShowTop) && nearlySame(a.ShowWidth, b.ShowWidth));
    FUZZ_CHECK(a.ShowMaximized == b.ShowMaximized);
    // A value longer than the read limit is cut on reading, and the fields past the cut
    // take their defaults; only an Option value read whole must match.
    if (optionWhole) {
        FUZZ_CHECK(a.AlwaysOnTop == b.AlwaysOnTop && a.IntervalSeconds == b.IntervalSeconds);
        FUZZ_CHECK(a.FreeWindow == b.FreeWindow && a.RandomOrder == b.RandomOrder);
        FUZZ_CHECK(a.UseFade == b.UseFade && a.ShowBackColor == b.ShowBackColor);
        FUZZ_CHECK(a.SearchBmp == b.SearchBmp && a.SearchJpg == b.SearchJpg);
        const QString listPath = storable(a.CurrentListPath);
        FUZZ_CHECK((listPath.isEmpty() ? QStringLiteral("UnNamed") : listPath) ==
                   b.CurrentListPath);
        FUZZ_CHECK(storable(a.ListSaveFolder) == b.ListSaveFolder);
        // The last field ends the value, whose blanks at the end the file does not keep; a
        // list path ending in a blank has no list extension anyway.
        QString startup = storable(a.StartupList);
        while (!startup.isEmpty() && startup.back().unicode() < 0x80 && startup.back().isSpace())
            startup.chop(1);
        FUZZ_CHECK(startup == b.StartupList);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Fuzz::ScratchFile scratch(QStringLiteral("vel20.ini"));
    if (!scratch.write(Fuzz::wholeInput(data, size)))
        std::abort();

    Settings first;
    first.SettingsPath = scratch.path();
    SettingsFile::read(first, Screen);
    checkUsable(first);

    FUZZ_CHECK(SettingsFile::write(first));
    Settings second;
    second.SettingsPath = scratch.path();
    SettingsFile::read(second, Screen);
    checkUsable(second);
    const QString option =
        ProfileFile::readString(scratch.path(), QStringLiteral("Section"), QStringLiteral("Option"),
                                QString(), SettingsFile::MaxValueBytes);
    // A cut never leaves more than three bytes unused (a four-byte character that did not fit).
    checkSame(first, second, storedBytes(scratch.path(), option) < SettingsFile::MaxValueBytes - 3);
    return 0;
}
