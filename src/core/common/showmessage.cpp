// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/showmessage.h"

#include "core/common/apptexts.h"
#include "core/common/getpiece.h"
#include "core/common/interaction.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <optional>

namespace {

// The numeric value of message when it is a number or a text that reads as one.
std::optional<double> numericValue(const QVariant &message)
{
    bool ok = false;
    double value = 0;
    if (message.typeId() == QMetaType::QString)
        value = message.toString().trimmed().toDouble(&ok);
    else
        value = message.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString codeText(double code)
{
    for (const AppTexts::MessageCodeText &entry : AppTexts::MessageCodes) {
        if (entry.code == code)
            return QString::fromUtf16(entry.text);
    }
    return {};
}

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

QString messageText(const QVariant &message)
{
    QString text = message.toString();
    if (const std::optional<double> code = numericValue(message)) {
        const QString known = codeText(*code);
        if (!known.isEmpty())
            text = known;
    }
    // Qt's message boxes break lines at "\n".
    QStringList lines;
    const QString separator = QStringLiteral(";");
    for (int field = 1;; ++field) {
        const QString line = GetPiece(text, separator, field);
        if (line.isEmpty())
            break;
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

void ShowMessage(Interaction &interaction, const QVariant &message, int buttons)
{
    const QString text = messageText(message);
    interaction.beep();
    const QPointer<QObject> focused = currentFocus();
    interaction.messageBox(text, buttons, AppTexts::messageTitle());
    restoreFocus(focused);
}
