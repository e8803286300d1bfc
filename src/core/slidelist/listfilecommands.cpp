// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/listfilecommands.h"

#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "core/settings/settings.h"
#include "core/slidelist/entryrules.h"
#include "core/slidelist/filelengths.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfileformat.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/slidelisttexts.h"

#include <QDir>
#include <QVector>

namespace {

QString fileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

ListFileCommands::ListFileCommands(SlideListModel &model, ListDocument &document,
                                   Settings &settings, Interaction &interaction)
    : m_model(model)
    , m_document(document)
    , m_settings(settings)
    , m_interaction(interaction)
{
}

void ListFileCommands::openListFile(const QString &path)
{
    QString listPath = path;
    if (listPath.isEmpty()) {
        listPath = m_interaction.openFileName(SlideListTexts::openTitle(), startFolder(),
                                              SlideListTexts::openFilters());
        if (listPath.isEmpty())
            return;
    }
    // A name without a list extension (a picture chosen under "all files") is no list.
    const ListFormat format = listFormatOf(listPath);
    if (format == ListFormat::None) {
        qCDebug(logSlideList) << "not a list file name, nothing opened:" << listPath;
        return;
    }

    const ListReadResult result = readListFile(listPath, format);
    switch (result.status) {
    case ListReadResult::Status::WrongMagic:
        m_interaction.messageBox(SlideListTexts::readErrorText(), MessageStyle::Error,
                                 SlideListTexts::readErrorTitle());
        return;
    case ListReadResult::Status::Unreadable:
        qCDebug(logSlideList) << "list file cannot be read:" << listPath;
        return;
    case ListReadResult::Status::Damaged:
        appendExisting(result.paths);
        return;
    case ListReadResult::Status::Complete:
        appendExisting(result.paths);
        adoptListPath(listPath);
        return;
    }
}

void ListFileCommands::saveListFile(bool useCurrentPath)
{
    QString target = m_document.listPath;
    if (!useCurrentPath) {
        const QString proposed = m_document.listPath.isEmpty() ? SlideListTexts::untitledFileName()
                                                               : fileNamePart(m_document.listPath);
        target = m_interaction.saveFileName(SlideListTexts::saveTitle(),
                                            QDir(startFolder()).filePath(proposed),
                                            SlideListTexts::saveFilters());
    }
    if (target.isEmpty())
        return;
    const ListFormat format = listFormatOf(target);
    if (format == ListFormat::None) {
        qCDebug(logSlideList) << "not a list file name, nothing saved:" << target;
        return;
    }
    // Saving is the user's only safeguard for the list, so a failure must not pass unnoticed.
    if (!writeListFile(target, format, m_model.paths())) {
        m_interaction.messageBox(SlideListTexts::writeErrorText(), MessageStyle::Error,
                                 SlideListTexts::writeErrorTitle());
        return;
    }
    m_document.listModified = false;
    adoptListPath(target);
}

// A modified list is offered for saving first; the chosen file's pictures are then added.
void ListFileCommands::openList()
{
    if (m_document.listModified &&
        m_interaction.messageBox(SlideListTexts::modifiedQuestion(), MessageStyle::QuestionYesNo,
                                 SlideListTexts::modifiedTitle()) == Interaction::Answer::Yes)
        saveList();
    openListFile(QString());
}

QString ListFileCommands::startFolder() const
{
    if (!m_settings.listSaveFolder.isEmpty())
        return m_settings.listSaveFolder;
    if (!m_document.lastListFolder.isEmpty())
        return m_document.lastListFolder;
    return QDir::homePath();
}

// A path that exists gives its file name (the name the shell shows) and its length.
void ListFileCommands::appendExisting(const QStringList &paths)
{
    QStringList candidates;
    for (const QString &path : paths) {
        if (m_model.findEntry(path) == 0 && !fileNamePart(path).isEmpty())
            candidates.append(path);
    }
    const QVector<qint64> lengths = FileLengths(candidates);
    QVector<SlideEntry> found;
    found.reserve(candidates.size());
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const QString &path = candidates.at(i);
        if (lengths.at(i) < 0) {
            qCDebug(logSlideList) << "listed picture is gone, left out:" << path;
            continue;
        }
        found.append(SlideEntry{path, sizeText(lengths.at(i)), iconForName(fileNamePart(path))});
    }
    m_model.addEntries(found);
}

void ListFileCommands::saveList()
{
    saveListFile(!ListDocument::isUnnamed(m_document.listName));
}

void ListFileCommands::adoptListPath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString fileName = path.mid(slash + 1);
    m_document.setNameAndPath(fileName.left(fileName.lastIndexOf(QLatin1Char('.'))), path);
    m_document.lastListFolder =
        slash > 0 ? path.left(slash) : (slash == 0 ? QStringLiteral("/") : QString());
}
