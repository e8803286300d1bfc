// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Japanese texts of the command line and of a start that hands its files to the running
// program.
namespace LaunchTexts {

inline QString description()
{
    return QStringLiteral("画像スライドショー Vellora 2000");
}

inline QString showOption()
{
    return QStringLiteral("開いたスライドリストをすぐにスライドショーで再生します。");
}

inline QString filesArgument()
{
    return QStringLiteral("開くファイルとフォルダ。.vrl .sml .txt はリストとして開き、"
                          "ほかのファイルは追加し、フォルダは中の画像を追加します。");
}

inline QString filesSyntax()
{
    return QStringLiteral("[ファイル|フォルダ...]");
}

inline QString usageLine()
{
    return QStringLiteral("使い方: vellora [--show] [ファイル|フォルダ...]");
}

inline QString missingFile(const QString &name)
{
    return QStringLiteral("vellora: '%1' が見つかりません。").arg(name);
}

inline QString runningProgramSilent()
{
    return QStringLiteral("vellora: 起動中の Vellora 2000 から応答がありません。");
}

inline QString runningProgramRefused()
{
    return QStringLiteral("vellora: 起動中の Vellora 2000 が要求を受け付けませんでした。");
}

} // namespace LaunchTexts
