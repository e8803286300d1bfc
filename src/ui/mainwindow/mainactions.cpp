// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/mainactions.h"

#include "core/browser/browsertexts.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/slidelist/slidelisttexts.h"

#include <QAction>
#include <QIcon>
#include <QRegularExpression>
#include <QWidget>

struct MainActions::ActionDescription {
    const char *name;
    QString caption;
    QKeySequence shortcut;
    CommandRule rule = CommandRule::Always;
    QString toolTip = {};              // toolbar commands only
    const char *themeIcon = nullptr;   // freedesktop.org icon name, toolbar commands only
    const char *bundledIcon = nullptr; // fallback picture in the program's resources
};

namespace {

QIcon toolbarIcon(const char *themeIcon, const char *bundledIcon)
{
    QIcon bundled;
    for (const int size : {16, 32}) {
        bundled.addFile(
            QStringLiteral(":/toolbar/%1-%2.png").arg(QLatin1String(bundledIcon)).arg(size),
            QSize(size, size));
    }
    return QIcon::fromTheme(QLatin1String(themeIcon), bundled);
}

// The caption as a sentence for the status bar: without its access key.
QString statusHintOf(const QString &caption)
{
    static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)$"));
    return QString(caption).remove(accessKey);
}

} // namespace

MainActions::MainActions(QObject *parent)
    : QObject(parent)
{
    using R = CommandRule;
    m_exit = make({"exitAction", MainText::ExitCaption, Qt::Key_F1, R::Always, MainText::ExitTip,
                   "application-exit", "end"});
    m_openList = make({"openListAction", MainText::OpenListCaption, Qt::Key_F2, R::Always,
                       MainText::OpenListTip, "document-open", "load"});
    m_save = make({"saveAction", MainText::SaveCaption, Qt::Key_F3, R::SlideListHasEntries,
                   MainText::SaveTip, "document-save", "save"});
    m_saveAs = make({"saveAsAction", MainText::SaveAsCaption, QKeySequence(Qt::CTRL | Qt::Key_S),
                     R::SlideListHasEntries});
    m_deleteEntries =
        make({"deleteEntriesAction", MainText::DeleteEntriesCaption, Qt::Key_Delete,
              R::FocusedSlideListHasEntries, MainText::DeleteEntriesTip, "edit-delete", "delete"});
    m_clearList = make({"clearListAction", MainText::ClearListCaption, Qt::Key_F4,
                        R::SlideListHasEntries, MainText::ClearListTip, "edit-clear", "alldel"});
    m_addSelected =
        make({"addSelectedAction", MainText::AddSelectedCaption, Qt::Key_F5,
              R::FocusedFileListHasEntries, MainText::AddSelectedTip, "list-add", "select"});
    m_addAll = make({"addAllAction", MainText::AddAllCaption, Qt::Key_F6, R::FileListHasEntries,
                     MainText::AddAllTip, "edit-select-all", "allselect"});
    m_startShow = make({"startShowAction", MainText::StartShowCaption, Qt::Key_F7, R::Always,
                        MainText::StartShowTip, "media-playback-start", "start"});
    m_options = make({"optionsAction", MainText::OptionsCaption, QKeySequence(Qt::CTRL | Qt::Key_E),
                      R::Always, MainText::OptionsTip, "preferences-system", "option1"});
    m_helpContents = make({"helpContentsAction",
                           MainText::HelpContentsCaption,
                           {},
                           R::Always,
                           MainText::HelpContentsTip,
                           "help-contents",
                           "help"});
    m_helpIndex = make({"helpIndexAction", MainText::HelpIndexCaption, {}});
    m_about = make({"aboutAction", MainText::AboutCaption, {}});
    m_openMenuBar = make({"openMenuBarAction", {}, Qt::Key_F10});
    makePopUpCommands();
}

void MainActions::makePopUpCommands()
{
    using R = CommandRule;
    const QStringList popUp = SlideListTexts::popUpItems();
    m_moveFiles = make({"moveFilesAction", popUp.at(0), {}, R::SlideListHasEntries});
    m_copyFiles = make({"copyFilesAction", popUp.at(1), {}, R::SlideListHasEntries});
    m_deleteFiles = make({"deleteFilesAction", popUp.at(2), {}, R::SlideListHasEntries});
    m_newFolder = make({"newFolderAction", BrowserTexts::newFolderItem(), {}});
    m_deleteFolder = make({"deleteFolderAction", BrowserTexts::deleteFolderItem(), {}});
}

QAction *MainActions::make(const ActionDescription &description)
{
    auto *action = new QAction(description.caption, this);
    action->setObjectName(QLatin1String(description.name));
    action->setShortcut(description.shortcut);
    action->setStatusTip(statusHintOf(description.caption));
    if (!description.toolTip.isEmpty())
        action->setToolTip(description.toolTip);
    if (description.themeIcon) {
        action->setIcon(toolbarIcon(description.themeIcon, description.bundledIcon));
        action->setIconVisibleInMenu(false); // the menus show captions only
    }
    m_rules.insert(action, description.rule);
    m_all.append(action);
    return action;
}

void MainActions::addTo(QWidget &widget, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (!action) {
            action = new QAction(&widget);
            action->setSeparator(true);
        }
        widget.addAction(action);
    }
}

QList<QAction *> MainActions::fileMenu() const
{
    return {m_openList, nullptr, m_save, m_saveAs, nullptr, m_exit};
}

QList<QAction *> MainActions::editMenu() const
{
    return {m_deleteEntries, m_clearList, nullptr, m_addSelected, m_addAll};
}

QList<QAction *> MainActions::toolsMenu() const
{
    return {m_startShow, nullptr, m_options};
}

QList<QAction *> MainActions::helpMenu() const
{
    return {m_helpContents, m_helpIndex, nullptr, m_about};
}

// The function keys follow this order: F1 is the exit, not help.
QList<QAction *> MainActions::toolBar() const
{
    return {m_exit,          nullptr,     m_openList, m_save,        nullptr,
            m_deleteEntries, m_clearList, nullptr,    m_addSelected, m_addAll,
            nullptr,         m_startShow, nullptr,    m_options,     m_helpContents};
}

QList<QAction *> MainActions::slideListPopUp() const
{
    return {m_moveFiles, m_copyFiles, m_deleteFiles};
}

QList<QAction *> MainActions::folderTreePopUp() const
{
    return {m_newFolder, m_deleteFolder};
}
