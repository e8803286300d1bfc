// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the new version of a list file or of the settings file again and again through the
// program's own writers, until it is killed. Prints a line when it starts and after every
// completed save, so that the test can choose the moment of the kill.
//
//   vellora_savekillhelper list <path> <entries> <rounds>
//   vellora_savekillhelper settings <path> <rounds>

#include "core/common/interaction.h"
#include "core/settings/settingsfile.h"
#include "core/slidelist/entryrules.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/slidelistmodel.h"
#include "savekillcontent.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>

namespace {

// A save to listPath asks nothing; a failure would be told here, and is printed instead.
class NoQuestions : public Interaction {
public:
    Answer messageBox(const QString &text, MessageStyle, const QString &) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Answer::Ok;
    }
    Answer confirmOverwrite(const QString &, const QString &) override { return Answer::Cancel; }
    Answer skipOrCancel(const QString &, const QString &) override { return Answer::Cancel; }
    QString openFileName(const QString &, const QString &, const QStringList &) override
    {
        return {};
    }
    QString saveFileName(const QString &, const QString &, const QStringList &) override
    {
        return {};
    }
    QString folderName(const QString &, const QString &) override { return {}; }
    std::optional<QColor> colour(const QColor &) override { return std::nullopt; }
    void beep() override {}
};

void say(const char *line)
{
    std::puts(line);
    std::fflush(stdout);
}

void saveRounds(int rounds, const std::function<void()> &save)
{
    say(SaveKill::StartedLine);
    for (int round = 0; round < rounds; ++round) {
        save();
        say(SaveKill::SavedLine);
    }
}

int saveLists(const QString &path, int count, int rounds)
{
    SlideListModel model;
    const QStringList paths = SaveKill::listPaths('b', count);
    QVector<SlideEntry> entries;
    entries.reserve(paths.size());
    const QString size = sizeText(1234);
    for (const QString &each : paths)
        entries.append({each, size, 2});
    model.addEntries(entries);
    ListDocument document;
    document.setNameAndPath(QStringLiteral("list"), path);
    Settings settings;
    NoQuestions questions;
    ListFileCommands commands(model, document, settings, questions);
    saveRounds(rounds, [&] { commands.saveListFile(true); });
    return 0;
}

int saveSettings(const QString &path, int rounds)
{
    const Settings settings = SaveKill::settingsVersion('b', path);
    saveRounds(rounds, [&] { SettingsFile::write(settings); });
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("list"))
        return saveLists(args.at(2), args.at(3).toInt(), args.at(4).toInt());
    if (args.size() == 4 && args.at(1) == QLatin1String("settings"))
        return saveSettings(args.at(2), args.at(3).toInt());
    std::fputs("usage: vellora_savekillhelper list <path> <entries> <rounds>\n"
               "       vellora_savekillhelper settings <path> <rounds>\n",
               stderr);
    return 2;
}
