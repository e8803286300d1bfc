// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The Japanese texts of the main window in one place.
namespace MainText {

inline const QString WindowTitle = QStringLiteral("Vellora 2000");

// Menus: the menu captions, then the item captions by index (an empty caption is a separator).
inline const QString FileMenu = QStringLiteral("ﾌｧｲﾙ(&F)");
inline const QString EditMenu = QStringLiteral("編集(&E)");
inline const QString ToolsMenu = QStringLiteral("ﾂｰﾙ(&T)");
inline const QString HelpMenu = QStringLiteral("ﾍﾙﾌﾟ(&H)");
inline const QStringList FileItems = {QStringLiteral("開く...(&O)"),
                                      {},
                                      QStringLiteral("保存...(&V)"),
                                      QStringLiteral("名前を付けて保存...(&S)"),
                                      {},
                                      QStringLiteral("Vellora 2000の終了(&X)")};
inline const QStringList EditItems = {QStringLiteral("削除(&D)"),
                                      QStringLiteral("リストのクリア(&A)"),
                                      {},
                                      QStringLiteral("ファイルの追加(&W)"),
                                      QStringLiteral("全ファイル追加(&P)")};
inline const QStringList ToolsItems = {
    QStringLiteral("スライド実行...(&G)"), {}, QStringLiteral("オプション...(&E)")};
inline const QStringList HelpItems = {QStringLiteral("目次...(&C)"),
                                      QStringLiteral("ﾄﾋﾟｯｸｽの検索...(&T)"),
                                      {},
                                      QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報...(&A)")};

// Toolbar tool tips by button key.
inline const QString TipEnd = QStringLiteral("終了(F1)");
inline const QString TipLoad = QStringLiteral("開く...(F2)");
inline const QString TipSave = QStringLiteral("保存...(F3)");
inline const QString TipDelete = QStringLiteral("削除(Del)");
inline const QString TipAlldel = QStringLiteral("リストのクリア(F4)");
inline const QString TipSelect = QStringLiteral("ファイルの追加(F5)");
inline const QString TipAllSelect = QStringLiteral("全ファイル追加(F6)");
inline const QString TipStart = QStringLiteral("スライド実行...(F7)");
inline const QString TipOption1 = QStringLiteral("オプション...(Ctrl+E)");
inline const QString TipHelp = QStringLiteral("ヘルプ...(Ctrl+C)");

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
