// SPDX-License-Identifier: GPL-3.0-or-later
#include "browsertestsupport.h"
#include "core/browser/foldertreekeys.h"
#include "core/settings/settings.h"
#include "core/slidelist/slidelistmodel.h"
#include "scriptedinteraction.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"
#include "ui/common/dragformats.h"
#include "ui/common/waitcue.h"
#include "ui/mainwindow/mainactions.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>

using namespace FolderKeys;

class TestFolderTreeView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startTree();
    void placeholdersOnlyForFoldersWithFolders();
    void expandingFillsOnce();
    void clicksListFoldersOnly();
    void focusHintAndTypingIgnored();
    void popUpMenuOnFoldersOnly();
    void rightClickDoesNotSelect();
    void newFolderTakesNextFreeName();
    void newFolderSortedAndKeepsPlaceAfterRename();
    void newFolderInUnreadParentAppearsOnce();
    void renameToTakenNameRetries();
    void cancelledNameRetries();
    void newFolderImpossible();
    void deleteFolderFollowUps_data();
    void deleteFolderFollowUps();
    void deleteDeclinedOrFailed();
    void notReadyVolume_data();
    void notReadyVolume();
    void unformattedVolume();
    void dragCarriesTheKey();
    void volumeMountedOnAFolderIsANodeOfItsOwn();
    void readingThatHangs_data();
    void readingThatHangs();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString volumeKey() const { return FolderKeys::volumeKey(path("vol")); }
    // Key of a folder reached from the volume vol.
    QString folderKey(const QString &relative) const
    {
        return nodeKey(volumeSection(path("vol")), path(relative));
    }
    QTreeWidgetItem *node(const QString &relative) const;
    QStringList childTexts(const QTreeWidgetItem *item) const;
    // Opens the pop-up menu on item and chooses entry index; returns the menu's entries.
    QStringList choose(QTreeWidgetItem *item, int index);
    QLineEdit *editor() const;
    void name(const QString &label);

    std::unique_ptr<QTemporaryDir> m_dir;
    Settings m_settings;
    ScriptedInteraction m_interaction;
    RecordingHints m_hints;
    std::shared_ptr<HangingLister> m_lister;
    MainActions m_actions;
    std::unique_ptr<FolderTreeView> m_tree;
};

void TestFolderTreeView::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    useTemporaryHome(*m_dir);
    for (const char *folder : {"vol/b", "vol/A/inner", "vol/.dot/x", "vol/C", "usb/photos",
                               "home/Desktop/DeskFolder", "home/Pictures"})
        QVERIFY(QDir().mkpath(path(QString::fromLatin1(folder))));
    m_interaction = ScriptedInteraction();
    m_hints = RecordingHints();
    m_lister = std::make_shared<HangingLister>();
    m_lister->fakeVolumes = {{path("vol"), QStringLiteral("vol (%1)").arg(path("vol")), false},
                             {path("usb"), QStringLiteral("USB"), true}};
    m_tree = std::make_unique<FolderTreeView>(m_settings, m_interaction, m_hints);
    m_tree->setPopUpActions(m_actions.newFolder(), m_actions.deleteFolder());
    m_tree->setDirectoryLister(m_lister);
    m_tree->resize(400, 600);
    m_tree->show();
    QVERIFY(QTest::qWaitForWindowActive(m_tree.get()));
    m_tree->loadTreeIcons();
    m_tree->buildFolderTree(volumeKey());
    QTRY_VERIFY(!m_tree->isReading());
}

// Every reading has ended before the next test: none is left behind on a worker thread.
void TestFolderTreeView::cleanup()
{
    m_lister->releaseAll();
    m_tree.reset();
    QTRY_COMPARE(m_lister.use_count(), 1L);
    m_dir.reset();
}

QTreeWidgetItem *TestFolderTreeView::node(const QString &relative) const
{
    return m_tree->nodeForKey(folderKey(relative));
}

QStringList TestFolderTreeView::childTexts(const QTreeWidgetItem *item) const
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

QStringList TestFolderTreeView::choose(QTreeWidgetItem *item, int index)
{
    auto entries = std::make_shared<QStringList>();
    QTimer::singleShot(0, this, [entries, index] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        entries->append(menu->objectName());
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions)
            entries->append(action->text());
        menu->hide();
        if (index >= 0)
            actions.at(index)->trigger();
    });
    const QPoint at = m_tree->visualItemRect(item).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(m_tree->viewport(), &event);
    QCoreApplication::processEvents();
    return *entries;
}

