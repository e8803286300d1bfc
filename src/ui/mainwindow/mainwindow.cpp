// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area (positions in twips, converted to pixels when placed):
//
//  +--------------------------- CoolBar1 ----------------------------------+
//  | Toolbar1: end | open save | delete clear | add add-all | show | opts help|
//  | リストファイル [Label1(2)] ｽﾗｲﾄﾞ間隔 [Text2][UpDown1] (秒) [Check1] [Check2] |
//  +-------------+-+-------------------------+-+---------------------------+
//  |             | |                         | |                           |
//  |  TreeView1  |P|  ListView1 (file list)  |P|  Picture1 (preview)       |
//  |  (folder    |i|                         |3|                           |
//  |   tree)     |c+-------------- Picture4 --+-+---------------------------+
//  |             |2|  ListView2 (slide list)                                 |
//  |             | |                                                         |
//  +-------------+-+---------------------------------------------------------+
//  | [ProgressBar1]  | hint                                  | date | time   | StatusBar1
//  +-------------------------------------------------------------------------+
//
// Dummy (the interval entry's focus sink) lies below the bottom edge, out of sight.

#include "ui/mainwindow/mainwindow.h"

#include "core/settings/settings.h"
#include "core/common/twips.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"
#include "ui/browser/shellfilecommands.h"
#include "ui/mainwindow/commandbar.h"
#include "ui/mainwindow/intervalentry.h"
#include "ui/mainwindow/mainactivation.h"
#include "ui/mainwindow/maincommands.h"
#include "ui/mainwindow/mainmenus.h"
#include "ui/mainwindow/mainstatusbar.h"
#include "ui/mainwindow/maintoolbar.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "ui/mainwindow/panearranger.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/showoptionchecks.h"
#include "ui/mainwindow/splitterbar.h"
#include "ui/slidelist/editcommands.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/slidelist/slidelistview.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>

MainWindow::MainWindow(Settings &settings, Interaction &interaction, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_document(new ListDocument(this))
    , m_model(new SlideListModel(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(MainText::WindowTitle);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    buildPanes(*client);
    buildCommands();
    buildBehaviour();
    wireSignals();
    placeWindow();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanes(QWidget &client)
{
    auto *progressBar = new QProgressBar(&client);
    m_statusBar = new MainStatusBar(*progressBar, &client);
    m_commandBar = new CommandBar(&client);
    m_folderTree = new FolderTreeView(m_settings, m_interaction, *m_statusBar, &client);
    m_fileList = new FileListView(m_settings, m_interaction, *m_statusBar, &client);
    m_preview = new PreviewPane(m_interaction, &client);
    m_slideList = new SlideListView(*m_model, *m_statusBar, &client);
    // Deleting a folder in the tree brings both lists in line with the disk.
    m_folderTree->setSlideList(m_model);
    m_folderTree->setFileList(m_fileList);
    m_dummy = new QLineEdit(&client);
    m_dummy->setObjectName(QStringLiteral("Dummy"));
    m_dummy->setGeometry(0, 4000, 20, 20);

    const PaneArranger::Panes panes{
        m_commandBar,
        m_folderTree,
        m_fileList,
        m_preview,
        m_slideList,
        m_statusBar,
        progressBar,
        new SplitterBar(Qt::Vertical, QStringLiteral("Picture2"), &client),
        new SplitterBar(Qt::Vertical, QStringLiteral("Picture3"), &client),
        new SplitterBar(Qt::Horizontal, QStringLiteral("Picture4"), &client),
    };
    m_arranger = new PaneArranger(client, panes, TwipScale::ofPrimaryScreen());
}

void MainWindow::buildCommands()
{
    m_listFiles =
        std::make_unique<ListFileCommands>(*m_model, *m_document, m_settings, m_interaction);
    m_edits = std::make_unique<EditCommands>(*m_model, *m_document, m_settings, *m_statusBar,
                                             *m_slideList, *m_fileList, *m_preview);
    m_shellFiles = std::make_unique<ShellFileCommands>(*m_model, *m_slideList, *m_fileList,
                                                       m_interaction, *m_statusBar);
    m_menus = new MainMenus(*menuBar(), *this);
    m_commands = new MainCommands(
        *this, m_settings, m_interaction,
        {m_listFiles.get(), m_edits.get(), m_model, m_preview, m_commandBar->upDown1()});
}

void MainWindow::buildBehaviour()
{
    m_interval = new IntervalEntry(*m_commandBar->text2(), *m_commandBar->upDown1(), *m_dummy,
                                   m_settings, m_interaction, *m_statusBar, *this);
    m_checks = new ShowOptionChecks(*m_commandBar->check1(), *m_commandBar->check2(), m_settings,
                                    *m_statusBar);
    m_activation =
        new MainActivation(*this, m_settings,
                           {m_arranger, m_interval, m_checks, m_document, m_listFiles.get(),
                            m_folderTree, m_fileList, m_model, m_slideList, m_preview, m_commands});
}

void MainWindow::wireSignals()
{
    connect(m_menus, &MainMenus::triggered, m_commands, &MainCommands::run);
    connect(m_commandBar->toolBar(), &MainToolBar::buttonClicked, m_commands,
            &MainCommands::runButton);
    connect(m_slideList, &SlideListView::popUpCommand, this,
            [this](int index) { m_shellFiles->PopUpCommand(index); });
    connect(m_slideList, &SlideListView::previewRequested, m_preview, &PreviewPane::ShowPreview);
    connect(m_fileList, &FileListView::previewRequested, m_preview, &PreviewPane::ShowPreview);
    connect(m_fileList, &FileListView::previewCleared, m_preview, &PreviewPane::clearPicture);
    connect(m_folderTree, &FolderTreeView::folderClicked, m_fileList,
            &FileListView::ShowFolderFiles);
    connect(m_document, &ListDocument::nameChanged, m_commandBar->label(2), &QLabel::setText);
}

// The fixed layout: the designed client area at the stored position; the window frame
// around it belongs to the window manager.
void MainWindow::placeWindow()
{
    const TwipScale &scale = m_arranger->scale();
    const int menuHeight = menuBar()->sizeHint().height();
    resize(scale.toPixels(PaneLayout::DesignedClientWidth),
           scale.toPixels(PaneLayout::DesignedClientHeight) + menuHeight);
    move(twipsToPixels(m_settings.mainLeft), twipsToPixels(m_settings.mainTop));
    centralWidget()->resize(scale.toPixels(PaneLayout::DesignedClientWidth),
                            scale.toPixels(PaneLayout::DesignedClientHeight));
    m_arranger->ApplyInitialLayout();
    m_preview->setBackColor(m_settings.showBackColour);
    m_folderTree->setFocus(); // the control the window starts in
}

QString MainWindow::listPath() const
{
    return m_document->ListPath;
}

bool MainWindow::MainInitialised() const
{
    return m_activation->MainInitialised();
}

bool MainWindow::SplitterDragging() const
{
    return m_arranger->splitterDragging();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closeRequested();
    event->accept();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_activation->activated();
    QMainWindow::changeEvent(event);
}

// The first activation also runs when the window manager keeps the focus elsewhere, so
// that the window never stays empty.
void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_activation->MainInitialised())
        QTimer::singleShot(0, this, [this] {
            if (!m_activation->MainInitialised())
                m_activation->activated();
        });
}
