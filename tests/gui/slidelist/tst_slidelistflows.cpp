// SPDX-License-Identifier: GPL-3.0-or-later
#include "../mainwindow/mainwindowfixture.h"
#include "droptestsupport.h"

#include "core/browser/filedragtext.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/browser/filelistview.h"
#include "ui/mainwindow/maintoolbar.h"
#include "ui/slidelist/slidelistdrop.h"

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <QProgressBar>

// Whole user actions on the slide list of the real main window, from the key, button or menu
// through the lists, the list name, the hint panel and the progress bar.
class TestSlideListFlows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void addKeysFollowTheFocus();
    void addSelectedEndsInTheSlideList();
    void fileListDropIsAddedWhenTheListTakesTheFocus();
    void deleteSelectsTheLastEntry_data();
    void deleteSelectsTheLastEntry();
    void clearStartsAnUnnamedList();
    void saveNamesTheListAndOpenAsksOnlyWhenModified();
    void openAnswersNoStillOpens();
    void popUpDeleteShowsTheCount();
    void moveAndCopyPickersStartAtTheDesktop_data();
    void moveAndCopyPickersStartAtTheDesktop();

private:
    QString make(const QString &name, qint64 bytes = 0) const;
    void listPictures(int count);
    void key(QWidget *focus, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void selectSlideRows(const QList<int> &rows);
    QStringList listed() const { return model()->paths(); }
    QString listName() const { return m_f->find<QLabel>(QStringLiteral("listNameLabel"))->text(); }
    SlideListModel *model() const { return qobject_cast<SlideListModel *>(m_slides->model()); }

    std::unique_ptr<MainWindowFixture> m_f;
    std::unique_ptr<QTemporaryDir> m_dir;
    FileListView *m_files = nullptr;
    QAbstractItemView *m_slides = nullptr;
    QWidget *m_tree = nullptr;
};

void TestSlideListFlows::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->open());
    m_dir = std::make_unique<QTemporaryDir>();
    m_files = m_f->find<FileListView>(QStringLiteral("fileList"));
    m_slides = m_f->find<QAbstractItemView>(QStringLiteral("slideList"));
    m_tree = m_f->find<QWidget>(QStringLiteral("folderTree"));
    QVERIFY(m_files && m_slides && m_tree);
}

void TestSlideListFlows::cleanup()
{
    m_f.reset();
    m_dir.reset();
}

QString TestSlideListFlows::make(const QString &name, qint64 bytes) const
{
    const QString path = m_dir->filePath(name);
    DropTest::writeFile(path, bytes);
    return path;
}

// p1.jpg .. pN.jpg in the file list, in that order.
void TestSlideListFlows::listPictures(int count)
{
    for (int i = 1; i <= count; ++i)
        make(QStringLiteral("p%1.jpg").arg(i), i);
    m_files->showFolderFiles(m_dir->path());
    QTRY_VERIFY(!m_files->isListing());
    QCOMPARE(m_files->entryCount(), count);
}

void TestSlideListFlows::key(QWidget *focus, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    MainWindowFixture::focus(focus);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCoreApplication::processEvents();
}

