// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/cp932.h"

#include <QTest>

class TstCp932 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void strictRoundTrip_data();
    void strictRoundTrip();
    void notHeld_data();
    void notHeld();
    void invalidBytes_data();
    void invalidBytes();
    void textRule_data();
    void textRule();
    void decodeTextWithoutMark();
};

void TstCp932::strictRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii stays ascii")
        << QStringLiteral("C:\\PIC\\a.vrl") << QByteArray("C:\\PIC\\a.vrl");
    QTest::newRow("backslash is 5C, not yen") << QStringLiteral("\\") << QByteArray("\x5c");
    QTest::newRow("full-width wave dash is 81 60") << QStringLiteral("1～30")
                                                   << QByteArray("1\x81\x60"
                                                                 "30");
    QTest::newRow("japanese path") << QStringLiteral("/home/u/写真/旅行.jpg")
                                   << QByteArray("/home/u/\x8e\xca\x90\x5e/\x97\xb7\x8d\x73.jpg");
    QTest::newRow("half-width katakana is one byte")
        << QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ") << QByteArray("\xcf\xb2 \xba\xdd\xcb\xdf\xad\xb0\xc0");
    QTest::newRow("NEC special character") << QStringLiteral("①") << QByteArray("\x87\x40");
    QTest::newRow("IBM extension kanji") << QStringLiteral("髙") << QByteArray("\xfb\xfc");
    QTest::newRow("empty") << QString() << QByteArray();
}

// CP932 bytes are exactly those of Windows-31J and decode back to the same text.
void TstCp932::strictRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const std::optional<QByteArray> encoded = Cp932::encodeStrict(text);
    QVERIFY(encoded.has_value());
    QCOMPARE(*encoded, bytes);
    bool ok = false;
    QCOMPARE(Cp932::decodeStrict(bytes, &ok), text);
    QVERIFY(ok);
}

void TstCp932::notHeld_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("accented latin") << QStringLiteral("café");
    QTest::newRow("hangul") << QStringLiteral("한국");
    QTest::newRow("emoji") << QStringLiteral("pic😀.jpg");
    QTest::newRow("wave dash U+301C maps only one way") << QStringLiteral("〜");
    QTest::newRow("yen sign maps only one way") << QStringLiteral("¥");
    QTest::newRow("minus sign maps only one way") << QStringLiteral("−");
}

// Text that CP932 cannot hold exactly is refused rather than altered.
void TstCp932::notHeld()
{
    QFETCH(QString, text);
    QVERIFY(!Cp932::encodeStrict(text).has_value());
}

void TstCp932::invalidBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lone lead byte at the end")
        << QByteArray("ab\x81") << QStringLiteral("ab\uFFFD");
    QTest::newRow("undefined single byte") << QByteArray("a\xa0z") << QStringLiteral("a\uFFFDz");
    QTest::newRow("bad byte between kanji")
        << QByteArray("\x8e\xca\xff\x90\x5e") << QStringLiteral("写\uFFFD真");
}

// A byte that starts no character becomes U+FFFD and the rest still decodes.
void TstCp932::invalidBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    bool ok = true;
    QCOMPARE(Cp932::decodeStrict(bytes, &ok), expected);
    QVERIFY(!ok);
}

void TstCp932::textRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("japanese stays CP932")
        << QStringLiteral("写真") << QByteArray("\x8e\xca\x90\x5e");
    QTest::newRow("é takes UTF-8 with a mark")
        << QStringLiteral("/home/u/é.jpg") << QByteArray("\xef\xbb\xbf/home/u/\xc3\xa9.jpg");
    QTest::newRow("emoji takes UTF-8 with a mark")
        << QStringLiteral("😀") << QByteArray("\xef\xbb\xbf\xf0\x9f\x98\x80");
    QTest::newRow("mixed japanese and é takes UTF-8")
        << QStringLiteral("写é") << QByteArray("\xef\xbb\xbf\xe5\x86\x99\xc3\xa9");
    QTest::newRow("wave dash U+301C keeps its identity")
        << QStringLiteral("〜") << QByteArray("\xef\xbb\xbf\xe3\x80\x9c");
}

// encodeText falls back to marked UTF-8 and decodeText reads either form back unchanged.
void TstCp932::textRule()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp932::encodeText(text), bytes);
    QCOMPARE(Cp932::decodeText(bytes), text);
}

// Without the mark, bytes are CP932 even when they would be valid UTF-8.
void TstCp932::decodeTextWithoutMark()
{
    QCOMPARE(Cp932::decodeText(QByteArray("\x81\x60")), QStringLiteral("～"));
    QCOMPARE(Cp932::decodeText(QByteArray("\xc3\xa9")), QStringLiteral("ﾃｩ"));
}

QTEST_APPLESS_MAIN(TstCp932)
#include "tst_cp932.moc"
