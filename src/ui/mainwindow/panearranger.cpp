// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/panearranger.h"

#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/splitterbar.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

PaneArranger::PaneArranger(QWidget &client, const Panes &panes, const TwipScale &scale)
    : QObject(&client)
    , m_client(client)
    , m_panes(panes)
    , m_scale(scale)
    , m_layout(PaneLayout::initial())
{
    connectBar(m_panes.treeBar, Splitter::TreeBar);
    connectBar(m_panes.previewBar, Splitter::PreviewBar);
    connectBar(m_panes.slideListBar, Splitter::SlideListBar);
    m_client.installEventFilter(this);
}

void PaneArranger::connectBar(SplitterBar *bar, Splitter splitter)
{
    connect(bar, &SplitterBar::pressed, this, [this, bar] { barPressed(bar); });
    connect(bar, &SplitterBar::dragged, this,
            [this, bar, splitter](int offset) { barDragged(bar, splitter, offset); });
    connect(bar, &SplitterBar::released, this,
            [this, splitter](Qt::MouseButton button) { barReleased(splitter, button); });
}

void PaneArranger::applyInitialLayout()
{
    m_splitterDragging = false;
    m_layout = PaneLayout::initial();
    followClientSize();
    applyGeometry();
    paintBarsAtRest();
}

// The layout knows the client area without the band's growth.
void PaneArranger::followClientSize()
{
    m_layout.followClientSize(QSize(m_scale.toTwips(m_client.width()),
                                    m_scale.toTwips(m_client.height() - m_bandGrowth)));
}

QRect PaneArranger::placed(const QRect &twips) const
{
    return m_scale.toPixels(twips).translated(0, m_bandGrowth);
}

void PaneArranger::paintBarsAtRest()
{
    for (SplitterBar *bar : {m_panes.treeBar, m_panes.previewBar, m_panes.slideListBar})
        bar->setColour(bar->palette().color(QPalette::Button));
}

void PaneArranger::applyGeometry()
{
    const auto place = [this](QWidget *widget, const QRect &twips) {
        widget->setGeometry(placed(twips));
    };
    m_panes.commandBar->setGeometry(
        m_scale.toPixels(m_layout.commandBar).adjusted(0, 0, 0, m_bandGrowth));
    place(m_panes.folderTree, m_layout.folderTree);
    place(m_panes.treeBar, m_layout.treeBar);
    place(m_panes.fileList, m_layout.fileList);
    place(m_panes.previewBar, m_layout.previewBar);
    place(m_panes.preview, m_layout.preview);
    place(m_panes.slideListBar, m_layout.slideListBar);
    place(m_panes.slideList, m_layout.slideList);
    place(m_panes.statusBar, m_layout.statusBar);
    place(m_panes.progressBar, m_layout.progressBar);
    // The status bar lies over the bottom of the panes; the progress bar over the status bar.
    m_panes.statusBar->raise();
    m_panes.progressBar->raise();
}

bool PaneArranger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_client && event->type() == QEvent::Resize) {
        followClientSize();
        applyGeometry();
    }
    return false;
}

int PaneArranger::clientWidth() const
{
    return m_scale.toTwips(m_client.width());
}

void PaneArranger::barPressed(SplitterBar *bar)
{
    m_splitterDragging = true;
    bar->setColour(bar->palette().color(QPalette::Dark));
}

void PaneArranger::barDragged(SplitterBar *bar, Splitter splitter, int offsetPixels)
{
    if (!m_splitterDragging)
        return;
    const int candidate =
        SplitterRules::barPosition(m_layout, splitter) + m_scale.toTwips(offsetPixels);
    if (!SplitterRules::accepts(m_layout, splitter, candidate))
        return;
    SplitterRules::moveBar(m_layout, splitter, candidate);
    const QRect twips = splitter == Splitter::TreeBar      ? m_layout.treeBar
                        : splitter == Splitter::PreviewBar ? m_layout.previewBar
                                                           : m_layout.slideListBar;
    bar->setGeometry(placed(twips));
}

void PaneArranger::barReleased(Splitter splitter, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        rearranged(splitter);
    m_splitterDragging = false;
    paintBarsAtRest();
}

namespace {

struct ColumnWidths {
    int name;
    int size;
};

ColumnWidths columnWidths(const QTreeView &list)
{
    return {list.columnWidth(0), list.columnWidth(1)};
}

void setColumnWidths(QTreeView &list, ColumnWidths widths)
{
    list.setColumnWidth(0, widths.name);
    list.setColumnWidth(1, widths.size);
}

} // namespace

void PaneArranger::rearranged(Splitter splitter)
{
    // Only the column fit below changes the lists' columns, whatever a list does on its own
    // when it is resized.
    const ColumnWidths fileColumns = columnWidths(*m_panes.fileList);
    const ColumnWidths slideColumns = columnWidths(*m_panes.slideList);
    SplitterRules::rearrange(m_layout, splitter, clientWidth());
    applyGeometry();
    setColumnWidths(*m_panes.fileList, fileColumns);
    setColumnWidths(*m_panes.slideList, slideColumns);
    switch (splitter) {
    case Splitter::TreeBar:
        fitColumns(*m_panes.fileList, m_layout.fileList);
        fitColumns(*m_panes.slideList, m_layout.slideList);
        break;
    case Splitter::PreviewBar:
        fitColumns(*m_panes.fileList, m_layout.fileList);
        redrawPreview();
        break;
    case Splitter::SlideListBar:
        redrawPreview();
        break;
    }
}

void PaneArranger::fitColumns(QTreeView &list, const QRect &listTwips)
{
    if (list.header()->count() < 2)
        return;
    const int sizeColumn = m_scale.toTwips(list.columnWidth(1));
    if (const auto name = SplitterRules::fittedNameColumn(listTwips.width(), sizeColumn))
        list.setColumnWidth(0, m_scale.toPixels(*name));
}

void PaneArranger::redrawPreview()
{
    if (!m_panes.preview->tag().isEmpty())
        m_panes.preview->showPreview(m_panes.preview->tag());
}
