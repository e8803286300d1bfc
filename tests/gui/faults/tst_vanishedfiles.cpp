// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "faultwindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <optional>

namespace {

const QString ListedSize = QStringLiteral("       100");

} // namespace

// Folders and pictures removed from the disk after the program listed them: previews,
// adding and listing again go on without a crash. Adding from the file list takes the rows
// as they were listed; a folder drop reads the disk and leaves the missing pictures out.
class TestVanishedFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void previewOfRemovedPicture_data() { addRemovals(); }
    void previewOfRemovedPicture();
    void addingListedRows_data();
    void addingListedRows();
    void listingAgain_data() { addRemovals(); }
    void listingAgain();
    void treeNodeOfRemovedFolder();
    void folderDropReadsTheDisk_data();
    void folderDropReadsTheDisk();

private:
    static void addRemovals();
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    void remove(const QString &what);
    QStringList listed() const { return {path("vol/shown/a.jpg"), path("vol/shown/b.bmp")}; }

    std::optional<QTemporaryDir> m_dir;
    std::unique_ptr<FaultWindow> m_window;
};

void TestVanishedFiles::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
    QVERIFY(QDir().mkpath(path("vol/shown/sub")));
    writeFile(path("vol/shown/a.jpg"), 100);
    writeFile(path("vol/shown/b.bmp"), 100);
    writeFile(path("vol/other/c.jpg"), 100);
    m_window = std::make_unique<FaultWindow>(path("vol"));
    QVERIFY(QTest::qWaitForWindowActive(&m_window->window));
    QVERIFY(showFolderFilesNow(*m_window->files, path("vol/shown")));
    QCOMPARE(m_window->files->entryCount(), 2);
}

void TestVanishedFiles::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void TestVanishedFiles::addRemovals()
{
    QTest::addColumn<QString>("removed");
    QTest::newRow("shown folder removed") << QStringLiteral("folder");
    QTest::newRow("listed picture removed") << QStringLiteral("picture");
}

void TestVanishedFiles::remove(const QString &what)
{
    if (what == QLatin1String("folder"))
        QVERIFY(QDir(path("vol/shown")).removeRecursively());
    else
        QVERIFY(QFile::remove(path("vol/shown/a.jpg")));
}

// Clicking a row whose file is gone says the file was not found and shows nothing.
void TestVanishedFiles::previewOfRemovedPicture()
{
    QFETCH(QString, removed);
    remove(removed);
    FileListView &files = *m_window->files;
    const QRect row = files.visualRect(files.model()->index(0, 0));
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(files.currentKey(), path("vol/shown/a.jpg"));
    const QVector<ScriptedInteraction::Call> told =
        m_window->interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().style, MessageStyle::Information);
    QVERIFY(m_window->preview->pictureRect().isEmpty());
    QVERIFY(m_window->preview->tag().isEmpty());
}

void TestVanishedFiles::addingListedRows_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("way");
    for (const char *removed : {"folder", "picture"}) {
        for (const char *way : {"add selected", "add all", "drag"}) {
            QTest::addRow("%s removed, then %s", removed, way)
                << QString::fromLatin1(removed) << QString::fromLatin1(way);
        }
    }
}

// The edit commands and a file-list drag add the rows as listed, without looking at the disk
// again: paths and size texts come from the file list.
void TestVanishedFiles::addingListedRows()
{
    QFETCH(QString, removed);
    QFETCH(QString, way);
    remove(removed);
    FileListView &files = *m_window->files;
    files.setFocus();
    files.selectAll();
    if (way == QLatin1String("add selected"))
        m_window->addFileListPictures(false);
    else if (way == QLatin1String("add all"))
        m_window->addFileListPictures(true);
    else
        m_window->dragFileListSelection();
    QTRY_VERIFY(!m_window->edit->drop().hasPendingDrop());
    QCOMPARE(m_window->model.paths(), listed());
    QCOMPARE(m_window->model.entryAt(1).sizeText, ListedSize);
    QCOMPARE(m_window->model.entryAt(2).sizeText, ListedSize);
    QVERIFY(m_window->document.listModified);
    QVERIFY(m_window->interaction.calls.isEmpty());
}

// Listing the folder again shows what is left, or nothing; the hint is the folder's path.
void TestVanishedFiles::listingAgain()
{
    QFETCH(QString, removed);
    remove(removed);
    QVERIFY(showFolderFilesNow(*m_window->files, path("vol/shown")));
    QCOMPARE(m_window->files->entryCount(), removed == QLatin1String("folder") ? 0 : 1);
    QCOMPARE(m_window->hints.hint(), path("vol/shown"));
    QVERIFY(m_window->interaction.calls.isEmpty());
}

// A tree node whose folder was removed: expanding finds nothing and leaves no expand button,
// clicking it lists nothing.
void TestVanishedFiles::treeNodeOfRemovedFolder()
{
    QTreeWidgetItem *shown = m_window->node(path("vol/shown"));
    QVERIFY(shown);
    QCOMPARE(shown->childCount(), 1);
    remove(QStringLiteral("folder"));
    QVERIFY(expandNow(*m_window->tree, shown));
    QCOMPARE(shown->childCount(), 0);
    FolderTreeView &tree = *m_window->tree;
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(shown).center());
    QTRY_VERIFY(!m_window->files->isListing());
    QCOMPARE(m_window->files->entryCount(), 0);
    QCOMPARE(m_window->hints.hint(), path("vol/shown"));
    QVERIFY(m_window->interaction.calls.isEmpty());
}

void TestVanishedFiles::folderDropReadsTheDisk_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<bool>("fromDesktop");
    QTest::addColumn<QStringList>("added");
    const QStringList rest{QStringLiteral("vol/shown/b.bmp")};
    QTest::newRow("removed folder dragged from the tree") << "folder" << false << QStringList();
    QTest::newRow("removed folder dropped from the desktop") << "folder" << true << QStringList();
    QTest::newRow("folder with a removed picture dragged from the tree")
        << "picture" << false << rest;
    QTest::newRow("folder with a removed picture dropped from the desktop")
        << "picture" << true << rest;
}

// A folder drop lists the folder when it happens: what is gone is not added.
void TestVanishedFiles::folderDropReadsTheDisk()
{
    QFETCH(QString, removed);
    QFETCH(bool, fromDesktop);
    QFETCH(QStringList, added);
    remove(removed);
    if (fromDesktop)
        m_window->dropFromDesktop({path("vol/shown")});
    else
        m_window->dropTreeFolder(path("vol/shown"));
    QStringList expected;
    for (const QString &each : std::as_const(added))
        expected.append(path(each));
    QCOMPARE(m_window->model.paths(), expected);
    QVERIFY(m_window->interaction.calls.isEmpty());
}

QTEST_MAIN(TestVanishedFiles)
#include "tst_vanishedfiles.moc"
