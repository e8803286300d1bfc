// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Interaction;
class ListDocument;
class SlideListModel;
struct Settings;

// The File menu's list-file commands: open, save and save as.
class ListFileCommands {
public:
    ListFileCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                     Interaction &interaction);

    // Appends the pictures of a list file (asks for one when path is empty), skipping paths
    // already listed and files that no longer exist.
    void openListFile(const QString &path);
    // Writes the list to listPath, or to a name asked for when useCurrentPath is false.
    void saveListFile(bool useCurrentPath);

    // The Open command: offers to save a modified list first, then asks for a list file.
    void openList();
    // The Save command: writes a named list to its file and asks for a name for an unnamed one.
    void saveList();

private:
    QString startFolder() const;
    void appendExisting(const QStringList &paths);
    void adoptListPath(const QString &path);

    SlideListModel &m_model;
    ListDocument &m_document;
    Settings &m_settings;
    Interaction &m_interaction;
};
