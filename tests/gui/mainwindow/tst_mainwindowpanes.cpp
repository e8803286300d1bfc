// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "core/common/halfeven.h"
#include "core/slidelist/slidelistmodel.h"
#include "ui/mainwindow/panearranger.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/splitterbar.h"
#include "ui/mainwindow/updowncontrol.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTreeView>

class TestMainWindowPanes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void initialLayout();
    void picture4DragRearranges();
    void picture2RefusesNarrowTree();
    void otherButtonsDoNotRearrange();
    void picture3RedrawsPreview();
    void verticalBarsFitNameColumns_data();
    void verticalBarsFitNameColumns();
    void narrowFileListKeepsColumns();
    void picture4KeepsColumns();
    void previewFit_data();
    void previewFit();
    void previewMissingFile();
    void previewNotAPicture();
    void firstActivationFromSettings();
    void focusReturnsToSlideList();

private:
    QString picture(const QString &name, QSize size) const;
    PreviewPane *preview() const { return m_f->find<PreviewPane>(QStringLiteral("previewPane")); }
    void checkPlaced() const;
    QTreeView *list(const char *name) const
    {
        return m_f->find<QTreeView>(QString::fromLatin1(name));
    }
    void checkFitted(const char *listName, const QRect &listTwips, int sizeColumn) const;

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestMainWindowPanes::init()
{
    m_f = std::make_unique<MainWindowFixture>();
}

void TestMainWindowPanes::cleanup()
{
    m_f.reset();
}

QString TestMainWindowPanes::picture(const QString &name, QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = m_f->home.filePath(name);
    image.save(path, "PNG");
    return path;
}

// Every pane sits where the layout says, converted to pixels and moved down by what the
// command bar grew for the font.
void TestMainWindowPanes::checkPlaced() const
{
    const PaneArranger &arranger = m_f->window->arranger();
    const PaneLayout &l = arranger.layout();
    const auto at = [&arranger](const QRect &twips) {
        return arranger.scale().toPixels(twips).translated(0, arranger.bandGrowth());
    };
    QCOMPARE(m_f->find<QWidget>(QStringLiteral("fileList"))->geometry(), at(l.fileList));
    QCOMPARE(m_f->find<QWidget>(QStringLiteral("slideList"))->geometry(), at(l.slideList));
    QCOMPARE(m_f->find<QWidget>(QStringLiteral("previewPane"))->geometry(), at(l.preview));
    QCOMPARE(m_f->find<QWidget>(QStringLiteral("previewSplitter"))->geometry(), at(l.previewBar));
    QCOMPARE(m_f->find<QWidget>(QStringLiteral("slideListSplitter"))->geometry(),
             at(l.slideListBar));
}

// The window opens with the designed panes and the status bar along the bottom.
void TestMainWindowPanes::initialLayout()
{
    QVERIFY(m_f->open());
    const PaneLayout &l = m_f->window->arranger().layout();
    QCOMPARE(l.fileList, QRect(2970, 690, 4555, 2505));
    QCOMPARE(l.slideList, QRect(2970, 3240, 7510, 3990));
    QCOMPARE(l.statusBar.top(), 7230);
    checkPlaced();
    QVERIFY(!m_f->window->isSplitterDragging());
    QCOMPARE(preview()->backColor(), QColor(Qt::black));
}

// Dragging the slide-list bar up moves only the bar; the release shortens the upper panes and the
// slide list fills the space down to the status bar.
void TestMainWindowPanes::picture4DragRearranges()
{
    QVERIFY(m_f->open());
    auto *bar = m_f->find<SplitterBar>(QStringLiteral("slideListSplitter"));
    const QColor face = bar->colour();
    const int px = 34;
    MainWindowFixture::send(bar, QEvent::MouseButtonPress, {100, 1}, Qt::LeftButton,
                            Qt::LeftButton);
    QVERIFY(m_f->window->isSplitterDragging());
    QVERIFY(bar->colour() != face);
    MainWindowFixture::send(bar, QEvent::MouseMove, {100, 1 - px}, Qt::NoButton, Qt::LeftButton);
    const PaneLayout &l = m_f->window->arranger().layout();
    const int barTop = 3195 + m_f->window->arranger().scale().toTwips(1 - px);
    QCOMPARE(l.slideListBar.top(), barTop);
    QCOMPARE(l.fileList.height(), 2505); // the panes wait for the release
    MainWindowFixture::send(bar, QEvent::MouseButtonRelease, {100, 1}, Qt::LeftButton,
                            Qt::NoButton);
    QCOMPARE(l.fileList.height(), barTop - 690);
    QCOMPARE(l.preview.height(), barTop - 690);
    QCOMPARE(l.slideList.top(), barTop + 45);
    QCOMPARE(l.slideList.top() + l.slideList.height(), l.statusBar.top());
    QCOMPARE(l.previewBar.height(), l.preview.height());
    checkPlaced();
    QVERIFY(!m_f->window->isSplitterDragging());
    QCOMPARE(bar->colour(), face);
}

