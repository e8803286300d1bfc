// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The pin marker of the slide-show window. Pinned, the window stays where it is; unpinned
// (only when the window is free), it steps out of the mouse pointer's way. A maximised window
// is always pinned and gets back its earlier state when restored.
class PinState {
public:
    // A fixed window starts pinned; a free one starts unpinned.
    explicit PinState(bool freeWindow);

    bool visible() const { return m_visible; }
    bool pinWasHidden() const { return m_pinWasHidden; }

    // After a resize in the normal or maximised state (a minimised window is left alone).
    void windowResized(bool maximised);
    void statusBarClicked() { m_visible = true; }
    void pinClicked();
    bool stepsAside(bool maximised) const { return m_free && !maximised && !m_visible; }

private:
    bool m_free;
    bool m_visible;
    bool m_pinWasHidden = false;
};

// The point-symmetric place of a window on the screen, in twips: the top right-hand corner
// becomes the bottom left-hand one. Not clamped, so a window partly off the screen stays so.
QPointF stepAsidePosition(const QRectF &window, const QSizeF &screen);
