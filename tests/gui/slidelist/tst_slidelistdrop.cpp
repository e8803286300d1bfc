// SPDX-License-Identifier: GPL-3.0-or-later
#include "../browser/browsertestsupport.h"
#include "../mainwindow/mainwindowfixture.h"
#include "droptestsupport.h"

#include "core/slidelist/slidelistmodel.h"
#include "ui/common/waitcue.h"
#include "ui/slidelist/slidelistdrop.h"

#include <QAbstractItemView>
#include <QAction>

namespace {

const QString ComputerKey = QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ");

} // namespace

// Drops onto the slide list of the real main window, as the tree and the desktop make them.
class TestSlideListDrop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void folderDropAddsFolderByFolder();
    void topNodeDropAddsNothing();
    void desktopDropAddsAnyFileAndWalksFolders();
    void editDeleteFollowsTheFocus();
    void dropThatHangs_data();
    void dropThatHangs();

private:
    void drop(const QMimeData &mime);
    QString make(const QString &relative, qint64 bytes = 0) const;
    QStringList listed() const { return model()->paths(); }
    SlideListModel *model() const { return qobject_cast<SlideListModel *>(m_view->model()); }
    SlideListDrop *drops() const
    {
        return m_f->find<SlideListDrop>(QStringLiteral("SlideListDrop"));
    }

    std::shared_ptr<HangingLister> m_lister;
    std::unique_ptr<MainWindowFixture> m_f;
    std::unique_ptr<QTemporaryDir> m_pictures;
    QAbstractItemView *m_view = nullptr;
};

void TestSlideListDrop::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->open());
    m_pictures = std::make_unique<QTemporaryDir>();
    m_view = m_f->find<QAbstractItemView>(QStringLiteral("slideList"));
    QVERIFY(m_view);
    m_lister = std::make_shared<HangingLister>();
    QVERIFY(drops());
    drops()->setDirectoryLister(m_lister);
    MainWindowFixture::focus(m_f->find<QWidget>(QStringLiteral("folderTree")));
}

// Every walk has ended before the next test: none is left behind on a worker thread.
void TestSlideListDrop::cleanup()
{
    m_lister->releaseAll();
    m_f.reset();
    QTRY_COMPARE(m_lister.use_count(), 1L);
    m_pictures.reset();
}

void TestSlideListDrop::drop(const QMimeData &mime)
{
    QCOMPARE(DropTest::dropOn(m_view->viewport(), mime), Qt::CopyAction);
    QCoreApplication::processEvents();
    QTRY_VERIFY(!drops()->isWalking());
}

QString TestSlideListDrop::make(const QString &relative, qint64 bytes) const
{
    const QString path = m_pictures->filePath(relative);
    DropTest::writeFile(path, bytes);
    return path;
}

// A folder from the tree brings its pictures and those of every folder below it, folder by
// folder in sorted order, JPEG and bitmap files mixed in sorted order within a folder.
void TestSlideListDrop::folderDropAddsFolderByFolder()
{
    const QStringList expected{
        make(QStringLiteral("a.JPG")),       make(QStringLiteral("m.bmp")),
        make(QStringLiteral("z.jpg")),       make(QStringLiteral("A/x.bmp")),
        make(QStringLiteral("A/sub/1.jpg")), make(QStringLiteral("b/2.jpg"))};
    make(QStringLiteral(".hidden/h.jpg"));
    make(QStringLiteral("b/notes.txt"));
    const auto mime = DropTest::folderKeyData(ComputerKey + QLatin1Char('*') + m_pictures->path());
    drop(*mime);
    QCOMPARE(listed(), expected);
    QCOMPARE(model()->entryAt(2).icon, 2);
    QVERIFY(m_view->hasFocus());
    QCOMPARE(m_f->hint(), QStringLiteral("リストに 6枚の画像があります。"));

    drop(*mime);
    QCOMPARE(listed(), expected);
}