// The tree bar may not leave the folder tree 800 twips wide or less.
void TestMainWindowPanes::picture2RefusesNarrowTree()
{
    QVERIFY(m_f->open());
    auto *bar = m_f->find<SplitterBar>(QStringLiteral("treeSplitter"));
    MainWindowFixture::drag(bar, {1, 200}, {-200, 200});
    const PaneLayout &l = m_f->window->arranger().layout();
    QCOMPARE(l.treeBar.left(), 2925);
    QCOMPARE(l.folderTree.width(), 2925);
    MainWindowFixture::drag(bar, {1, 200}, {-60, 200});
    const int accepted = 2925 + m_f->window->arranger().scale().toTwips(-60);
    QCOMPARE(l.treeBar.left(), accepted);
    QCOMPARE(l.folderTree.width(), accepted);
    QCOMPARE(l.fileList.left(), accepted + 45);
    QCOMPARE(l.slideListBar.left(), accepted + 45);
    QCOMPARE(l.slideListBar.width(), l.slideList.width());
    checkPlaced();
}

// Only the left button drags and re-arranges; any release clears the dragging flag.
void TestMainWindowPanes::otherButtonsDoNotRearrange()
{
    QVERIFY(m_f->open());
    auto *bar = m_f->find<SplitterBar>(QStringLiteral("previewSplitter"));
    MainWindowFixture::drag(bar, {1, 50}, {-40, 50}, Qt::RightButton);
    QCOMPARE(m_f->window->arranger().layout().previewBar.left(), 7525);
    QCOMPARE(m_f->window->arranger().layout().fileList.width(), 4555);
    QVERIFY(!m_f->window->isSplitterDragging());
}

// After the preview bar moves, a previewed picture is drawn again at the new pane size.
void TestMainWindowPanes::picture3RedrawsPreview()
{
    QVERIFY(m_f->open());
    const QString path = picture(QStringLiteral("wide.png"), QSize(2000, 100));
    preview()->showPreview(path);
    QTRY_VERIFY(!preview()->isLoading());
    const int before = preview()->pictureRect().width();
    QCOMPARE(before, preview()->contentsRect().width());
    MainWindowFixture::drag(m_f->find<SplitterBar>(QStringLiteral("previewSplitter")), {1, 50},
                            {-60, 50});
    QTRY_VERIFY(!preview()->isLoading());
    QVERIFY(preview()->contentsRect().width() > before);
    QCOMPARE(preview()->pictureRect().width(), preview()->contentsRect().width());
    QCOMPARE(preview()->tag(), path);
}

// The size column keeps its width; the name column is the list's width less 55 twips and
// the size column.
void TestMainWindowPanes::checkFitted(const char *listName, const QRect &listTwips,
                                      int sizeColumn) const
{
    const TwipScale &s = m_f->window->arranger().scale();
    QTreeView *view = list(listName);
    QCOMPARE(view->columnWidth(1), sizeColumn);
    QCOMPARE(view->columnWidth(0), s.toPixels(listTwips.width() - 55 - s.toTwips(sizeColumn)));
}

// A vertical bar fits the name column of each list it resizes; the size column keeps its
// width.
void TestMainWindowPanes::verticalBarsFitNameColumns_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("offset"); // pixels
    QTest::addColumn<bool>("slideListFitted");
    QTest::newRow("The tree bar narrows the tree") << QStringLiteral("treeSplitter") << -60 << true;
    QTest::newRow("The tree bar widens the tree") << QStringLiteral("treeSplitter") << 80 << true;
    QTest::newRow("The preview bar widens the file list")
        << QStringLiteral("previewSplitter") << 60 << false;
    QTest::newRow("The preview bar narrows the file list")
        << QStringLiteral("previewSplitter") << -90 << false;
}

