// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/getpiece.h"

#include <QTest>

class TstGetPiece : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fields_data();
    void fields();
    void cutAtNul_data();
    void cutAtNul();
};

namespace {

QString withNul(const QString &before, const QString &after)
{
    return before + QChar(u'\0') + after;
}

} // namespace

void TstGetPiece::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");

    const QString abc = QStringLiteral("a/b/c");
    const QString slash = QStringLiteral("/");
    QTest::newRow("first field") << abc << slash << 1 << -1 << QStringLiteral("a");
    QTest::newRow("middle field") << abc << slash << 2 << -1 << QStringLiteral("b");
    QTest::newRow("last field") << abc << slash << 3 << -1 << QStringLiteral("c");
    QTest::newRow("field past the end is empty") << abc << slash << 4 << -1 << QString();
    QTest::newRow("range joins with the delimiter")
        << abc << slash << 1 << 2 << QStringLiteral("a/b");
    QTest::newRow("range past the end stops at the end")
        << abc << slash << 2 << 5 << QStringLiteral("b/c");
    QTest::newRow("range of the whole text") << abc << slash << 1 << 3 << abc;
    QTest::newRow("empty field between delimiters")
        << QStringLiteral("a//b") << slash << 2 << -1 << QString();
    QTest::newRow("field after empty field")
        << QStringLiteral("a//b") << slash << 3 << -1 << QStringLiteral("b");
    QTest::newRow("delimiter at the end ends with an empty field")
        << QStringLiteral("a/") << slash << 2 << -1 << QString();
    QTest::newRow("leading delimiter gives an empty first field")
        << QStringLiteral("/a") << slash << 1 << -1 << QString();
    QTest::newRow("no delimiter: field 1 is the text")
        << QStringLiteral("abc") << slash << 1 << -1 << QStringLiteral("abc");
    QTest::newRow("no delimiter: field 2 is empty")
        << QStringLiteral("abc") << slash << 2 << -1 << QString();
    QTest::newRow("empty delimiter gives empty fields")
        << QStringLiteral("abc") << QString() << 1 << -1 << QString();
    QTest::newRow("empty delimiter gives empty later fields")
        << QStringLiteral("abc") << QString() << 2 << 9 << QString();
    QTest::newRow("empty text") << QString() << slash << 1 << -1 << QString();
    QTest::newRow("multi-character delimiter")
        << QStringLiteral("a//b") << QStringLiteral("//") << 2 << -1 << QStringLiteral("b");
    QTest::newRow("multi-character delimiter range")
        << QStringLiteral("x<>y<>z") << QStringLiteral("<>") << 2 << 3 << QStringLiteral("y<>z");
    QTest::newRow("multi-character delimiter overlap")
        << QStringLiteral("a///b") << QStringLiteral("//") << 2 << -1 << QStringLiteral("/b");
    QTest::newRow("delimiter is case-sensitive")
        << QStringLiteral("aXbxc") << QStringLiteral("x") << 1 << -1 << QStringLiteral("aXb");

    const QString option = QStringLiteral("1*2*UnNamed*1*0*1*0*1*1**");
    const QString star = QStringLiteral("*");
    QTest::newRow("option field 3") << option << star << 3 << -1 << QStringLiteral("UnNamed");
    QTest::newRow("option field 10 is empty") << option << star << 10 << -1 << QString();
    QTest::newRow("option field 11 is empty") << option << star << 11 << -1 << QString();
    QTest::newRow("option field 12 does not exist") << option << star << 12 << -1 << QString();
    QTest::newRow("node key drive part")
        << QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ*C:") << star << 2 << -1 << QStringLiteral("C:");
    QTest::newRow("node key caption part")
        << QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ*C:") << star << 1 << -1 << QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ");

    QTest::newRow("field 0 is empty") << abc << slash << 0 << -1 << QString();
    QTest::newRow("negative field is empty") << abc << slash << -3 << -3 << QString();
    QTest::newRow("to below from is empty") << abc << slash << 3 << 2 << QString();
    QTest::newRow("huge to ends at the last field")
        << abc << slash << 2 << INT_MAX << QStringLiteral("b/c");
}

// Fields are counted from 1 and a range keeps its delimiters as they stand in the text.
void TstGetPiece::fields()
{
    QFETCH(QString, text);
    QFETCH(QString, delimiter);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    QCOMPARE(getPiece(text, delimiter, from, to), expected);
}

void TstGetPiece::cutAtNul_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no NUL keeps the whole text") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("leading NUL gives empty text")
        << withNul({}, QStringLiteral("abc")) << QString();
    QTest::newRow("cut at the first of several NULs")
        << withNul(QStringLiteral("ab"), withNul(QStringLiteral("cd"), {})) << QStringLiteral("ab");
    QTest::newRow("empty stays empty") << QString() << QString();
}

// The text ends at its first NUL.
void TstGetPiece::cutAtNul()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(::cutAtNul(text), expected);
}

QTEST_APPLESS_MAIN(TstGetPiece)
#include "tst_getpiece.moc"
