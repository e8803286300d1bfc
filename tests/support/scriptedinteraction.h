// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/interaction.h"

#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVector>

// Answers the program's questions from a script and records every question asked.
class ScriptedInteraction : public Interaction {
public:
    struct Call {
        QString kind; // "message", "overwrite", "skipOrCancel", "open", "save", "folder", "colour",
                      // "beep"
        QString text; // message text, the chooser's title, or the colour chooser's "#rrggbb"
        MessageStyle style = MessageStyle::Plain; // messages only
        QString title; // message title, or the chooser's start folder / path
        QStringList filters;
    };

    // Prepared answers, taken in order; when empty: Ok for messages, Cancel for questions
    // with a Cancel button (Skip for a file error), No for Yes/No, empty text and no colour
    // for choosers.
    QQueue<Answer> answers;
    QQueue<QString> fileNames;
    QQueue<std::optional<QColor>> colours;
    QVector<Call> calls;

    Answer messageBox(const QString &text, MessageStyle style, const QString &title) override;
    Answer confirmOverwrite(const QString &text, const QString &title) override;
    Answer skipOrCancel(const QString &text, const QString &title) override;
    QString openFileName(const QString &title, const QString &startFolder,
                         const QStringList &filters) override;
    QString saveFileName(const QString &title, const QString &startPath,
                         const QStringList &filters) override;
    QString folderName(const QString &title, const QString &startFolder) override;
    std::optional<QColor> colour(const QColor &initial) override;
    void beep() override;

    // Calls of one kind, e.g. messages("message").
    QVector<Call> callsOf(const QString &kind) const;

private:
    Answer nextAnswer(Answer fallback);
    QString nextFileName();
};
