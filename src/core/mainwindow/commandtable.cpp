// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/commandtable.h"

#include <array>

namespace {

struct KeyedCommand {
    const char *key;
    MenuCommand command;
};

constexpr std::array<KeyedCommand, 10> Table = {{
    {"tbm_End", {CommandMenu::File, 5}},
    {"tbm_Load", {CommandMenu::File, 0}},
    {"tbm_Save", {CommandMenu::File, 2}},
    {"tbm_Delete", {CommandMenu::Edit, 0}},
    {"tbm_Alldel", {CommandMenu::Edit, 1}},
    {"tbm_Select", {CommandMenu::Edit, 3}},
    {"tbm_AllSelect", {CommandMenu::Edit, 4}},
    {"tbm_Start", {CommandMenu::Tools, 0}},
    {"tbm_Option1", {CommandMenu::Tools, 2}},
    {"tbm_Help", {CommandMenu::Help, 0}},
}};

} // namespace

QStringList CommandTable::buttonKeys()
{
    QStringList keys;
    for (const KeyedCommand &entry : Table)
        keys.append(QString::fromLatin1(entry.key));
    return keys;
}

std::optional<MenuCommand> CommandTable::commandForKey(const QString &key)
{
    for (const KeyedCommand &entry : Table) {
        if (key.compare(QLatin1String(entry.key), Qt::CaseInsensitive) == 0)
            return entry.command;
    }
    return std::nullopt;
}
