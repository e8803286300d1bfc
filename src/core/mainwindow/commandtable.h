// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The four menus whose items run commands; an item is addressed by menu and index.
enum class CommandMenu { File, Edit, Tools, Help };

struct MenuCommand {
    CommandMenu menu = CommandMenu::File;
    int index = 0;
    bool operator==(const MenuCommand &) const = default;
};

// Which menu item each toolbar button runs.
class CommandTable {
public:
    // The ten button keys in the order they are compared.
    static QStringList buttonKeys();

    // The item a button key runs, compared without regard to case; nothing for an unknown key.
    static std::optional<MenuCommand> commandForKey(const QString &key);
};
