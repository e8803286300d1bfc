// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/cp932.h"
#include "core/settings/profilefile.h"
#include "core/settings/settings.h"
#include "core/settings/settingsfile.h"
#include "core/browser/filedragtext.h"
#include "core/slidelist/listfileformat.h"
#include "core/slidelist/urilist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Inputs the fuzz targets found, kept as plain tests of the readers.
class TstReaderRegressions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void leadingByteOrderMarkSurvives_data();
    void leadingByteOrderMarkSurvives();
    void listPathsSurvive_data();
    void listPathsSurvive();
    void profileValueKeepsInnerBlanks_data();
    void profileValueKeepsInnerBlanks();
    void strayCarriageReturnSurvivesRewrite();
    void dragTextPathsWithStarsComeBackWhole_data();
    void dragTextPathsWithStarsComeBackWhole();
    void droppedFileNamesArriveUnchanged_data();
    void droppedFileNamesArriveUnchanged();
    void longListPathKeepsTheOtherOptions();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("vel20.ini")); }
    void writeIni(const QByteArray &bytes) const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstReaderRegressions::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstReaderRegressions::writeIni(const QByteArray &bytes) const
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TstReaderRegressions::leadingByteOrderMarkSurvives_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("mark then a character CP932 lacks") << QStringLiteral("\uFEFF\u00E9");
    QTest::newRow("mark alone") << QStringLiteral("\uFEFF");
    QTest::newRow("two marks") << QStringLiteral("\uFEFF\uFEFF/x");
}

// A text that starts with U+FEFF keeps it through the UTF-8 fallback.
void TstReaderRegressions::leadingByteOrderMarkSurvives()
{
    QFETCH(QString, text);
    QCOMPARE(Cp932::decodeText(Cp932::encodeText(text)), text);
}

void TstReaderRegressions::listPathsSurvive_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("paths");
    const QStringList marked{QStringLiteral("\uFEFF/a.jpg"), QStringLiteral("/b\uFEFF.jpg")};
    QTest::newRow("binary path starting with U+FEFF") << int(ListFormat::Vrl) << marked;
    QTest::newRow("text list starting with U+FEFF") << int(ListFormat::Txt) << marked;
    QTest::newRow("companion list starting with U+FEFF") << int(ListFormat::Sml) << marked;
}

// What a list file stores is read back exactly.
void TstReaderRegressions::listPathsSurvive()
{
    QFETCH(int, format);
    QFETCH(QStringList, paths);
    bool ok = false;
    const QByteArray bytes = encodeList(ListFormat(format), paths, &ok);
    QVERIFY(ok);
    const ListReadResult result = decodeList(ListFormat(format), bytes);
    QCOMPARE(result.status, ListReadResult::Status::Complete);
    QCOMPARE(result.paths, paths);
}

void TstReaderRegressions::profileValueKeepsInnerBlanks_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::newRow("ideographic space ends a folder name")
        << QStringLiteral("/home/u/写真\u3000") << QStringLiteral("/home/u/写真\u3000");
    QTest::newRow("no-break space starts a value")
        << QStringLiteral("\u00A0x") << QStringLiteral("\u00A0x");
    QTest::newRow("ASCII blanks around are dropped")
        << QStringLiteral(" \t/a b \t") << QStringLiteral("/a b");
}

// Only ASCII blanks around a value are trimmed; other spaces belong to the value.
void TstReaderRegressions::profileValueKeepsInnerBlanks()
{
    QFETCH(QString, written);
    QFETCH(QString, read);
    const QString section = QStringLiteral("Section");
    const QString key = QStringLiteral("Option");
    QVERIFY(ProfileFile::writeString(iniPath(), section, key, written));
    QCOMPARE(ProfileFile::readString(iniPath(), section, key, QString()), read);
}

