// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/cp932.h"
#include "core/settings/settings.h"
#include "core/settings/settingsfile.h"

#include <QColor>
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
    void showFrameWithoutAreaTakesTheDefault_data();
    void showFrameWithoutAreaTakesTheDefault();
    void defaultShowFrameFillsTheTopRightCorner();
    void optionFallsBack_data();
    void optionFallsBack();
    void badOptionNumberTakesItsFieldDefault_data();
    void badOptionNumberTakesItsFieldDefault();
    void optionFields();
    void leadingNumberFields_data();
    void leadingNumberFields();
    void storedFilesStayByteIdentical_data();
    void storedFilesStayByteIdentical();
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
    settings.settingsPath = m_path;
    SettingsFile::read(settings, Screen1024);
    return settings;
}

// Without a file the main window is centred and the slide window sits top right.
void TstSettingsFile::firstRunDefaults()
{
    const Settings s = readBack();
    QCOMPARE(s.mainLeft, 2380.0);
    QCOMPARE(s.mainTop, 1660.0);
    QCOMPARE(s.showHeight, 4155.0);
    QCOMPARE(s.showLeft, 10845.0);
    QCOMPARE(s.showTop, 0.0);
    QCOMPARE(s.showWidth, 4515.0);
    QCOMPARE(s.showMaximized.stored(), qint16(0));
    QCOMPARE(s.alwaysOnTop.stored(), qint16(1));
    QCOMPARE(s.intervalSeconds, 2);
    QCOMPARE(s.currentListPath, QStringLiteral("UnNamed"));
    QCOMPARE(s.freeWindow.stored(), qint16(1));
    QCOMPARE(s.randomOrder.stored(), qint16(0));
    QCOMPARE(s.useFade.stored(), qint16(1));
    QCOMPARE(s.showBackColour, QColor(Qt::black));
    QCOMPARE(s.searchBmp.stored(), qint16(1));
    QCOMPARE(s.searchJpg.stored(), qint16(1));
    QVERIFY(s.listSaveFolder.isEmpty());
    QVERIFY(s.startupList.isEmpty());
}

// A first run without a list writes the defaults with an empty list path.
void TstSettingsFile::firstRunWritesDefaults()
{
    Settings s = readBack();
    s.currentListPath.clear();
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
    s.mainLeft = 100.5;
    s.mainTop = -300;
    s.showHeight = 5000.25;
    s.showLeft = -20;
    s.showTop = 30;
    s.showWidth = 6000;
    s.showMaximized = 1;
    s.alwaysOnTop = 0;
    s.intervalSeconds = 30;
    s.currentListPath = QStringLiteral("/home/u/写真/a.vrl");
    s.freeWindow = 0;
    s.randomOrder = 1;
    s.useFade = 0;
    s.showBackColour = QColor(Qt::white);
    s.searchBmp = 0;
    s.searchJpg = 1;
    s.listSaveFolder = QStringLiteral("/home/u/リスト");
    s.startupList = QStringLiteral("/home/u/b.vrl");
    QVERIFY(SettingsFile::write(s));
    const QByteArray written = readAll(m_path);
    QCOMPARE(written, Cp932::encodeText(QString::fromUtf8(expected)));

    Settings again = readBack();
    QVERIFY(SettingsFile::write(again));
    QCOMPARE(readAll(m_path), written);
    QCOMPARE(again.mainLeft, 100.5);
    QCOMPARE(again.mainTop, -300.0);
    QCOMPARE(again.showHeight, 5000.25);
    QCOMPARE(again.showMaximized.stored(), qint16(1));
    QCOMPARE(again.intervalSeconds, 30);
    QCOMPARE(again.currentListPath, s.currentListPath);
    QCOMPARE(again.showBackColour, QColor(Qt::white));
    QCOMPARE(again.listSaveFolder, s.listSaveFolder);
    QCOMPARE(again.startupList, s.startupList);
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
    QCOMPARE(s.mainLeft, 2380.0);
    QCOMPARE(s.mainTop, 1660.0);
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
    QCOMPARE(s.showHeight, 4155.0);
    QCOMPARE(s.showLeft, 10845.0);
    QCOMPARE(s.showTop, 0.0);
    QCOMPARE(s.showWidth, 4515.0);
    QCOMPARE(s.showMaximized.stored(), qint16(0));
}

void TstSettingsFile::showFrameWithoutAreaTakesTheDefault_data()
{
    QTest::addColumn<QByteArray>("subForm");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("zero width takes the default frame")
        << QByteArray("4000*100*200*0*0") << QByteArray("4155*10845*0*4515*0");
    QTest::newRow("zero height takes the default frame")
        << QByteArray("0*100*200*4000*0") << QByteArray("4155*10845*0*4515*0");
    QTest::newRow("negative width takes the default frame")
        << QByteArray("4000*100*200*-5*0") << QByteArray("4155*10845*0*4515*0");
    QTest::newRow("negative height takes the default frame")
        << QByteArray("-0.5*100*200*4000*0") << QByteArray("4155*10845*0*4515*0");
    QTest::newRow("minus zero width takes the default frame")
        << QByteArray("4000*100*200*-0*0") << QByteArray("4155*10845*0*4515*0");
    QTest::newRow("the maximised flag stays with the default frame")
        << QByteArray("0*100*200*0*1") << QByteArray("4155*10845*0*4515*1");
    QTest::newRow("a size of one twip stands")
        << QByteArray("1*100*200*1*0") << QByteArray("1*100*200*1*0");
}

