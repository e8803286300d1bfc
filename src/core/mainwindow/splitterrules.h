// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mainwindow/panelayout.h"

#include <optional>

// The three splitter bars of the main window.
enum class Splitter { TreeBar, PreviewBar, SlideListBar };

// How the splitter bars move and how the panes follow them, in twips.
class SplitterRules {
public:
    static constexpr int MinimumPane = 800;

    // The bar's position along its drag direction: left edge of a vertical bar, top edge of
    // the horizontal one.
    static int barPosition(const PaneLayout &layout, Splitter bar);

    // Whether the bar may go to the candidate position: strictly inside its limits.
    static bool accepts(const PaneLayout &layout, Splitter bar, int candidate);

    // Moves only the bar; the panes wait for the release.
    static void moveBar(PaneLayout &layout, Splitter bar, int position);

    // Re-arranges the panes on both sides of the bar after a release with the left button.
    static void rearrange(PaneLayout &layout, Splitter bar, int clientWidth);

    // The name column's new width for a list of two columns, or nothing when the list is too
    // narrow; the size column always keeps its width.
    static std::optional<int> fittedNameColumn(int listWidth, int sizeColumnWidth);
};
