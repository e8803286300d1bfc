// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class FocusHandover;
class QCheckBox;
class QWidget;
class StatusHints;
struct Settings;

// The two slide-show check boxes of the command bar: one keeps the show above other windows,
// the other opens it maximised. Each writes its setting at once when clicked.
class ShowOptionChecks : public QObject {
    Q_OBJECT
public:
    ShowOptionChecks(QCheckBox &onTopCheck, QCheckBox &maximizedCheck, Settings &settings,
                     StatusHints &hints, FocusHandover &focus);

    // Puts the stored settings into the boxes. The on-top box runs its click behaviour when
    // the state changes; the maximised box just shows the stored state.
    void placeSettings();

private:
    void focusChanged(QWidget *control, bool gained);
    void onTopToggled(bool checked);
    void maximizedToggled(bool checked);
    QString hintFor(const QCheckBox &box) const;

    QCheckBox &m_onTopCheck;
    QCheckBox &m_maximizedCheck;
    Settings &m_settings;
    StatusHints &m_hints;
};
