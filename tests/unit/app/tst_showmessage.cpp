// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/showmessage.h"
#include "scriptedinteraction.h"

#include <QTest>

class TstShowMessage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shownText_data();
    void shownText();
    void beepsThenAsksWithTitleAndStyle_data();
    void beepsThenAsksWithTitleAndStyle();
};

void TstShowMessage::shownText_data()
{
    QTest::addColumn<QVariant>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("code 16 is the interval rule")
        << QVariant(16) << QStringLiteral("1～30の数値を指定して下さい");
    QTest::newRow("code 17 is the picture-type rule")
        << QVariant(17) << QStringLiteral("最低一つを選択して下さい");
    QTest::newRow("code 201 is the last of the table")
        << QVariant(201) << QStringLiteral("プリンタに異常があります");
    QTest::newRow("numeric text is a code")
        << QVariant(QStringLiteral("1")) << QStringLiteral("省略できません");
    QTest::newRow("numeric text with blanks is a code")
        << QVariant(QStringLiteral(" 5 ")) << QStringLiteral("重複指定できません");
    QTest::newRow("whole floating number is a code")
        << QVariant(100.0) << QStringLiteral("未入力の項目があるため処理できません");
    QTest::newRow("unknown code shows its number") << QVariant(99) << QStringLiteral("99");
    QTest::newRow("fractional number is no code") << QVariant(16.5) << QStringLiteral("16.5");
    QTest::newRow("zero is no code") << QVariant(0) << QStringLiteral("0");
    QTest::newRow("plain text as it stands")
        << QVariant(QStringLiteral("保存できません")) << QStringLiteral("保存できません");
    QTest::newRow("semicolon starts a new line")
        << QVariant(QStringLiteral("first;second")) << QStringLiteral("first\nsecond");
    QTest::newRow("three lines") << QVariant(QStringLiteral("a;b;c")) << QStringLiteral("a\nb\nc");
    QTest::newRow("double semicolon ends the text")
        << QVariant(QStringLiteral("first;;second")) << QStringLiteral("first");
    QTest::newRow("trailing semicolon adds nothing")
        << QVariant(QStringLiteral("first;")) << QStringLiteral("first");
    QTest::newRow("leading semicolon shows nothing")
        << QVariant(QStringLiteral(";hidden")) << QString();
    QTest::newRow("empty message shows nothing") << QVariant(QString()) << QString();
    QTest::newRow("no message shows nothing") << QVariant() << QString();
}

// A code becomes its table text, any other message its own text; ";" splits lines up to the
// first empty one.
void TstShowMessage::shownText()
{
    QFETCH(QVariant, message);
    QFETCH(QString, expected);
    ScriptedInteraction interaction;
    ShowMessage(interaction, message);
    const QVector<ScriptedInteraction::Call> shown = interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, expected);
    QCOMPARE(messageText(message), expected);
}

void TstShowMessage::beepsThenAsksWithTitleAndStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("expectedStyle");
    QTest::newRow("default is exclamation with OK") << -1 << 48;
    QTest::newRow("error style passes through") << 16 << 16;
    QTest::newRow("information style passes through") << 64 << 64;
    QTest::newRow("plain style passes through") << 0 << 0;
}

// The beep sounds before the box, which has the title "メッセージ" and the given style.
void TstShowMessage::beepsThenAsksWithTitleAndStyle()
{
    QFETCH(int, style);
    QFETCH(int, expectedStyle);
    ScriptedInteraction interaction;
    if (style < 0)
        ShowMessage(interaction, 16);
    else
        ShowMessage(interaction, 16, style);
    QCOMPARE(interaction.calls.size(), 2);
    QCOMPARE(interaction.calls.at(0).kind, QStringLiteral("beep"));
    QCOMPARE(interaction.calls.at(1).kind, QStringLiteral("message"));
    QCOMPARE(interaction.calls.at(1).title, QStringLiteral("メッセージ"));
    QCOMPARE(interaction.calls.at(1).style, expectedStyle);
}

QTEST_GUILESS_MAIN(TstShowMessage)
#include "tst_showmessage.moc"
