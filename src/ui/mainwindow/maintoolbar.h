// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolBar>

// The toolbar of the command bar (Toolbar1): ten keyed buttons and five separators. A click
// reports the button's key; separators have no key.
class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolBar(QWidget *parent = nullptr);

    // The button with this key (its object name), or nullptr.
    QAction *button(const QString &key) const;

Q_SIGNALS:
    void buttonClicked(const QString &key);
};
