// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

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
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(Settings &settings, Interaction &interaction, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *addGroup(const QString &name, const QString &caption, int left, int top, int width,
                        int height);
    QLineEdit *addPathGroup(const QString &name, const QString &caption, int top,
                            void (OptionsDialog::*choose)());
    void buildPathGroups();
    void buildColourGroup();
    void buildPictureTypeGroup();
    void buildOptionBoxes();
    void buildButtons();
    QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption);
    QCheckBox *addCheck(QWidget *parent, const QString &name, const QString &caption, int left,
                        int top, int width, int height);

    void loadSettings();
    void resetDefaults();
    void confirm();
    void showColour(const QColor &colour);
    void chooseColour();
    void chooseSaveFolder();
    void chooseStartupList();

    bool isPictureType(const QObject *control) const;
    bool &checkedOnEntry(const QCheckBox *pictureType);
    void pictureTypeLeft(QCheckBox *box, bool toPictureType);
    bool keepOnePictureType(QCheckBox *left);

    Settings &m_settings;
    Interaction &m_interaction;
    QLineEdit *m_saveFolderEdit = nullptr;
    QLineEdit *m_startupListEdit = nullptr;
    QLabel *m_backColourSample = nullptr;
    QCheckBox *m_bmpCheck = nullptr;
    QCheckBox *m_jpegCheck = nullptr;
    // Whether each picture-type box was checked when it got the focus.
    bool m_bmpCheckedOnEntry = false;
    bool m_jpegCheckedOnEntry = false;
    QCheckBox *m_lastPictureBox = nullptr;
    bool m_askingPictureType = false;
    QCheckBox *m_startFixedCheck = nullptr;
    QCheckBox *m_fadeCheck = nullptr;
    QCheckBox *m_randomOrderCheck = nullptr;
    QColor m_backColour = Qt::black;    // the colour the sample shows
    QColor m_chooserColour = Qt::black; // the colour the chooser returned last
};
