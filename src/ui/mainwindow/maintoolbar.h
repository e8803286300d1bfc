// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolBar>

class MainActions;

// The toolbar of the command bar: ten commands of MainActions with five separators between
// their groups, icons only.
class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolBar(const MainActions &actions, QWidget *parent = nullptr);
};
