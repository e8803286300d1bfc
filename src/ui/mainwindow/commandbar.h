// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class ElidedLabel;
class MainActions;
class MainToolBar;
class QCheckBox;
class QLabel;
class QLineEdit;
class UpDownControl;

// The command bar: the toolbar band, and below it the band "リストファイル" with the list
// name, the slide interval and the two slide-show check boxes.
class CommandBar : public QFrame {
    Q_OBJECT
public:
    explicit CommandBar(const MainActions &actions, QWidget *parent = nullptr);

    MainToolBar *toolBar() const { return m_toolBar; }
    ElidedLabel *listNameLabel() const { return m_listNameLabel; }
    QLineEdit *intervalEdit() const { return m_intervalEdit; }
    UpDownControl *intervalUpDown() const { return m_intervalUpDown; }
    QCheckBox *onTopCheck() const { return m_onTopCheck; }
    QCheckBox *maximizedCheck() const { return m_maximizedCheck; }

private:
    QWidget *buildListBand();
    QWidget *buildListPanel(QWidget *band);

    MainToolBar *m_toolBar;
    ElidedLabel *m_listNameLabel = nullptr;
    QLineEdit *m_intervalEdit = nullptr;
    UpDownControl *m_intervalUpDown = nullptr;
    QCheckBox *m_onTopCheck = nullptr;
    QCheckBox *m_maximizedCheck = nullptr;
};
