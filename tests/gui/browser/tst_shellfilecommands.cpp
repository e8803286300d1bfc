// SPDX-License-Identifier: GPL-3.0-or-later
#include "browsertestsupport.h"
#include "core/settings/settings.h"
#include "core/slidelist/slidelistmodel.h"
#include "platform/fileworkprogress.h"
#include "scriptedinteraction.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/fileworkrunner.h"
#include "ui/browser/shellfilecommands.h"
#include "ui/slidelist/slidelistview.h"

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <thread>

class TestShellFileCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void deleteTwoOfFive();
    void deleteDeclined();
    void deleteFailedPartly();
    void moveReconcilesBothLists();
    void moveWithOverwriteDeclined();
    void copyLeavesListsAlone();
    void stoppedAtAFailure_data();
    void stoppedAtAFailure();
    void progressDialogCancels();
    void nothingSelected();
    void pickerCancelled();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    void select(const QList<int> &rows);
    // Runs "move", "copy" or "delete" on the selected entries, as their pop-up items do.
    void run(const char *command);
    QStringList slidePaths() const { return m_slides->paths(); }
    QStringList fileKeys() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    Settings m_settings;
    ScriptedInteraction m_interaction;
    RecordingHints m_hints;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<SlideListModel> m_slides;
    SlideListView *m_slideView = nullptr;
    FileListView *m_files = nullptr;
    std::unique_ptr<ShellFileCommands> m_commands;
};

void TestShellFileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    useTemporaryHome(*m_dir);
    QVERIFY(QDir().mkpath(path("dest")));
    m_interaction = ScriptedInteraction();
    m_hints = RecordingHints();
    m_slides = std::make_unique<SlideListModel>();
    for (const char *name : {"a.jpg", "b.jpg", "c.bmp", "d.jpg", "e.jpg"}) {
        const QString file = path(QStringLiteral("src/") + QString::fromLatin1(name));
        writeFile(file, 100);
        m_slides->addEntry(file, file, QStringLiteral("       100"));
    }
    writeFile(path("other/a.jpg"), 5);
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_slideView = new SlideListView(*m_slides, m_hints);
    m_files = new FileListView(m_settings, m_interaction, m_hints);
    layout->addWidget(m_slideView);
    layout->addWidget(m_files);
    m_commands = std::make_unique<ShellFileCommands>(*m_slides, *m_files, m_interaction, m_hints);
    // Wired as the main window wires them.
    connect(m_commands.get(), &ShellFileCommands::folderQuestionClosed, m_slideView,
            [this] { m_slideView->setFocus(); });
    connect(m_commands.get(), &ShellFileCommands::listsReconciled, m_slideView,
            &SlideListView::showListCount);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QVERIFY(showFolderFilesNow(*m_files, path("src")));
    m_files->setFocus();
}

void TestShellFileCommands::cleanup()
{
    m_commands.reset();
    m_window.reset();
    m_slides.reset();
    m_dir.reset();
}

