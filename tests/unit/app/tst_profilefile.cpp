// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/profilefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QString NoData = QStringLiteral("NO_DATA");

} // namespace

class TstProfileFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void missingGivesDefault_data();
    void missingGivesDefault();
    void readsNamesWithoutCaseAndTrimsValues_data();
    void readsNamesWithoutCaseAndTrimsValues();
    void quotedValueLosesOnePair_data();
    void quotedValueLosesOnePair();
    void quotedValueIsWrittenToReadBackWhole_data();
    void quotedValueIsWrittenToReadBackWhole();
    void createsFileWhenMissing();
    void keepsOtherLinesOnWrite();
    void addsKeyToExistingSection();
    void keepsCrlfFiles();
    void japanesePathIsCp932();
    void pathOutsideCp932MakesFileUtf8();
    void utf8FileReturnsToCp932();
    void cp932FileKeepsUndecodableBytes();
    void longValueIsCut_data();
    void longValueIsCut();
    void refusesWhatTheFileCannotHold_data();
    void refusesWhatTheFileCannotHold();
    void failedWriteLeavesOldFile();
    void unreadableFileIsNotReplaced();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TstProfileFile::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("vel20.ini"));
    QFile::remove(m_path);
}

void TstProfileFile::missingGivesDefault_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("no section") << QByteArray("[Other]\nMainForm=1*2\n");
    QTest::newRow("no key") << QByteArray("[Section]\nSubForm=1*2\n");
    QTest::newRow("key of a later section does not count")
        << QByteArray("[Section]\nSubForm=1\n[Other]\nMainForm=1*2\n");
    QTest::newRow("commented key does not count") << QByteArray("[Section]\n;MainForm=1*2\n");
    QTest::newRow("key before any section does not count") << QByteArray("MainForm=1*2\n");
}

// A missing file, section or key gives the caller's default.
void TstProfileFile::missingGivesDefault()
{
    QFETCH(QByteArray, content);
    if (!content.isEmpty())
        writeAll(m_path, content);
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     NoData),
             NoData);
}

void TstProfileFile::readsNamesWithoutCaseAndTrimsValues_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("[Section]\nMainForm=2380*1660\n")
                           << QStringLiteral("2380*1660");
    QTest::newRow("names in other case")
        << QByteArray("[SECTION]\nmainform=2380*1660\n") << QStringLiteral("2380*1660");
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ Section ]  \n  MainForm  =   2380*1660  \t\n")
        << QStringLiteral("2380*1660");
    QTest::newRow("empty value") << QByteArray("[Section]\nMainForm=\n") << QString();
    QTest::newRow("first of two keys wins")
        << QByteArray("[Section]\nMainForm=1*2\nMainForm=3*4\n") << QStringLiteral("1*2");
    QTest::newRow("value keeps its own equals signs")
        << QByteArray("[Section]\nMainForm=a=b\n") << QStringLiteral("a=b");
    QTest::newRow("crlf line ends")
        << QByteArray("[Section]\r\nMainForm=1*2\r\n") << QStringLiteral("1*2");
    QTest::newRow("no final line end")
        << QByteArray("[Section]\nMainForm=1*2") << QStringLiteral("1*2");
}

// Section and key names match without regard to case; values come back trimmed.
void TstProfileFile::readsNamesWithoutCaseAndTrimsValues()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    writeAll(m_path, content);
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     NoData),
             expected);
}

void TstProfileFile::quotedValueLosesOnePair_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a pair around the whole value is dropped")
        << QByteArray("\"0*2*UnNamed*1*0*1*0*1*1**\"")
        << QStringLiteral("0*2*UnNamed*1*0*1*0*1*1**");
    QTest::newRow("blanks around the pair are trimmed first")
        << QByteArray("  \"100*-300\"\t") << QStringLiteral("100*-300");
    QTest::newRow("blanks inside the pair stay")
        << QByteArray("\" 100*-300 \"") << QStringLiteral(" 100*-300 ");
    QTest::newRow("only one pair is dropped")
        << QByteArray("\"\"1*2\"\"") << QStringLiteral("\"1*2\"");
    QTest::newRow("an empty pair gives an empty value") << QByteArray("\"\"") << QString();
    QTest::newRow("a lone quote stays") << QByteArray("\"") << QStringLiteral("\"");
    QTest::newRow("a quote at the start only stays")
        << QByteArray("\"1*2") << QStringLiteral("\"1*2");
    QTest::newRow("a quote at the end only stays")
        << QByteArray("1*2*/a.vrl\"") << QStringLiteral("1*2*/a.vrl\"");
    QTest::newRow("quotes inside the value stay")
        << QByteArray("1*2*/pic/\"a\".vrl*1") << QStringLiteral("1*2*/pic/\"a\".vrl*1");
    QTest::newRow("single quotes stay") << QByteArray("'1*2'") << QStringLiteral("'1*2'");
}

