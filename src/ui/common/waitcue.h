// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class DetachedWork;
class QWidget;
class StatusHints;

// Shows that a view waits for its detached work: when the work lasts longer than a moment,
// the wait cursor over the view and a text in the hint panel, until the work ends. Quick work
// shows nothing, so that the cursor does not flicker.
class WaitCue : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultDelayMs = 500;

    WaitCue(QWidget &view, StatusHints &hints, const QString &hint, const DetachedWork &work);

    void setDelay(int milliseconds) { m_delay.setInterval(milliseconds); }
    bool isShown() const { return m_shown; }

private:
    void busyChanged(bool busy);
    void show();
    void hide();

    QWidget &m_view;
    StatusHints &m_hints;
    QString m_hint;
    QString m_hintBefore;
    QTimer m_delay;
    bool m_shown = false;
};
