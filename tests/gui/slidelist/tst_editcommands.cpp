// SPDX-License-Identifier: GPL-3.0-or-later
#include "droptestsupport.h"

#include "core/browser/filedragtext.h"
#include "core/common/statushints.h"
#include "core/settings/settings.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/urilist.h"
#include "scriptedinteraction.h"
#include "ui/browser/filelistview.h"
#include "ui/slidelist/editcommands.h"
#include "ui/slidelist/slidelistdrop.h"
#include "ui/slidelist/slidelistview.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

class RecordingHints : public StatusHints {
public:
    QString text;
    int maximum = -1;
    int value = -1;
    void setHint(const QString &hint) override { text = hint; }
    QString hint() const override { return text; }
    void setProgressMaximum(int max) override { maximum = max; }
    void setProgressValue(int v) override { value = v; }
};

QStringList listedPaths(const SlideListModel &model)
{
    return model.paths();
}

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void deleteWithNothingSelectedSelectsLast();
    void deleteLeavesTheOthersInOrder();
    void clearAsksNothingAndStartsANewList_data();
    void clearAsksNothingAndStartsANewList();
    void addSelectedInFileListOrder();
    void addAllSkipsDuplicatesAndMarksModified();
    void fileListDropIsAddedOnFocus();
    void fileListDropOntoFocusedList();
    void selfDropDoesNothing();
    void dragOutCopiesFilesAndSelfDropIsIgnored();
    void staleFileListDragThenDesktopDrop();
    void dropIsCopyOnly_data();
    void dropIsCopyOnly();

private:
    void fillSlideList(int count);
    void fillFileList();
    void selectSlideRows(const QList<int> &rows);
    void selectFileRows(const QList<int> &rows);
    QDrag *dragRow(QAbstractItemView *view, int row);
    QString picture(const QString &name) const { return m_dir->filePath(name); }
    QList<int> selectedSlideRows() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    Settings m_settings;
    ScriptedInteraction m_interaction;
    RecordingHints m_hints;
    std::unique_ptr<SlideListModel> m_model;
    std::unique_ptr<ListDocument> m_document;
    std::unique_ptr<QWidget> m_window;
    SlideListView *m_slideView = nullptr;
    FileListView *m_fileList = nullptr;
    QLineEdit *m_other = nullptr;
    std::unique_ptr<EditCommands> m_edits;
};

void TestEditCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = Settings();
    m_interaction.calls.clear();
    m_hints = RecordingHints();
    m_model = std::make_unique<SlideListModel>();
    m_document = std::make_unique<ListDocument>();
    m_window = std::make_unique<QWidget>();
    auto *layout = new QHBoxLayout(m_window.get());
    m_fileList = new FileListView(m_settings, m_interaction, m_hints);
    m_slideView = new SlideListView(*m_model, m_hints);
    m_other = new QLineEdit;
    for (QWidget *widget : {static_cast<QWidget *>(m_fileList), static_cast<QWidget *>(m_slideView),
                            static_cast<QWidget *>(m_other)})
        layout->addWidget(widget);
    m_edits = std::make_unique<EditCommands>(*m_model, *m_document, m_settings, m_hints,
                                             *m_slideView, *m_fileList);
    m_window->resize(900, 400);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_other->setFocus();
}

void TestEditCommands::cleanup()
{
    m_edits.reset();
    m_window.reset();
    m_document.reset();
    m_model.reset();
}

void TestEditCommands::fillSlideList(int count)
{
    for (int i = 1; i <= count; ++i)
        m_model->addEntry(QStringLiteral("/p/%1.jpg").arg(i), QStringLiteral("%1.jpg").arg(i),
                          QStringLiteral("         1"));
}

// a.jpg (1,234 bytes), b.bmp and c.jpg, listed in that order.
void TestEditCommands::fillFileList()
{
    DropTest::writeFile(picture(QStringLiteral("a.jpg")), 1234);
    DropTest::writeFile(picture(QStringLiteral("b.bmp")), 10);
    DropTest::writeFile(picture(QStringLiteral("c.jpg")), 0);
    m_fileList->showFolderFiles(m_dir->path());
    QTRY_VERIFY(!m_fileList->isListing());
    QCOMPARE(m_fileList->entryCount(), 3);
}

