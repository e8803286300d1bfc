// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QVector>
#include <QWidget>

// Keys and clicks as the X server delivers them from a keyboard and a mouse (through xdotool),
// so that the window manager, the keyboard map and Qt's own input handling all take part.
namespace XInput {

inline bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// Presses and releases keys named as xdotool names them, one after the other: "ctrl+e",
// "F10", "ctrl+a BackSpace".
inline bool key(const QString &keys)
{
    return xdotool(QStringList{QStringLiteral("key")} + keys.split(QLatin1Char(' ')));
}

inline bool keyDown(const QString &keys)
{
    return xdotool({QStringLiteral("keydown"), keys});
}

inline bool keyUp(const QString &keys)
{
    return xdotool({QStringLiteral("keyup"), keys});
}

inline bool type(const QString &text)
{
    return xdotool({QStringLiteral("type"), text});
}

// Clicks the button (1 left, 3 right) count times at a point of the widget.
inline bool click(const QWidget *widget, QPoint at, int button = 1, int count = 1)
{
    const QPoint global = widget->mapToGlobal(at);
    // The server takes the move before the click, in the order sent.
    return xdotool({QStringLiteral("mousemove"), QString::number(global.x()),
                    QString::number(global.y()), QStringLiteral("click"),
                    QStringLiteral("--repeat"), QString::number(count), QStringLiteral("--delay"),
                    QStringLiteral("80"), QString::number(button)});
}

inline bool click(const QWidget *widget, int button = 1)
{
    return click(widget, widget->rect().center(), button);
}

// The key events and mouse button releases that reached the program, in order. Since the X
// server delivers input in order, a key's or button's release seen here means that everything
// before it has run.
class InputLog : public QObject {
public:
    struct Entry {
        QEvent::Type type;
        int key; // the button of a mouse event
        bool autoRepeat;
    };

    InputLog() { qApp->installEventFilter(this); }

    QVector<Entry> entries;

    // Releases of the key that Qt reports as real, not as auto-repeated.
    int releases(int key) const
    {
        int count = 0;
        for (const Entry &entry : entries)
            count += entry.type == QEvent::KeyRelease && entry.key == key && !entry.autoRepeat;
        return count;
    }

    bool released(int key) const { return releases(key) > 0; }

    int buttonReleases(Qt::MouseButton button) const
    {
        int count = 0;
        for (const Entry &entry : entries)
            count += entry.type == QEvent::MouseButtonRelease && entry.key == int(button);
        return count;
    }

    int autoRepeats(int key) const
    {
        int count = 0;
        for (const Entry &entry : entries)
            count += entry.type == QEvent::KeyPress && entry.key == key && entry.autoRepeat;
        return count;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Each event passes the widget's parents too; the window takes it first.
        if (!event->spontaneous() || !watched->isWindowType())
            return false;
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            entries.append({event->type(), key->key(), key->isAutoRepeat()});
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            entries.append({event->type(), int(mouse->button()), false});
        }
        return false;
    }
};

} // namespace XInput
