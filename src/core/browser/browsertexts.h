// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Japanese texts of the folder tree, the file list and the file commands.
namespace BrowserTexts {

inline QString desktopSection()
{
    return QStringLiteral("デスクトップ");
}
inline QString computerSection()
{
    return QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ");
}
inline QString placeholderSection()
{
    return QStringLiteral("dummy");
}
inline QString newFolderName()
{
    return QStringLiteral("新しいフォルダ");
}

// Folder tree pop-up menu.
inline QString newFolderItem()
{
    return QStringLiteral("新規フォルダの作成");
}
inline QString deleteFolderItem()
{
    return QStringLiteral("フォルダの削除");
}

inline QString renameErrorTitle()
{
    return QStringLiteral("フォルダ名の変更エラー");
}
inline QString renameError()
{
    return QStringLiteral("新しいフォルダの名前を変更できません。指定されたフォルダ名は既に"
                          "存在します。別の名前を指定してください。");
}
inline QString createErrorTitle()
{
    return QStringLiteral("フォルダの作成エラー");
}
inline QString createError(const QString &folder)
{
    return QStringLiteral("%1 に新しいフォルダを作成できません。").arg(folder);
}
inline QString deleteFailed()
{
    return QStringLiteral("削除に失敗しました。");
}
inline QString deleteFolderErrorTitle()
{
    return QStringLiteral("フォルダの削除エラー");
}
// While a folder's subfolders take long to read (the tree, a dropped folder).
inline QString readingFolders()
{
    return QStringLiteral("フォルダを読み込み中です。しばらくお待ちください。");
}

// Device errors while reading a folder.
inline QString deviceErrorTitle()
{
    return QStringLiteral("デバイスエラー");
}
inline QString notAccessible(const QString &folder, const QString &systemText)
{
    const QString shown = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return QStringLiteral("%1 にアクセスできません。\n\n%2").arg(shown, systemText);
}
inline QString notFormatted(const QString &drive)
{
    return QStringLiteral("ドライブ %1 のディスクはフォーマットされていません。\n\n"
                          "今すぐフォーマットしますか？")
        .arg(drive);
}
inline QString cannotFormat()
{
    return QStringLiteral("フォーマット出来ません");
}
inline QString formatError()
{
    return QStringLiteral("フォーマットエラー");
}
inline QString treeFormatSuffix()
{
    return QStringLiteral(" (ToT)");
}

// File list.
inline QString nameHeader()
{
    return QStringLiteral("ファイル名");
}
inline QString sizeHeader()
{
    return QStringLiteral("サイズ");
}
inline QString gatheringFiles()
{
    return QStringLiteral("ファイルを取得中です。しばらくお待ちください。");
}
inline QString pictureCount(int count)
{
    return QStringLiteral("%1枚の画像があります。").arg(count);
}

// Shell file commands.
inline QString moveTarget()
{
    return QStringLiteral("ﾌｧｲﾙの移動先");
}
inline QString copyTarget()
{
    return QStringLiteral("ﾌｧｲﾙのｺﾋﾟｰ先");
}

// The progress dialog of a long move, copy or delete.
inline QString moving()
{
    return QStringLiteral("移動しています...");
}
inline QString copying()
{
    return QStringLiteral("コピーしています...");
}
inline QString trashing()
{
    return QStringLiteral("ごみ箱に移動しています...");
}
inline QString fileProgress(const QString &fileName, int done, int count)
{
    return QStringLiteral("%1\n%2 / %3 個のファイル").arg(fileName).arg(done).arg(count);
}
inline QString byteProgress(const QString &done, const QString &total)
{
    return QStringLiteral(" (%1 / %2)").arg(done, total);
}

} // namespace BrowserTexts
