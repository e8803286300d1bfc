// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/cp932.h"
#include "core/settings/settings.h"
#include "core/settings/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// 1024 x 768 pixels at 15 twips per pixel.
const QSizeF Screen1024(15360, 11520);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray section(const QByteArray &mainForm, const QByteArray &subForm, const QByteArray &option)
{
    return "[Section]\nMainForm=" + mainForm + "\nSubForm=" + subForm + "\nOption=" + option + "\n";
}

} // namespace

class TstSettingsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void firstRunDefaults();
    void firstRunWritesDefaults();
    void storedValuesRoundTrip();
    void mainFormFallsBack_data();
    void mainFormFallsBack();
    void subFormFallsBack_data();
    void subFormFallsBack();
    void optionFallsBack_data();
    void optionFallsBack();
    void optionFields();
    void leadingNumberFields_data();
    void leadingNumberFields();
    void textFieldsThatCannotBeStored();
    void numberText_data();
    void numberText();

private:
    Settings readBack();
    QTemporaryDir m_dir;
    QString m_path;
};

void TstSettingsFile::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("vel20.ini"));
    QFile::remove(m_path);
}

Settings TstSettingsFile::readBack()
{
    Settings settings;
    settings.SettingsPath = m_path;
    SettingsFile::read(settings, Screen1024);
    return settings;
}

// Without a file the main window is centred and the slide window sits top right.
void TstSettingsFile::firstRunDefaults()
{
    const Settings s = readBack();
    QCOMPARE(s.MainLeft, 2380.0f);
    QCOMPARE(s.MainTop, 1660.0f);
    QCOMPARE(s.ShowHeight, 4155.0f);
    QCOMPARE(s.ShowLeft, 10845.0f);
    QCOMPARE(s.ShowTop, 0.0f);
    QCOMPARE(s.ShowWidth, 4515.0f);
    QCOMPARE(s.ShowMaximized, qint16(0));
    QCOMPARE(s.AlwaysOnTop, qint16(1));
    QCOMPARE(s.IntervalSeconds, qint16(2));
    QCOMPARE(s.CurrentListPath, QStringLiteral("UnNamed"));
    QCOMPARE(s.FreeWindow, qint16(1));
    QCOMPARE(s.RandomOrder, qint16(0));
    QCOMPARE(s.UseFade, qint16(1));
    QCOMPARE(s.ShowBackColor, 0);
    QCOMPARE(s.SearchBmp, qint16(1));
    QCOMPARE(s.SearchJpg, qint16(1));
    QVERIFY(s.ListSaveFolder.isEmpty());
    QVERIFY(s.StartupList.isEmpty());
}

// A first run without a list writes the defaults with an empty list path.
void TstSettingsFile::firstRunWritesDefaults()
{
    Settings s = readBack();
    s.CurrentListPath.clear();
    QVERIFY(SettingsFile::write(s));
    QCOMPARE(readAll(m_path), section("2380*1660", "4155*10845*0*4515*0", "1*2**1*0*1*0*1*1**"));
}

// Every stored value is read as written and written back unchanged.
void TstSettingsFile::storedValuesRoundTrip()
{
    const QByteArray expected = section("100.5*-300", "5000.25*-20*30*6000*1",
                                        "0*30*/home/u/写真/a.vrl*0*1*0*16777215*0*1*/home/u/リスト*"
                                        "/home/u/b.vrl");
    Settings s = readBack();
    s.MainLeft = 100.5f;
    s.MainTop = -300;
    s.ShowHeight = 5000.25f;
    s.ShowLeft = -20;
    s.ShowTop = 30;
    s.ShowWidth = 6000;
    s.ShowMaximized = 1;
    s.AlwaysOnTop = 0;
    s.IntervalSeconds = 30;
    s.CurrentListPath = QStringLiteral("/home/u/写真/a.vrl");
    s.FreeWindow = 0;
    s.RandomOrder = 1;
    s.UseFade = 0;
    s.ShowBackColor = 0xFFFFFF;
    s.SearchBmp = 0;
    s.SearchJpg = 1;
    s.ListSaveFolder = QStringLiteral("/home/u/リスト");
    s.StartupList = QStringLiteral("/home/u/b.vrl");
    QVERIFY(SettingsFile::write(s));
    const QByteArray written = readAll(m_path);
    QCOMPARE(written, Cp932::encodeText(QString::fromUtf8(expected)));

    Settings again = readBack();
    QVERIFY(SettingsFile::write(again));
    QCOMPARE(readAll(m_path), written);
    QCOMPARE(again.MainLeft, 100.5f);
    QCOMPARE(again.MainTop, -300.0f);
    QCOMPARE(again.ShowHeight, 5000.25f);
    QCOMPARE(again.ShowMaximized, qint16(1));
    QCOMPARE(again.IntervalSeconds, qint16(30));
    QCOMPARE(again.CurrentListPath, s.CurrentListPath);
    QCOMPARE(again.ShowBackColor, 0xFFFFFF);
    QCOMPARE(again.ListSaveFolder, s.ListSaveFolder);
    QCOMPARE(again.StartupList, s.StartupList);
}