QLineEdit *TestFolderTreeView::editor() const
{
    const QList<QLineEdit *> editors = m_tree->viewport()->findChildren<QLineEdit *>();
    for (QLineEdit *line : editors) {
        if (line->isVisible())
            return line;
    }
    return nullptr;
}

void TestFolderTreeView::name(const QString &label)
{
    QTRY_VERIFY(editor());
    editor()->setText(label);
    QTest::keyClick(editor(), Qt::Key_Return);
    QTRY_VERIFY(!editor() || editor()->text() != label);
}

// Desktop > computer (volumes) and home, then the desktop's folders; the start volume is
// read, open and selected; dot-folders stay out; A comes before b.
void TestFolderTreeView::startTree()
{
    QCOMPARE(m_tree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = m_tree->topLevelItem(0);
    QCOMPARE(FolderTreeView::keyOf(root), QStringLiteral("デスクトップ"));
    QCOMPARE(root->childCount(), 3);
    QCOMPARE(FolderTreeView::keyOf(root->child(0)), QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ"));
    QCOMPARE(FolderTreeView::keyOf(root->child(1)), nodeKey(desktopSection(), path("home")));
    QCOMPARE(root->child(1)->text(0), QStringLiteral("home"));
    QCOMPARE(FolderTreeView::keyOf(root->child(2)),
             nodeKey(desktopSection(), path("home/Desktop/DeskFolder")));
    QTreeWidgetItem *computer = root->child(0);
    QCOMPARE(childTexts(computer),
             (QStringList{QStringLiteral("vol (%1)").arg(path("vol")), QStringLiteral("USB")}));
    QTreeWidgetItem *volume = computer->child(0);
    QCOMPARE(m_tree->currentItem(), volume);
    QVERIFY(volume->isExpanded());
    QCOMPARE(childTexts(volume), (QStringList{"A", "b", "C"}));
    QCOMPARE(FolderTreeView::keyOf(volume->child(0)), folderKey("vol/A"));
}

// Volumes and home always get one; a folder only when it holds a folder.
void TestFolderTreeView::placeholdersOnlyForFoldersWithFolders()
{
    QTreeWidgetItem *usb = m_tree->topLevelItem(0)->child(0)->child(1);
    QCOMPARE(usb->childCount(), 1);
    QCOMPARE(FolderTreeView::keyOf(usb->child(0)),
             QStringLiteral("dummy*ﾏｲ ｺﾝﾋﾟｭｰﾀ*%1/").arg(path("usb")));
    QTreeWidgetItem *home = m_tree->topLevelItem(0)->child(1);
    QCOMPARE(FolderTreeView::keyOf(home->child(0)),
             QStringLiteral("dummy*デスクトップ*%1").arg(path("home")));
    QCOMPARE(FolderTreeView::keyOf(node("vol/A")->child(0)),
             QStringLiteral("dummy*") + folderKey("vol/A"));
    QCOMPARE(node("vol/b")->childCount(), 0);
}

// A folder is read when first opened and never again.
void TestFolderTreeView::expandingFillsOnce()
{
    QTreeWidgetItem *a = node("vol/A");
    QVERIFY(expandNow(*m_tree, a));
    QCOMPARE(childTexts(a), QStringList{"inner"});
    QCOMPARE(FolderTreeView::keyOf(a->child(0)), folderKey("vol/A/inner"));
    a->setExpanded(false);
    QVERIFY(QDir().mkpath(path("vol/A/later")));
    QVERIFY(expandNow(*m_tree, a));
    QCOMPARE(childTexts(a), QStringList{"inner"});
    QCOMPARE(m_lister->readings.value(path("vol/A")), 1);

    QTreeWidgetItem *home = m_tree->topLevelItem(0)->child(1);
    QVERIFY(expandNow(*m_tree, home));
    QCOMPARE(childTexts(home), (QStringList{"Desktop", "Pictures"}));
    QCOMPARE(FolderTreeView::keyOf(home->child(1)),
             nodeKey(desktopSection(), path("home/Pictures")));
}

// A click on a folder lists it; the two top nodes list nothing.
void TestFolderTreeView::clicksListFoldersOnly()
{
    QSignalSpy clicked(m_tree.get(), &FolderTreeView::folderClicked);
    auto click = [this](QTreeWidgetItem *item) {
        QTest::mouseClick(m_tree->viewport(), Qt::LeftButton, {},
                          m_tree->visualItemRect(item).center());
    };
    click(m_tree->topLevelItem(0));
    click(m_tree->topLevelItem(0)->child(0));
    QCOMPARE(clicked.count(), 0);
    click(node("vol/b"));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toString(), path("vol/b"));
    QTest::keyClick(m_tree.get(), Qt::Key_Up);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.last().first().toString(), path("vol/A"));
}

