// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// The visible picture surface: shows its canvas, which the slide show draws into. The canvas
// always has the widget's size; a resize starts it afresh in the background colour.
class PictureSurface : public QWidget {
    Q_OBJECT
public:
    explicit PictureSurface(QWidget *parent = nullptr);

    void setBackColor(const QColor &colour);
    QImage &canvas() { return m_canvas; }
    const QImage &canvas() const { return m_canvas; }

Q_SIGNALS:
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_canvas;
    QColor m_back = Qt::black;
};