void TestSlideListFlows::selectSlideRows(const QList<int> &rows)
{
    m_slides->clearSelection();
    for (int row : rows)
        m_slides->selectionModel()->select(model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// F5 adds the file list's selection only from the file list; F6 adds all from anywhere.
void TestSlideListFlows::addKeysFollowTheFocus()
{
    listPictures(3);
    m_files->selectionModel()->select(m_files->model()->index(1, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    key(m_tree, Qt::Key_F5);
    QCOMPARE(model()->entryCount(), 0);
    key(m_tree, Qt::Key_F6);
    QCOMPARE(listed(), (QStringList{m_dir->filePath(QStringLiteral("p1.jpg")),
                                    m_dir->filePath(QStringLiteral("p2.jpg")),
                                    m_dir->filePath(QStringLiteral("p3.jpg"))}));
    QVERIFY(m_slides->hasFocus());
}

// F5 from the file list: the entries arrive, the slide list has the focus, the wait text is
// gone from the hint panel and the progress bar is back at 0.
void TestSlideListFlows::addSelectedEndsInTheSlideList()
{
    listPictures(3);
    m_files->selectionModel()->select(m_files->model()->index(2, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    key(m_files, Qt::Key_F5);
    QCOMPARE(listed(), QStringList{m_dir->filePath(QStringLiteral("p3.jpg"))});
    QCOMPARE(model()->entryAt(1).sizeText, QStringLiteral("         3"));
    QVERIFY(m_slides->hasFocus());
    QCOMPARE(m_f->hint(), QString());
    QCOMPARE(m_f->find<QProgressBar>(QStringLiteral("progressBar"))->value(), 0);
}

// A drop of file-list pictures is added once the slide list has the focus: the count shows,
// the progress bar is back at 0, and the list counts as modified even when nothing was new.
void TestSlideListFlows::fileListDropIsAddedWhenTheListTakesTheFocus()
{
    listPictures(2);
    m_files->selectAll();
    QMimeData mime;
    mime.setText(fileDragText({{m_dir->filePath(QStringLiteral("p1.jpg")), QStringLiteral("p1.jpg"),
                                QStringLiteral("         1")},
                               {m_dir->filePath(QStringLiteral("p2.jpg")), QStringLiteral("p2.jpg"),
                                QStringLiteral("         2")}}));
    auto *drop = m_slides->findChild<SlideListDrop *>(QStringLiteral("SlideListDrop"));
    QVERIFY(drop);
    for (int round = 0; round < 2; ++round) {
        MainWindowFixture::focus(m_files);
        drop->receive(mime, m_files->viewport());
        QCOMPARE(model()->entryCount(), round == 0 ? 0 : 2);
        QTRY_VERIFY(m_slides->hasFocus());
        QCOMPARE(model()->entryCount(), 2);
        QCOMPARE(m_f->hint(), QStringLiteral("リストに 2枚の画像があります。"));
        QCOMPARE(m_f->find<QProgressBar>(QStringLiteral("progressBar"))->value(), 0);
        m_f->interaction.calls.clear();
        key(m_slides, Qt::Key_F2);
        QCOMPARE(m_f->interaction.callsOf(QStringLiteral("message")).size(), 1);
        if (round == 0)
            m_f->interaction.fileNames.enqueue(m_dir->filePath(QStringLiteral("l.vrl")));
        key(m_slides, Qt::Key_F3);
        QCOMPARE(listName(), QStringLiteral("l"));
    }
}

void TestSlideListFlows::deleteSelectsTheLastEntry_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("the Del key") << "key";
    QTest::newRow("a click on the delete button leaves the focus in place") << "button";
    QTest::newRow("Alt+E then D from the keyboard") << "menu";
}

// Deleting while the slide list has the focus removes the selected entries, selects the last
// one left, keeps the focus there and empties the hint panel; elsewhere it removes nothing.
void TestSlideListFlows::deleteSelectsTheLastEntry()
{
    QFETCH(QString, how);
    listPictures(5);
    key(m_files, Qt::Key_F6);
    selectSlideRows({1, 2});
    const auto remove = [&](QWidget *focus) {
        MainWindowFixture::focus(focus);
        if (how == QLatin1String("key")) {
            key(focus, Qt::Key_Delete);
        } else if (how == QLatin1String("button")) {
            auto *toolBar = m_f->find<MainToolBar>(QStringLiteral("mainToolBar"));
            QWidget *button =
                toolBar->widgetForAction(m_f->find<QAction>(QStringLiteral("deleteEntriesAction")));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            key(focus, Qt::Key_E, Qt::AltModifier);
            QWidget *menu = QApplication::activePopupWidget();
            QVERIFY(menu);
            QTest::keyClick(menu, Qt::Key_D);
        }
        QCoreApplication::processEvents();
    };
    remove(m_files);
    QCOMPARE(model()->entryCount(), 5);
    remove(m_slides);
    QCOMPARE(listed(), (QStringList{m_dir->filePath(QStringLiteral("p1.jpg")),
                                    m_dir->filePath(QStringLiteral("p4.jpg")),
                                    m_dir->filePath(QStringLiteral("p5.jpg"))}));
    const QModelIndexList selected = m_slides->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().row(), 2);
    QVERIFY(m_slides->hasFocus());
    QCOMPARE(m_f->hint(), QString());
}

// F4 asks nothing, names the list "UnNamed" and leaves it unmodified: Open asks nothing.
void TestSlideListFlows::clearStartsAnUnnamedList()
{
    listPictures(2);
    key(m_files, Qt::Key_F6);
    m_f->interaction.fileNames.enqueue(m_dir->filePath(QStringLiteral("a.vrl")));
    key(m_slides, Qt::Key_F3);
    QCOMPARE(listName(), QStringLiteral("a"));
    key(m_files, Qt::Key_F6);
    key(m_tree, Qt::Key_F4);
    QCOMPARE(model()->entryCount(), 0);
    QCOMPARE(listName(), QStringLiteral("UnNamed"));
    m_f->interaction.calls.clear();
    key(m_tree, Qt::Key_F2);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("message")).size(), 0);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("open")).size(), 1);
}

