// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedinteraction.h"

Interaction::Answer ScriptedInteraction::nextAnswer(Answer fallback)
{
    return answers.isEmpty() ? fallback : answers.dequeue();
}

QString ScriptedInteraction::nextFileName()
{
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

Interaction::Answer ScriptedInteraction::messageBox(const QString &text, MessageStyle style,
                                                    const QString &title)
{
    calls.append({QStringLiteral("message"), text, style, title, {}});
    const bool yesNo = style == MessageStyle::QuestionYesNo || style == MessageStyle::WarningYesNo;
    const Answer fallback = yesNo                               ? Answer::No
                            : style == MessageStyle::ErrorRetry ? Answer::Cancel
                                                                : Answer::Ok;
    return nextAnswer(fallback);
}

Interaction::Answer ScriptedInteraction::confirmOverwrite(const QString &text, const QString &title)
{
    calls.append({QStringLiteral("overwrite"), text, {}, title, {}});
    return nextAnswer(Answer::Cancel);
}

Interaction::Answer ScriptedInteraction::skipOrCancel(const QString &text, const QString &title)
{
    calls.append({QStringLiteral("skipOrCancel"), text, {}, title, {}});
    return nextAnswer(Answer::Skip);
}

QString ScriptedInteraction::openFileName(const QString &title, const QString &startFolder,
                                          const QStringList &filters)
{
    calls.append({QStringLiteral("open"), title, {}, startFolder, filters});
    return nextFileName();
}

QString ScriptedInteraction::saveFileName(const QString &title, const QString &startPath,
                                          const QStringList &filters)
{
    calls.append({QStringLiteral("save"), title, {}, startPath, filters});
    return nextFileName();
}

QString ScriptedInteraction::folderName(const QString &title, const QString &startFolder)
{
    calls.append({QStringLiteral("folder"), title, {}, startFolder, {}});
    return nextFileName();
}

std::optional<QColor> ScriptedInteraction::colour(const QColor &initial)
{
    calls.append({QStringLiteral("colour"), initial.name(), {}, {}, {}});
    return colours.isEmpty() ? std::nullopt : colours.dequeue();
}

void ScriptedInteraction::beep()
{
    calls.append({QStringLiteral("beep"), {}, {}, {}, {}});
}

QVector<ScriptedInteraction::Call> ScriptedInteraction::callsOf(const QString &kind) const
{
    QVector<Call> result;
    for (const Call &call : calls) {
        if (call.kind == kind)
            result.append(call);
    }
    return result;
}
