// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Tells the command bar's controls when the keyboard focus really moves from one control of
// the main window to another. Entering the menu bar, opening a menu or a pop-up, a dialog or
// another program takes the focus from the window, not from its control: the control keeps
// it, and getting it back is no new gain. A loss is told before the next control hears of its
// gain, so that the next control's hint is the one that stays.
class FocusHandover : public QObject {
    Q_OBJECT
public:
    FocusHandover(QWidget &window, QWidget &menuBar);

    // Reports the control's gains and losses.
    void watch(QWidget &control);

    // The watched control that holds the focus, or nullptr.
    QWidget *holder() const { return m_holder; }

Q_SIGNALS:
    void gained(QWidget *control);
    void lost(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isControl(const QWidget *widget) const;
    void focusSettled(QWidget *now);
    void release();

    QWidget &m_window;
    QWidget &m_menuBar;
    QList<QWidget *> m_watched;
    QPointer<QWidget> m_holder;
};