// F3 on an unnamed list asks for a name, saves and names the list; an unmodified list opens
// without a question; after adding, Open asks, and Yes saves to the list's own file first.
void TestSlideListFlows::saveNamesTheListAndOpenAsksOnlyWhenModified()
{
    listPictures(2);
    key(m_files, Qt::Key_F6);
    const QString listFile = m_dir->filePath(QStringLiteral("show.txt"));
    m_f->interaction.fileNames.enqueue(listFile);
    key(m_slides, Qt::Key_F3);
    const auto saves = m_f->interaction.callsOf(QStringLiteral("save"));
    QCOMPARE(saves.size(), 1);
    QCOMPARE(saves[0].title, m_f->home.filePath(QStringLiteral("名称未設定")));
    QCOMPARE(listName(), QStringLiteral("show"));

    m_f->interaction.calls.clear();
    key(m_slides, Qt::Key_F2);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("message")).size(), 0);

    make(QStringLiteral("p9.jpg"));
    m_files->showFolderFiles(m_dir->path());
    QTRY_VERIFY(!m_files->isListing());
    key(m_files, Qt::Key_F6);
    m_f->interaction.calls.clear();
    m_f->interaction.answers.enqueue(Interaction::Answer::Yes);
    key(m_slides, Qt::Key_F2);
    const auto asked = m_f->interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("リストは更新されています。保存しますか？"));
    QCOMPARE(asked[0].title, QStringLiteral("リストの新規作成"));
    QCOMPARE(asked[0].style, MessageStyle::QuestionYesNo);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("save")).size(), 0);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("open")).size(), 1);
    QFile saved(listFile);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count('\n'), 3);

    m_f->interaction.calls.clear();
    key(m_slides, Qt::Key_F2);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("message")).size(), 0);
}

// No to the question saves nothing and still shows the open dialog; the list stays modified.
void TestSlideListFlows::openAnswersNoStillOpens()
{
    listPictures(1);
    key(m_files, Qt::Key_F6);
    m_f->interaction.answers.enqueue(Interaction::Answer::No);
    key(m_tree, Qt::Key_F2);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("save")).size(), 0);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("open")).size(), 1);
    key(m_tree, Qt::Key_F2);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("message")).size(), 2);
}

// The pop-up's delete over a selected entry keeps the selection, trashes both files after
// the question and writes the count of what is left.
void TestSlideListFlows::popUpDeleteShowsTheCount()
{
    listPictures(5);
    key(m_files, Qt::Key_F6);
    MainWindowFixture::focus(m_slides);
    selectSlideRows({1, 3});
    const QPoint over = m_slides->visualRect(model()->index(3, 0)).center();
    MainWindowFixture::send(m_slides->viewport(), QEvent::MouseButtonPress, over, Qt::RightButton,
                            Qt::RightButton);
    auto *popUp = m_slides->findChild<QMenu *>(QStringLiteral("slideListPopUp"));
    QVERIFY(popUp);
    QTRY_VERIFY(popUp->isVisible());
    QCOMPARE(m_slides->selectionModel()->selectedRows().size(), 2);
    m_f->interaction.answers.enqueue(Interaction::Answer::Yes);
    auto *deleteFiles = m_f->find<QAction>(QStringLiteral("deleteFilesAction"));
    QVERIFY(popUp->actions().contains(deleteFiles));
    deleteFiles->trigger();
    popUp->close();
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("message")).first().text,
             QStringLiteral("これらの 2 個の項目をごみ箱に移動しますか?"));
    QCOMPARE(model()->entryCount(), 3);
    QCOMPARE(m_files->entryCount(), 3);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("p2.jpg"))));
    QCOMPARE(m_f->hint(), QStringLiteral("リストに 3枚の画像があります。"));
}

void TestSlideListFlows::moveAndCopyPickersStartAtTheDesktop_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::newRow("move asks for its folder from the desktop") << "moveFilesAction"
                                                               << "ﾌｧｲﾙの移動先";
    QTest::newRow("copy asks for its folder from the desktop") << "copyFilesAction"
                                                               << "ﾌｧｲﾙのｺﾋﾟｰ先";
}

// The folder browser of move and copy has no folder of its own to start from: it opens at
// the desktop, and the focus comes back to the slide list when it is cancelled.
void TestSlideListFlows::moveAndCopyPickersStartAtTheDesktop()
{
    QFETCH(QString, item);
    QFETCH(QString, title);
    const QString desktop = m_f->home.filePath(QStringLiteral("Desktop"));
    QVERIFY(QDir().mkpath(desktop));
    listPictures(2);
    key(m_files, Qt::Key_F6);
    selectSlideRows({0});
    MainWindowFixture::focus(m_tree);
    auto *command = m_f->find<QAction>(item);
    QVERIFY(m_slides->findChild<QMenu *>(QStringLiteral("slideListPopUp"))
                ->actions()
                .contains(command));
    command->trigger();
    const auto asked = m_f->interaction.callsOf(QStringLiteral("folder"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, title);
    QCOMPARE(asked[0].title, desktop);
    QCOMPARE(model()->entryCount(), 2);
    QVERIFY(m_slides->hasFocus());
}

QTEST_MAIN(TestSlideListFlows)
#include "tst_slidelistflows.moc"