// A slide-show frame without area is read as the default frame, so it is never written back.
void TstSettingsFile::showFrameWithoutAreaTakesTheDefault()
{
    QFETCH(QByteArray, subForm);
    QFETCH(QByteArray, written);
    writeAll(m_path, section("2380*1660", subForm, "1*2*UnNamed*1*0*1*0*1*1**"));
    QVERIFY(SettingsFile::write(readBack()));
    QCOMPARE(readAll(m_path), section("2380*1660", written, "1*2*UnNamed*1*0*1*0*1*1**"));
}

// 4515 x 4155 twips flush with the right-hand edge and the top of the screen.
void TstSettingsFile::defaultShowFrameFillsTheTopRightCorner()
{
    QCOMPARE(defaultShowFrame(QSizeF(19200, 15360)), QRectF(14685, 0, 4515, 4155));
}

void TstSettingsFile::optionFallsBack_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::newRow("empty value takes defaults") << QByteArray("");
    QTest::newRow("no_data counts as absent") << QByteArray("no_data");
    QTest::newRow("empty first field takes defaults") << QByteArray("*5*/a.vrl*0*1*0*255*0*0**");
}

// An Option value that is absent or has an empty first field gives the whole default record.
void TstSettingsFile::optionFallsBack()
{
    QFETCH(QByteArray, option);
    writeAll(m_path, "[Section]\nOption=" + option + "\n");
    const Settings s = readBack();
    QCOMPARE(s.alwaysOnTop.stored(), qint16(1));
    QCOMPARE(s.intervalSeconds, 2);
    QCOMPARE(s.currentListPath, QStringLiteral("UnNamed"));
    QCOMPARE(s.freeWindow.stored(), qint16(1));
    QCOMPARE(s.randomOrder.stored(), qint16(0));
    QCOMPARE(s.useFade.stored(), qint16(1));
    QCOMPARE(s.showBackColour, QColor(Qt::black));
    QCOMPARE(s.searchBmp.stored(), qint16(1));
    QCOMPARE(s.searchJpg.stored(), qint16(1));
    QVERIFY(s.listSaveFolder.isEmpty());
    QVERIFY(s.startupList.isEmpty());
}

