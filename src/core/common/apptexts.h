// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

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

inline QString messageTitle()
{
    return QStringLiteral("メッセージ");
}

// The fixed table of message codes that ShowMessage accepts in place of a text.
struct MessageCodeText {
    int code;
    const char16_t *text;
};

inline constexpr MessageCodeText MessageCodes[] = {
    {1, u"省略できません"},
    {2, u"入力できません"},
    {3, u"入力パターンが違います"},
    {4, u"入力範囲外のデータです"},
    {5, u"重複指定できません"},
    {6, u"指定順序が逆です"},
    {7, u"書き換えられません"},
    {8, u"コードテーブルに未登録のコードです"},
    {9, u"該当するデータがありません"},
    {10, u"未来の日付は入力できません"},
    {11, u"過去の日付は入力できません"},
    {12, u"この入力項目へのヘルプガイドはありません"},
    {13, u"これ以上の追加はできません"},
    {14, u"出力するデータがありません"},
    {15, u"指定された顧客情報は呼び出しできません"},
    {16, u"1～30の数値を指定して下さい"},
    {17, u"最低一つを選択して下さい"},
    {100, u"未入力の項目があるため処理できません"},
    {101, u"未登録の変更されたデータがあります"},
    {102, u"他端末で使用中のため処理できません"},
    {200, u"印刷するデータがありません"},
    {201, u"プリンタに異常があります"},
};

} // namespace AppTexts