void TestEditCommands::selectSlideRows(const QList<int> &rows)
{
    m_slideView->clearSelection();
    for (int row : rows)
        m_slideView->selectionModel()->select(
            m_model->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TestEditCommands::selectFileRows(const QList<int> &rows)
{
    m_fileList->clearSelection();
    for (int row : rows)
        m_fileList->selectionModel()->select(m_fileList->model()->index(row, 0),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
}

// Presses on row and moves a little way down, as a user starts a drag, then lets go where the
// drag began. Returns the drag that started (it lives until events are processed), nullptr when
// none did.
QDrag *TestEditCommands::dragRow(QAbstractItemView *view, int row)
{
    const QPoint start = view->visualRect(view->model()->index(row, 0)).center();
    QWidget *viewport = view->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    for (int step = 1; step <= 2; ++step) { // the first move arms the drag, the next starts it
        const QPoint at = start + QPoint(0, 20 * step);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(viewport->mapToGlobal(at)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, start);
    return view->findChild<QDrag *>();
}

QList<int> TestEditCommands::selectedSlideRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_slideView->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Deleting with nothing selected removes nothing and then selects the last entry.
void TestEditCommands::deleteWithNothingSelectedSelectsLast()
{
    fillSlideList(5);
    m_slideView->setFocus();
    m_document->listModified = true;
    m_edits->deleteSelectedEntries();
    QCOMPARE(m_model->entryCount(), 5);
    QCOMPARE(selectedSlideRows(), QList<int>{4});
    QVERIFY(m_slideView->hasFocus());
    QCOMPARE(m_hints.text, QString());
    QVERIFY(m_document->listModified);
}

// Deleting entries 2 and 3 of five leaves 1, 4 and 5, with 5 selected; not a modification.
void TestEditCommands::deleteLeavesTheOthersInOrder()
{
    fillSlideList(5);
    m_slideView->setFocus();
    selectSlideRows({1, 2});
    m_edits->deleteSelectedEntries();
    QCOMPARE(listedPaths(*m_model),
             (QStringList{QStringLiteral("/p/1.jpg"), QStringLiteral("/p/4.jpg"),
                          QStringLiteral("/p/5.jpg")}));
    QCOMPARE(selectedSlideRows(), QList<int>{2});
    QVERIFY(!m_document->listModified);
}

void TestEditCommands::clearAsksNothingAndStartsANewList_data()
{
    QTest::addColumn<bool>("listFocused");
    QTest::newRow("from the focused list") << true;
    QTest::newRow("from another control") << false;
}

// Clearing a modified, named list asks nothing; the list becomes UnNamed and unmodified.
void TestEditCommands::clearAsksNothingAndStartsANewList()
{
    QFETCH(bool, listFocused);
    fillSlideList(3);
    m_document->setNameAndPath(QStringLiteral("holiday"), QStringLiteral("/l/holiday.vrl"));
    m_document->listModified = true;
    (listFocused ? static_cast<QWidget *>(m_slideView) : m_other)->setFocus();
    QSignalSpy label(m_document.get(), &ListDocument::nameChanged);

    m_edits->clearList();
    QCOMPARE(m_model->entryCount(), 0);
    QVERIFY(m_interaction.calls.isEmpty());
    QCOMPARE(m_document->listName, QStringLiteral("UnNamed"));
    QCOMPARE(m_document->listPath, QString());
    QVERIFY(!m_document->listModified);
    QCOMPARE(label.count(), 1);
}

// Add-selected takes the file list's paths and size texts in its order, not selection order.
void TestEditCommands::addSelectedInFileListOrder()
{
    fillFileList();
    selectFileRows({2, 0});
    m_fileList->setFocus();
    m_edits->addFileListEntries(m_fileList->selectedEntries(), m_fileList->entryCount());
    QCOMPARE(listedPaths(*m_model),
             (QStringList{picture(QStringLiteral("a.jpg")), picture(QStringLiteral("c.jpg"))}));
    QCOMPARE(m_model->entryAt(1).sizeText, QStringLiteral("     1,234"));
    QVERIFY(m_document->listModified);
    QVERIFY(m_slideView->hasFocus());
    QCOMPARE(m_hints.text, QString());
    QCOMPARE(m_hints.maximum, 3);
    QCOMPARE(m_hints.value, 0);
}

// Add-all skips entries already listed and marks the list modified even when nothing is new.
void TestEditCommands::addAllSkipsDuplicatesAndMarksModified()
{
    fillFileList();
    m_model->addEntry(picture(QStringLiteral("b.bmp")), QString(), QString());
    m_other->setFocus();
    m_edits->addFileListEntries(m_fileList->allEntries(), m_fileList->entryCount());
    QCOMPARE(listedPaths(*m_model),
             (QStringList{picture(QStringLiteral("b.bmp")), picture(QStringLiteral("a.jpg")),
                          picture(QStringLiteral("c.jpg"))}));
    QCOMPARE(m_model->entryAt(2).icon, 1);
    m_document->listModified = false;
    m_edits->addFileListEntries(m_fileList->allEntries(), m_fileList->entryCount());
    QCOMPARE(m_model->entryCount(), 3);
    QVERIFY(m_document->listModified);
}

// A file-list drop is only stored; the list adds it when it gains the focus after the drop.
// The same drop twice adds once and marks the list modified both times.
void TestEditCommands::fileListDropIsAddedOnFocus()
{
    const QVector<FileDragRecord> records{
        {picture(QStringLiteral("a.jpg")), QStringLiteral("a.jpg"), QStringLiteral("     1,234")},
        {picture(QStringLiteral("b.bmp")), QStringLiteral("b.bmp"), QStringLiteral("        10")}};
    QMimeData mime;
    mime.setText(fileDragText(records));
    SlideListDrop &drop = m_edits->drop();
    for (int round = 0; round < 2; ++round) {
        m_other->setFocus();
        m_document->listModified = false;
        drop.receive(mime, m_fileList);
        QVERIFY(drop.hasPendingDrop());
        QVERIFY(m_document->listModified);
        QCOMPARE(m_model->entryCount(), round == 0 ? 0 : 2);
        QTRY_VERIFY(m_slideView->hasFocus());
        QVERIFY(!drop.hasPendingDrop());
        QCOMPARE(drop.pendingDropText(), QString());
        QCOMPARE(m_model->entryCount(), 2);
        QCOMPARE(m_model->entryAt(2).icon, 2);
        QCOMPARE(m_model->entryAt(2).sizeText, QStringLiteral("        10"));
        QCOMPARE(m_hints.text, QStringLiteral("リストに 2枚の画像があります。"));
    }
}

// A drop onto the list that already has the focus is added all the same.
void TestEditCommands::fileListDropOntoFocusedList()
{
    QMimeData mime;
    mime.setText(fileDragText({{picture(QStringLiteral("a.jpg")), {}, {}}}));
    m_slideView->setFocus();
    m_edits->drop().receive(mime, m_fileList->viewport());
    QTRY_COMPARE(m_model->entryCount(), 1);
    QCOMPARE(m_hints.text, QStringLiteral("リストに 1枚の画像があります。"));
}

// A drag that began in the slide list and ends on it changes nothing.
void TestEditCommands::selfDropDoesNothing()
{
    DropTest::writeFile(picture(QStringLiteral("a.jpg")));
    const auto mime = DropTest::uriListData({picture(QStringLiteral("a.jpg"))});
    mime->setText(fileDragText({{picture(QStringLiteral("a.jpg")), {}, {}}}));
    m_edits->drop().receive(*mime, m_slideView);
    m_edits->drop().receive(*mime, m_slideView->viewport());
    QCoreApplication::processEvents();
    QCOMPARE(m_model->entryCount(), 0);
    QVERIFY(!m_document->listModified);
    QVERIFY(!m_edits->drop().hasPendingDrop());
}

// Selected entries dragged out are their files, in list order, offered for copying only; that
// drag dropped back on the slide list changes nothing.
void TestEditCommands::dragOutCopiesFilesAndSelfDropIsIgnored()
{
    fillSlideList(4);
    selectSlideRows({2, 0});
    QDrag *drag = dragRow(m_slideView, 2);
    QVERIFY(drag);
    QCOMPARE(drag->supportedActions(), Qt::CopyAction);
    const QMimeData &mime = *drag->mimeData();
    QCOMPARE(mime.formats(), QStringList{QStringLiteral("text/uri-list")});
    QCOMPARE(localPathsFromUriList(mime.data(QStringLiteral("text/uri-list"))),
             (QStringList{QStringLiteral("/p/1.jpg"), QStringLiteral("/p/3.jpg")}));

    m_edits->drop().receive(mime, drag->source());
    QCoreApplication::processEvents();
    QCOMPARE(m_model->paths().size(), 4);
    QVERIFY(!m_document->listModified);
    QVERIFY(!m_edits->drop().isWalking());
    QCOMPARE(selectedSlideRows(), (QList<int>{0, 2}));
}

// A file-list drag that ended elsewhere leaves nothing behind: the next drop from the desktop
// is a desktop drop, and plain text from outside is not taken for the file list's drag text.
void TestEditCommands::staleFileListDragThenDesktopDrop()
{
    fillFileList();
    selectFileRows({0});
    QVERIFY(dragRow(m_fileList, 0)); // the drag ran and ended off the slide list

    const QString note = picture(QStringLiteral("note.txt"));
    DropTest::writeFile(note);
    QCOMPARE(DropTest::dropOn(m_slideView->viewport(), *DropTest::uriListData({note})),
             Qt::CopyAction);
    QTRY_COMPARE(listedPaths(*m_model), QStringList{note});
    QVERIFY(!m_edits->drop().hasPendingDrop());

    QMimeData text;
    text.setText(fileDragText({{picture(QStringLiteral("a.jpg")), {}, {}}}));
    QCOMPARE(DropTest::dropOn(m_slideView->viewport(), text), Qt::IgnoreAction);
    QCoreApplication::processEvents();
    QCOMPARE(m_model->entryCount(), 1);
    QVERIFY(!m_edits->drop().hasPendingDrop());
}

void TestEditCommands::dropIsCopyOnly_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("offered");
    QTest::addColumn<bool>("taken");
    QTest::newRow("a folder of the tree is taken") << "folder" << int(Qt::CopyAction) << true;
    QTest::newRow("a top node without a folder is refused")
        << "top" << int(Qt::CopyAction) << false;
    QTest::newRow("desktop files offered for moving are copied")
        << "desktop" << int(Qt::CopyAction | Qt::MoveAction) << true;
    QTest::newRow("desktop files that can only be moved are refused")
        << "desktop" << int(Qt::MoveAction) << false;
    QTest::newRow("plain text from outside is refused") << "text" << int(Qt::CopyAction) << false;
    QTest::newRow("links to other machines are refused")
        << "remote" << int(Qt::CopyAction) << false;
}

// The list only ever copies what is dropped, so no drag source deletes its files afterwards.
void TestEditCommands::dropIsCopyOnly()
{
    QFETCH(QString, kind);
    QFETCH(int, offered);
    QFETCH(bool, taken);
    DropTest::writeFile(picture(QStringLiteral("a.jpg")));
    std::unique_ptr<QMimeData> mime = std::make_unique<QMimeData>();
    if (kind == QLatin1String("folder"))
        mime = DropTest::folderKeyData(QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ*") + m_dir->path());
    else if (kind == QLatin1String("top"))
        mime = DropTest::folderKeyData(QStringLiteral("ﾏｲ ｺﾝﾋﾟｭｰﾀ"));
    else if (kind == QLatin1String("desktop"))
        mime = DropTest::uriListData({m_dir->path()});
    else if (kind == QLatin1String("remote"))
        mime->setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
    else
        mime->setText(fileDragText({{picture(QStringLiteral("a.jpg")), {}, {}}}));
    const Qt::DropAction action =
        DropTest::dropOn(m_slideView->viewport(), *mime, Qt::DropActions(offered));
    QCOMPARE(action, taken ? Qt::CopyAction : Qt::IgnoreAction);
    QCoreApplication::processEvents();
    QTRY_VERIFY(!m_edits->drop().isWalking());
    QCOMPARE(m_model->entryCount(), taken ? 1 : 0);
    QCOMPARE(m_document->listModified, taken);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
