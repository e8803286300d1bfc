// SPDX-License-Identifier: GPL-3.0-or-later
#include "browsertestsupport.h"
#include "core/settings/settings.h"
#include "scriptedinteraction.h"
#include "ui/browser/filelistview.h"
#include "ui/common/waitcue.h"

#include <QApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QSignalSpy>

class TestFileListView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void searchOptions_data();
    void searchOptions();
    void sizeColumn_data();
    void sizeColumn();
    void waitHintProgressAndPreviewReset();
    void headerClicksShareOneOrder();
    void previewOnRelease_data();
    void previewOnRelease();
    void focusHint();
    void dragCarriesTheSelection();
    void notReadyAsksRetryOrCancel_data();
    void notReadyAsksRetryOrCancel();
    void unformattedOffersFormat_data();
    void unformattedOffersFormat();
    void removeAndClear();
    void columnsPlacedOnce();
    void listingThatHangs_data();
    void listingThatHangs();

private:
    QStringList shownNames() const;
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    Settings m_settings;
    ScriptedInteraction m_interaction;
    RecordingHints m_hints;
    std::shared_ptr<HangingLister> m_lister;
    std::unique_ptr<FileListView> m_view;
};

void TestFileListView::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = Settings();
    m_interaction = ScriptedInteraction();
    m_hints = RecordingHints();
    m_lister = std::make_shared<HangingLister>();
    writeFile(path("b.jpg"), 1234);
    writeFile(path("A.bmp"), 0);
    writeFile(path("c.JPG"), 20);
    writeFile(path("IMG_0001.JPG"), 300);
    QVERIFY(QDir().mkpath(path("old.jpg")));
    m_view = std::make_unique<FileListView>(m_settings, m_interaction, m_hints);
    m_view->setDirectoryLister(m_lister);
    m_view->resize(400, 300);
}

// Every reading has ended before the next test: none is left behind on a worker thread.
void TestFileListView::cleanup()
{
    m_lister->releaseAll();
    m_view.reset();
    QTRY_COMPARE(m_lister.use_count(), 1L);
}

QStringList TestFileListView::shownNames() const
{
    QStringList names;
    const QVector<FileListEntry> entries = m_view->allEntries();
    for (const FileListEntry &entry : entries)
        names.append(entry.name);
    return names;
}

// Sorted by path without regard to case, pictures of both kinds interleaved; a folder
// named like a picture is left out; both options off list nothing.
void TestFileListView::searchOptions_data()
{
    QTest::addColumn<int>("jpeg");
    QTest::addColumn<int>("bitmap");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("both, interleaved")
        << 1 << 1 << QStringList{"A.bmp", "b.jpg", "c.JPG", "IMG_0001.JPG"};
    QTest::newRow("jpeg only, upper-case extensions too")
        << 1 << 0 << QStringList{"b.jpg", "c.JPG", "IMG_0001.JPG"};
    QTest::newRow("bitmap only") << 0 << 1 << QStringList{"A.bmp"};
    QTest::newRow("neither") << 0 << 0 << QStringList();
}

void TestFileListView::searchOptions()
{
    QFETCH(int, jpeg);
    QFETCH(int, bitmap);
    m_settings.searchJpg = qint16(jpeg);
    m_settings.searchBmp = qint16(bitmap);
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    QFETCH(QStringList, names);
    QCOMPARE(shownNames(), names);
    QCOMPARE(m_hints.hint(), m_dir->path());
    QCOMPARE(m_view->folder(), m_dir->path());
    QVERIFY(m_interaction.calls.isEmpty());
}

// Sizes fill ten characters; longer texts stay whole. Icons follow the display name.
void TestFileListView::sizeColumn_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("1234 bytes") << qint64(1234) << QStringLiteral("     1,234");
    QTest::newRow("empty file") << qint64(0) << QStringLiteral("         0");
    QTest::newRow("ten characters") << qint64(12'345'678) << QStringLiteral("12,345,678");
    QTest::newRow("eleven characters") << qint64(123'456'789) << QStringLiteral("123,456,789");
}

