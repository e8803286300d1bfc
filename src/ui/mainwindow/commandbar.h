// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class MainActions;
class MainToolBar;
class QCheckBox;
class QLabel;
class QLineEdit;
class UpDownControl;

// The command bar (CoolBar1): the toolbar band, and below it the band "リストファイル" with
// the list name, the slide interval and the two slide-show check boxes.
class CommandBar : public QFrame {
    Q_OBJECT
public:
    explicit CommandBar(const MainActions &actions, QWidget *parent = nullptr);

    MainToolBar *toolBar() const { return m_toolBar; }
    QLabel *label(int index) const { return m_labels[index]; } // Label1 items 0 to 2
    QLineEdit *text2() const { return m_text2; }
    UpDownControl *upDown1() const { return m_upDown1; }
    QCheckBox *check1() const { return m_check1; }
    QCheckBox *check2() const { return m_check2; }

private:
    QWidget *buildListBand();
    QWidget *buildPicture5(QWidget *band);
    QLabel *makeLabel(int index, const QString &text);

    MainToolBar *m_toolBar;
    QLabel *m_labels[3] = {};
    QLineEdit *m_text2 = nullptr;
    UpDownControl *m_upDown1 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QCheckBox *m_check2 = nullptr;
};
