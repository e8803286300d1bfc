// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QCheckBox;
class StatusHints;
struct Settings;

// The two slide-show check boxes of the command bar: Check1 keeps the show above other
// windows, Check2 opens it maximised. Each writes its setting at once when clicked.
class ShowOptionChecks : public QObject {
    Q_OBJECT
public:
    ShowOptionChecks(QCheckBox &check1, QCheckBox &check2, Settings &settings, StatusHints &hints);

    // Puts the stored settings into the boxes. Check1 runs its click behaviour when the
    // state changes; Check2 just shows the stored state.
    void placeSettings();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void check1Toggled(bool checked);
    void check2Toggled(bool checked);
    QString hintFor(const QCheckBox &box) const;

    QCheckBox &m_check1;
    QCheckBox &m_check2;
    Settings &m_settings;
    StatusHints &m_hints;
};