void TestFileListView::sizeColumn()
{
    QFETCH(qint64, size);
    const QString folder = path("sized");
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/p.bmp"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
    file.close();
    QVERIFY(showFolderFilesNow(*m_view, folder));
    QCOMPARE(m_view->entryCount(), 1);
    const FileListModel &model = m_view->fileModel();
    QFETCH(QString, text);
    QCOMPARE(model.data(model.index(0, FileListModel::SizeColumn)).toString(), text);
    QCOMPARE(model.entryAt(0).icon, 2);
    QCOMPARE(model.entryAt(0).key, folder + QStringLiteral("/p.bmp"));
}

// The wait text shows while the list fills; the progress counts every file; the preview
// is emptied once the list stands.
void TestFileListView::waitHintProgressAndPreviewReset()
{
    QSignalSpy cleared(m_view.get(), &FileListView::previewCleared);
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    const qsizetype wait =
        m_hints.hints.indexOf(QStringLiteral("ファイルを取得中です。しばらくお待ちください。"));
    QVERIFY(wait >= 0);
    QCOMPARE(m_hints.hints.mid(wait + 1), QStringList{m_dir->path()});
    QCOMPARE(m_hints.progressMaximum, 4);
    QCOMPARE(m_hints.progressValue, 0);
    QCOMPARE(m_hints.progressPeak, 4);
    QCOMPARE(cleared.count(), 1);

    m_settings.searchJpg = 0;
    m_settings.searchBmp = 0;
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    QCOMPARE(m_hints.progressMaximum, 1);
}

// Each header click reverses the one order, whichever column is clicked; the first click
// gives descending.
void TestFileListView::headerClicksShareOneOrder()
{
    m_view->show();
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    QHeaderView *header = m_view->header();
    auto clickHeader = [header](int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    clickHeader(FileListModel::SizeColumn);
    QCOMPARE(shownNames(), (QStringList{"b.jpg", "IMG_0001.JPG", "c.JPG", "A.bmp"}));
    clickHeader(FileListModel::SizeColumn);
    QCOMPARE(shownNames(), (QStringList{"A.bmp", "c.JPG", "IMG_0001.JPG", "b.jpg"}));
    clickHeader(FileListModel::NameColumn);
    QCOMPARE(shownNames(), (QStringList{"IMG_0001.JPG", "c.JPG", "b.jpg", "A.bmp"}));
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

// Releasing an arrow key or the left button previews, except with Shift alone held.
void TestFileListView::previewOnRelease_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("previews");
    QTest::newRow("down alone") << false << int(Qt::NoModifier) << true;
    QTest::newRow("down with shift") << false << int(Qt::ShiftModifier) << false;
    QTest::newRow("down with ctrl") << false << int(Qt::ControlModifier) << true;
    QTest::newRow("down with shift and ctrl")
        << false << int(Qt::ShiftModifier | Qt::ControlModifier) << true;
    QTest::newRow("click") << true << int(Qt::NoModifier) << true;
    QTest::newRow("click with shift") << true << int(Qt::ShiftModifier) << false;
    QTest::newRow("click with ctrl") << true << int(Qt::ControlModifier) << true;
}

void TestFileListView::previewOnRelease()
{
    QFETCH(bool, mouse);
    QFETCH(int, modifiers);
    m_view->show();
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    m_view->setCurrentIndex(m_view->fileModel().index(0, 0));
    QSignalSpy preview(m_view.get(), &FileListView::previewRequested);
    const auto mods = Qt::KeyboardModifiers(modifiers);
    if (mouse) {
        const QPoint at = m_view->visualRect(m_view->fileModel().index(1, 0)).center();
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, mods, at);
    } else {
        QTest::keyClick(m_view.get(), Qt::Key_Down, mods);
    }
    QFETCH(bool, previews);
    if (previews) {
        QCOMPARE(preview.count(), 1);
        QCOMPARE(preview.first().first().toString(), path("b.jpg"));
    } else {
        QCOMPARE(preview.count(), 0);
    }
}

