// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/maincommands.h"

#include "core/common/interaction.h"
#include "core/settings/settings.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/helpviewer.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/updowncontrol.h"
#include "ui/show/slideshowwindow.h"
#include "ui/slidelist/editcommands.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/slidelistmodel.h"

#include <QWidget>

namespace {

constexpr int EndItem = 5;       // File: end the program
constexpr int StartShowItem = 0; // Tools
constexpr int OptionsItem = 2;   // Tools
constexpr int ContentsItem = 0;  // Help
constexpr int IndexItem = 1;     // Help
constexpr int AboutItem = 3;     // Help

} // namespace

MainCommands::MainCommands(QWidget &window, Settings &settings, Interaction &interaction,
                           const Parts &parts)
    : QObject(&window)
    , m_window(window)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_parts(parts)
{
}

void MainCommands::run(CommandMenu menu, int index)
{
    switch (menu) {
    case CommandMenu::File:
        if (index == EndItem)
            m_window.close();
        else
            m_parts.files->FileCommand(index);
        return;
    case CommandMenu::Edit:
        m_parts.edits->EditCommand(index);
        return;
    case CommandMenu::Tools:
        ToolsCommand(index);
        return;
    case CommandMenu::Help:
        HelpCommand(index);
        return;
    }
}

void MainCommands::runButton(const QString &key)
{
    if (const std::optional<MenuCommand> command = CommandTable::commandForKey(key))
        run(command->menu, command->index);
}

void MainCommands::ToolsCommand(int index)
{
    if (index == StartShowItem)
        StartSlideShow();
    else if (index == OptionsItem)
        openOptions();
}

void MainCommands::HelpCommand(int index)
{
    if (index == ContentsItem || index == IndexItem) {
        const QString failure = openHelp(&m_window, index + 1);
        if (!failure.isEmpty())
            m_interaction.messageBox(failure, MessageStyle::Error, QString());
    } else if (index == AboutItem) {
        openAbout();
    }
}

void MainCommands::StartSlideShow(QWidget *returnFocus)
{
    if (m_parts.model->EntryCount() == 0)
        return;
    if (!m_slideShow) {
        m_slideShow =
            new SlideShowWindow(m_settings, m_parts.model->paths(), m_parts.interval->value());
        m_slideShow->setAttribute(Qt::WA_DeleteOnClose);
        // A hidden window keeps no trustworthy focus (an activation that reaches it while it
        // is hidden hands the focus on to the next control), so it is given back explicitly.
        m_focusAfterShow = returnFocus ? returnFocus : m_window.focusWidget();
        connect(m_slideShow, &SlideShowWindow::closed, &m_window, [this] {
            m_window.show();
            m_window.activateWindow();
            if (m_focusAfterShow)
                m_focusAfterShow->setFocus(Qt::OtherFocusReason);
        });
    }
    m_slideShow->show();
    m_window.hide();
}

SlideShowWindow *MainCommands::slideShow() const
{
    return m_slideShow.data();
}

// Keeps the name of the control that has the focus, so that the list that had it gets it
// back when the dialog has closed.
void MainCommands::rememberFocus()
{
    QWidget *control = m_window.focusWidget();
    while (control && control != &m_window && control->objectName().isEmpty())
        control = control->parentWidget();
    m_settings.lastFocusList = control && control != &m_window ? control->objectName() : QString();
}

void MainCommands::openOptions()
{
    rememberFocus();
    OptionsDialog dialog(m_settings, m_interaction, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_parts.preview->setBackColor(m_settings.showBackColour);
}

void MainCommands::openAbout()
{
    rememberFocus();
    AboutBox box(&m_window);
    box.exec();
}
