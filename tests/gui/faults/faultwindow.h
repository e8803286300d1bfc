// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The browser and the slide list wired as the main window wires them, over a temporary
// folder that the tree shows as its one volume: enough to pull the ground from under them.

#include "browsertestsupport.h"
#include "core/browser/foldertreekeys.h"
#include "core/settings/settings.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/slidelistmodel.h"
#include "scriptedinteraction.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"
#include "ui/browser/shellfilecommands.h"
#include "ui/common/dragformats.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/slidelist/editcommands.h"
#include "ui/slidelist/slidelistdrop.h"
#include "ui/slidelist/slidelistview.h"

#include <QHBoxLayout>
#include <QMimeData>
#include <QUrl>

#include <memory>

class FaultWindow {
public:
    // volume: the folder the tree shows as its only volume, read and opened at once.
    explicit FaultWindow(const QString &volume)
        : m_volume(volume)
    {
        lister->fakeVolumes = {{volume, QStringLiteral("vol"), false}};
        auto *layout = new QHBoxLayout(&window);
        tree = new FolderTreeView(settings, interaction, hints);
        files = new FileListView(settings, interaction, hints);
        slides = new SlideListView(model, hints);
        preview = new PreviewPane(interaction);
        for (QWidget *pane : {static_cast<QWidget *>(tree), static_cast<QWidget *>(files),
                              static_cast<QWidget *>(slides), static_cast<QWidget *>(preview)})
            layout->addWidget(pane);
        tree->setDirectoryLister(lister);
        tree->setSlideList(&model);
        tree->setFileList(files);
        edit = std::make_unique<EditCommands>(model, document, settings, hints, *slides, *files);
        shell = std::make_unique<ShellFileCommands>(model, *files, interaction, hints);
        // Wired as the main window wires them.
        QObject::connect(shell.get(), &ShellFileCommands::folderQuestionClosed, slides,
                         [this] { slides->setFocus(); });
        QObject::connect(shell.get(), &ShellFileCommands::listsReconciled, slides,
                         &SlideListView::showListCount);
        QObject::connect(tree, &FolderTreeView::folderClicked, files,
                         &FileListView::showFolderFiles);
        QObject::connect(files, &FileListView::previewRequested, preview,
                         &PreviewPane::showPreview);
        window.resize(1000, 500);
        window.show();
        tree->loadTreeIcons();
        tree->buildFolderTree(FolderKeys::volumeKey(volume));
        if (!QTest::qWaitFor([this] { return !tree->isReading(); }))
            qWarning("the tree is still reading");
    }

    // The slide list's pop-up commands on its selected entries: "move", "copy" or "delete".
    void runShellCommand(const QString &command)
    {
        const QStringList paths = slides->selectedEntries();
        if (command == QLatin1String("move"))
            shell->moveFiles(paths);
        else if (command == QLatin1String("copy"))
            shell->copyFiles(paths);
        else
            shell->deleteFiles(paths);
    }

    // The Edit commands that add the file list's selected or all pictures.
    void addFileListPictures(bool all)
    {
        edit->addFileListEntries(all ? files->allEntries() : files->selectedEntries(),
                                 files->entryCount());
    }

    QString key(const QString &folder) const
    {
        return FolderKeys::nodeKey(FolderKeys::volumeSection(m_volume), folder);
    }
    QTreeWidgetItem *node(const QString &folder) const { return tree->nodeForKey(key(folder)); }
    QStringList childTexts(const QTreeWidgetItem *item) const
    {
        QStringList texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts.append(item->child(i)->text(0));
        return texts;
    }

    // A folder dragged from the tree and dropped on the slide list.
    void dropTreeFolder(const QString &folder)
    {
        QMimeData mime;
        mime.setData(folderDragMimeType(), key(folder).toUtf8());
        edit->drop().receive(mime, tree);
        waitForDrops();
    }
    // Files and folders dropped from the desktop.
    void dropFromDesktop(const QStringList &paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls.append(QUrl::fromLocalFile(path));
        mime.setUrls(urls);
        edit->drop().receive(mime, nullptr);
        waitForDrops();
    }
    // The file list's selection dragged onto the slide list; added when it takes the focus.
    void dragFileListSelection()
    {
        const QModelIndexList rows = files->selectionModel()->selectedRows();
        std::unique_ptr<QMimeData> mime(files->model()->mimeData(rows));
        edit->drop().receive(*mime, files);
    }

    Settings settings;
    ScriptedInteraction interaction;
    RecordingHints hints;
    std::shared_ptr<FakeLister> lister = std::make_shared<FakeLister>();
    SlideListModel model;
    ListDocument document;
    QWidget window;
    FolderTreeView *tree = nullptr;
    FileListView *files = nullptr;
    SlideListView *slides = nullptr;
    PreviewPane *preview = nullptr;
    std::unique_ptr<EditCommands> edit;
    std::unique_ptr<ShellFileCommands> shell;

private:
    void waitForDrops()
    {
        if (!QTest::qWaitFor([this] { return !edit->drop().isWalking(); }))
            qWarning("the drop is still being walked");
    }

    QString m_volume;
};
