// SPDX-License-Identifier: GPL-3.0-or-later
#include "../mainwindow/mainwindowfixture.h"

#include "core/slidelist/slidelistmodel.h"
#include "ui/browser/filelistview.h"
#include "ui/mainwindow/previewpane.h"

#include <QImage>
#include <QItemSelectionModel>
#include <QTreeView>

#include <algorithm>

class TstListFocusRestore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void multipleFileSelectionSurvives_data();
    void multipleFileSelectionSurvives();

private:
    QList<int> selectedFileRows() const;

    std::unique_ptr<MainWindowFixture> m_f;
};

void TstListFocusRestore::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    QVERIFY(m_f->open());
}

void TstListFocusRestore::cleanup()
{
    m_f.reset();
}

QList<int> TstListFocusRestore::selectedFileRows() const
{
    QList<int> rows;
    const QModelIndexList selected =
        m_f->find<FileListView>(QStringLiteral("fileList"))->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Coming back from a dialog selects the file list's item anew without dropping the rest of
// a multiple selection; the list that had the focus gets it back.
void TstListFocusRestore::multipleFileSelectionSurvives_data()
{
    QTest::addColumn<QString>("lastFocus");
    QTest::newRow("the file list had the focus") << QStringLiteral("fileList");
    QTest::newRow("the slide list had the focus") << QStringLiteral("slideList");
}

void TstListFocusRestore::multipleFileSelectionSurvives()
{
    QFETCH(QString, lastFocus);
    QImage image(QSize(6, 6), QImage::Format_RGB32);
    image.fill(Qt::yellow);
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
        QVERIFY(image.save(m_f->home.filePath(QString::fromLatin1(name)), "JPG"));
    auto *files = m_f->find<FileListView>(QStringLiteral("fileList"));
    files->showFolderFiles(m_f->home.path());
    QTRY_VERIFY(!files->isListing());
    QCOMPARE(files->entryCount(), 3);
    files->selectionModel()->select(files->model()->index(0, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    files->selectionModel()->setCurrentIndex(
        files->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auto *slides = m_f->find<QTreeView>(QStringLiteral("slideList"));
    auto *model = static_cast<SlideListModel *>(slides->model());
    QVERIFY(model->addEntry(files->fileModel().entryAt(1).key, QStringLiteral("b.jpg"),
                            QStringLiteral("1")));
    m_f->settings.lastFocusList = lastFocus;
    m_f->settings.restoreListFocus = true;

    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_f->window.get()));

    QCOMPARE(selectedFileRows(), (QList<int>{0, 2}));
    QCOMPARE(files->currentIndex().row(), 2);
    const bool fileList = lastFocus == QLatin1String("fileList");
    QCOMPARE(QApplication::focusWidget(), fileList ? static_cast<QWidget *>(files) : slides);
    if (fileList)
        QTRY_COMPARE(m_f->find<PreviewPane>(QStringLiteral("previewPane"))->tag(),
                     files->fileModel().entryAt(2).key);
    QVERIFY(!m_f->settings.restoreListFocus);
}

QTEST_MAIN(TstListFocusRestore)
#include "tst_listfocusrestore.moc"
