// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// The version information box: the program's picture, name, platform line, version and
// notices, closed with its only button "OK", which always holds the focus.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

private:
    void buildPicture();
    void buildTitle();
    void buildNotices();
    void buildRuleAndButton();
    QLabel *addLabel(const QString &name, const QString &text, const QColor &colour);
};
