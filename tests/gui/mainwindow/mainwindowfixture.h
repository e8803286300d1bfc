// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings.h"
#include "scriptedinteraction.h"
#include "ui/mainwindow/mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

// One main window per test, with its own settings, scripted answers and home folder.
struct MainWindowFixture {
    QTemporaryDir home;
    Settings settings;
    std::unique_ptr<ScriptedInteraction> answers;
    ScriptedInteraction &interaction;
    std::unique_ptr<MainWindow> window;

    // Tests on a real desktop may give answers that show real dialogs.
    explicit MainWindowFixture(
        std::unique_ptr<ScriptedInteraction> scripted = std::make_unique<ScriptedInteraction>())
        : answers(std::move(scripted))
        , interaction(*answers)
    {
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
        settings.settingsPath = home.filePath(QStringLiteral("vel20.ini"));
        settings.currentListPath = QStringLiteral("UnNamed");
    }

    // Builds and shows the window and waits until its first activation has run; a window
    // manager may take longer than the default wait.
    bool open(int timeout = 5000)
    {
        window = std::make_unique<MainWindow>(settings, interaction);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get(), timeout))
            return false;
        return QTest::qWaitFor([this] { return window->isInitialised(); }, timeout);
    }

    template<typename T> T *find(const QString &name) const { return window->findChild<T *>(name); }

    QString hint() const { return find<QLabel>(QStringLiteral("hintPanel"))->text(); }

    // Moves the focus and lets the focus handlers and their queued checks run.
    static void focus(QWidget *widget)
    {
        widget->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // Closes the next modal dialog of the open window as soon as it shows and tells its class.
    void closeNextDialog(QString *className) const
    {
        auto *timer = new QTimer(window.get());
        QObject::connect(timer, &QTimer::timeout, timer, [timer, className] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                *className = QString::fromLatin1(dialog->metaObject()->className());
                dialog->reject();
                timer->deleteLater();
            }
        });
        timer->start(10);
    }

    // Presses the left button at from, moves the pointer to to and releases it there; the
    // points are in the widget's own coordinates.
    static void drag(QWidget *widget, QPoint from, QPoint to,
                     Qt::MouseButton button = Qt::LeftButton)
    {
        send(widget, QEvent::MouseButtonPress, from, button, button);
        send(widget, QEvent::MouseMove, to, Qt::NoButton, button);
        send(widget, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }

    static void send(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
};