// One pair of double quotes that encloses the whole trimmed value is not part of it.
void TstProfileFile::quotedValueLosesOnePair()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);
    writeAll(m_path, "[Section]\nMainForm=" + stored + "\n");
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     NoData),
             expected);
}

void TstProfileFile::quotedValueIsWrittenToReadBackWhole_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("a value in quotes keeps them")
        << QStringLiteral("\"a b\"") << QByteArray("\"\"a b\"\"") << QStringLiteral("\"a b\"");
    QTest::newRow("an empty pair of quotes stays")
        << QStringLiteral("\"\"") << QByteArray("\"\"\"\"") << QStringLiteral("\"\"");
    QTest::newRow("blanks around a quoted value are dropped as on reading")
        << QStringLiteral(" \"a\" ") << QByteArray("\"\"a\"\"") << QStringLiteral("\"a\"");
    QTest::newRow("a quote at one end only is stored as it is")
        << QStringLiteral("\"a") << QByteArray("\"a") << QStringLiteral("\"a");
}

// A written value comes back trimmed, quotes of its own included.
void TstProfileFile::quotedValueIsWrittenToReadBackWhole()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, stored);
    QFETCH(QString, readBack);
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     value));
    QCOMPARE(readAll(m_path), "[Section]\nMainForm=" + stored + "\n");
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     NoData),
             readBack);
}

// The first write creates the file with the section and the key.
void TstProfileFile::createsFileWhenMissing()
{
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     QStringLiteral("2380*1660")));
    QCOMPARE(readAll(m_path), QByteArray("[Section]\nMainForm=2380*1660\n"));
}

// A write changes its one key and keeps other sections, keys, comments and blank lines.
void TstProfileFile::keepsOtherLinesOnWrite()
{
    writeAll(m_path, "; my settings\n[Other]\nMainForm=keep\n\n[section]\nOPTION=x\n"
                     "mainform = 1*2\n# note\n\n[Last]\nz=1\n");
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     QStringLiteral("100.5*-300")));
    QCOMPARE(readAll(m_path), QByteArray("; my settings\n[Other]\nMainForm=keep\n\n[section]\n"
                                         "OPTION=x\nMainForm=100.5*-300\n# note\n\n[Last]\nz=1\n"));
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Other"), QStringLiteral("MainForm"),
                                     NoData),
             QStringLiteral("keep"));
}

// A new key goes to the end of its section, before the blank lines that part it from the next.
void TstProfileFile::addsKeyToExistingSection()
{
    writeAll(m_path, "[Section]\nMainForm=1*2\n\n[Other]\na=b\n");
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("SECTION"), QStringLiteral("SubForm"),
                                     QStringLiteral("4155*10845*0*4515*0")));
    QCOMPARE(readAll(m_path),
             QByteArray("[Section]\nMainForm=1*2\nSubForm=4155*10845*0*4515*0\n\n[Other]\na=b\n"));
}

// A file made on Windows keeps its CR LF line ends.
void TstProfileFile::keepsCrlfFiles()
{
    writeAll(m_path, "[Section]\r\nMainForm=1*2\r\n");
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     QStringLiteral("1")));
    QCOMPARE(readAll(m_path), QByteArray("[Section]\r\nMainForm=1*2\r\nOption=1\r\n"));
}

// Japanese text is stored in CP932 bytes and read back unchanged.
void TstProfileFile::japanesePathIsCp932()
{
    const QString path = QStringLiteral("1*2*/home/u/写真/旅行.vrl*1");
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     path));
    QCOMPARE(readAll(m_path),
             QByteArray("[Section]\nOption=1*2*/home/u/\x8e\xca\x90\x5e/\x97\xb7\x8d\x73.vrl*1\n"));
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     NoData),
             path);
}

// A value that CP932 cannot hold makes the whole file UTF-8 after a mark, other keys included.
void TstProfileFile::pathOutsideCp932MakesFileUtf8()
{
    writeAll(m_path, "[Section]\nMainForm=\x8e\xca\n");
    const QString path = QStringLiteral("1*2*/home/u/café/写.vrl*1");
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     path));
    QCOMPARE(readAll(m_path), QByteArray("\xef\xbb\xbf[Section]\nMainForm=\xe5\x86\x99\nOption=1*2*"
                                         "/home/u/caf\xc3\xa9/\xe5\x86\x99.vrl*1\n"));
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     NoData),
             path);
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     NoData),
             QStringLiteral("写"));
}

