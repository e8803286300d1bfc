// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A thin bar between two panes that the user drags with the left mouse button (the tree,
// preview and slide-list splitters). The bar only reports; the window decides where it may go.
class SplitterBar : public QWidget {
    Q_OBJECT
public:
    SplitterBar(Qt::Orientation orientation, const QString &name, QWidget *parent = nullptr);

    void setColour(const QColor &colour);
    QColor colour() const;

Q_SIGNALS:
    void pressed();
    // The pointer's offset inside the bar along the drag direction, in pixels, while the
    // left button is held.
    void dragged(int offset);
    void released(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Qt::Orientation m_orientation;
};
