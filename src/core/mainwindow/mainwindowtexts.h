// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Japanese texts of the main window in one place.
namespace MainText {

inline const QString WindowTitle = QStringLiteral("Vellora 2000");

// Menu captions; "(&X)" marks the access key.
inline const QString FileMenu = QStringLiteral("ﾌｧｲﾙ(&F)");
inline const QString EditMenu = QStringLiteral("編集(&E)");
inline const QString ToolsMenu = QStringLiteral("ﾂｰﾙ(&T)");
inline const QString HelpMenu = QStringLiteral("ﾍﾙﾌﾟ(&H)");

// Command captions.
inline const QString OpenListCaption = QStringLiteral("開く...(&O)");
inline const QString SaveCaption = QStringLiteral("保存...(&V)");
inline const QString SaveAsCaption = QStringLiteral("名前を付けて保存...(&S)");
inline const QString ExitCaption = QStringLiteral("Vellora 2000の終了(&X)");
inline const QString DeleteEntriesCaption = QStringLiteral("削除(&D)");
inline const QString ClearListCaption = QStringLiteral("リストのクリア(&A)");
inline const QString AddSelectedCaption = QStringLiteral("ファイルの追加(&W)");
inline const QString AddAllCaption = QStringLiteral("全ファイル追加(&P)");
inline const QString StartShowCaption = QStringLiteral("スライド実行...(&G)");
inline const QString OptionsCaption = QStringLiteral("オプション...(&E)");
inline const QString HelpContentsCaption = QStringLiteral("目次...(&C)");
inline const QString HelpIndexCaption = QStringLiteral("ﾄﾋﾟｯｸｽの検索...(&T)");
inline const QString AboutCaption = QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報...(&A)");

// Toolbar tool tips.
inline const QString ExitTip = QStringLiteral("終了(F1)");
inline const QString OpenListTip = QStringLiteral("開く...(F2)");
inline const QString SaveTip = QStringLiteral("保存...(F3)");
inline const QString DeleteEntriesTip = QStringLiteral("削除(Del)");
inline const QString ClearListTip = QStringLiteral("リストのクリア(F4)");
inline const QString AddSelectedTip = QStringLiteral("ファイルの追加(F5)");
inline const QString AddAllTip = QStringLiteral("全ファイル追加(F6)");
inline const QString StartShowTip = QStringLiteral("スライド実行...(F7)");
inline const QString OptionsTip = QStringLiteral("オプション...(Ctrl+E)");
inline const QString HelpContentsTip = QStringLiteral("ヘルプ...(Ctrl+C)");

// Command bar.
inline const QString ListBandCaption = QStringLiteral("リストファイル");
inline const QString ListNameTip = QStringLiteral("リストファイル名表示");
inline const QString IntervalLabel = QStringLiteral("ｽﾗｲﾄﾞ間隔");
inline const QString SecondsLabel = QStringLiteral("(秒)");
inline const QString IntervalTip = QStringLiteral("1～30秒で指定");
inline const QString OnTopCaption = QStringLiteral("常時手前表示");
inline const QString MaximizedCaption = QStringLiteral("最大で表示");

// Hints.
inline const QString IntervalHintHead = QStringLiteral("スライド間隔は ");
inline const QString IntervalHintTail = QStringLiteral(" 秒間です。");
inline const QString OnTopHint = QStringLiteral("スライド画面を常時手前に表示します。");
inline const QString NotOnTopHint = QStringLiteral("スライド画面は別ウィンドウで隠れます。");
inline const QString MaximizedHint = QStringLiteral("スライド画面を最大で表示します。");

// Preview.
inline const QString PreviewTip = QStringLiteral("画像表示領域");
inline const QString FileNotFound = QStringLiteral("ファイルが見つかりません");
inline const QString DataErrorTitle = QStringLiteral("データエラー");

} // namespace MainText
