// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/helpviewer.h"

#include "ui/dialogs/dialogstexts.h"
#include "ui/dialogs/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

// The collection and the documentation it refers to, beside each other.
QString missingFile(const QString &collectionFile)
{
    const QFileInfo collection(collectionFile);
    if (!collection.isFile())
        return collection.absoluteFilePath();
    const QString documentation =
        collection.dir().filePath(collection.completeBaseName() + QStringLiteral(".qch"));
    return QFileInfo(documentation).isFile() ? QString() : documentation;
}

} // namespace

QString helpCollectionFor(const QString &programFolder)
{
    const QDir program(programFolder);
    const QString beside = program.filePath(QStringLiteral("VEL_Help.qhc"));
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral(VELLORA_HELP_DATA_DIR "/VEL_Help.qhc")));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

QString openHelp(QWidget *owner, HelpPage page)
{
    return openHelpCollection(owner, page,
                              helpCollectionFor(QCoreApplication::applicationDirPath()));
}

QString openHelpCollection(QWidget *owner, HelpPage page, const QString &collectionFile)
{
    const QString missing = missingFile(collectionFile);
    if (!missing.isEmpty())
        return DialogsTexts::helpFileMissing(QDir::toNativeSeparators(missing));

    auto *window =
        owner ? owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new HelpWindow(collectionFile, owner);
        const QString failure = window->open();
        if (!failure.isEmpty()) {
            delete window;
            return failure;
        }
    }
    if (page == HelpPage::Index)
        window->showIndex();
    else
        window->showContents();
    window->show();
    window->raise();
    window->activateWindow();
    return {};
}