// The two top nodes name no folder: their drop adds nothing.
void TestSlideListDrop::topNodeDropAddsNothing()
{
    make(QStringLiteral("a.jpg"));
    QCOMPARE(DropTest::dropOn(m_view->viewport(), *DropTest::folderKeyData(ComputerKey)),
             Qt::IgnoreAction);
    QCOMPARE(model()->entryCount(), 0);
}

// Desktop files are added whatever their type and whatever the search options; folders (a
// "." in the name or not) are walked with the options; a file without "." is a file.
void TestSlideListDrop::desktopDropAddsAnyFileAndWalksFolders()
{
    m_f->settings.searchBmp = 0;
    const QString text = make(QStringLiteral("note.txt"), 3);
    const QString bitmap = make(QStringLiteral("pic.bmp"));
    const QString plain = make(QStringLiteral("README"));
    make(QStringLiteral("my.pics/q.bmp"));
    const QString walked = make(QStringLiteral("my.pics/r.jpg"));
    drop(*DropTest::uriListData(
        {text, bitmap, m_pictures->filePath(QStringLiteral("my.pics")), plain}));
    QCOMPARE(listed(), (QStringList{text, bitmap, walked, plain}));
    QCOMPARE(model()->entryAt(1).icon, 1);
    QCOMPARE(model()->entryAt(1).sizeText, QStringLiteral("         3"));
    QCOMPARE(model()->entryAt(2).icon, 2);
    QVERIFY(m_view->hasFocus());
}

// The Edit menu's delete acts only while the slide list has the focus.
void TestSlideListDrop::editDeleteFollowsTheFocus()
{
    const QString kept = make(QStringLiteral("a.jpg"));
    const QString gone = make(QStringLiteral("b.jpg"));
    drop(*DropTest::uriListData({kept, gone}));
    m_view->selectionModel()->select(model()->index(1, 0), QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
    QAction *deleteItem = m_f->find<QAction>(QStringLiteral("deleteEntriesAction"));
    QVERIFY(deleteItem);
    MainWindowFixture::focus(m_f->find<QWidget>(QStringLiteral("folderTree")));
    deleteItem->trigger();
    QCOMPARE(model()->entryCount(), 2);
    MainWindowFixture::focus(m_view);
    deleteItem->trigger();
    QCOMPARE(listed(), QStringList{kept});
}

// A dropped folder that hangs holds nothing else up: the wait cursor and text show after a
// moment, a later drop waits for it so that the pictures come in the order of the drops, and
// closing the window ends at once.
void TestSlideListDrop::dropThatHangs_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("released: the drops come in their order") << false;
    QTest::newRow("window closed: it ends at once") << true;
}

void TestSlideListDrop::dropThatHangs()
{
    QFETCH(bool, closeWindow);
    const QString slow = make(QStringLiteral("slow/s.jpg"));
    const QString fast = make(QStringLiteral("fast/f.jpg"));
    const QString slowFolder = m_pictures->filePath(QStringLiteral("slow"));
    drops()->waitCue().setDelay(1);
    m_lister->hang(slowFolder);
    DropTest::dropOn(m_view->viewport(), *DropTest::folderKeyData(ComputerKey + '*' + slowFolder));
    DropTest::dropOn(m_view->viewport(),
                     *DropTest::uriListData({m_pictures->filePath(QStringLiteral("fast"))}));
    QTRY_VERIFY(m_lister->isStuckIn(slowFolder));
    QTRY_VERIFY(drops()->waitCue().isShown());
    QCOMPARE(m_view->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(m_f->hint(), QStringLiteral("フォルダを読み込み中です。しばらくお待ちください。"));
    QTRY_COMPARE(m_lister.use_count(), 3L); // the window's, the test's and the hung walk's
    QCoreApplication::processEvents();
    QCOMPARE(model()->entryCount(), 0);
    if (closeWindow)
        m_f.reset();
    m_lister->release(slowFolder);
    if (closeWindow)
        return;
    QTRY_VERIFY(!drops()->isWalking());
    QCOMPARE(listed(), (QStringList{slow, fast}));
    QCOMPARE(m_view->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestSlideListDrop)
#include "tst_slidelistdrop.moc"
