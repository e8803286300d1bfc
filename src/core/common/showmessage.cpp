// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/showmessage.h"

#include "core/common/apptexts.h"
#include "core/common/getpiece.h"
#include "core/common/interaction.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStringList>

namespace {

QObject *currentFocus()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::focusObject();
}

// Gives the focus back to the control that had it; a control that cannot take the focus,
// or one that went away meanwhile, is left alone.
void restoreFocus(const QPointer<QObject> &control)
{
    if (!control || control == currentFocus())
        return;
    if (control->metaObject()->indexOfSlot("setFocus()") >= 0)
        QMetaObject::invokeMethod(control, "setFocus");
}

} // namespace

QString messageText(AppMessage message)
{
    return messageText(AppTexts::message(message));
}

QString messageText(const QString &text)
{
    // Qt's message boxes break lines at "\n".
    QStringList lines;
    const QString separator = QStringLiteral(";");
    for (int field = 1;; ++field) {
        const QString line = getPiece(text, separator, field);
        if (line.isEmpty())
            break;
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

void showMessage(Interaction &interaction, AppMessage message, MessageStyle style)
{
    showMessage(interaction, AppTexts::message(message), style);
}

void showMessage(Interaction &interaction, const QString &text, MessageStyle style)
{
    const QString shown = messageText(text);
    interaction.beep();
    const QPointer<QObject> focused = currentFocus();
    interaction.messageBox(shown, style, AppTexts::messageTitle());
    restoreFocus(focused);
}
