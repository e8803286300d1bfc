// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launch/commandline.h"

#include "core/launch/launchtexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

CommandLine parseCommandLine(const QStringList &arguments, const QString &workingFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(LaunchTexts::description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption show({QStringLiteral("s"), QStringLiteral("show")},
                                  LaunchTexts::showOption());
    parser.addOption(show);
    parser.addPositionalArgument(QStringLiteral("files"), LaunchTexts::filesArgument(),
                                 LaunchTexts::filesSyntax());

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Refuse;
        result.text =
            QStringLiteral("vellora: %1\n%2\n").arg(parser.errorText(), LaunchTexts::usageLine());
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::PrintHelp;
        result.text = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::PrintVersion;
        result.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion());
        return result;
    }
    result.request.show = parser.isSet(show);
    const QDir folder(workingFolder);
    const QStringList names = parser.positionalArguments();
    for (const QString &name : names) {
        // An empty name would stand for the working folder itself.
        const QString path = QDir::cleanPath(folder.absoluteFilePath(name));
        if (!name.isEmpty() && QFileInfo::exists(path))
            result.request.paths.append(path);
        else
            result.missing.append(name);
    }
    return result;
}
