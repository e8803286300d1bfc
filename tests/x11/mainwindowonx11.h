// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindowfixture.h"
#include "x11wait.h"

#include <QDialog>
#include <QTimer>

// Scripted answers that also show a real modal box, which the user confirms as soon as it has
// the focus: the main window loses its activation and gets it back as with a real message.
class ModalAnswers : public ScriptedInteraction {
public:
    Answer messageBox(const QString &text, MessageStyle style, const QString &title) override
    {
        const Answer answer = ScriptedInteraction::messageBox(text, style, title);
        QDialog box(QApplication::activeWindow());
        box.setObjectName(QStringLiteral("answeredMessageBox"));
        box.setWindowTitle(text);
        box.resize(240, 80);
        QTimer okPressed;
        QObject::connect(&okPressed, &QTimer::timeout, &box, [&box] {
            if (box.isActiveWindow())
                box.accept();
        });
        okPressed.start(20);
        // A window manager that never gives it the focus still lets the test go on.
        QTimer::singleShot(X11Wait::Timeout, &box, &QDialog::accept);
        box.exec();
        return answer;
    }
};

// Opens the fixture's window and waits until the window manager has framed it.
inline bool openFramed(MainWindowFixture &f)
{
    if (!f.open(X11Wait::Timeout))
        return false;
    return QTest::qWaitFor([&f] { return f.window->frameGeometry() != f.window->geometry(); },
                           X11Wait::Timeout);
}
