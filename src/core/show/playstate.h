// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Which picture of the play order is on screen, and where the next and previous steps lead.
// Both directions wrap around, so the show never ends by itself.
class PlayState {
public:
    // Replaces the order; the position stays where it was.
    void setOrder(const QStringList &order);

    const QStringList &order() const { return m_order; }
    int lastIndex() const { return int(m_order.size()) - 1; }
    int position() const { return m_position; }

    // The position the interval tick and the next button go to, and the back button.
    int followingPosition() const;
    int precedingPosition() const;
    void advance() { m_position = followingPosition(); }
    void stepBack() { m_position = precedingPosition(); }

    // The path at a position; empty outside the order.
    QString pathAt(int position) const;
    QString currentPath() const { return pathAt(m_position); }

    // "3/10": the position counted from 1 and the number of pictures.
    QString positionText() const;

private:
    QStringList m_order;
    int m_position = 0;
};
