// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Japanese texts of the slide list, its list files and its menus.
namespace SlideListTexts {

inline QString nameHeader()
{
    return QStringLiteral("名前");
}
inline QString sizeHeader()
{
    return QStringLiteral("サイズ");
}

// "リストに 12枚の画像があります。": one blank before the number, none after it.
inline QString countMessage(int count)
{
    return QStringLiteral("リストに %1枚の画像があります。").arg(count);
}

// Hint-panel texts while the Edit commands and the drops change many entries.
inline QString deletingEntries()
{
    return QStringLiteral("リストの削除中です。しばらくお待ち下さい。");
}
inline QString addingEntries()
{
    return QStringLiteral("リストに追加中です。しばらくお待ち下さい。");
}

inline QString untitledFileName()
{
    return QStringLiteral("名称未設定");
}

inline QString openTitle()
{
    return QStringLiteral("リストを開く");
}
inline QString saveTitle()
{
    return QStringLiteral("リストの名前を付けて保存");
}

inline QStringList saveFilters()
{
    return {QStringLiteral("Velloraリストファイル(*.vrl)"),
            QStringLiteral("Somnel用リストファイル(*.sml)"),
            QStringLiteral("テキストファイル(*.txt)")};
}
inline QStringList openFilters()
{
    return saveFilters() << QStringLiteral("すべてのファイル(*.*)");
}

inline QString readErrorText()
{
    return QStringLiteral("ファイル読み込みエラー。（ファイルを確認して下さい）");
}
inline QString readErrorTitle()
{
    return QStringLiteral("読み込みエラー");
}
inline QString writeErrorText()
{
    return QStringLiteral("ファイル書き込みエラー。（保存先を確認して下さい）");
}
inline QString writeErrorTitle()
{
    return QStringLiteral("書き込みエラー");
}

inline QString modifiedQuestion()
{
    return QStringLiteral("リストは更新されています。保存しますか？");
}
inline QString modifiedTitle()
{
    return QStringLiteral("リストの新規作成");
}

// The slide list's pop-up items, in menu order.
inline QStringList popUpItems()
{
    return {QStringLiteral("ﾌｧｲﾙの移動"), QStringLiteral("ﾌｧｲﾙのｺﾋﾟｰ"),
            QStringLiteral("ﾌｧｲﾙの削除")};
}

} // namespace SlideListTexts
