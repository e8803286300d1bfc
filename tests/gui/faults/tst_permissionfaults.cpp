// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "faultwindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <optional>

// Folders and files the user may not read or change, met in the tree, the file list, a folder
// drop and the slide list's file commands: no crash, no question, and the rest goes on.
// The process gives up root first, so that permissions apply on build machines too.
class TestPermissionFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void treeNodeLockedAfterListing_data() { addLocks(); }
    void treeNodeLockedAfterListing();
    void treeNodeLockedBeforeListing_data() { addLocks(); }
    void treeNodeLockedBeforeListing();
    void fileListOfLockedFolder_data() { addLocks(); }
    void fileListOfLockedFolder();
    void folderDropSkipsLockedFolder_data();
    void folderDropSkipsLockedFolder();
    void popUpCommandsOnLockedFolders_data();
    void popUpCommandsOnLockedFolders();

private:
    static void addLocks();
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    void lock(const QString &relative, int mode);
    void picture(const QString &relative) { writeFile(path(relative), 100); }

    bool m_permissionsApply = false;
    std::optional<QTemporaryDir> m_dir;
    QStringList m_locked;
    std::unique_ptr<FaultWindow> m_window;
};

void TestPermissionFaults::initTestCase()
{
    m_permissionsApply = Faults::dropRoot();
}

void TestPermissionFaults::init()
{
    if (!m_permissionsApply)
        QSKIP("permissions do not stop this user and it cannot become another");
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
    for (const char *folder : {"vol/locked/sub1", "vol/locked/sub2", "vol/open/inner", "vol/A"})
        QVERIFY(QDir().mkpath(path(QString::fromLatin1(folder))));
    picture(QStringLiteral("vol/locked/in.jpg"));
    picture(QStringLiteral("vol/open/out.jpg"));
    m_window = std::make_unique<FaultWindow>(path("vol"));
    QVERIFY(QTest::qWaitForWindowExposed(&m_window->window));
}

void TestPermissionFaults::cleanup()
{
    m_window.reset();
    for (const QString &folder : std::as_const(m_locked))
        Faults::setMode(folder, 0755);
    m_locked.clear();
    m_dir.reset();
}

void TestPermissionFaults::addLocks()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("folder that cannot be read") << 0300;
    QTest::newRow("folder that cannot be entered") << 0600;
    QTest::newRow("folder closed to everything") << 0;
}

void TestPermissionFaults::lock(const QString &relative, int mode)
{
    m_locked.prepend(path(relative));
    QVERIFY(Faults::setMode(path(relative), mode_t(mode)));
}

// A folder that was listed with subfolders and then locked: expanding it adds nothing and
// leaves no expand button behind.
void TestPermissionFaults::treeNodeLockedAfterListing()
{
    QFETCH(int, mode);
    QTreeWidgetItem *locked = m_window->node(path("vol/locked"));
    QVERIFY(locked);
    QCOMPARE(locked->childCount(), 1);
    lock(QStringLiteral("vol/locked"), mode);
    QVERIFY(expandNow(*m_window->tree, locked));
    QCOMPARE(locked->childCount(), 0);
    QVERIFY(!m_window->tree->model()->hasChildren(m_window->tree->nodeIndex(locked)));
    QVERIFY(m_window->interaction.calls.isEmpty());
}

// A locked folder met while its parent is read is shown. When it cannot even be listed it
// gets no expand button; when it can, opening it finds nothing and the button goes.
void TestPermissionFaults::treeNodeLockedBeforeListing()
{
    QFETCH(int, mode);
    QVERIFY(QDir().mkpath(path("vol/A/locked/sub")));
    lock(QStringLiteral("vol/A/locked"), mode);
    QTreeWidgetItem *a = m_window->node(path("vol/A"));
    QVERIFY(expandNow(*m_window->tree, a));
    QCOMPARE(m_window->childTexts(a), QStringList{QStringLiteral("locked")});
    QTreeWidgetItem *locked = a->child(0);
    const bool listable = (mode & 0400) != 0;
    QCOMPARE(locked->childCount(), listable ? 1 : 0);
    QVERIFY(expandNow(*m_window->tree, locked));
    QCOMPARE(locked->childCount(), 0);
    QVERIFY(!m_window->tree->model()->hasChildren(m_window->tree->nodeIndex(locked)));
    QVERIFY(m_window->interaction.calls.isEmpty());
}

