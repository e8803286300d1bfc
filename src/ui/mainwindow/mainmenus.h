// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MainActions;
class QMenuBar;

// Fills the main window's menu bar: File, Edit, Tools and Help. The two pop-up menus are not
// in the menu bar; the slide list and the folder tree open them over their items.
void buildMainMenus(QMenuBar &menuBar, const MainActions &actions);