// The focus shows the number of pictures; an empty list leaves the panel alone.
void TestFileListView::focusHint()
{
    QFocusEvent in(QEvent::FocusIn);
    QFocusEvent out(QEvent::FocusOut);
    m_hints.setHint(QStringLiteral("before"));
    QApplication::sendEvent(m_view.get(), &in);
    QCOMPARE(m_hints.hint(), QStringLiteral("before"));
    for (int i = 0; i < 8; ++i)
        writeFile(path(QStringLiteral("more%1.jpg").arg(i)), 1);
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    QApplication::sendEvent(m_view.get(), &in);
    QCOMPARE(m_hints.hint(), QStringLiteral("12枚の画像があります。"));
    QApplication::sendEvent(m_view.get(), &out);
    QCOMPARE(m_hints.hint(), QString());
}

// A drag carries the selected rows in list order as the file list's drag text.
void TestFileListView::dragCarriesTheSelection()
{
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    const FileListModel &model = m_view->fileModel();
    auto *selection = m_view->selectionModel();
    selection->select(model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    std::unique_ptr<QMimeData> mime(model.mimeData(selection->selectedIndexes()));
    QCOMPARE(mime->text(), QStringLiteral("2|%1*A.bmp*         0\t%2*c.JPG*        20\t")
                               .arg(path("A.bmp"), path("c.JPG")));
    QCOMPARE(m_view->selectedEntries().size(), 2);
    QCOMPARE(m_view->selectedEntries().first().name, QStringLiteral("A.bmp"));
    QCOMPARE(m_view->dragDropMode(), QAbstractItemView::DragOnly);
}

// A drive without a medium: Retry reads again, Cancel lists nothing.
void TestFileListView::notReadyAsksRetryOrCancel_data()
{
    QTest::addColumn<bool>("retry");
    QTest::newRow("retry") << true;
    QTest::newRow("cancel") << false;
}

void TestFileListView::notReadyAsksRetryOrCancel()
{
    QFETCH(bool, retry);
    m_lister->failuresLeft[m_dir->path()] = 1;
    m_interaction.answers.enqueue(retry ? Interaction::Answer::Retry : Interaction::Answer::Cancel);
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    const auto messages = m_interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text,
             m_dir->path() + QStringLiteral("/ にアクセスできません。\n\nNo medium found"));
    QCOMPARE(messages.first().style, MessageStyle::ErrorRetry);
    QCOMPARE(messages.first().title, QStringLiteral("デバイスエラー"));
    QCOMPARE(m_view->entryCount(), retry ? 4 : 0);
    QCOMPARE(m_lister->readings.value(m_dir->path()), retry ? 2 : 1);
    QCOMPARE(m_hints.hint(), m_dir->path());
}

// An unformatted medium: offer to format, then report what formatting gave.
void TestFileListView::unformattedOffersFormat_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<FormatResult>("formatResult");
    QTest::addColumn<QString>("report");
    QTest::newRow("cannot format") << int(Interaction::Answer::Yes) << FormatResult::NotPossible
                                   << QStringLiteral("フォーマット出来ません");
    QTest::newRow("format error") << int(Interaction::Answer::Yes) << FormatResult::Failed
                                  << QStringLiteral("フォーマットエラー");
    QTest::newRow("formatted") << int(Interaction::Answer::Yes) << FormatResult::Formatted
                               << QString();
    QTest::newRow("declined") << int(Interaction::Answer::No) << FormatResult::NotPossible
                              << QString();
}

void TestFileListView::unformattedOffersFormat()
{
    QFETCH(int, answer);
    QFETCH(QString, report);
    m_lister->failure = ListingError::Unformatted;
    m_lister->failuresLeft[m_dir->path()] = 1;
    QFETCH(FormatResult, formatResult);
    m_lister->formatResult = formatResult;
    m_interaction.answers.enqueue(Interaction::Answer(answer));
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    const auto messages = m_interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.first().text,
             QStringLiteral("ドライブ %1 のディスクはフォーマットされていません。\n\n"
                            "今すぐフォーマットしますか？")
                 .arg(m_dir->path()));
    QCOMPARE(messages.first().style, MessageStyle::WarningYesNo);
    QCOMPARE(m_lister->formatCalls, answer == int(Interaction::Answer::Yes) ? 1 : 0);
    QCOMPARE(messages.size(), report.isEmpty() ? 1 : 2);
    if (!report.isEmpty()) {
        QCOMPARE(messages.last().text, report);
        QCOMPARE(messages.last().style, MessageStyle::Plain);
    }
    QCOMPARE(m_view->entryCount(), 0);
}

