// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/twips.h"
#include "core/mainwindow/panelayout.h"
#include "core/mainwindow/splitterrules.h"

#include <QObject>

class PreviewPane;
class QTreeView;
class QWidget;
class SplitterBar;

// Places the panes of the main window's client area at their positions in twips and lets
// the three splitter bars re-arrange them.
class PaneArranger : public QObject {
    Q_OBJECT
public:
    struct Panes {
        QWidget *commandBar;
        QTreeView *folderTree;
        QTreeView *fileList;
        PreviewPane *preview;
        QTreeView *slideList;
        QWidget *statusBar;
        QWidget *progressBar;
        SplitterBar *treeBar;
        SplitterBar *previewBar;
        SplitterBar *slideListBar;
    };

    PaneArranger(QWidget &client, const Panes &panes, const TwipScale &scale);

    // The designed layout; the command bar and the status bar take the client's full width.
    void applyInitialLayout();

    // The command bar is taller than designed by this many pixels when the desktop's font needs
    // it; the panes below keep their sizes and move down by as much.
    void setBandGrowth(int pixels) { m_bandGrowth = pixels; }
    int bandGrowth() const { return m_bandGrowth; }

    // At rest the bars have the button-face colour.
    void paintBarsAtRest();

    bool splitterDragging() const { return m_splitterDragging; }
    const PaneLayout &layout() const { return m_layout; }
    const TwipScale &scale() const { return m_scale; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectBar(SplitterBar *bar, Splitter splitter);
    void barPressed(SplitterBar *bar);
    void barDragged(SplitterBar *bar, Splitter splitter, int offsetPixels);
    void barReleased(Splitter splitter, Qt::MouseButton button);
    void rearranged(Splitter splitter);
    void applyGeometry();
    void fitColumns(QTreeView &list, const QRect &listTwips);
    void redrawPreview();
    int clientWidth() const;
    void followClientSize();
    // Where a pane of the layout lies in the client area, in pixels.
    QRect placed(const QRect &twips) const;

    QWidget &m_client;
    Panes m_panes;
    TwipScale m_scale;
    PaneLayout m_layout;
    bool m_splitterDragging = false;
    int m_bandGrowth = 0;
};
