// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/mainwindow.h"

#include "core/common/twips.h"
#include "core/launch/launchrequest.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/settings/settings.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"
#include "ui/browser/shellfilecommands.h"
#include "ui/common/elidedlabel.h"
#include "ui/mainwindow/commandbar.h"
#include "ui/mainwindow/focushandover.h"
#include "ui/mainwindow/intervalentry.h"
#include "ui/mainwindow/launchopener.h"
#include "ui/mainwindow/mainactions.h"
#include "ui/mainwindow/mainactivation.h"
#include "ui/mainwindow/maincommands.h"
#include "ui/mainwindow/mainmenus.h"
#include "ui/mainwindow/mainstatusbar.h"
#include "ui/mainwindow/panearranger.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/shortcutpriority.h"
#include "ui/mainwindow/showoptionchecks.h"
#include "ui/mainwindow/splitterbar.h"
#include "ui/slidelist/editcommands.h"
#include "ui/slidelist/slidelistview.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

MainWindow::MainWindow(Settings &settings, Interaction &interaction, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_document(new ListDocument(this))
    , m_model(new SlideListModel(this))
    , m_actions(new MainActions(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(MainText::WindowTitle);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
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
    m_commandBar = new CommandBar(*m_actions, &client);
    m_folderTree = new FolderTreeView(m_settings, m_interaction, *m_statusBar, &client);
    m_fileList = new FileListView(m_settings, m_interaction, *m_statusBar, &client);
    m_preview = new PreviewPane(m_interaction, &client);
    m_slideList = new SlideListView(*m_model, *m_statusBar, &client);
    // Deleting a folder in the tree brings both lists in line with the disk.
    m_folderTree->setSlideList(m_model);
    m_folderTree->setFileList(m_fileList);
    // The interval entry's focus sink lies below the bottom edge, out of sight. Only the
    // interval arrows give it the focus, and nothing typed stays in it.
    m_focusSink = new QLineEdit(&client);
    m_focusSink->setObjectName(QStringLiteral("focusSink"));
    m_focusSink->setGeometry(0, 4000, 20, 20);
    m_focusSink->setFocusPolicy(Qt::NoFocus);
    m_focusSink->setReadOnly(true);

    const PaneArranger::Panes panes{
        m_commandBar,
        m_folderTree,
        m_fileList,
        m_preview,
        m_slideList,
        m_statusBar,
        progressBar,
        new SplitterBar(Qt::Vertical, QStringLiteral("treeSplitter"), &client),
        new SplitterBar(Qt::Vertical, QStringLiteral("previewSplitter"), &client),
        new SplitterBar(Qt::Horizontal, QStringLiteral("slideListSplitter"), &client),
    };
    m_arranger = new PaneArranger(client, panes, TwipScale::ofPrimaryScreen());
}

void MainWindow::buildCommands()
{
    m_listFiles =
        std::make_unique<ListFileCommands>(*m_model, *m_document, m_settings, m_interaction);
    m_edits = std::make_unique<EditCommands>(*m_model, *m_document, m_settings, *m_statusBar,
                                             *m_slideList, *m_fileList);
    m_shellFiles = new ShellFileCommands(*m_model, *m_fileList, m_interaction, *m_statusBar, this);
    buildMainMenus(*menuBar(), *m_actions);
    addAction(m_actions->openMenuBar());
    connect(m_actions->openMenuBar(), &QAction::triggered, menuBar(),
            [bar = menuBar()] { bar->setActiveAction(bar->actions().value(0)); });
    m_slideList->setPopUpActions(m_actions->slideListPopUp());
    m_folderTree->setPopUpActions(m_actions->newFolder(), m_actions->deleteFolder());
    m_commands =
        new MainCommands(*this, m_settings, m_interaction, *m_actions,
                         {m_listFiles.get(), m_edits.get(), m_shellFiles, m_model, m_slideList,
                          m_fileList, m_preview, m_commandBar->intervalUpDown()});
    m_launch = new LaunchOpener(*this, {m_listFiles.get(), &m_edits->drop(), m_commands});
}

void MainWindow::buildBehaviour()
{
    auto *commandKeys = new ShortcutPriority(m_actions->all(), this);
    commandKeys->guard(*m_commandBar->intervalEdit());
    commandKeys->guard(*m_focusSink);
    auto *focus = new FocusHandover(*this, *menuBar());
    m_interval = new IntervalEntry(*m_commandBar->intervalEdit(), *m_commandBar->intervalUpDown(),
                                   *m_focusSink, m_settings, m_interaction, *m_statusBar, *focus);
    m_checks = new ShowOptionChecks(*m_commandBar->onTopCheck(), *m_commandBar->maximizedCheck(),
                                    m_settings, *m_statusBar, *focus);
    m_activation =
        new MainActivation(*this, m_settings,
                           {m_arranger, m_interval, m_checks, m_document, m_listFiles.get(),
                            m_folderTree, m_fileList, m_model, m_slideList, m_preview, m_commands});
}

void MainWindow::wireSignals()
{
    connect(m_shellFiles, &ShellFileCommands::folderQuestionClosed, m_slideList,
            [this] { m_slideList->setFocus(); });
    connect(m_shellFiles, &ShellFileCommands::listsReconciled, m_slideList,
            &SlideListView::showListCount);
    connect(m_slideList, &SlideListView::previewRequested, m_preview, &PreviewPane::showPreview);
    connect(m_fileList, &FileListView::previewRequested, m_preview, &PreviewPane::showPreview);
    connect(m_fileList, &FileListView::previewCleared, m_preview, &PreviewPane::clearPicture);
    connect(m_folderTree, &FolderTreeView::folderClicked, m_fileList,
            &FileListView::showFolderFiles);
    connect(m_document, &ListDocument::nameChanged, m_commandBar->listNameLabel(),
            &ElidedLabel::setFullText);
}

// The fixed layout: the designed client area at the stored position; the window frame
// around it belongs to the window manager. A desktop font taller than designed for makes the
// command bar and the window taller by what the font needs.
void MainWindow::placeWindow()
{
    const TwipScale &scale = m_arranger->scale();
    const int menuHeight = menuBar()->sizeHint().height();
    const int designedBand = scale.toPixels(m_arranger->layout().commandBar).height();
    const int bandGrowth = std::max(0, m_commandBar->sizeHint().height() - designedBand);
    const QSize client(scale.toPixels(PaneLayout::DesignedClientWidth),
                       scale.toPixels(PaneLayout::DesignedClientHeight) + bandGrowth);
    m_arranger->setBandGrowth(bandGrowth);
    resize(client.width(), client.height() + menuHeight);
    move(twipsToPixels(m_settings.mainLeft), twipsToPixels(m_settings.mainTop));
    centralWidget()->resize(client);
    m_arranger->applyInitialLayout();
    m_preview->setBackColor(m_settings.showBackColour);
    m_folderTree->setFocus(); // the control the window starts in
}

void MainWindow::playStartupList(const StartupSlide &slide)
{
    m_commands->setStartupSlide(slide);
    m_activation->activated();
    if (!m_commands->slideShow())
        show();
}

void MainWindow::openAtStart(const LaunchRequest &request)
{
    m_activation->setOpensStoredLists(request.paths.isEmpty());
    m_activation->activated();
    if (!request.show)
        show();
    m_launch->open(request);
}

void MainWindow::openLaunchRequest(const LaunchRequest &request)
{
    if (!m_activation->isInitialised())
        m_activation->activated();
    m_launch->open(request);
}

QString MainWindow::listPath() const
{
    return m_document->listPath;
}

bool MainWindow::isInitialised() const
{
    return m_activation->isInitialised();
}

bool MainWindow::isSplitterDragging() const
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
    if (!m_activation->isInitialised())
        QTimer::singleShot(0, this, [this] {
            if (!m_activation->isInitialised())
                m_activation->activated();
        });
}