// Rows are removed by their exact path; clearing forgets the folder.
void TestFileListView::removeAndClear()
{
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    QVERIFY(!m_view->removeEntry(path("B.JPG")));
    QVERIFY(m_view->removeEntry(path("b.jpg")));
    QCOMPARE(shownNames(), (QStringList{"A.bmp", "c.JPG", "IMG_0001.JPG"}));
    m_view->clearEntries();
    QCOMPARE(m_view->entryCount(), 0);
    QVERIFY(m_view->folder().isEmpty());
}

// Shown first, the size column holds a ten-character size and the name column the rest;
// later resizes leave the columns to the main window's splitters.
void TestFileListView::columnsPlacedOnce()
{
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    const int size = m_view->columnWidth(FileListModel::SizeColumn);
    const int name = m_view->columnWidth(FileListModel::NameColumn);
    QVERIFY(size > m_view->fontMetrics().horizontalAdvance(QStringLiteral("12,345,678")));
    QCOMPARE(name + size, m_view->viewport()->width());
    QVERIFY(showFolderFilesNow(*m_view, m_dir->path()));
    m_view->resize(300, 300);
    QCOMPARE(m_view->columnWidth(FileListModel::SizeColumn), size);
    QCOMPARE(m_view->columnWidth(FileListModel::NameColumn), name);
}

// A folder that hangs holds nothing else up: the wait cursor and text show after a moment,
// and what the user does meanwhile wins over the rows that come late.
void TestFileListView::listingThatHangs_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("folder"); // "." the hung one
    const QStringList all{"A.bmp", "b.jpg", "c.JPG", "IMG_0001.JPG"};
    QTest::newRow("nothing: the rows come late") << "nothing" << all << ".";
    QTest::newRow("another folder listed: its rows stay")
        << "other" << QStringList{"p.jpg"} << "other";
    QTest::newRow("list cleared: it stays empty") << "clear" << QStringList() << "";
    QTest::newRow("entry removed: it stays out")
        << "remove" << QStringList{"A.bmp", "c.JPG", "IMG_0001.JPG"} << ".";
    QTest::newRow("size header clicked: the rows come sorted")
        << "sort" << QStringList{"b.jpg", "IMG_0001.JPG", "c.JPG", "A.bmp"} << ".";
    QTest::newRow("view closed: the rows go nowhere") << "close" << QStringList() << "";
}

void TestFileListView::listingThatHangs()
{
    QFETCH(QString, meanwhile);
    const QString hung = m_dir->path();
    writeFile(path("other/p.jpg"), 1);
    m_view->waitCue().setDelay(1);
    m_lister->hang(hung);
    m_view->showFolderFiles(hung);
    QTRY_VERIFY(m_lister->isStuckIn(hung));
    QTRY_VERIFY(m_view->waitCue().isShown());
    QCOMPARE(m_view->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(m_hints.hint(), QStringLiteral("ファイルを取得中です。しばらくお待ちください。"));
    QCOMPARE(m_view->entryCount(), 0);
    if (meanwhile == QLatin1String("other"))
        QVERIFY(showFolderFilesNow(*m_view, path("other")));
    else if (meanwhile == QLatin1String("clear"))
        m_view->clearEntries();
    else if (meanwhile == QLatin1String("remove"))
        QVERIFY(!m_view->removeEntry(path("b.jpg")));
    else if (meanwhile == QLatin1String("sort"))
        Q_EMIT m_view->header()->sectionClicked(FileListModel::SizeColumn);
    else if (meanwhile == QLatin1String("close"))
        m_view.reset();
    m_lister->release(hung);
    QTRY_COMPARE(m_lister.use_count(), m_view ? 2L : 1L);
    QTRY_VERIFY(!m_view || !m_view->isListing());
    if (!m_view)
        return;
    QFETCH(QStringList, names);
    QFETCH(QString, folder);
    QCOMPARE(shownNames(), names);
    QCOMPARE(m_view->folder(), folder == QLatin1String(".") ? hung
                               : folder.isEmpty()           ? QString()
                                                            : path(folder));
    QCOMPARE(m_view->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestFileListView)
#include "tst_filelistview.moc"
