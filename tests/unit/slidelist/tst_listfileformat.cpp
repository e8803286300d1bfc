// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/listfileformat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Status = ListReadResult::Status;

namespace {

QByteArray goldenBytes(const QString &name)
{
    QFile file(QStringLiteral(VELLORA_TEST_DATA "/lists/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data");
    return file.readAll();
}

QStringList twoPaths()
{
    return {QStringLiteral("/pictures/a.jpg"), QStringLiteral("/写真/夏.BMP")};
}

QStringList mixedPaths()
{
    return {QStringLiteral("/pictures/a.jpg"), QStringLiteral("/photos/café.jpg"),
            QStringLiteral("/photos/😀.jpg")};
}

// A binary list head: magic length 3, the magic, then the count.
QByteArray binaryHead(const char *magic, qint32 count)
{
    QByteArray bytes("\x03\x00", 2);
    bytes.append(magic);
    bytes.append(reinterpret_cast<const char *>(&count), 4);
    return bytes;
}

QByteArray entry(qint16 length, const QByteArray &path)
{
    return QByteArray(reinterpret_cast<const char *>(&length), 2) + path;
}

} // namespace

class TestListFileFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formatOfExtension_data();
    void formatOfExtension();
    void goldenFiles_data();
    void goldenFiles();
    void wideCharactersCountBytes();
    void textLineEnds_data();
    void textLineEnds();
    void textEncodingWithoutMark_data();
    void textEncodingWithoutMark();
    void damagedBinaryKeepsEntriesBefore_data();
    void damagedBinaryKeepsEntriesBefore();
    void wrongMagic_data();
    void wrongMagic();
    void unstorablePathsAreRefused();
    void failedWriteKeepsOldFile();
};

// The extension alone decides the format, without regard to case.
void TestListFileFormat::formatOfExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<ListFormat>("format");
    QTest::newRow("own binary") << QStringLiteral("/l/a.vrl") << ListFormat::Vrl;
    QTest::newRow("capital extension") << QStringLiteral("/l/LIST.VRL") << ListFormat::Vrl;
    QTest::newRow("screen saver binary") << QStringLiteral("/l/a.Sml") << ListFormat::Sml;
    QTest::newRow("text") << QStringLiteral("/l/a.TXT") << ListFormat::Txt;
    QTest::newRow("last dot counts") << QStringLiteral("/l/a.txt.jpg") << ListFormat::None;
    QTest::newRow("no dot") << QStringLiteral("/l/list") << ListFormat::None;
    QTest::newRow("dot only in a folder") << QStringLiteral("/l.vrl/list") << ListFormat::None;
}

void TestListFileFormat::formatOfExtension()
{
    QFETCH(QString, path);
    QFETCH(ListFormat, format);
    QCOMPARE(listFormatOf(path), format);
}

// Writing gives the checked-in bytes exactly, and reading them gives the paths back.
void TestListFileFormat::goldenFiles_data()
{
    QTest::addColumn<ListFormat>("format");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("vrl in CP932") << ListFormat::Vrl << QStringLiteral("two.vrl") << twoPaths();
    QTest::newRow("sml differs only in magic")
        << ListFormat::Sml << QStringLiteral("two.sml") << twoPaths();
    QTest::newRow("txt lines end in CR LF")
        << ListFormat::Txt << QStringLiteral("two.txt") << twoPaths();
    QTest::newRow("binary path beyond CP932 is marked UTF-8")
        << ListFormat::Vrl << QStringLiteral("mixed.vrl") << mixedPaths();
    QTest::newRow("text list beyond CP932 is UTF-8 as a whole")
        << ListFormat::Txt << QStringLiteral("mixed.txt") << mixedPaths();
}

void TestListFileFormat::goldenFiles()
{
    QFETCH(ListFormat, format);
    QFETCH(QString, file);
    QFETCH(QStringList, paths);
    bool ok = false;
    QCOMPARE(encodeList(format, paths, &ok), goldenBytes(file));
    QVERIFY(ok);
    const ListReadResult result = decodeList(format, goldenBytes(file));
    QCOMPARE(result.status, Status::Complete);
    QCOMPARE(result.paths, paths);
}