void TestShellFileCommands::select(const QList<int> &rows)
{
    m_slideView->clearSelection();
    for (int row : rows) {
        m_slideView->selectionModel()->select(
            m_slides->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void TestShellFileCommands::run(const char *command)
{
    const QStringList paths = m_slideView->selectedEntries();
    if (qstrcmp(command, "move") == 0)
        m_commands->moveFiles(paths);
    else if (qstrcmp(command, "copy") == 0)
        m_commands->copyFiles(paths);
    else
        m_commands->deleteFiles(paths);
}

QStringList TestShellFileCommands::fileKeys() const
{
    QStringList keys;
    const QVector<FileListEntry> entries = m_files->allEntries();
    for (const FileListEntry &entry : entries)
        keys.append(entry.key);
    return keys;
}

// Two of five deleted: both files in the trash, both rows gone, the count hint follows.
void TestShellFileCommands::deleteTwoOfFive()
{
    select({1, 3});
    m_interaction.answers.enqueue(Interaction::Answer::Yes);
    run("delete");
    QVERIFY(!QFileInfo::exists(path("src/b.jpg")));
    QVERIFY(!QFileInfo::exists(path("src/d.jpg")));
    QCOMPARE(slidePaths(), (QStringList{path("src/a.jpg"), path("src/c.bmp"), path("src/e.jpg")}));
    QCOMPARE(fileKeys(), slidePaths());
    QCOMPARE(m_hints.hint(), QStringLiteral("リストに 3枚の画像があります。"));
    QCOMPARE(m_interaction.callsOf(QStringLiteral("message")).size(), 1);
    QVERIFY(m_files->hasFocus());
}

// Declining the trash question is no failure: nothing changes, nothing is reported.
void TestShellFileCommands::deleteDeclined()
{
    select({0});
    m_interaction.answers.enqueue(Interaction::Answer::No);
    run("delete");
    QVERIFY(QFileInfo::exists(path("src/a.jpg")));
    QCOMPARE(m_slides->entryCount(), 5);
    QCOMPARE(m_files->entryCount(), 5);
    QCOMPARE(m_interaction.callsOf(QStringLiteral("message")).size(), 1);
}

// A delete that fails for one file names it and the reason, and the files that did go leave
// the lists; a file of the same name in another folder keeps its row.
void TestShellFileCommands::deleteFailedPartly()
{
    QVERIFY(showFolderFilesNow(*m_files, path("other")));
    m_slides->addEntry(path("other/a.jpg"), QStringLiteral("a.jpg"), QStringLiteral("5"));
    QVERIFY(QFile::remove(path("src/c.bmp")));
    select({0, 2});
    m_interaction.answers.enqueue(Interaction::Answer::Yes);
    run("delete");
    const auto told = m_interaction.callsOf(QStringLiteral("skipOrCancel"));
    QCOMPARE(told.size(), 1);
    QCOMPARE(
        told.last().text,
        QStringLiteral("'c.bmp' をごみ箱に移動できません。\n\n元のファイルが見つかりません。"));
    QCOMPARE(told.last().title, QStringLiteral("ファイルの削除エラー"));
    QVERIFY(!QFileInfo::exists(path("src/a.jpg")));
    QCOMPARE(m_slides->findEntry(path("src/a.jpg")), 0);
    QVERIFY(m_slides->findEntry(path("other/a.jpg")) > 0);
    QCOMPARE(fileKeys(), QStringList{path("other/a.jpg")});
}

// Moved files leave both lists; the focus goes back to the slide list.
void TestShellFileCommands::moveReconcilesBothLists()
{
    select({0, 4});
    m_interaction.fileNames.enqueue(path("dest"));
    run("move");
    const auto pickers = m_interaction.callsOf(QStringLiteral("folder"));
    QCOMPARE(pickers.size(), 1);
    QCOMPARE(pickers.first().text, QStringLiteral("ﾌｧｲﾙの移動先"));
    QVERIFY(QFileInfo::exists(path("dest/a.jpg")));
    QVERIFY(QFileInfo::exists(path("dest/e.jpg")));
    QCOMPARE(slidePaths(), (QStringList{path("src/b.jpg"), path("src/c.bmp"), path("src/d.jpg")}));
    QCOMPARE(fileKeys(), slidePaths());
    QCOMPARE(m_hints.hint(), QStringLiteral("リストに 3枚の画像があります。"));
    QTRY_VERIFY(m_slideView->hasFocus());
}

// A file kept because its overwrite was declined stays listed; the moved one leaves.
void TestShellFileCommands::moveWithOverwriteDeclined()
{
    writeFile(path("dest/b.jpg"), 7);
    select({0, 1});
    m_interaction.fileNames.enqueue(path("dest"));
    m_interaction.answers.enqueue(Interaction::Answer::No);
    run("move");
    QCOMPARE(m_interaction.callsOf(QStringLiteral("overwrite")).size(), 1);
    QCOMPARE(QFileInfo(path("dest/b.jpg")).size(), 7);
    QCOMPARE(m_slides->findEntry(path("src/a.jpg")), 0);
    QVERIFY(m_slides->findEntry(path("src/b.jpg")) > 0);
    QCOMPARE(m_files->fileModel().rowOfKey(path("src/a.jpg")), -1);
    QVERIFY(m_files->fileModel().rowOfKey(path("src/b.jpg")) >= 0);
    QCOMPARE(m_slides->entryCount(), 4);
}

// Copies arrive; neither list changes.
void TestShellFileCommands::copyLeavesListsAlone()
{
    select({0, 2, 4});
    m_interaction.fileNames.enqueue(path("dest"));
    run("copy");
    QCOMPARE(m_interaction.callsOf(QStringLiteral("folder")).first().text,
             QStringLiteral("ﾌｧｲﾙのｺﾋﾟｰ先"));
    for (const char *name : {"a.jpg", "c.bmp", "e.jpg"}) {
        QVERIFY(QFileInfo::exists(path(QStringLiteral("dest/") + QString::fromLatin1(name))));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("src/") + QString::fromLatin1(name))));
    }
    QCOMPARE(m_slides->entryCount(), 5);
    QCOMPARE(m_files->entryCount(), 5);
    QTRY_VERIFY(m_slideView->hasFocus());
}

