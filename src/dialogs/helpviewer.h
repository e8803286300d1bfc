#pragma once

#include <QString>

class QWidget;

// Opens the program's help in a non-modal help window owned by owner: command 1 shows the
// contents, command 2 the keyword index. Returns the description of a failure, empty on
// success.
QString OpenHelp(QWidget *owner, int command);