// Lengths count CP932 bytes: 100 full-width characters are stored as 200.
void TestListFileFormat::wideCharactersCountBytes()
{
    const QString wide = QStringLiteral("あいうえおかきくけこ").repeated(10);
    const QByteArray golden = goldenBytes(QStringLiteral("wide.vrl"));
    bool ok = false;
    QCOMPARE(encodeList(ListFormat::Vrl, {wide}, &ok), golden);
    QCOMPARE(golden.mid(9, 2), QByteArray("\xC8\x00", 2));
    QCOMPARE(decodeList(ListFormat::Vrl, golden).paths, QStringList{wide});
}

// A text line ends at CR, CR LF or LF; the last line needs no end; empty lines name nothing.
void TestListFileFormat::textLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("paths");
    const QStringList ab{QStringLiteral("/p/a.jpg"), QStringLiteral("/p/b.jpg")};
    QTest::newRow("last line without line end") << QByteArray("/p/a.jpg\r\n/p/b.jpg") << ab;
    QTest::newRow("LF only") << QByteArray("/p/a.jpg\n/p/b.jpg\n") << ab;
    QTest::newRow("CR only") << QByteArray("/p/a.jpg\r/p/b.jpg\r") << ab;
    QTest::newRow("empty lines dropped") << QByteArray("\r\n/p/a.jpg\r\n\n\r/p/b.jpg") << ab;
    QTest::newRow("blanks are kept")
        << QByteArray(" /p/a.jpg \r\n") << QStringList{QStringLiteral(" /p/a.jpg ")};
    QTest::newRow("CP932 trail byte 5C is no separator")
        << QByteArray("/\x95\x5C.jpg\r\n") << QStringList{QStringLiteral("/表.jpg")};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestListFileFormat::textLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, paths);
    const ListReadResult result = decodeList(ListFormat::Txt, bytes);
    QCOMPARE(result.status, Status::Complete);
    QCOMPARE(result.paths, paths);
}

// A text list without the mark is UTF-8 when its bytes are valid UTF-8 and not plain ASCII,
// else CP932; a marked one is UTF-8.
void TestListFileFormat::textEncodingWithoutMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path");
    QTest::newRow("valid UTF-8 with Japanese is UTF-8")
        << QByteArray("/\xE5\x86\x99\xE7\x9C\x9F/\xE5\xA4\x8F.jpg\n")
        << QStringLiteral("/写真/夏.jpg");
    QTest::newRow("valid UTF-8 with an accent is UTF-8")
        << QByteArray("/caf\xC3\xA9.jpg\r\n") << QStringLiteral("/café.jpg");
    QTest::newRow("CP932 that is no UTF-8 stays CP932")
        << QByteArray("/\x8E\xCA\x90\x5E/\x89\xC4.BMP\r\n") << QStringLiteral("/写真/夏.BMP");
    QTest::newRow("lone half-width katakana byte is CP932")
        << QByteArray("/\xB1.jpg") << QStringLiteral("/ｱ.jpg");
    QTest::newRow("overlong UTF-8 is no UTF-8")
        << QByteArray("/a\xC0\xAF.jpg") << QStringLiteral("/aﾀｯ.jpg");
    QTest::newRow("UTF-8 cut off at the end is no UTF-8")
        << QByteArray("/a\xE5\x86") << QStringLiteral("/a蜀");
    QTest::newRow("plain ASCII") << QByteArray("/p/a.jpg") << QStringLiteral("/p/a.jpg");
    QTest::newRow("marked UTF-8 loses its mark")
        << QByteArray("\xEF\xBB\xBF/\xE5\xA4\x8F.jpg") << QStringLiteral("/夏.jpg");
}

void TestListFileFormat::textEncodingWithoutMark()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, path);
    const ListReadResult result = decodeList(ListFormat::Txt, bytes);
    QCOMPARE(result.status, Status::Complete);
    QCOMPARE(result.paths, QStringList{path});
}