// Once no text needs UTF-8 any more, the file is CP932 again.
void TstProfileFile::utf8FileReturnsToCp932()
{
    writeAll(m_path, "\xef\xbb\xbf[Section]\nMainForm=\xe5\x86\x99\nOption=caf\xc3\xa9\n");
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     QStringLiteral("cafe")));
    QCOMPARE(readAll(m_path), QByteArray("[Section]\nMainForm=\x8e\xca\nOption=cafe\n"));
}

// Bytes of a hand-edited CP932 file that decode to nothing are kept as they were.
void TstProfileFile::cp932FileKeepsUndecodableBytes()
{
    writeAll(m_path, "; \xff\xfe\n[Section]\nMainForm=1\n");
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("MainForm"),
                                     QStringLiteral("2")));
    QCOMPARE(readAll(m_path), QByteArray("; \xff\xfe\n[Section]\nMainForm=2\n"));
}

void TstProfileFile::longValueIsCut_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const QString ascii254 = QString(254, QLatin1Char('a'));
    QTest::newRow("254 bytes stay whole") << ascii254 << ascii254;
    QTest::newRow("255 bytes lose the last") << ascii254 + QLatin1Char('b') << ascii254;
    QTest::newRow("CP932 pair is not split")
        << QString(253, QLatin1Char('a')) + QStringLiteral("写真")
        << QString(253, QLatin1Char('a'));
    QTest::newRow("CP932 pairs fill 254 bytes")
        << QString(127, QChar(0x5199)) + QLatin1Char('x') << QString(127, QChar(0x5199));
    QTest::newRow("half-width katakana is one byte")
        << QString(254, QChar(0xFF71)) + QChar(0xFF71) << QString(254, QChar(0xFF71));
    QTest::newRow("UTF-8 file counts UTF-8 bytes")
        << QString(126, QChar(0x00E9)) + QStringLiteral("aé")
        << QString(126, QChar(0x00E9)) + QLatin1Char('a');
    QTest::newRow("emoji is not split")
        << QString(252, QLatin1Char('a')) + QStringLiteral("😀") << QString(252, QLatin1Char('a'));
}

// A stored value longer than 254 bytes is read cut to 254 bytes, never inside a character.
void TstProfileFile::longValueIsCut()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QVERIFY(ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     value));
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     NoData),
             expected);
}

void TstProfileFile::refusesWhatTheFileCannotHold_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QString s = QStringLiteral("Section");
    const QString k = QStringLiteral("Option");
    QTest::newRow("line feed in value") << s << k << QStringLiteral("a\nOption=evil");
    QTest::newRow("carriage return in value") << s << k << QStringLiteral("a\rb");
    QTest::newRow("equals sign in key") << s << QStringLiteral("a=b") << QStringLiteral("1");
    QTest::newRow("bracket in section") << QStringLiteral("a]b") << k << QStringLiteral("1");
}

// A write that would break the file's lines is refused and the file is left as it was.
void TstProfileFile::refusesWhatTheFileCannotHold()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray before("[Section]\nOption=old\n");
    writeAll(m_path, before);
    QVERIFY(!ProfileFile::writeString(m_path, section, key, value));
    QCOMPARE(readAll(m_path), before);
}

// When the file cannot be replaced the write reports failure and the old file stays.
void TstProfileFile::failedWriteLeavesOldFile()
{
    const QString folder = m_dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/vel20.ini");
    writeAll(path, "[Section]\nOption=old\n");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    if (QFileInfo(folder).isWritable())
        QSKIP("running with rights that ignore folder permissions");
    const bool written = ProfileFile::writeString(path, QStringLiteral("Section"),
                                                  QStringLiteral("Option"), QStringLiteral("new"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!written);
    QCOMPARE(readAll(path), QByteArray("[Section]\nOption=old\n"));
}

// A settings path that cannot be read as a file is never overwritten.
void TstProfileFile::unreadableFileIsNotReplaced()
{
    QVERIFY(QDir().mkpath(m_path));
    QVERIFY(!ProfileFile::writeString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                      QStringLiteral("new")));
    QVERIFY(QFileInfo(m_path).isDir());
    QCOMPARE(ProfileFile::readString(m_path, QStringLiteral("Section"), QStringLiteral("Option"),
                                     NoData),
             NoData);
    QVERIFY(QDir(m_path).removeRecursively());
}

QTEST_GUILESS_MAIN(TstProfileFile)
#include "tst_profilefile.moc"