void TstSettingsFile::mainFormFallsBack_data()
{
    QTest::addColumn<QByteArray>("mainForm");
    QTest::newRow("NO_DATA counts as absent") << QByteArray("NO_DATA");
    QTest::newRow("no_data in lower case counts as absent") << QByteArray("no_data");
    QTest::newRow("empty value takes defaults") << QByteArray("");
    QTest::newRow("empty first field takes defaults") << QByteArray("*500");
    QTest::newRow("non-numeric left takes defaults") << QByteArray("abc*500");
    QTest::newRow("non-numeric top takes defaults") << QByteArray("500*12px");
    QTest::newRow("missing top takes defaults") << QByteArray("500");
    QTest::newRow("infinite left takes defaults") << QByteArray("inf*500");
    QTest::newRow("beyond float range takes defaults") << QByteArray("1e99*500");
}

// A MainForm value that is absent or not two numbers centres the main window.
void TstSettingsFile::mainFormFallsBack()
{
    QFETCH(QByteArray, mainForm);
    writeAll(m_path, "[Section]\nMainForm=" + mainForm + "\n");
    const Settings s = readBack();
    QCOMPARE(s.MainLeft, 2380.0f);
    QCOMPARE(s.MainTop, 1660.0f);
}

void TstSettingsFile::subFormFallsBack_data()
{
    QTest::addColumn<QByteArray>("subForm");
    QTest::newRow("empty value takes defaults") << QByteArray("");
    QTest::newRow("No_Data counts as absent") << QByteArray("No_Data");
    QTest::newRow("empty first field takes defaults") << QByteArray("*1*2*3*0");
    QTest::newRow("non-numeric width takes defaults") << QByteArray("4000*1*2*wide*0");
    QTest::newRow("missing width takes defaults") << QByteArray("4000*1*2");
}

// A SubForm value that is absent or has a geometry field that is no number takes the corner.
void TstSettingsFile::subFormFallsBack()
{
    QFETCH(QByteArray, subForm);
    writeAll(m_path, "[Section]\nSubForm=" + subForm + "\n");
    const Settings s = readBack();
    QCOMPARE(s.ShowHeight, 4155.0f);
    QCOMPARE(s.ShowLeft, 10845.0f);
    QCOMPARE(s.ShowTop, 0.0f);
    QCOMPARE(s.ShowWidth, 4515.0f);
    QCOMPARE(s.ShowMaximized, qint16(0));
}

