// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Opens the program's help (the collection VEL_Help.qhc with VEL_Help.qch) in a non-modal
// help window owned by owner, at its contents or its keyword index. A help window already open
// for owner is reused. Returns the description of a failure, empty on success.
enum class HelpPage { Contents, Index };
QString openHelp(QWidget *owner, HelpPage page);

// The same for a help collection at a given path.
QString openHelpCollection(QWidget *owner, HelpPage page, const QString &collectionFile);

// Where the help collection of a program in programFolder is: beside the program, as a build
// tree or a portable copy keeps it, else in the data folder of an installed program.
QString helpCollectionFor(const QString &programFolder);