// The focus shows the selected folder's path; typed letters do not move the selection.
void TestFolderTreeView::focusHintAndTypingIgnored()
{
    QFocusEvent in(QEvent::FocusIn);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(m_tree.get(), &in);
    QCOMPARE(m_hints.hint(), path("vol"));
    QApplication::sendEvent(m_tree.get(), &out);
    QCOMPARE(m_hints.hint(), QString());
    QTest::keyClicks(m_tree.get(), QStringLiteral("Cb"));
    QCOMPARE(m_tree->currentItem(), node("vol"));
}

// The pop-up has its two entries on folders and is not offered on the top nodes.
void TestFolderTreeView::popUpMenuOnFoldersOnly()
{
    QCOMPARE(choose(node("vol/b"), -1),
             (QStringList{"folderTreePopUp", QStringLiteral("新規フォルダの作成"),
                          QStringLiteral("フォルダの削除")}));
    QVERIFY(node("vol/b")->data(0, Qt::BackgroundRole).isNull());
    QVERIFY(choose(m_tree->topLevelItem(0), -1).isEmpty());
    QVERIFY(choose(m_tree->topLevelItem(0)->child(0), -1).isEmpty());
}

// The right button marks a node for the pop-up without selecting it.
void TestFolderTreeView::rightClickDoesNotSelect()
{
    QTest::mousePress(m_tree->viewport(), Qt::RightButton, {},
                      m_tree->visualItemRect(node("vol/C")).center());
    QTest::mouseRelease(m_tree->viewport(), Qt::RightButton, {},
                        m_tree->visualItemRect(node("vol/C")).center());
    QCOMPARE(m_tree->currentItem(), node("vol"));
}

// Taken names are passed over: (2) exists, so (3) is made.
void TestFolderTreeView::newFolderTakesNextFreeName()
{
    QVERIFY(QDir().mkpath(path("vol/新しいフォルダ")));
    QVERIFY(QDir().mkpath(path("vol/新しいフォルダ (2)")));
    choose(node("vol"), 0);
    const QString third = path("vol/新しいフォルダ (3)");
    QVERIFY(QFileInfo(third).isDir());
    QTreeWidgetItem *current = m_tree->currentItem();
    QCOMPARE(current->text(0), QStringLiteral("新しいフォルダ (3)"));
    QCOMPARE(FolderTreeView::keyOf(current), nodeKey(volumeSection(path("vol")), third));
    QCOMPARE(m_tree->commands().pendingRenameKey(), FolderTreeView::keyOf(current));
    QVERIFY(m_tree->popUpNodeKey().isEmpty());
    QTRY_VERIFY(editor());
}

// The new node goes in sorted place and stays there under its new name.
void TestFolderTreeView::newFolderSortedAndKeepsPlaceAfterRename()
{
    QVERIFY(QDir().mkpath(path("vol/b/A")));
    QVERIFY(QDir().mkpath(path("vol/b/日記")));
    QTreeWidgetItem *b = m_tree->nodeForKey(folderKey("vol/b"));
    QVERIFY(expandNow(*m_tree, b));
    QCOMPARE(childTexts(b), (QStringList{"A", QStringLiteral("日記")}));
    choose(b, 0);
    QCOMPARE(childTexts(b),
             (QStringList{"A", QStringLiteral("新しいフォルダ"), QStringLiteral("日記")}));
    name(QStringLiteral("Z"));
    QTRY_VERIFY(m_tree->commands().pendingRenameKey().isEmpty());
    QCOMPARE(childTexts(b), (QStringList{"A", "Z", QStringLiteral("日記")}));
    QCOMPARE(FolderTreeView::keyOf(b->child(1)), folderKey("vol/b/Z"));
    QVERIFY(QFileInfo(path("vol/b/Z")).isDir());
    QVERIFY(!QFileInfo::exists(path("vol/b/新しいフォルダ")));
    QVERIFY(m_interaction.calls.isEmpty());
}

// Opening the unread parent for the new folder does not add it a second time.
void TestFolderTreeView::newFolderInUnreadParentAppearsOnce()
{
    QTreeWidgetItem *a = node("vol/A");
    choose(a, 0);
    QVERIFY(a->isExpanded());
    QTRY_VERIFY(!m_tree->isReading());
    QCOMPARE(childTexts(a), (QStringList{QStringLiteral("新しいフォルダ"), "inner"}));
    QVERIFY(!isPlaceholderKey(FolderTreeView::keyOf(a->child(0))));
}

