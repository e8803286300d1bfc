// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/splitterrules.h"

namespace {

int rightEdge(const QRect &r)
{
    return r.left() + r.width();
}

int bottomEdge(const QRect &r)
{
    return r.top() + r.height();
}

void rearrangeAfterTreeBar(PaneLayout &l, int clientWidth)
{
    const int barLeft = l.treeBar.left();
    l.folderTree.setWidth(barLeft);
    l.fileList =
        QRect(barLeft + PaneLayout::BarThickness, l.fileList.top(),
              clientWidth - l.folderTree.width() - 115 - l.preview.width(), l.fileList.height());
    l.slideList = QRect(barLeft + PaneLayout::BarThickness, l.slideList.top(),
                        clientWidth - l.folderTree.width() - 70, l.slideList.height());
    l.slideListBar = QRect(barLeft + PaneLayout::BarThickness, l.slideListBar.top(),
                           l.slideList.width(), l.slideListBar.height());
}

void rearrangeAfterPreviewBar(PaneLayout &l, int clientWidth)
{
    const int barLeft = l.previewBar.left();
    l.fileList.setWidth(barLeft - PaneLayout::BarThickness - l.folderTree.width());
    l.preview = QRect(barLeft + PaneLayout::BarThickness, l.preview.top(),
                      clientWidth - barLeft - 75, l.preview.height());
}

void rearrangeAfterSlideListBar(PaneLayout &l)
{
    const int barTop = l.slideListBar.top();
    l.fileList.setHeight(barTop - l.fileList.top());
    l.preview.setHeight(barTop - l.preview.top());
    l.slideList = QRect(l.slideList.left(), barTop + PaneLayout::BarThickness, l.slideList.width(),
                        l.statusBar.top() - barTop - PaneLayout::BarThickness);
    l.previewBar.setHeight(l.preview.height());
}

} // namespace

int SplitterRules::barPosition(const PaneLayout &layout, Splitter bar)
{
    switch (bar) {
    case Splitter::TreeBar:
        return layout.treeBar.left();
    case Splitter::PreviewBar:
        return layout.previewBar.left();
    case Splitter::SlideListBar:
        break;
    }
    return layout.slideListBar.top();
}

bool SplitterRules::accepts(const PaneLayout &layout, Splitter bar, int candidate)
{
    switch (bar) {
    case Splitter::TreeBar:
        return layout.folderTree.left() + MinimumPane < candidate &&
               candidate < layout.previewBar.left() - MinimumPane;
    case Splitter::PreviewBar:
        return layout.treeBar.left() + PaneLayout::BarThickness + MinimumPane < candidate &&
               candidate < rightEdge(layout.preview) - MinimumPane;
    case Splitter::SlideListBar:
        break;
    }
    return layout.fileList.top() + MinimumPane < candidate &&
           candidate < bottomEdge(layout.slideList) - MinimumPane;
}

void SplitterRules::moveBar(PaneLayout &layout, Splitter bar, int position)
{
    switch (bar) {
    case Splitter::TreeBar:
        layout.treeBar.moveLeft(position);
        return;
    case Splitter::PreviewBar:
        layout.previewBar.moveLeft(position);
        return;
    case Splitter::SlideListBar:
        layout.slideListBar.moveTop(position);
        return;
    }
}

void SplitterRules::rearrange(PaneLayout &layout, Splitter bar, int clientWidth)
{
    switch (bar) {
    case Splitter::TreeBar:
        rearrangeAfterTreeBar(layout, clientWidth);
        return;
    case Splitter::PreviewBar:
        rearrangeAfterPreviewBar(layout, clientWidth);
        return;
    case Splitter::SlideListBar:
        rearrangeAfterSlideListBar(layout);
        return;
    }
}

std::optional<int> SplitterRules::fittedNameColumn(int listWidth, int sizeColumnWidth)
{
    const int rest = listWidth - 55 - sizeColumnWidth;
    if (rest > 0)
        return rest;
    return std::nullopt;
}
