// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The glyphs of the slide-show toolbar and the pin marker: the icon theme's where it has them,
// otherwise drawn here, so the window looks right without a theme.
enum class ShowIcon { Stop, Back, Pause, Start, Next };

QIcon showIcon(ShowIcon which);
QPixmap pinPixmap();