// A taken name is refused with the rename message and the naming starts again.
void TestFolderTreeView::renameToTakenNameRetries()
{
    choose(node("vol"), 0);
    name(QStringLiteral("C"));
    QTRY_COMPARE(m_interaction.callsOf(QStringLiteral("message")).size(), 1);
    const auto message = m_interaction.callsOf(QStringLiteral("message")).first();
    QCOMPARE(message.text, QStringLiteral("新しいフォルダの名前を変更できません。指定された"
                                          "フォルダ名は既に存在します。別の名前を指定して"
                                          "ください。"));
    QCOMPARE(message.style, MessageStyle::Error);
    QCOMPARE(message.title, QStringLiteral("フォルダ名の変更エラー"));
    QVERIFY(!m_tree->commands().pendingRenameKey().isEmpty());
    QCOMPARE(m_tree->currentItem()->text(0), QStringLiteral("新しいフォルダ"));
    name(QStringLiteral("Fresh"));
    QTRY_VERIFY(m_tree->commands().pendingRenameKey().isEmpty());
    QVERIFY(QFileInfo(path("vol/Fresh")).isDir());
    QVERIFY(QFileInfo(path("vol/C")).isDir());
}

// Cancelling the naming is an unusable empty name: message, then naming again.
void TestFolderTreeView::cancelledNameRetries()
{
    choose(node("vol"), 0);
    QTRY_VERIFY(editor());
    QTest::keyClick(editor(), Qt::Key_Escape);
    QTRY_COMPARE(m_interaction.callsOf(QStringLiteral("message")).size(), 1);
    QTRY_VERIFY(editor());
    QVERIFY(QFileInfo(path("vol/新しいフォルダ")).isDir());
    name(QStringLiteral("新しいフォルダ"));
    QTRY_VERIFY(m_tree->commands().pendingRenameKey().isEmpty());
    QCOMPARE(m_interaction.callsOf(QStringLiteral("message")).size(), 1);
}

// Where no folder can be made at all, the user is told once and no node appears.
void TestFolderTreeView::newFolderImpossible()
{
    m_lister->unwritable.insert(path("vol"));
    const int before = node("vol")->childCount();
    choose(node("vol"), 0);
    const auto messages = m_interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().style, MessageStyle::Error);
    QCOMPARE(node("vol")->childCount(), before);
    QVERIFY(m_tree->commands().pendingRenameKey().isEmpty());
}

// Deleting a folder relists the file list from the new selection when the list's first entry
// lies in the folder or below it; a list of anything else, or showing nothing, stays. Slide
// entries directly in the folder go, entries of its subfolders stay.
void TestFolderTreeView::deleteFolderFollowUps_data()
{
    QTest::addColumn<QString>("listed"); // the folder the file list shows, "" for none
    QTest::addColumn<bool>("relisted");
    QTest::newRow("list of the deleted folder: listed again") << "vol/A" << true;
    QTest::newRow("list of a folder below it: listed again") << "vol/A/inner" << true;
    QTest::newRow("list of another folder: stays") << "vol/b" << false;
    QTest::newRow("empty list of a folder below it: stays") << "vol/A/empty" << false;
    QTest::newRow("nothing listed: stays") << "" << false;
}

