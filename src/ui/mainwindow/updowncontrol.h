// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrow buttons holding a whole number within a range. The arrows never
// take the keyboard focus, so the entry beside them keeps it until the window moves it.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(int minimum, int maximum, QWidget *parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Clamps to the range; valueChanged follows only a real change.
    void setValue(int value);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *makeArrow(Qt::ArrowType arrow, int step);

    int m_minimum;
    int m_maximum;
    int m_value;
    QToolButton *m_up;
    QToolButton *m_down;
};
