// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/showmessage.h"
#include "scriptedinteraction.h"

#include <QTest>

class TstShowMessage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixedMessages_data();
    void fixedMessages();
    void shownText_data();
    void shownText();
    void beepsThenAsksWithTitleAndStyle_data();
    void beepsThenAsksWithTitleAndStyle();
};

void TstShowMessage::fixedMessages_data()
{
    QTest::addColumn<AppMessage>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the interval rule")
        << AppMessage::IntervalOutOfRange << QStringLiteral("1～30の数値を指定して下さい");
    QTest::newRow("the picture-type rule")
        << AppMessage::SelectAtLeastOne << QStringLiteral("最低一つを選択して下さい");
    QTest::newRow("the first of the table")
        << AppMessage::Required << QStringLiteral("省略できません");
    QTest::newRow("one in the middle of the first block")
        << AppMessage::Duplicate << QStringLiteral("重複指定できません");
    QTest::newRow("the first of the processing block")
        << AppMessage::FieldsMissing << QStringLiteral("未入力の項目があるため処理できません");
    QTest::newRow("the last of the table")
        << AppMessage::PrinterFault << QStringLiteral("プリンタに異常があります");
}

// A fixed message shows its own text.
void TstShowMessage::fixedMessages()
{
    QFETCH(AppMessage, message);
    QFETCH(QString, expected);
    ScriptedInteraction interaction;
    showMessage(interaction, message);
    const QVector<ScriptedInteraction::Call> shown = interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, expected);
    QCOMPARE(messageText(message), expected);
}

void TstShowMessage::shownText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a text that reads as a message number is shown as it stands")
        << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("blanks around a number are kept")
        << QStringLiteral(" 5 ") << QStringLiteral(" 5 ");
    QTest::newRow("an unknown number shows itself") << QStringLiteral("99") << QStringLiteral("99");
    QTest::newRow("a fraction shows itself") << QStringLiteral("16.5") << QStringLiteral("16.5");
    QTest::newRow("zero shows itself") << QStringLiteral("0") << QStringLiteral("0");
    QTest::newRow("plain text as it stands")
        << QStringLiteral("保存できません") << QStringLiteral("保存できません");
    QTest::newRow("semicolon starts a new line")
        << QStringLiteral("first;second") << QStringLiteral("first\nsecond");
    QTest::newRow("three lines") << QStringLiteral("a;b;c") << QStringLiteral("a\nb\nc");
    QTest::newRow("double semicolon ends the text")
        << QStringLiteral("first;;second") << QStringLiteral("first");
    QTest::newRow("trailing semicolon adds nothing")
        << QStringLiteral("first;") << QStringLiteral("first");
    QTest::newRow("leading semicolon shows nothing") << QStringLiteral(";hidden") << QString();
    QTest::newRow("empty message shows nothing") << QStringLiteral("") << QString();
    QTest::newRow("no message shows nothing") << QString() << QString();
}

// A text is shown as it stands; ";" splits lines up to the first empty one.
void TstShowMessage::shownText()
{
    QFETCH(QString, message);
    QFETCH(QString, expected);
    ScriptedInteraction interaction;
    showMessage(interaction, message);
    const QVector<ScriptedInteraction::Call> shown = interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, expected);
    QCOMPARE(messageText(message), expected);
}

void TstShowMessage::beepsThenAsksWithTitleAndStyle_data()
{
    QTest::addColumn<bool>("styleGiven");
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<MessageStyle>("expectedStyle");
    QTest::newRow("default is exclamation with OK")
        << false << MessageStyle::Plain << MessageStyle::Exclamation;
    QTest::newRow("error style passes through")
        << true << MessageStyle::Error << MessageStyle::Error;
    QTest::newRow("information style passes through")
        << true << MessageStyle::Information << MessageStyle::Information;
    QTest::newRow("plain style passes through")
        << true << MessageStyle::Plain << MessageStyle::Plain;
}

// The beep sounds before the box, which has the title "メッセージ" and the given style.
void TstShowMessage::beepsThenAsksWithTitleAndStyle()
{
    QFETCH(bool, styleGiven);
    QFETCH(MessageStyle, style);
    QFETCH(MessageStyle, expectedStyle);
    ScriptedInteraction interaction;
    if (styleGiven)
        showMessage(interaction, AppMessage::IntervalOutOfRange, style);
    else
        showMessage(interaction, AppMessage::IntervalOutOfRange);
    QCOMPARE(interaction.calls.size(), 2);
    QCOMPARE(interaction.calls.at(0).kind, QStringLiteral("beep"));
    QCOMPARE(interaction.calls.at(1).kind, QStringLiteral("message"));
    QCOMPARE(interaction.calls.at(1).title, QStringLiteral("メッセージ"));
    QCOMPARE(interaction.calls.at(1).style, expectedStyle);
}

QTEST_GUILESS_MAIN(TstShowMessage)
#include "tst_showmessage.moc"