void TestFolderTreeView::deleteFolderFollowUps()
{
    QFETCH(QString, listed);
    QFETCH(bool, relisted);
    writeFile(path("vol/A/a.jpg"), 10);
    writeFile(path("vol/A/inner/x.jpg"), 10);
    writeFile(path("vol/b/y.jpg"), 10);
    QVERIFY(QDir().mkpath(path("vol/A/empty")));
    SlideListModel slides;
    for (const char *file : {"vol/A/a.jpg", "vol/A/inner/x.jpg", "vol/b/y.jpg"})
        slides.addEntry(path(QString::fromLatin1(file)), QStringLiteral("x.jpg"),
                        QStringLiteral("        10"));
    FileListView files(m_settings, m_interaction, m_hints);
    m_tree->setSlideList(&slides);
    m_tree->setFileList(&files);
    m_tree->setCurrentItem(node("vol/A"));
    if (!listed.isEmpty())
        QVERIFY(showFolderFilesNow(files, path(listed)));
    auto fileKeys = [&files] {
        QStringList keys;
        for (const FileListEntry &entry : files.allEntries())
            keys.append(entry.key);
        return keys;
    };
    const QStringList listedBefore = fileKeys();

    m_interaction.answers.enqueue(Interaction::Answer::Yes);
    choose(node("vol/A"), 1);
    QVERIFY(!QFileInfo::exists(path("vol/A")));
    QVERIFY(!node("vol/A"));
    const QString selected = keyPath(FolderTreeView::keyOf(m_tree->currentItem()));
    QVERIFY(selected != path("vol/A"));
    QCOMPARE(files.folder(), relisted ? selected : listed.isEmpty() ? QString() : path(listed));
    if (!relisted)
        QCOMPARE(fileKeys(), listedBefore);
    QCOMPARE(slides.paths(), (QStringList{path("vol/A/inner/x.jpg"), path("vol/b/y.jpg")}));
    QCOMPARE(m_interaction.callsOf(QStringLiteral("message")).size(), 1);
    QTRY_VERIFY(!files.isListing());
}

// A declined confirmation changes nothing and says nothing; a failed delete says so.
void TestFolderTreeView::deleteDeclinedOrFailed()
{
    m_interaction.answers.enqueue(Interaction::Answer::No);
    choose(node("vol/C"), 1);
    QVERIFY(QFileInfo(path("vol/C")).isDir());
    QVERIFY(node("vol/C"));
    QCOMPARE(m_interaction.callsOf(QStringLiteral("message")).size(), 1);

    QVERIFY(QDir(path("vol/C")).removeRecursively());
    m_interaction.answers.enqueue(Interaction::Answer::Yes);
    choose(node("vol/C"), 1);
    const auto messages = m_interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.last().text, QStringLiteral("削除に失敗しました。"));
    QCOMPARE(messages.last().title, QStringLiteral("フォルダの削除エラー"));
    QCOMPARE(messages.last().style, MessageStyle::Error);
    QVERIFY(node("vol/C"));
    QVERIFY(node("vol/C")->data(0, Qt::BackgroundRole).isNull());
}

// A volume without a medium: Retry reads it again; Cancel leaves it without children.
void TestFolderTreeView::notReadyVolume_data()
{
    QTest::addColumn<bool>("retry");
    QTest::newRow("retry") << true;
    QTest::newRow("cancel") << false;
}

void TestFolderTreeView::notReadyVolume()
{
    QFETCH(bool, retry);
    m_lister->failuresLeft[path("usb")] = 1;
    m_interaction.answers.enqueue(retry ? Interaction::Answer::Retry : Interaction::Answer::Cancel);
    QTreeWidgetItem *usb = m_tree->topLevelItem(0)->child(0)->child(1);
    QVERIFY(expandNow(*m_tree, usb));
    const auto messages = m_interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text,
             path("usb") + QStringLiteral("/ にアクセスできません。\n\nNo medium found"));
    QCOMPARE(messages.first().style, MessageStyle::ErrorRetry);
    QCOMPARE(messages.first().title, QStringLiteral("デバイスエラー"));
    QCOMPARE(childTexts(usb), retry ? QStringList{"photos"} : QStringList());
}

// An unformatted volume offers formatting; the tree's messages carry the sad face.
void TestFolderTreeView::unformattedVolume()
{
    m_lister->failure = ListingError::Unformatted;
    m_lister->failuresLeft[path("usb")] = 1;
    m_interaction.answers.enqueue(Interaction::Answer::Yes);
    QTreeWidgetItem *usb = m_tree->topLevelItem(0)->child(0)->child(1);
    QVERIFY(expandNow(*m_tree, usb));
    const auto messages = m_interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.first().style, MessageStyle::WarningYesNo);
    QCOMPARE(messages.last().text, QStringLiteral("フォーマット出来ません (ToT)"));
    QCOMPARE(m_lister->formatCalls, 1);
    QCOMPARE(usb->childCount(), 0);
}

// A dragged folder carries its key; the top nodes cannot be dragged.
void TestFolderTreeView::dragCarriesTheKey()
{
    QAbstractItemModel *model = m_tree->model();
    std::unique_ptr<QMimeData> mime(model->mimeData({m_tree->nodeIndex(node("vol/b"))}));
    QVERIFY(mime);
    QCOMPARE(QString::fromUtf8(mime->data(folderDragMimeType())), folderKey("vol/b"));
    QVERIFY(!mime->hasText());
    QVERIFY(!model->mimeData({m_tree->nodeIndex(m_tree->topLevelItem(0))}));
    QCOMPARE(model->supportedDragActions(), Qt::CopyAction);
}

