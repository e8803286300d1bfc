#pragma once

#include <QDialog>

// The version information box, closed with its only button.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};
