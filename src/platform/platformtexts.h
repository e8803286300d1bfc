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

} // namespace PlatformTexts