void TstSettingsFile::badOptionNumberTakesItsFieldDefault_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("non-numeric top flag takes its default")
        << QByteArray("yes*5*/a.vrl*0*1*0*255") << QByteArray("1*5*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("top flag beyond 16 bits takes its default")
        << QByteArray("70000*5*/a.vrl*0*1*0*255*0*0**") << QByteArray("1*5*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("non-numeric interval takes its default")
        << QByteArray("1*five*/a.vrl*0*1") << QByteArray("1*2*/a.vrl*0*1*0*0*0*0**");
    QTest::newRow("empty interval takes its default")
        << QByteArray("1**/a.vrl*0*1") << QByteArray("1*2*/a.vrl*0*1*0*0*0*0**");
    QTest::newRow("interval 0 takes its default")
        << QByteArray("1*0*/a.vrl*0*1*0*255*0*0**") << QByteArray("1*2*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("interval 31 takes its default")
        << QByteArray("1*31*/a.vrl*0*1*0*255*0*0**") << QByteArray("1*2*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("interval beyond 16 bits takes its default")
        << QByteArray("1*70000*/a.vrl*0*1") << QByteArray("1*2*/a.vrl*0*1*0*0*0*0**");
    QTest::newRow("interval 30 stands")
        << QByteArray("1*30*/a.vrl*0*1*0*255*0*0**") << QByteArray("1*30*/a.vrl*0*1*0*255*0*0**");
    QTest::newRow("non-numeric free flag takes its default")
        << QByteArray("1*5*/a.vrl*x*1") << QByteArray("1*5*/a.vrl*1*1*0*0*0*0**");
    QTest::newRow("paths and colour outlive a bad number")
        << QByteArray("on*7*/home/u/a.vrl*0*1*0*8421631*0*1*/home/u/save*/home/u/start.vrl")
        << QByteArray("1*7*/home/u/a.vrl*0*1*0*8421631*0*1*/home/u/save*/home/u/start.vrl");
    QTest::newRow("three bad numbers each take their own default")
        << QByteArray("x*99*/a.vrl*y*1*0*255*0*0*/s*/t")
        << QByteArray("1*2*/a.vrl*1*1*0*255*0*0*/s*/t");
}

// A whole-number Option field that is no number or out of range takes that field's default;
// every other field is read, and written back, as stored.
void TstSettingsFile::badOptionNumberTakesItsFieldDefault()
{
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, written);
    writeAll(m_path, section("2380*1660", "4155*10845*0*4515*0", option));
    QVERIFY(SettingsFile::write(readBack()));
    QCOMPARE(readAll(m_path), section("2380*1660", "4155*10845*0*4515*0", written));
}

// Option fields: the list path, an empty path as "UnNamed", and the start-up list cut at NUL.
void TstSettingsFile::optionFields()
{
    writeAll(m_path, "[Section]\nOption=1*5*/pic/a.vrl*1*0*1*0*1*1**\n");
    Settings s = readBack();
    QCOMPARE(s.intervalSeconds, 5);
    QCOMPARE(s.currentListPath, QStringLiteral("/pic/a.vrl"));

    writeAll(m_path, "[Section]\nOption=1*2**1*0*1*0*1*1**/pic/b.vrl\n");
    s = readBack();
    QCOMPARE(s.currentListPath, QStringLiteral("UnNamed"));
    QCOMPARE(s.startupList, QStringLiteral("/pic/b.vrl"));

    writeAll(m_path, QByteArray("[Section]\nOption=1*2**1*0*1*0*1*1**/pic/c.vrl\0junk\n", 48));
    QCOMPARE(readBack().startupList, QStringLiteral("/pic/c.vrl"));
}

void TstSettingsFile::leadingNumberFields_data()
{
    QTest::addColumn<QByteArray>("fields"); // fields 5 to 9
    QTest::addColumn<int>("random");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("jpg");
    QTest::newRow("plain numbers") << QByteArray("1*1*255*0*1") << 1 << QColor(255, 0, 0) << 1;
    QTest::newRow("empty fields read 0") << QByteArray("****") << 0 << QColor(Qt::black) << 0;
    QTest::newRow("text after the number is ignored")
        << QByteArray("1x*0*65280abc*0*1;") << 1 << QColor(0, 255, 0) << 1;
    QTest::newRow("leading blanks skipped")
        << QByteArray("1*0*  42*0* 1") << 1 << QColor(42, 0, 0) << 1;
    QTest::newRow("no number reads 0")
        << QByteArray("on*0*red*0*yes") << 0 << QColor(Qt::black) << 0;
    QTest::newRow("halves round to even")
        << QByteArray("0.5*0*2.5*0*1.5") << 0 << QColor(2, 0, 0) << 2;
    QTest::newRow("colour is the low 24 bits of a 32-bit number")
        << QByteArray("0*0*2147483647*0*1") << 0 << QColor(Qt::white) << 1;
    QTest::newRow("out of range is clamped")
        << QByteArray("99999*0*-9999999999*0*-70000") << 32767 << QColor(Qt::black) << -32768;
}

// Option fields 5 to 9 read the number at their start and never fail.
void TstSettingsFile::leadingNumberFields()
{
    QFETCH(QByteArray, fields);
    QFETCH(int, random);
    QFETCH(QColor, colour);
    QFETCH(int, jpg);
    writeAll(m_path, "[Section]\nOption=1*2*/a.vrl*1*" + fields + "*/f*/s\n");
    const Settings s = readBack();
    QCOMPARE(int(s.randomOrder.stored()), random);
    QCOMPARE(s.showBackColour, colour);
    QCOMPARE(int(s.searchJpg.stored()), jpg);
    QCOMPARE(s.currentListPath, QStringLiteral("/a.vrl"));
}

void TstSettingsFile::storedFilesStayByteIdentical_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("half twips and a negative position")
        << section("100.5*-300", "5000.25*-20*30*6000*1", "0*30*/a.vrl*0*1*0*16777215*0*1*/s*/t");
    QTest::newRow("the first-run position 2380")
        << section("2380*1660", "4155*10845*0*4515*0", "1*2*UnNamed*1*0*1*0*1*1**");
    QTest::newRow("flags other than 0 and 1 keep their numbers")
        << section("0*0", "4155*10845*0*4515*2", "2*5*/a.vrl*-1*7*2*255*3*-4**");
    QTest::newRow("a colour in all three channels")
        << section("15*-15", "1*2*3*4*0", "1*2*/a.vrl*1*0*1*8421631*1*1**");
}

// A file the program wrote is read and written back to the same bytes, numbers that are no
// plain 0/1 flag included.
void TstSettingsFile::storedFilesStayByteIdentical()
{
    QFETCH(QByteArray, file);
    writeAll(m_path, file);
    QVERIFY(SettingsFile::write(readBack()));
    QCOMPARE(readAll(m_path), file);
}

// A path holding the field separator or a line break is stored empty, so the other fields
// keep their places.
void TstSettingsFile::textFieldsThatCannotBeStored()
{
    Settings s = readBack();
    s.currentListPath = QStringLiteral("/pic/a*b.vrl");
    s.listSaveFolder = QStringLiteral("/pic/new\nline");
    s.startupList = QStringLiteral("/pic/é.vrl");
    s.intervalSeconds = 7;
    QVERIFY(SettingsFile::write(s));
    const Settings again = readBack();
    QCOMPARE(again.intervalSeconds, 7);
    QCOMPARE(again.currentListPath, QStringLiteral("UnNamed"));
    QVERIFY(again.listSaveFolder.isEmpty());
    QCOMPARE(again.startupList, QStringLiteral("/pic/é.vrl"));
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
