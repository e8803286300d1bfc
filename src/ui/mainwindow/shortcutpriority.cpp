// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/shortcutpriority.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

ShortcutPriority::ShortcutPriority(const QList<QAction *> &commands, QObject *parent)
    : QObject(parent)
    , m_commands(commands)
{
}

void ShortcutPriority::guard(QWidget &editor)
{
    editor.installEventFilter(this);
}

bool ShortcutPriority::isCommandKey(const QKeyEvent &key) const
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool functionKey = key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35;
    const bool commandModifier =
        modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!functionKey && !commandModifier)
        return false;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(key.key())));
    for (const QAction *command : m_commands) {
        if (command->shortcuts().contains(pressed))
            return true;
    }
    return false;
}

// An editor that accepts the shortcut override keeps the key; ignoring it lets the shortcut run.
bool ShortcutPriority::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride ||
        !isCommandKey(*static_cast<QKeyEvent *>(event)))
        return false;
    event->ignore();
    return true;
}
