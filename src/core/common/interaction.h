// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

// The message boxes the program shows: an icon and a set of buttons.
enum class MessageStyle {
    Plain,         // OK, with the application's title when no title is given
    Error,         // error icon, OK
    ErrorRetry,    // error icon, Retry / Cancel
    QuestionYesNo, // question icon, Yes / No
    Exclamation,   // exclamation icon, OK
    WarningYesNo,  // warning icon, Yes / No
    Information,   // information icon, OK
};

// Every modal question the program asks goes through this interface, so that tests
// can answer by script and check what was asked. Production code never opens a modal
// box any other way.
class Interaction {
public:
    enum class Answer { Ok, Cancel, Yes, No, Retry, YesToAll, Skip };

    virtual ~Interaction() = default;

    virtual Answer messageBox(const QString &text, MessageStyle style, const QString &title) = 0;

    // Overwrite question of move and copy: Yes, YesToAll, No or Cancel.
    virtual Answer confirmOverwrite(const QString &text, const QString &title) = 0;

    // One file of a move, copy or delete could not be handled: Skip to go on with the others,
    // Cancel to leave the rest undone.
    virtual Answer skipOrCancel(const QString &text, const QString &title) = 0;

    // File choosers. filters are Qt filter strings ("Desc (*.vrl)"); an empty result means
    // cancelled.
    virtual QString openFileName(const QString &title, const QString &startFolder,
                                 const QStringList &filters) = 0;
    virtual QString saveFileName(const QString &title, const QString &startPath,
                                 const QStringList &filters) = 0;
    virtual QString folderName(const QString &title, const QString &startFolder) = 0;

    // Colour chooser; nothing when cancelled.
    virtual std::optional<QColor> colour(const QColor &initial) = 0;

    virtual void beep() = 0;
};
