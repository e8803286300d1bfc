// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDialog>
#include <QString>
#include <array>

class Interaction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Settings;

// The options dialog: slide-show options, the picture types the file list searches for, and
// the two stored paths. It edits its own controls and writes the settings only on OK.
// exec() returns Accepted after OK (the settings are written then; the caller repaints what
// shows the background colour) and Rejected after Cancel or the close box (nothing written).
//
// Controls keep their design names; the arrays ("Frame1" 0-3, "txtPs0" 0-1, "cmbPs0" 0-1,
// "chkPic" 0-1, "Chk0" 0-2, "cmbCl0" 0-2) are addressed as described in controlarray.h.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(Settings &settings, Interaction &interaction, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *addFrame(int index, const QString &caption, int left, int top, int width,
                        int height);
    void buildPathGroups();
    void buildColourGroup();
    void buildPictureTypeGroup();
    void buildOptionBoxes();
    void buildButtons();
    QPushButton *addButton(QWidget *parent, const QString &name, int index, const QString &caption);

    void loadSettings();
    void resetDefaults();
    void confirm();
    void showColour(const QColor &colour);
    void chooseColour();
    void chooseSaveFolder();
    void chooseStartupList();

    void pictureTypeLeft(QCheckBox *box, bool toPictureType);
    bool keepOnePictureType(QCheckBox *left);

    Settings &m_settings;
    Interaction &m_interaction;
    std::array<QGroupBox *, 4> m_frames{};
    std::array<QLineEdit *, 2> m_txtPs0{};
    QLabel *m_lblBackColor = nullptr;
    std::array<QCheckBox *, 2> m_chkPic{};
    std::array<QString, 2> m_chkPicTags; // a picture-type box's value when it got the focus
    QCheckBox *m_lastPictureBox = nullptr;
    bool m_askingPictureType = false;
    std::array<QCheckBox *, 3> m_chk0{};
    std::array<QPushButton *, 3> m_cmbCl0{};
    QColor m_backColour = Qt::black;    // the colour the sample shows
    QColor m_chooserColour = Qt::black; // the colour the chooser returned last
};