// A volume mounted on a folder of another volume (as /home on the root) is a node of its own
// beside that folder's node: keys differ, down to the folders below them, and both name the
// same path for a drop.
void TestFolderTreeView::volumeMountedOnAFolderIsANodeOfItsOwn()
{
    m_lister->fakeVolumes.append({path("vol/A"), QStringLiteral("A"), false});
    m_tree->buildFolderTree(volumeKey());
    QTRY_VERIFY(!m_tree->isReading());
    QTreeWidgetItem *mounted = m_tree->nodeForKey(FolderKeys::volumeKey(path("vol/A")));
    QTreeWidgetItem *folder = node("vol/A");
    QVERIFY(mounted && folder && mounted != folder);
    QCOMPARE(mounted->parent(), m_tree->topLevelItem(0)->child(0));
    QCOMPARE(keyPath(FolderTreeView::keyOf(mounted)), keyPath(FolderTreeView::keyOf(folder)));
    QVERIFY(expandNow(*m_tree, mounted));
    QVERIFY(expandNow(*m_tree, folder));
    const QString innerOfMounted = FolderTreeView::keyOf(mounted->child(0));
    QCOMPARE(innerOfMounted, nodeKey(volumeSection(path("vol/A")), path("vol/A/inner")));
    QCOMPARE(FolderTreeView::keyOf(folder->child(0)), folderKey("vol/A/inner"));
    QCOMPARE(m_tree->nodeForKey(innerOfMounted), mounted->child(0));
    QCOMPARE(m_tree->nodeForKey(folderKey("vol/A/inner")), folder->child(0));
}

// A folder that hangs holds nothing else up: other folders open, the wait cursor and text
// show after a moment, and a late reading goes only to the node that asked for it.
void TestFolderTreeView::readingThatHangs_data()
{
    QTest::addColumn<QString>("hung");
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QStringList>("children"); // of the hung node at the end
    const QString usb = QStringLiteral("usb");
    QTest::newRow("another folder opened: both fill")
        << usb << QStringLiteral("open") << QStringList{"photos"};
    QTest::newRow("tree rebuilt: the new node stays unread")
        << usb << QStringLiteral("rebuild") << QStringList{""};
    QTest::newRow("node deleted: nothing arrives")
        << QStringLiteral("vol/A") << QStringLiteral("delete") << QStringList();
    QTest::newRow("tree closed: nothing arrives")
        << usb << QStringLiteral("close") << QStringList();
}

void TestFolderTreeView::readingThatHangs()
{
    QFETCH(QString, hung);
    QFETCH(QString, meanwhile);
    const auto hungNode = [&] {
        return hung == QLatin1String("usb") ? m_tree->topLevelItem(0)->child(0)->child(1)
                                            : node(hung);
    };
    const QString waitText = QStringLiteral("フォルダを読み込み中です。しばらくお待ちください。");
    m_tree->waitCue().setDelay(1);
    m_lister->hang(path(hung));
    hungNode()->setExpanded(true);
    QTRY_VERIFY(m_lister->isStuckIn(path(hung)));
    QTRY_VERIFY(m_tree->waitCue().isShown());
    QCOMPARE(m_tree->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(m_hints.hint(), waitText);
    if (meanwhile == QLatin1String("open")) {
        node("vol/A")->setExpanded(true);
        QTRY_COMPARE(childTexts(node("vol/A")), QStringList{"inner"});
        QVERIFY(m_tree->isReading());
    } else if (meanwhile == QLatin1String("rebuild")) {
        m_tree->buildFolderTree(volumeKey());
    } else if (meanwhile == QLatin1String("delete")) {
        m_interaction.answers.enqueue(Interaction::Answer::Yes);
        choose(node(hung), 1);
    } else {
        m_tree.reset();
    }
    m_lister->release(path(hung));
    QTRY_COMPARE(m_lister.use_count(), m_tree ? 2L : 1L);
    if (!m_tree)
        return;
    QTRY_VERIFY(!m_tree->isReading());
    QFETCH(QStringList, children);
    if (meanwhile == QLatin1String("delete"))
        QVERIFY(!hungNode());
    else
        QCOMPARE(childTexts(hungNode()), children);
    QCOMPARE(m_tree->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(m_hints.hint() != waitText);
}

QTEST_MAIN(TestFolderTreeView)
#include "tst_foldertreeview.moc"
