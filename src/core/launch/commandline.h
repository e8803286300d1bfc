// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/launch/launchrequest.h"

#include <QString>
#include <QStringList>

// The program's command line, vellora [--show|-s] [FILE|FOLDER...], read into what the start
// is to do.
struct CommandLine {
    enum class Action { Run, PrintHelp, PrintVersion, Refuse };

    Action action = Action::Run;
    // What to print: the help or the version on standard output, or for a refused command
    // line the complaint and a short usage line on standard error.
    QString text;
    // For Run: the names given that exist, made absolute, in their order, and the show flag.
    LaunchRequest request;
    // The names given that name nothing, as given.
    QStringList missing;

    // The exit status of a start that ends after printing.
    int exitStatus() const { return action == Action::Refuse ? 2 : 0; }
};

// Reads arguments (the program's name first); relative names are taken from workingFolder.
// The help and version texts use the application's name and version.
CommandLine parseCommandLine(const QStringList &arguments, const QString &workingFolder);
