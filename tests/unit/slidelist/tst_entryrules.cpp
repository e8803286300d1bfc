// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/entryrules.h"

#include <QTest>

class TestEntryRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizeText_data();
    void sizeText();
    void iconForName_data();
    void iconForName();
};

void TestEntryRules::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero bytes pads to ten") << qint64(0) << QStringLiteral("         0");
    QTest::newRow("thousands grouped") << qint64(1234) << QStringLiteral("     1,234");
    QTest::newRow("millions keep one blank") << qint64(1234567) << QStringLiteral(" 1,234,567");
    QTest::newRow("ten characters unpadded") << qint64(10000000) << QStringLiteral("10,000,000");
    QTest::newRow("longer stays whole") << qint64(100000000) << QStringLiteral("100,000,000");
}

void TestEntryRules::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, expected);
    QCOMPARE(::sizeText(bytes), expected);
}

void TestEntryRules::iconForName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("icon");
    QTest::newRow("upper-case BMP is a bitmap") << QStringLiteral("/pics/a.BMP") << 2;
    QTest::newRow("jpg is a picture") << QStringLiteral("/pics/a.jpg") << 1;
    QTest::newRow("dot in a folder hides the extension") << QStringLiteral("/my.pics/a.bmp") << 1;
    QTest::newRow("no dot is a picture") << QStringLiteral("README") << 1;
    QTest::newRow("only the first piece counts") << QStringLiteral("a.bmp.jpg") << 2;
}

void TestEntryRules::iconForName()
{
    QFETCH(QString, name);
    QFETCH(int, icon);
    QCOMPARE(::iconForName(name), icon);
}

QTEST_APPLESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
