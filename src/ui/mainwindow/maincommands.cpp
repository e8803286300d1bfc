// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/maincommands.h"

#include "core/common/interaction.h"
#include "core/settings/settings.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/shellfilecommands.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/mainwindow/mainactions.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/updowncontrol.h"
#include "ui/show/slideshowwindow.h"
#include "ui/slidelist/editcommands.h"
#include "ui/slidelist/slidelistview.h"

#include <QAction>
#include <QWidget>

#include <utility>

MainCommands::MainCommands(QWidget &window, Settings &settings, Interaction &interaction,
                           const MainActions &actions, const Parts &parts)
    : QObject(&window)
    , m_window(window)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_actions(actions)
    , m_parts(parts)
{
    connect(actions.exit(), &QAction::triggered, &m_window, &QWidget::close);
    bind(actions.openList(), &MainCommands::openList);
    bind(actions.save(), &MainCommands::save);
    bind(actions.saveAs(), &MainCommands::saveAs);
    bind(actions.deleteEntries(), &MainCommands::deleteSelectedEntries);
    bind(actions.clearList(), &MainCommands::clearList);
    bind(actions.addSelected(), &MainCommands::addSelectedPictures);
    bind(actions.addAll(), &MainCommands::addAllPictures);
    bind(actions.startShow(), &MainCommands::startShowHere);
    bind(actions.options(), &MainCommands::openOptions);
    bind(actions.helpContents(), &MainCommands::openHelpContents);
    bind(actions.helpIndex(), &MainCommands::openHelpIndex);
    bind(actions.about(), &MainCommands::openAbout);
    bind(actions.moveFiles(), &MainCommands::moveFiles);
    bind(actions.copyFiles(), &MainCommands::copyFiles);
    bind(actions.deleteFiles(), &MainCommands::deleteFiles);
}

void MainCommands::bind(QAction *action, Command command)
{
    connect(action, &QAction::triggered, this, [this, action, command] {
        if (commandAllowed(m_actions.rule(action), state()))
            (this->*command)();
    });
}

// The window's active control; menu and toolbar clicks leave it where it was.
CommandState MainCommands::state() const
{
    const QWidget *focused = m_window.focusWidget();
    return {m_parts.model->entryCount(), m_parts.fileList->entryCount(),
            focused == m_parts.slideList, focused == m_parts.fileList};
}

void MainCommands::openList()
{
    m_parts.listFiles->openList();
}

void MainCommands::save()
{
    m_parts.listFiles->saveList();
}

void MainCommands::saveAs()
{
    m_parts.listFiles->saveListFile(false);
}

void MainCommands::deleteSelectedEntries()
{
    m_parts.edits->deleteSelectedEntries();
}

// A cleared list that had the focus leaves the preview empty in the show's background colour.
void MainCommands::clearList()
{
    const bool focused = state().slideListFocused;
    m_parts.edits->clearList();
    if (focused)
        m_parts.preview->setBackColor(m_settings.showBackColour);
}

void MainCommands::addSelectedPictures()
{
    m_parts.edits->addFileListEntries(m_parts.fileList->selectedEntries(),
                                      m_parts.fileList->entryCount());
}

void MainCommands::addAllPictures()
{
    m_parts.edits->addFileListEntries(m_parts.fileList->allEntries(),
                                      m_parts.fileList->entryCount());
}

void MainCommands::startShowHere()
{
    startSlideShow();
}

void MainCommands::startSlideShow(QWidget *returnFocus)
{
    const StartupSlide startupSlide = std::exchange(m_startupSlide, StartupSlide());
    if (m_parts.model->entryCount() == 0)
        return;
    if (!m_slideShow) {
        m_slideShow = new SlideShowWindow(m_settings, m_parts.model->paths(),
                                          m_parts.intervalUpDown->value());
        m_slideShow->playFirst(startupSlide);
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

void MainCommands::openHelpContents()
{
    openHelp(HelpPage::Contents);
}

void MainCommands::openHelpIndex()
{
    openHelp(HelpPage::Index);
}

void MainCommands::openHelp(HelpPage page)
{
    const QString failure = ::openHelp(&m_window, page);
    if (!failure.isEmpty())
        m_interaction.messageBox(failure, MessageStyle::Error, QString());
}

void MainCommands::openAbout()
{
    rememberFocus();
    AboutBox box(&m_window);
    box.exec();
}

void MainCommands::moveFiles()
{
    m_parts.shellFiles->moveFiles(m_parts.slideList->selectedEntries());
}

void MainCommands::copyFiles()
{
    m_parts.shellFiles->copyFiles(m_parts.slideList->selectedEntries());
}

void MainCommands::deleteFiles()
{
    m_parts.shellFiles->deleteFiles(m_parts.slideList->selectedEntries());
}
