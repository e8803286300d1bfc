// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Japanese texts of the options dialog, the about box and the help window.
namespace DialogsTexts {

inline QString optionsCaption()
{
    return QStringLiteral("オプション");
}
inline QString saveFolderGroup()
{
    return QStringLiteral("リストの保存先指定");
}
inline QString startupListGroup()
{
    return QStringLiteral("起動時に読み込むリストファイル名");
}
inline QString backColorGroup()
{
    return QStringLiteral("スライド画面の背景色");
}
inline QString pictureTypeGroup()
{
    return QStringLiteral("検索画像設定");
}
inline QString browse()
{
    return QStringLiteral("参照");
}
inline QString bmpType()
{
    return QStringLiteral("BMP");
}
inline QString jpegType()
{
    return QStringLiteral("JPG");
}
inline QString fixedWindow()
{
    return QStringLiteral("スライド画面を固定で起動");
}
inline QString useFade()
{
    return QStringLiteral("スライド切り替えにフェードイン・フェードアウトを使用");
}
inline QString randomOrder()
{
    return QStringLiteral("スライドのランダム表示");
}
inline QString ok()
{
    return QStringLiteral("OK");
}
inline QString cancel()
{
    return QStringLiteral("キャンセル");
}
inline QString resetDefaults()
{
    return QStringLiteral("初期値に戻す");
}
inline QString startupListChooser()
{
    return QStringLiteral("起動時に実行するリスト名");
}
// Qt shows a filter as given and takes its pattern from the parentheses at its end, so a
// caption that ends with its pattern is the whole filter.
inline QStringList startupListFilters()
{
    return {QStringLiteral("Velloraリストファイル(*.vrl)"),
            QStringLiteral("Somnelリストファイル(*.sml)")};
}

inline QString aboutCaption()
{
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");
}
inline QString programName()
{
    return QStringLiteral("Vellora  2000");
}
inline QString platformLine()
{
    return QStringLiteral("for Linux");
}
inline QString versionLine()
{
    return QStringLiteral("Version 3.0");
}
inline QStringList noticeLines()
{
    return {QStringLiteral("Copyright (C) 2026 Vellora 2000 developers"),
            QStringLiteral("このプログラムはフリーソフトウェアです。"),
            QStringLiteral("GNU GPL バージョン3 以降の条件で再配布・改変できます。")};
}

inline QString helpCaption()
{
    return QStringLiteral("Vellora 2000 ヘルプ");
}
inline QString helpContentsTab()
{
    return QStringLiteral("目次");
}
inline QString helpIndexTab()
{
    return QStringLiteral("キーワード");
}
inline QString helpIndexFilter()
{
    return QStringLiteral("探すキーワードを入力して下さい");
}
inline QString helpFileMissing(const QString &path)
{
    return QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(path);
}
inline QString helpFileBroken(const QString &path, const QString &reason)
{
    return QStringLiteral("ヘルプファイル %1 を開けません。%2").arg(path, reason);
}

} // namespace DialogsTexts