void TestShellFileCommands::stoppedAtAFailure_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Interaction::Answer>("answer");
    QTest::addColumn<QStringList>("arrived");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("move: skipped, the others leave the lists")
        << "move" << Interaction::Answer::Skip << QStringList{"a.jpg", "d.jpg"}
        << QStringList{"src/b.jpg", "src/e.jpg"};
    QTest::newRow("move: cancelled, the rest stays listed")
        << "move" << Interaction::Answer::Cancel << QStringList{"a.jpg"}
        << QStringList{"src/b.jpg", "src/d.jpg", "src/e.jpg"};
    QTest::newRow("copy: cancelled, the lists stay")
        << "copy" << Interaction::Answer::Cancel << QStringList{"a.jpg"}
        << QStringList{"src/a.jpg", "src/b.jpg", "src/c.bmp", "src/d.jpg", "src/e.jpg"};
    QTest::newRow("delete: cancelled, the trashed one leaves the lists")
        << "delete" << Interaction::Answer::Cancel << QStringList{}
        << QStringList{"src/b.jpg", "src/d.jpg", "src/e.jpg"};
}

// A file that vanished in the middle is reported; skipping goes on, cancelling leaves the rest,
// and the lists keep only the files still where they were.
void TestShellFileCommands::stoppedAtAFailure()
{
    QFETCH(QString, command);
    QFETCH(Interaction::Answer, answer);
    QFETCH(QStringList, arrived);
    QFETCH(QStringList, listed);
    QVERIFY(QFile::remove(path("src/c.bmp")));
    select({0, 2, 3});
    m_interaction.fileNames.enqueue(path("dest"));
    if (command == QLatin1String("delete"))
        m_interaction.answers.enqueue(Interaction::Answer::Yes);
    m_interaction.answers.enqueue(answer);
    run(command.toLatin1().constData());
    const auto told = m_interaction.callsOf(QStringLiteral("skipOrCancel"));
    QCOMPARE(told.size(), 1);
    QVERIFY(told.first().text.startsWith(QStringLiteral("'c.bmp' ")));
    QCOMPARE(QDir(path("dest")).entryList(QDir::Files | QDir::Hidden), arrived);
    QStringList expected;
    for (const QString &each : std::as_const(listed))
        expected.append(path(each));
    QCOMPARE(slidePaths(), expected);
    if (command != QLatin1String("copy"))
        QCOMPARE(m_hints.hint(),
                 QStringLiteral("リストに %1枚の画像があります。").arg(listed.size()));
}

// Work that lasts shows the dialog, which names the file and counts files and bytes; its
// Cancel stops the work, and the status bar's progress bar follows and is reset at the end.
void TestShellFileCommands::progressDialogCancels()
{
    m_hints = RecordingHints();
    FileWorkRunner runner(m_interaction, m_hints, *m_window);
    runner.setDialogDelay(0);
    QString shownText;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto *dialog = m_window->findChild<QProgressDialog *>(QStringLiteral("fileWorkDialog"));
        if (!dialog || !dialog->isVisible() || !dialog->labelText().contains(u"1 / 3"_qs))
            return;
        shownText = dialog->labelText();
        dialog->findChild<QPushButton *>()->click();
    });
    watcher.start(10);
    const ShellResult result =
        runner.run(QStringLiteral("title"), [](Interaction &, FileWorkProgress &progress) {
            progress.begin(3, 3 << 20);
            progress.startFile(QStringLiteral("海.jpg"));
            progress.finishFile(1 << 20);
            while (!progress.cancelled())
                std::this_thread::yield();
            return ShellResult::Failed;
        });
    QCOMPARE(result, ShellResult::Failed);
    const QLocale locale;
    QCOMPARE(shownText,
             QStringLiteral("海.jpg\n1 / 3 個のファイル (%1 / %2)")
                 .arg(locale.formattedDataSize(1 << 20), locale.formattedDataSize(3 << 20)));
    QCOMPARE(m_hints.progressMaximum, 3);
    QCOMPARE(m_hints.progressPeak, 1);
    QCOMPARE(m_hints.progressValue, 0);
}

// With nothing selected the picker still opens, then nothing happens; delete asks nothing.
void TestShellFileCommands::nothingSelected()
{
    select({});
    m_interaction.fileNames.enqueue(path("dest"));
    run("move");
    QCOMPARE(m_interaction.callsOf(QStringLiteral("folder")).size(), 1);
    run("delete");
    QCOMPARE(m_interaction.calls.size(), 1);
    QVERIFY(QDir(path("dest")).isEmpty());
    QCOMPARE(m_slides->entryCount(), 5);
}

// Cancelling the picker changes nothing but still returns the focus to the slide list.
void TestShellFileCommands::pickerCancelled()
{
    select({0});
    run("move");
    QCOMPARE(m_interaction.callsOf(QStringLiteral("folder")).size(), 1);
    QVERIFY(QFileInfo::exists(path("src/a.jpg")));
    QCOMPARE(m_slides->entryCount(), 5);
    QTRY_VERIFY(m_slideView->hasFocus());
}

QTEST_MAIN(TestShellFileCommands)
#include "tst_shellfilecommands.moc"