// Listing a locked folder gives an empty list and the folder's path as the hint, silently.
void TestPermissionFaults::fileListOfLockedFolder()
{
    QFETCH(int, mode);
    QVERIFY(showFolderFilesNow(*m_window->files, path("vol/open")));
    QCOMPARE(m_window->files->entryCount(), 1);
    lock(QStringLiteral("vol/locked"), mode);
    QVERIFY(showFolderFilesNow(*m_window->files, path("vol/locked")));
    QCOMPARE(m_window->files->entryCount(), 0);
    QCOMPARE(m_window->hints.hint(), path("vol/locked"));
    QCOMPARE(m_window->hints.progressValue, 0);
    QVERIFY(m_window->interaction.calls.isEmpty());
}

void TestPermissionFaults::folderDropSkipsLockedFolder_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("fromDesktop");
    for (const bool desktop : {false, true}) {
        const char *source = desktop ? "dropped from the desktop" : "dragged from the tree";
        QTest::addRow("folder that cannot be read, %s", source) << 0300 << desktop;
        QTest::addRow("folder that cannot be entered, %s", source) << 0600 << desktop;
        QTest::addRow("folder closed to everything, %s", source) << 0 << desktop;
    }
}

// A dropped folder with a locked subfolder: the locked one and all below it add nothing, the
// pictures of every other folder are added.
void TestPermissionFaults::folderDropSkipsLockedFolder()
{
    QFETCH(int, mode);
    QFETCH(bool, fromDesktop);
    picture(QStringLiteral("vol/top.jpg"));
    picture(QStringLiteral("vol/locked/sub1/deep.jpg"));
    picture(QStringLiteral("vol/open/inner/deeper.bmp"));
    lock(QStringLiteral("vol/locked"), mode);
    if (fromDesktop)
        m_window->dropFromDesktop({path("vol")});
    else
        m_window->dropTreeFolder(path("vol"));
    QCOMPARE(m_window->model.paths(), (QStringList{path("vol/top.jpg"), path("vol/open/out.jpg"),
                                                   path("vol/open/inner/deeper.bmp")}));
    QVERIFY(m_window->document.listModified);
    QVERIFY(m_window->interaction.calls.isEmpty());
}

void TestPermissionFaults::popUpCommandsOnLockedFolders_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("locked");
    QTest::addColumn<QString>("title");
    QTest::newRow("move into a read-only folder")
        << QStringLiteral("move") << QStringLiteral("vol/A")
        << QStringLiteral("ファイルの移動エラー");
    QTest::newRow("copy into a read-only folder")
        << QStringLiteral("copy") << QStringLiteral("vol/A")
        << QStringLiteral("ファイルのコピーエラー");
    QTest::newRow("move out of a read-only folder")
        << QStringLiteral("move") << QStringLiteral("vol/open")
        << QStringLiteral("ファイルの移動エラー");
    QTest::newRow("delete from a read-only folder")
        << QStringLiteral("delete") << QStringLiteral("vol/open")
        << QStringLiteral("ファイルの削除エラー");
}

// Move, copy or delete refused by the file system: every file stays where it was, both
// lists keep their rows, and each file is reported with the reason.
void TestPermissionFaults::popUpCommandsOnLockedFolders()
{
    QFETCH(QString, command);
    QFETCH(QString, locked);
    QFETCH(QString, title);
    picture(QStringLiteral("vol/open/two.jpg"));
    const QStringList pictures{path("vol/open/out.jpg"), path("vol/open/two.jpg")};
    for (const QString &each : pictures)
        m_window->model.addEntry(each, each, QStringLiteral("       100"));
    m_window->slides->selectAll();
    QVERIFY(showFolderFilesNow(*m_window->files, path("vol/open")));
    lock(locked, 0555);
    m_window->interaction.fileNames << path("vol/A");
    if (command == QLatin1String("delete"))
        m_window->interaction.answers << Interaction::Answer::Yes;
    m_window->runShellCommand(command);
    QCOMPARE(m_window->model.paths(), pictures);
    QCOMPARE(m_window->files->entryCount(), 2);
    for (const QString &each : pictures)
        QVERIFY(QFileInfo(each).isFile());
    QVERIFY(QDir(path("vol/A")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(m_window->interaction.callsOf(QStringLiteral("message")).size(),
             command == QLatin1String("delete") ? 1 : 0);
    const QVector<ScriptedInteraction::Call> told =
        m_window->interaction.callsOf(QStringLiteral("skipOrCancel"));
    QCOMPARE(told.size(), 2);
    QVERIFY(told.first().text.startsWith(QStringLiteral("'out.jpg' ")));
    QVERIFY(told.last().text.endsWith(QStringLiteral("\n\nアクセスが拒否されました。")));
    QCOMPARE(told.last().title, title);
}

QTEST_MAIN(TestPermissionFaults)
#include "tst_permissionfaults.moc"
