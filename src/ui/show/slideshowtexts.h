// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Japanese texts of the slide-show window.
namespace SlideShowTexts {

inline QString title()
{
    return QStringLiteral("Vellora 2000 / スライドショー /");
}
inline QString stop()
{
    return QStringLiteral("終了");
}
inline QString back()
{
    return QStringLiteral("戻る");
}
inline QString pause()
{
    return QStringLiteral("ポーズ");
}
inline QString start()
{
    return QStringLiteral("スタート");
}
inline QString next()
{
    return QStringLiteral("次へ");
}
inline QString alwaysOnTop()
{
    return QStringLiteral("常に手前に表示");
}
inline QString fullScreen()
{
    return QStringLiteral("全画面表示");
}
inline QString playOrder()
{
    return QStringLiteral("表示順序");
}
inline QString listOrder()
{
    return QStringLiteral("リスト順");
}
inline QString randomOrder()
{
    return QStringLiteral("ランダム");
}

// Why the screen saver is held off, as the desktop may show it.
inline QString keepsScreenAwake()
{
    return QStringLiteral("スライドショー再生中");
}

} // namespace SlideShowTexts
