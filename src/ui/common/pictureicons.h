// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QtGlobal>

// The two small icons the file list and the slide list share: the picture icon of JPEG
// files (icon 1) and the bitmap icon (icon 2). The desktop theme's icons when it has them,
// drawn ones otherwise.
QIcon pictureIcon(int icon);

// Shift held without Ctrl, Alt or Meta: the selection is being extended, so the preview stays.
bool isShiftAlone(Qt::KeyboardModifiers modifiers);