void TestMainWindowPanes::verticalBarsFitNameColumns()
{
    QFETCH(QString, bar);
    QFETCH(int, offset);
    QFETCH(bool, slideListFitted);
    QVERIFY(m_f->open());
    const int fileSize = list("fileList")->columnWidth(1);
    const int slideName = list("slideList")->columnWidth(0);
    const int slideSize = list("slideList")->columnWidth(1);
    MainWindowFixture::drag(m_f->find<SplitterBar>(bar), {1, 50}, {1 + offset, 50});
    const PaneLayout &l = m_f->window->arranger().layout();
    checkFitted("fileList", l.fileList, fileSize);
    if (slideListFitted) {
        checkFitted("slideList", l.slideList, slideSize);
    } else {
        QCOMPARE(list("slideList")->columnWidth(0), slideName);
        QCOMPARE(list("slideList")->columnWidth(1), slideSize);
    }
}

// A file list no wider than its size column and 55 twips keeps both columns as they were.
void TestMainWindowPanes::narrowFileListKeepsColumns()
{
    QVERIFY(m_f->open());
    QTreeView *files = list("fileList");
    const int name = files->columnWidth(0);
    const int size = files->columnWidth(1);
    const PaneLayout &l = m_f->window->arranger().layout();
    const TwipScale &s = m_f->window->arranger().scale();
    // Just inside the preview bar's limit: the file list is about 800 twips wide.
    const int target = s.toPixels(l.treeBar.left() + 45 + 830);
    const int from = s.toPixels(l.previewBar.left());
    MainWindowFixture::drag(m_f->find<SplitterBar>(QStringLiteral("previewSplitter")), {1, 50},
                            {1 + target - from, 50});
    QVERIFY(l.fileList.width() < 1000);
    QVERIFY(l.fileList.width() <= s.toTwips(size) + 55);
    QCOMPARE(files->columnWidth(0), name);
    QCOMPARE(files->columnWidth(1), size);
}

// The horizontal bar changes no column of either list.
void TestMainWindowPanes::picture4KeepsColumns()
{
    QVERIFY(m_f->open());
    QList<int> before;
    for (const char *name : {"fileList", "slideList"})
        before << list(name)->columnWidth(0) << list(name)->columnWidth(1);
    MainWindowFixture::drag(m_f->find<SplitterBar>(QStringLiteral("slideListSplitter")), {100, 1},
                            {100, -80});
    QVERIFY(m_f->window->arranger().layout().slideList.top() < 3240);
    QList<int> after;
    for (const char *name : {"fileList", "slideList"})
        after << list(name)->columnWidth(0) << list(name)->columnWidth(1);
    QCOMPARE(after, before);
}

// Pictures are reduced to fit but never enlarged, and centred.
void TestMainWindowPanes::previewFit_data()
{
    QTest::addColumn<double>("widthFactor"); // of the pane's inner size
    QTest::addColumn<double>("heightFactor");
    QTest::newRow("smaller is unscaled and centred") << 0.5 << 0.25;
    QTest::newRow("twice as wide is halved") << 2.0 << 1.0;
}

void TestMainWindowPanes::previewFit()
{
    QFETCH(double, widthFactor);
    QFETCH(double, heightFactor);
    QVERIFY(m_f->open());
    const QSize pane = preview()->contentsRect().size();
    const QSize size(qRound(pane.width() * widthFactor), qRound(pane.height() * heightFactor));
    const QString path = picture(QStringLiteral("p.png"), size);
    preview()->showPreview(path);
    QTRY_VERIFY(!preview()->isLoading());
    const QRect placed = preview()->pictureRect().translated(-preview()->contentsRect().topLeft());
    const QSize expected =
        widthFactor > 1 ? QSize(pane.width(), roundHalfEven(size.height() / 2.0)) : size;
    QCOMPARE(placed.size(), expected);
    QVERIFY(qAbs(placed.left() - (pane.width() - expected.width()) / 2) <= 1);
    QVERIFY(qAbs(placed.top() - (pane.height() - expected.height()) / 2) <= 1);
    QCOMPARE(preview()->tag(), path);
    const QImage shown = preview()->grab().toImage();
    QCOMPARE(shown.pixelColor(preview()->pictureRect().center()), QColor(Qt::red));
}