// A stray CR before a line's end does not change another key's value when the file is
// rewritten as UTF-8.
void TstReaderRegressions::strayCarriageReturnSurvivesRewrite()
{
    writeIni("[Section]\nMainForm=4962*1660\r[x]\r\r\nSubForm=1\n");
    const QString section = QStringLiteral("Section");
    const QString mainForm = QStringLiteral("MainForm");
    const QString before = ProfileFile::readString(iniPath(), section, mainForm, QString());
    QCOMPARE(before, QStringLiteral("4962*1660\r[x]"));
    QVERIFY(ProfileFile::writeString(iniPath(), section, QStringLiteral("Option"),
                                     QStringLiteral("é")));
    QCOMPARE(ProfileFile::readString(iniPath(), section, mainForm, QString()), before);
}

void TstReaderRegressions::dragTextPathsWithStarsComeBackWhole_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("folder ending like the name after a star") << "/a/n*n*a/n"
                                                              << "n";
    QTest::newRow("star in the folder and the name") << "/p*q/r*s.jpg"
                                                     << "r*s.jpg";
    QTest::newRow("bar and star in the folder") << "/x|y*z/a.jpg"
                                                << "a.jpg";
}

// A file-list row comes back from its drag text with the path and name it had.
void TstReaderRegressions::dragTextPathsWithStarsComeBackWhole()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    const QVector<FileDragRecord> rows{{path, name, QStringLiteral("    12,345")}};
    const QVector<FileDragRecord> read = readFileDragText(fileDragText(rows));
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.at(0).path, path);
    QCOMPARE(read.at(0).name, name);
    QCOMPARE(read.at(0).sizeText, rows.at(0).sizeText);
}

void TstReaderRegressions::droppedFileNamesArriveUnchanged_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("noncharacter U+FDD0") << QStringLiteral("/p/a\uFDD0.jpg");
    QTest::newRow("noncharacter U+7FFFF") << QStringLiteral("/p/a\U0007FFFF.jpg");
    QTest::newRow("percent, hash and blanks") << QStringLiteral("/p/100% #1 .jpg");
    QTest::newRow("Japanese with a full-width space") << QStringLiteral("/写真/旅行\u3000一.jpg");
}

// A file dropped from a file manager arrives with exactly its own path.
void TstReaderRegressions::droppedFileNamesArriveUnchanged()
{
    QFETCH(QString, path);
    // Encoded the way GLib's file managers do; QUrl's encoder mangles supplementary-plane
    // noncharacters.
    const QByteArray uriList = "file://" + path.toUtf8().toPercentEncoding("/") + "\r\n";
    QCOMPARE(localPathsFromUriList(uriList), QStringList{path});
}

// Settings written at shutdown come back at the next start, also with a long list path: a
// profile read cut at 254 bytes used to turn both picture searches off and reset the colour.
void TstReaderRegressions::longListPathKeepsTheOtherOptions()
{
    Settings written;
    written.settingsPath = iniPath();
    written.showBackColour = QColor(0x00, 0x80, 0xFF);
    written.currentListPath =
        QLatin1Char('/') + QString(240, QLatin1Char('a')) + QStringLiteral(".vrl");
    written.listSaveFolder = QLatin1Char('/') + QString(1500, QChar(0x5199));
    written.startupList =
        QLatin1Char('/') + QString(4000, QLatin1Char('b')) + QStringLiteral(".txt");
    QVERIFY(SettingsFile::write(written));
    Settings read;
    read.settingsPath = iniPath();
    SettingsFile::read(read, QSizeF(15360, 11520));
    QCOMPARE(read.currentListPath, written.currentListPath);
    QCOMPARE(read.showBackColour, written.showBackColour);
    QCOMPARE(read.searchJpg.stored(), written.searchJpg.stored());
    QCOMPARE(read.searchBmp.stored(), written.searchBmp.stored());
    QCOMPARE(read.listSaveFolder, written.listSaveFolder);
    QCOMPARE(read.startupList, written.startupList);
}

QTEST_GUILESS_MAIN(TstReaderRegressions)
#include "tst_readerregressions.moc"
