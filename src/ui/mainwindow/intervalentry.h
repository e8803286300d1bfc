// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class FocusHandover;
class Interaction;
class QLineEdit;
class StatusHints;
class UpDownControl;
struct Settings;

// The slide interval entry of the command bar: the text box, its arrows and the focus sink, an
// invisible box that takes the focus after the arrows were used. An entry that is
// not a number from 1 to 30 is refused when the focus moves on to another control, and the
// text it had when it got the focus comes back.
class IntervalEntry : public QObject {
    Q_OBJECT
public:
    IntervalEntry(QLineEdit &edit, UpDownControl &upDown, QLineEdit &focusSink, Settings &settings,
                  Interaction &interaction, StatusHints &hints, FocusHandover &focus);

    // Puts a stored interval into the arrows; the entry and its hint follow as for the user.
    void placeInterval(int seconds);

    // The text the entry had when it last got the focus.
    QString tag() const { return m_tag; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHint(const QString &text);
    void entryTextChanged(const QString &text);
    void upDownChanged(int value);
    void gained(QWidget *control);
    void lost(QWidget *control);
    void checkEntry();
    void reject();

    QLineEdit &m_edit;
    UpDownControl &m_upDown;
    QLineEdit &m_focusSink;
    Settings &m_settings;
    Interaction &m_interaction;
    StatusHints &m_hints;
    QString m_tag;
};
