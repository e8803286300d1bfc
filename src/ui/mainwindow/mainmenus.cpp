// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/mainmenus.h"

#include "core/mainwindow/mainwindowtexts.h"

#include <QMenu>
#include <QMenuBar>

namespace {

// Builds the items of one array; item names read like "mnu_Files(0)".
QList<QAction *> addItems(QMenu &menu, const QString &arrayName, const QStringList &captions,
                          const QList<QKeySequence> &shortcuts)
{
    QList<QAction *> items;
    for (int index = 0; index < captions.size(); ++index) {
        QAction *action =
            captions[index].isEmpty() ? menu.addSeparator() : menu.addAction(captions[index]);
        action->setObjectName(QStringLiteral("%1(%2)").arg(arrayName).arg(index));
        action->setData(index);
        if (index < shortcuts.size() && !shortcuts[index].isEmpty())
            action->setShortcut(shortcuts[index]);
        items.append(action);
    }
    return items;
}

} // namespace

MainMenus::MainMenus(QMenuBar &menuBar, QWidget &window)
    : QObject(&window)
{
    addMenu(menuBar, CommandMenu::File, QStringLiteral("mnuFile"), MainText::FileMenu,
            MainText::FileItems,
            {Qt::Key_F2, {}, Qt::Key_F3, QKeySequence(Qt::CTRL | Qt::Key_S), {}, Qt::Key_F1});
    addMenu(menuBar, CommandMenu::Edit, QStringLiteral("mnu_Edit"), MainText::EditMenu,
            MainText::EditItems, {Qt::Key_Delete, Qt::Key_F4, {}, Qt::Key_F5, Qt::Key_F6});
    addMenu(menuBar, CommandMenu::Tools, QStringLiteral("mnu_Tool"), MainText::ToolsMenu,
            MainText::ToolsItems, {Qt::Key_F7, {}, QKeySequence(Qt::CTRL | Qt::Key_E)});
    addMenu(menuBar, CommandMenu::Help, QStringLiteral("mnu_Help"), MainText::HelpMenu,
            MainText::HelpItems, {});
}

void MainMenus::addMenu(QMenuBar &menuBar, CommandMenu menu, const QString &menuName,
                        const QString &caption, const QStringList &items,
                        const QList<QKeySequence> &shortcuts)
{
    QMenu *topMenu = menuBar.addMenu(caption);
    topMenu->setObjectName(menuName);
    static const QString arrayNames[] = {QStringLiteral("mnu_Files"), QStringLiteral("mnu_Edits"),
                                         QStringLiteral("mnu_Tools"), QStringLiteral("mnu_Helps")};
    m_items[int(menu)] = addItems(*topMenu, arrayNames[int(menu)], items, shortcuts);
    for (QAction *action : std::as_const(m_items[int(menu)])) {
        if (!action->isSeparator()) {
            connect(action, &QAction::triggered, this,
                    [this, menu, action] { Q_EMIT triggered(menu, action->data().toInt()); });
        }
    }
}

QAction *MainMenus::item(CommandMenu menu, int index) const
{
    const QList<QAction *> &items = m_items[int(menu)];
    return index >= 0 && index < items.size() ? items[index] : nullptr;
}