// A missing file is reported; the pane is cleared and keeps the path shown before.
void TestMainWindowPanes::previewMissingFile()
{
    QVERIFY(m_f->open());
    const QString shown = picture(QStringLiteral("a.png"), QSize(10, 10));
    preview()->showPreview(shown);
    QTRY_VERIFY(!preview()->isLoading());
    preview()->showPreview(m_f->home.filePath(QStringLiteral("gone.jpg")));
    const auto messages = m_f->interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, QStringLiteral("ファイルが見つかりません"));
    QCOMPARE(messages[0].style, MessageStyle::Information);
    QCOMPARE(messages[0].title, QStringLiteral("データエラー"));
    QVERIFY(preview()->pictureRect().isEmpty());
    QCOMPARE(preview()->tag(), shown);
}

// A file that is not a picture is passed over without a message.
void TestMainWindowPanes::previewNotAPicture()
{
    QVERIFY(m_f->open());
    const QString shown = picture(QStringLiteral("a.png"), QSize(10, 10));
    preview()->showPreview(shown);
    QTRY_VERIFY(!preview()->isLoading());
    QFile text(m_f->home.filePath(QStringLiteral("notes.jpg")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    preview()->showPreview(text.fileName());
    QTRY_VERIFY(!preview()->isLoading());
    QVERIFY(m_f->interaction.calls.isEmpty());
    QVERIFY(preview()->pictureRect().isEmpty());
    QCOMPARE(preview()->tag(), shown);
}

// The first activation puts the stored interval, the two boxes and the list name into the
// command bar.
void TestMainWindowPanes::firstActivationFromSettings()
{
    m_f->settings.intervalSeconds = 7;
    m_f->settings.alwaysOnTop = 1;
    m_f->settings.showMaximized = 1;
    m_f->settings.showBackColour = QColor(0, 128, 255);
    m_f->settings.currentListPath = m_f->home.filePath(QStringLiteral("holiday.2024.vrl"));
    QVERIFY(m_f->open());
    QCOMPARE(m_f->find<QLineEdit>(QStringLiteral("intervalEdit"))->text(), QStringLiteral("7"));
    QCOMPARE(m_f->find<UpDownControl>(QStringLiteral("intervalUpDown"))->value(), 7);
    QVERIFY(m_f->find<QCheckBox>(QStringLiteral("onTopCheck"))->isChecked());
    QVERIFY(m_f->find<QCheckBox>(QStringLiteral("maximizedCheck"))->isChecked());
    QCOMPARE(m_f->find<QLabel>(QStringLiteral("listNameLabel"))->text(),
             QStringLiteral("holiday.2024"));
    QCOMPARE(m_f->window->listPath(), m_f->settings.currentListPath);
    QCOMPARE(preview()->backColor(), QColor(0, 128, 255));
    QVERIFY(m_f->window->isEnabled());
}

// After a dialog closed with OK, the next activation gives the focus back to the slide list
// and shows its selected picture.
void TestMainWindowPanes::focusReturnsToSlideList()
{
    QVERIFY(m_f->open());
    const QString path = picture(QStringLiteral("slide.png"), QSize(20, 20));
    auto *list = m_f->find<QTreeView>(QStringLiteral("slideList"));
    QVERIFY(static_cast<SlideListModel *>(list->model())
                ->addEntry(path, QStringLiteral("jpg"), QStringLiteral("1")));
    list->setCurrentIndex(list->model()->index(0, 0));
    m_f->settings.lastFocusList = QStringLiteral("slideList");
    m_f->settings.restoreListFocus = true;
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_f->window.get()));
    QTRY_COMPARE(preview()->tag(), path);
    QCOMPARE(QApplication::focusWidget(), list);
    QVERIFY(!m_f->settings.restoreListFocus);
}

QTEST_MAIN(TestMainWindowPanes)
#include "tst_mainwindowpanes.moc"