// Broken counts and lengths end the reading quietly with the entries read before them.
void TestListFileFormat::damagedBinaryKeepsEntriesBefore_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("paths");
    const QByteArray first = entry(8, "/p/a.jpg");
    const QStringList kept{QStringLiteral("/p/a.jpg")};
    QTest::newRow("huge count") << binaryHead("vrl", 0x7FFFFFFF) + first << kept;
    QTest::newRow("negative count") << binaryHead("vrl", -5) + first << QStringList();
    QTest::newRow("count missing") << binaryHead("vrl", 0).left(5) << QStringList();
    QTest::newRow("negative length") << binaryHead("vrl", 3) + first + entry(-2, "xx") << kept;
    QTest::newRow("zero length") << binaryHead("vrl", 3) + first + entry(0, "") + first << kept;
    QTest::newRow("length past the end")
        << binaryHead("vrl", 2) + first + entry(90, "/p/b") << kept;
    QTest::newRow("length field cut")
        << binaryHead("vrl", 2) + first + QByteArray(1, '\x08') << kept;
}

void TestListFileFormat::damagedBinaryKeepsEntriesBefore()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, paths);
    const ListReadResult result = decodeList(ListFormat::Vrl, bytes);
    QCOMPARE(result.status, Status::Damaged);
    QCOMPARE(result.paths, paths);
}

// The magic must be the extension's, compared without regard to case.
void TestListFileFormat::wrongMagic_data()
{
    QTest::addColumn<ListFormat>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    const QByteArray body = entry(8, "/p/a.jpg") + "trailing bytes are ignored";
    QTest::newRow("vrl file holding sml")
        << ListFormat::Vrl << binaryHead("sml", 1) + body << false;
    QTest::newRow("sml file holding vrl")
        << ListFormat::Sml << binaryHead("vrl", 1) + body << false;
    QTest::newRow("magic in capitals") << ListFormat::Vrl << binaryHead("VRL", 1) + body << true;
    QTest::newRow("empty file") << ListFormat::Vrl << QByteArray() << false;
    QTest::newRow("magic length past the end")
        << ListFormat::Vrl << QByteArray("\x7F\x00vrl", 5) << false;
    QTest::newRow("negative magic length")
        << ListFormat::Vrl << QByteArray("\xFF\xFFvrl", 5) << false;
}

void TestListFileFormat::wrongMagic()
{
    QFETCH(ListFormat, format);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    const ListReadResult result = decodeList(format, bytes);
    QCOMPARE(result.status, accepted ? Status::Complete : Status::WrongMagic);
    QCOMPARE(result.paths.size(), accepted ? 1 : 0);
}

// A path the format cannot hold is refused rather than written damaged.
void TestListFileFormat::unstorablePathsAreRefused()
{
    bool ok = true;
    encodeList(ListFormat::Txt, {QStringLiteral("/p/two\nlines.jpg")}, &ok);
    QVERIFY(!ok);
    encodeList(ListFormat::Vrl, {QString(40000, QLatin1Char('a'))}, &ok);
    QVERIFY(!ok);
    encodeList(ListFormat::Vrl, {QString()}, &ok);
    QVERIFY(!ok);
}

// A save that fails leaves the previous file as it was.
void TestListFileFormat::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.vrl"));
    QVERIFY(writeListFile(path, ListFormat::Vrl, twoPaths()));
    QVERIFY(!writeListFile(path, ListFormat::Vrl, {QString(40000, QLatin1Char('a'))}));
    QVERIFY(!writeListFile(dir.filePath(QStringLiteral("no/such/folder/a.vrl")), ListFormat::Vrl,
                           twoPaths()));
    const ListReadResult result = readListFile(path, ListFormat::Vrl);
    QCOMPARE(result.status, Status::Complete);
    QCOMPARE(result.paths, twoPaths());
    QCOMPARE(readListFile(dir.filePath(QStringLiteral("gone.vrl")), ListFormat::Vrl).status,
             Status::Unreadable);
}

QTEST_APPLESS_MAIN(TestListFileFormat)
#include "tst_listfileformat.moc"
