// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Japanese texts of the platform layer's questions and names.
namespace PlatformTexts {

inline QString rootLabel()
{
    return QStringLiteral("ルート");
}

inline QString deleteTitle()
{
    return QStringLiteral("ファイルの削除の確認");
}
inline QString deleteOne(const QString &name)
{
    return QStringLiteral("'%1' をごみ箱に移動しますか?").arg(name);
}
inline QString deleteMany(qsizetype count)
{
    return QStringLiteral("これらの %1 個の項目をごみ箱に移動しますか?").arg(count);
}

inline QString overwriteTitle()
{
    return QStringLiteral("ファイルの上書きの確認");
}
inline QString overwriteQuestion(const QString &name)
{
    return QStringLiteral("このフォルダには既に '%1' という名前のファイルがあります。\n\n"
                          "既存のファイルを置き換えますか?")
        .arg(name);
}

// A file that could not be dealt with: the message names it and gives the reason.
inline QString moveErrorTitle()
{
    return QStringLiteral("ファイルの移動エラー");
}
inline QString copyErrorTitle()
{
    return QStringLiteral("ファイルのコピーエラー");
}
inline QString trashErrorTitle()
{
    return QStringLiteral("ファイルの削除エラー");
}
inline QString cannotMove(const QString &name, const QString &reason)
{
    return QStringLiteral("'%1' を移動できません。\n\n%2").arg(name, reason);
}
inline QString cannotCopy(const QString &name, const QString &reason)
{
    return QStringLiteral("'%1' をコピーできません。\n\n%2").arg(name, reason);
}
inline QString cannotTrash(const QString &name, const QString &reason)
{
    return QStringLiteral("'%1' をごみ箱に移動できません。\n\n%2").arg(name, reason);
}

inline QString permissionDenied()
{
    return QStringLiteral("アクセスが拒否されました。");
}
inline QString noSpace()
{
    return QStringLiteral("ディスクの空き領域が足りません。");
}
inline QString sourceGone()
{
    return QStringLiteral("元のファイルが見つかりません。");
}
inline QString moveIntoOwnFolder()
{
    return QStringLiteral("移動先のフォルダは元のフォルダと同じです。");
}
inline QString copyIntoOwnFolder()
{
    return QStringLiteral("コピー先のフォルダは元のフォルダと同じです。");
}
inline QString folderInTheWay()
{
    return QStringLiteral("同じ名前のフォルダが既にあります。");
}
inline QString nameTooLong()
{
    return QStringLiteral("この場所にはファイル名が長すぎます。");
}
inline QString readOnlyFileSystem()
{
    return QStringLiteral("読み取り専用のファイル システムです。");
}
inline QString otherFailure(const QString &systemText)
{
    return QStringLiteral("エラーが発生しました (%1)。").arg(systemText);
}

} // namespace PlatformTexts
