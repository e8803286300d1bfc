// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's fixed messages for showMessage.
enum class AppMessage {
    Required,
    InputNotAllowed,
    WrongPattern,
    OutOfRange,
    Duplicate,
    ReversedOrder,
    CannotRewrite,
    UnknownCode,
    NoMatchingData,
    FutureDate,
    PastDate,
    NoFieldHelp,
    NoMoreAdditions,
    NothingToOutput,
    CustomerUnavailable,
    IntervalOutOfRange, // the slide interval entry
    SelectAtLeastOne,   // the options dialog's picture types
    FieldsMissing,
    UnsavedChanges,
    InUseElsewhere,
    NothingToPrint,
    PrinterFault,
};

// Japanese texts of the application core.
namespace AppTexts {

// The program's name, the title of plain message boxes.
inline QString programTitle()
{
    return QStringLiteral("Vellora 2000");
}

// The name of a slide list without a file, shown by the list-name label; the settings store it
// as the list path then.
inline QString unnamedList()
{
    return QStringLiteral("UnNamed");
}

// The button of the file-error question that goes on with the other files.
inline QString skipButton()
{
    return QStringLiteral("スキップ");
}

inline QString messageTitle()
{
    return QStringLiteral("メッセージ");
}

inline QString message(AppMessage message)
{
    switch (message) {
    case AppMessage::Required:
        return QStringLiteral("省略できません");
    case AppMessage::InputNotAllowed:
        return QStringLiteral("入力できません");
    case AppMessage::WrongPattern:
        return QStringLiteral("入力パターンが違います");
    case AppMessage::OutOfRange:
        return QStringLiteral("入力範囲外のデータです");
    case AppMessage::Duplicate:
        return QStringLiteral("重複指定できません");
    case AppMessage::ReversedOrder:
        return QStringLiteral("指定順序が逆です");
    case AppMessage::CannotRewrite:
        return QStringLiteral("書き換えられません");
    case AppMessage::UnknownCode:
        return QStringLiteral("コードテーブルに未登録のコードです");
    case AppMessage::NoMatchingData:
        return QStringLiteral("該当するデータがありません");
    case AppMessage::FutureDate:
        return QStringLiteral("未来の日付は入力できません");
    case AppMessage::PastDate:
        return QStringLiteral("過去の日付は入力できません");
    case AppMessage::NoFieldHelp:
        return QStringLiteral("この入力項目へのヘルプガイドはありません");
    case AppMessage::NoMoreAdditions:
        return QStringLiteral("これ以上の追加はできません");
    case AppMessage::NothingToOutput:
        return QStringLiteral("出力するデータがありません");
    case AppMessage::CustomerUnavailable:
        return QStringLiteral("指定された顧客情報は呼び出しできません");
    case AppMessage::IntervalOutOfRange:
        return QStringLiteral("1～30の数値を指定して下さい");
    case AppMessage::SelectAtLeastOne:
        return QStringLiteral("最低一つを選択して下さい");
    case AppMessage::FieldsMissing:
        return QStringLiteral("未入力の項目があるため処理できません");
    case AppMessage::UnsavedChanges:
        return QStringLiteral("未登録の変更されたデータがあります");
    case AppMessage::InUseElsewhere:
        return QStringLiteral("他端末で使用中のため処理できません");
    case AppMessage::NothingToPrint:
        return QStringLiteral("印刷するデータがありません");
    case AppMessage::PrinterFault:
        return QStringLiteral("プリンタに異常があります");
    }
    return {};
}

} // namespace AppTexts
