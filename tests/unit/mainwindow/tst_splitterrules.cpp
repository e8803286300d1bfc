// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/splitterrules.h"

#include <QTest>

class TestSplitterRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void limits_data();
    void limits();
    void picture4UpBy500();
    void picture2Release();
    void picture3Release();
    void clickWithoutDragKeepsDesignedLeftEdges();
    void columnFit_data();
    void columnFit();
    void followClientSize();
};

// Each bar may only go strictly inside its limits: 800 twips from the panes it separates.
void TestSplitterRules::limits_data()
{
    QTest::addColumn<Splitter>("bar");
    QTest::addColumn<int>("candidate");
    QTest::addColumn<bool>("accepted");
    // The tree bar: tree left 0 + 800 < c < the preview bar left 7525 - 800.
    QTest::newRow("tree of exactly 800 refused") << Splitter::TreeBar << 800 << false;
    QTest::newRow("tree of 801 accepted") << Splitter::TreeBar << 801 << true;
    QTest::newRow("800 left before the preview bar refused") << Splitter::TreeBar << 6725 << false;
    QTest::newRow("801 left before the preview bar accepted") << Splitter::TreeBar << 6724 << true;
    // The preview bar: the tree bar left 2925 + 845 < c < preview right 10480 - 800.
    QTest::newRow("file list of 800 refused") << Splitter::PreviewBar << 3770 << false;
    QTest::newRow("file list of 801 accepted") << Splitter::PreviewBar << 3771 << true;
    QTest::newRow("preview of 800 refused") << Splitter::PreviewBar << 9680 << false;
    QTest::newRow("preview of 801 accepted") << Splitter::PreviewBar << 9679 << true;
    // The slide-list bar: file list top 690 + 800 < c < slide list bottom 7230 - 800.
    QTest::newRow("800 below the file list top refused") << Splitter::SlideListBar << 1490 << false;
    QTest::newRow("801 below the file list top accepted") << Splitter::SlideListBar << 1491 << true;
    QTest::newRow("800 above the slide list bottom refused")
        << Splitter::SlideListBar << 6430 << false;
    QTest::newRow("801 above the slide list bottom accepted")
        << Splitter::SlideListBar << 6429 << true;
}

void TestSplitterRules::limits()
{
    QFETCH(Splitter, bar);
    QFETCH(int, candidate);
    QFETCH(bool, accepted);
    QCOMPARE(SplitterRules::accepts(PaneLayout::initial(), bar, candidate), accepted);
}

// Moving the slide-list bar up by 500 shortens the upper panes by 500 and the slide list reaches
// the status bar.
void TestSplitterRules::picture4UpBy500()
{
    PaneLayout l = PaneLayout::initial();
    SplitterRules::moveBar(l, Splitter::SlideListBar, 3195 - 500);
    QCOMPARE(l.fileList.height(), 2505); // panes wait for the release
    SplitterRules::rearrange(l, Splitter::SlideListBar, PaneLayout::DesignedClientWidth);
    QCOMPARE(l.fileList.height(), 2005);
    QCOMPARE(l.preview.height(), 2005);
    QCOMPARE(l.slideList.top(), 2695 + 45);
    QCOMPARE(l.slideList.top() + l.slideList.height(), l.statusBar.top());
    QCOMPARE(l.previewBar.height(), l.preview.height());
    QCOMPARE(l.fileList.width(), 4555);
}

// The tree bar resizes the tree and moves the file list, slide list and the slide-list bar after
// it; the preview and the preview bar stay.
void TestSplitterRules::picture2Release()
{
    PaneLayout l = PaneLayout::initial();
    SplitterRules::moveBar(l, Splitter::TreeBar, 2000);
    SplitterRules::rearrange(l, Splitter::TreeBar, PaneLayout::DesignedClientWidth);
    QCOMPARE(l.folderTree, QRect(0, 690, 2000, 6540));
    QCOMPARE(l.fileList,
             QRect(2045, 690, PaneLayout::DesignedClientWidth - 2000 - 115 - 2910, 2505));
    QCOMPARE(l.slideList, QRect(2045, 3240, PaneLayout::DesignedClientWidth - 2000 - 70, 3990));
    QCOMPARE(l.slideListBar, QRect(2045, 3195, l.slideList.width(), 45));
    QCOMPARE(l.preview, PaneLayout::initial().preview);
    QCOMPARE(l.previewBar, PaneLayout::initial().previewBar);
}

// The preview bar shares the width between the file list and the preview.
void TestSplitterRules::picture3Release()
{
    PaneLayout l = PaneLayout::initial();
    SplitterRules::moveBar(l, Splitter::PreviewBar, 6000);
    SplitterRules::rearrange(l, Splitter::PreviewBar, PaneLayout::DesignedClientWidth);
    QCOMPARE(l.fileList, QRect(2970, 690, 6000 - 45 - 2925, 2505));
    QCOMPARE(l.preview, QRect(6045, 690, PaneLayout::DesignedClientWidth - 6000 - 75, 2505));
}

// A click without a drag re-arranges too: the panes keep their places beside the bar.
void TestSplitterRules::clickWithoutDragKeepsDesignedLeftEdges()
{
    PaneLayout l = PaneLayout::initial();
    SplitterRules::rearrange(l, Splitter::TreeBar, PaneLayout::DesignedClientWidth);
    QCOMPARE(l.folderTree.width(), 2925);
    QCOMPARE(l.fileList.left(), 2970);
    QCOMPARE(l.slideList.left(), 2970);
}

// The name column takes all growth and shrinkage; a list too narrow changes nothing.
void TestSplitterRules::columnFit_data()
{
    QTest::addColumn<int>("listWidth");
    QTest::addColumn<int>("sizeColumn");
    QTest::addColumn<int>("nameColumn"); // -1: unchanged
    QTest::newRow("wide list gives the rest to the name") << 4555 << 1200 << 3300;
    QTest::newRow("size column plus 55 leaves both unchanged") << 1255 << 1200 << -1;
    QTest::newRow("one twip more gives one twip") << 1256 << 1200 << 1;
    QTest::newRow("narrower than the size column unchanged") << 900 << 1200 << -1;
}

void TestSplitterRules::columnFit()
{
    QFETCH(int, listWidth);
    QFETCH(int, sizeColumn);
    QFETCH(int, nameColumn);
    QCOMPARE(SplitterRules::fittedNameColumn(listWidth, sizeColumn).value_or(-1), nameColumn);
}

// The command bar and the status bar follow the client size; the panes do not.
void TestSplitterRules::followClientSize()
{
    PaneLayout l = PaneLayout::initial();
    QCOMPARE(l.statusBar, QRect(0, 7230, PaneLayout::DesignedClientWidth, 285));
    QCOMPARE(l.progressBar, QRect(30, 7282, 2265, 195));
    l.followClientSize(QSize(12000, 9000));
    QCOMPARE(l.commandBar.width(), 12000);
    QCOMPARE(l.statusBar, QRect(0, 8715, 12000, 285));
    QCOMPARE(l.progressBar.top(), 8715 + 52);
    QCOMPARE(l.slideList, PaneLayout::initial().slideList);
}

QTEST_GUILESS_MAIN(TestSplitterRules)
#include "tst_splitterrules.moc"
