// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

// Every modal question the program asks goes through this interface, so that tests
// can answer by script and check what was asked. Production code never opens a modal
// box any other way.
class Interaction {
public:
    enum class Answer { Ok, Cancel, Yes, No, Retry, YesToAll };

    // Message box styles in use (icon + buttons, Windows values).
    static constexpr int StylePlain = 0;           // OK, application title
    static constexpr int StyleError = 16;          // error icon, OK
    static constexpr int StyleErrorRetry = 21;     // error icon, Retry / Cancel
    static constexpr int StyleQuestionYesNo = 36;  // question icon, Yes / No
    static constexpr int StyleExclamation = 48;    // exclamation icon, OK
    static constexpr int StyleWarningYesNo = 52;   // warning icon, Yes / No
    static constexpr int StyleInformation = 64;    // information icon, OK

    virtual ~Interaction() = default;

    virtual Answer messageBox(const QString &text, int style, const QString &title) = 0;

    // Overwrite question of move and copy: Yes, YesToAll, No or Cancel.
    virtual Answer confirmOverwrite(const QString &text, const QString &title) = 0;

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
