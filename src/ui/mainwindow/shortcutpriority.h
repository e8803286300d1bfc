// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

// Lets the window's command keys with Ctrl, Alt or a function key win over the editing keys of
// a text box: on Linux a line edit takes Ctrl+E as "end of line". Keys without those
// modifiers (Del, Backspace, the arrows, Home, End) and editing keys that are no command
// (Ctrl+A) keep editing the text.
class ShortcutPriority : public QObject {
    Q_OBJECT
public:
    ShortcutPriority(const QList<QAction *> &commands, QObject *parent);

    // Gives the commands priority while the editor has the focus.
    void guard(QWidget &editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether the key is one of the commands' keys with Ctrl, Alt or a function key.
    bool isCommandKey(const QKeyEvent &key) const;

    QList<QAction *> m_commands;
};
