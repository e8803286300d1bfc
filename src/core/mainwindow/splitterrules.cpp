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

void rearrangeAfterPicture2(PaneLayout &l, int clientWidth)
{
    const int barLeft = l.picture2.left();
    l.folderTree.setWidth(barLeft);
    l.fileList =
        QRect(barLeft + PaneLayout::BarThickness, l.fileList.top(),
              clientWidth - l.folderTree.width() - 115 - l.preview.width(), l.fileList.height());
    l.slideList = QRect(barLeft + PaneLayout::BarThickness, l.slideList.top(),
                        clientWidth - l.folderTree.width() - 70, l.slideList.height());
    l.picture4 = QRect(barLeft + PaneLayout::BarThickness, l.picture4.top(), l.slideList.width(),
                       l.picture4.height());
}

void rearrangeAfterPicture3(PaneLayout &l, int clientWidth)
{
    const int barLeft = l.picture3.left();
    l.fileList.setWidth(barLeft - PaneLayout::BarThickness - l.folderTree.width());
    l.preview = QRect(barLeft + PaneLayout::BarThickness, l.preview.top(),
                      clientWidth - barLeft - 75, l.preview.height());
}

void rearrangeAfterPicture4(PaneLayout &l)
{
    const int barTop = l.picture4.top();
    l.fileList.setHeight(barTop - l.fileList.top());
    l.preview.setHeight(barTop - l.preview.top());
    l.slideList = QRect(l.slideList.left(), barTop + PaneLayout::BarThickness, l.slideList.width(),
                        l.statusBar.top() - barTop - PaneLayout::BarThickness);
    l.picture3.setHeight(l.preview.height());
}

} // namespace

int SplitterRules::barPosition(const PaneLayout &layout, Splitter bar)
{
    switch (bar) {
    case Splitter::Picture2:
        return layout.picture2.left();
    case Splitter::Picture3:
        return layout.picture3.left();
    case Splitter::Picture4:
        break;
    }
    return layout.picture4.top();
}

bool SplitterRules::accepts(const PaneLayout &layout, Splitter bar, int candidate)
{
    switch (bar) {
    case Splitter::Picture2:
        return layout.folderTree.left() + MinimumPane < candidate &&
               candidate < layout.picture3.left() - MinimumPane;
    case Splitter::Picture3:
        return layout.picture2.left() + PaneLayout::BarThickness + MinimumPane < candidate &&
               candidate < rightEdge(layout.preview) - MinimumPane;
    case Splitter::Picture4:
        break;
    }
    return layout.fileList.top() + MinimumPane < candidate &&
           candidate < bottomEdge(layout.slideList) - MinimumPane;
}

void SplitterRules::moveBar(PaneLayout &layout, Splitter bar, int position)
{
    switch (bar) {
    case Splitter::Picture2:
        layout.picture2.moveLeft(position);
        return;
    case Splitter::Picture3:
        layout.picture3.moveLeft(position);
        return;
    case Splitter::Picture4:
        layout.picture4.moveTop(position);
        return;
    }
}

void SplitterRules::rearrange(PaneLayout &layout, Splitter bar, int clientWidth)
{
    switch (bar) {
    case Splitter::Picture2:
        rearrangeAfterPicture2(layout, clientWidth);
        return;
    case Splitter::Picture3:
        rearrangeAfterPicture3(layout, clientWidth);
        return;
    case Splitter::Picture4:
        rearrangeAfterPicture4(layout);
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
