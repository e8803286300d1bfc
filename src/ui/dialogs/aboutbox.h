// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// The version information box: the program's picture, name, platform line, version and
// notices, closed with its only button "OK", which always holds the focus.
//
// Controls keep their design names; the label arrays ("Label1" 0-4, "Label2" 0-2) and the
// etched rule ("Line1" 0-1) are addressed as described in controlarray.h.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

private:
    void buildPicture();
    void buildTitle();
    void buildNotices();
    void buildRuleAndButton();
    QLabel *addLabel(const QString &name, int index, const QString &text, const QColor &colour);
};