void TstSettingsFile::optionFallsBack_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::newRow("empty value takes defaults") << QByteArray("");
    QTest::newRow("no_data counts as absent") << QByteArray("no_data");
    QTest::newRow("empty first field takes defaults") << QByteArray("*5*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("non-numeric top flag takes defaults") << QByteArray("yes*5*/a.vrl*0*1*0*255");
    QTest::newRow("non-numeric interval takes defaults") << QByteArray("1*five*/a.vrl*0*1");
    QTest::newRow("empty interval takes defaults") << QByteArray("1**/a.vrl*0*1");
    QTest::newRow("non-numeric free flag takes defaults") << QByteArray("1*5*/a.vrl*x*1");
    QTest::newRow("interval 0 takes defaults") << QByteArray("1*0*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("interval 31 takes defaults") << QByteArray("1*31*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("interval beyond 16 bits takes defaults") << QByteArray("1*70000*/a.vrl*0*1");
}

// An Option value that is absent or malformed gives the whole default option record.
void TstSettingsFile::optionFallsBack()
{
    QFETCH(QByteArray, option);
    writeAll(m_path, "[Section]\nOption=" + option + "\n");
    const Settings s = readBack();
    QCOMPARE(s.AlwaysOnTop, qint16(1));
    QCOMPARE(s.IntervalSeconds, qint16(2));
    QCOMPARE(s.CurrentListPath, QStringLiteral("UnNamed"));
    QCOMPARE(s.FreeWindow, qint16(1));
    QCOMPARE(s.RandomOrder, qint16(0));
    QCOMPARE(s.UseFade, qint16(1));
    QCOMPARE(s.ShowBackColor, 0);
    QCOMPARE(s.SearchBmp, qint16(1));
    QCOMPARE(s.SearchJpg, qint16(1));
    QVERIFY(s.ListSaveFolder.isEmpty());
    QVERIFY(s.StartupList.isEmpty());
}

// Option fields: the list path, an empty path as "UnNamed", and the start-up list cut at NUL.
void TstSettingsFile::optionFields()
{
    writeAll(m_path, "[Section]\nOption=1*5*/pic/a.vrl*1*0*1*0*1*1**\n");
    Settings s = readBack();
    QCOMPARE(s.IntervalSeconds, qint16(5));
    QCOMPARE(s.CurrentListPath, QStringLiteral("/pic/a.vrl"));

    writeAll(m_path, "[Section]\nOption=1*2**1*0*1*0*1*1**/pic/b.vrl\n");
    s = readBack();
    QCOMPARE(s.CurrentListPath, QStringLiteral("UnNamed"));
    QCOMPARE(s.StartupList, QStringLiteral("/pic/b.vrl"));

    writeAll(m_path, QByteArray("[Section]\nOption=1*2**1*0*1*0*1*1**/pic/c.vrl\0junk\n", 48));
    QCOMPARE(readBack().StartupList, QStringLiteral("/pic/c.vrl"));
}

void TstSettingsFile::leadingNumberFields_data()
{
    QTest::addColumn<QByteArray>("fields"); // fields 5 to 9
    QTest::addColumn<int>("random");
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("jpg");
    QTest::newRow("plain numbers") << QByteArray("1*1*255*0*1") << 1 << 255 << 1;
    QTest::newRow("empty fields read 0") << QByteArray("****") << 0 << 0 << 0;
    QTest::newRow("text after the number is ignored")
        << QByteArray("1x*0*65280abc*0*1;") << 1 << 65280 << 1;
    QTest::newRow("leading blanks skipped") << QByteArray("1*0*  42*0* 1") << 1 << 42 << 1;
    QTest::newRow("no number reads 0") << QByteArray("on*0*red*0*yes") << 0 << 0 << 0;
    QTest::newRow("halves round to even") << QByteArray("0.5*0*2.5*0*1.5") << 0 << 2 << 2;
    QTest::newRow("colour takes 32 bits")
        << QByteArray("0*0*2147483647*0*1") << 0 << 2147483647 << 1;
    QTest::newRow("out of range is clamped")
        << QByteArray("99999*0*-9999999999*0*-70000") << 32767 << int(-2147483647 - 1) << -32768;
}

// Option fields 5 to 9 read the number at their start and never fail.
void TstSettingsFile::leadingNumberFields()
{
    QFETCH(QByteArray, fields);
    QFETCH(int, random);
    QFETCH(int, colour);
    QFETCH(int, jpg);
    writeAll(m_path, "[Section]\nOption=1*2*/a.vrl*1*" + fields + "*/f*/s\n");
    const Settings s = readBack();
    QCOMPARE(int(s.RandomOrder), random);
    QCOMPARE(s.ShowBackColor, colour);
    QCOMPARE(int(s.SearchJpg), jpg);
    QCOMPARE(s.CurrentListPath, QStringLiteral("/a.vrl"));
}

// A path holding the field separator or a line break is stored empty, so the other fields
// keep their places.
void TstSettingsFile::textFieldsThatCannotBeStored()
{
    Settings s = readBack();
    s.CurrentListPath = QStringLiteral("/pic/a*b.vrl");
    s.ListSaveFolder = QStringLiteral("/pic/new\nline");
    s.StartupList = QStringLiteral("/pic/é.vrl");
    s.IntervalSeconds = 7;
    QVERIFY(SettingsFile::write(s));
    const Settings again = readBack();
    QCOMPARE(again.IntervalSeconds, qint16(7));
    QCOMPARE(again.CurrentListPath, QStringLiteral("UnNamed"));
    QVERIFY(again.ListSaveFolder.isEmpty());
    QCOMPARE(again.StartupList, QStringLiteral("/pic/é.vrl"));
}

void TstSettingsFile::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer without point") << 2380.0 << QStringLiteral("2380");
    QTest::newRow("negative integer") << -500.0 << QStringLiteral("-500");
    QTest::newRow("half") << 2387.5 << QStringLiteral("2387.5");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("single-precision tenth") << double(0.1f) << QStringLiteral("0.1");
    QTest::newRow("seven significant digits") << double(1234.567f) << QStringLiteral("1234.567");
    QTest::newRow("rounded to seven digits") << 1234.5678 << QStringLiteral("1234.568");
    QTest::newRow("large value stays plain") << 123456789.0 << QStringLiteral("123456800");
    QTest::newRow("small value stays plain") << 0.000125 << QStringLiteral("0.000125");
}

// Numbers are written in plain decimal with at most seven significant digits.
void TstSettingsFile::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(SettingsFile::numberText(value), text);
}

QTEST_GUILESS_MAIN(TstSettingsFile)
#include "tst_settingsfile.moc"
