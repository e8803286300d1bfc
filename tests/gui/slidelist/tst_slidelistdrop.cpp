// SPDX-License-Identifier: GPL-3.0-or-later
#include "../mainwindow/mainwindowfixture.h"
#include "droptestsupport.h"

#include "core/slidelist/slidelistmodel.h"

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

private:
    void drop(const QMimeData &mime);
    QString make(const QString &relative, qint64 bytes = 0) const;
    QStringList listed() const { return model()->paths(); }
    SlideListModel *model() const { return qobject_cast<SlideListModel *>(m_view->model()); }

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
    MainWindowFixture::focus(m_f->find<QWidget>(QStringLiteral("folderTree")));
}

void TestSlideListDrop::cleanup()
{
    m_f.reset();
    m_pictures.reset();
}

void TestSlideListDrop::drop(const QMimeData &mime)
{
    QCOMPARE(DropTest::dropOn(m_view->viewport(), mime), Qt::CopyAction);
    QCoreApplication::processEvents();
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

QTEST_MAIN(TestSlideListDrop)
#include "tst_slidelistdrop.moc"
