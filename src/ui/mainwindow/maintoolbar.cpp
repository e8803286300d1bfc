// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/maintoolbar.h"

#include "core/mainwindow/mainwindowtexts.h"

#include <QAction>
#include <QIcon>

namespace {

struct ButtonEntry {
    const char *key;       // empty: a separator
    const char *themeIcon; // freedesktop.org icon name
    const char *bundled;   // fallback picture in the program's resources
    const QString *tip;
};

const ButtonEntry Buttons[] = {
    {"tbm_End", "application-exit", "end", &MainText::TipEnd},
    {"", nullptr, nullptr, nullptr},
    {"tbm_Load", "document-open", "load", &MainText::TipLoad},
    {"tbm_Save", "document-save", "save", &MainText::TipSave},
    {"", nullptr, nullptr, nullptr},
    {"tbm_Delete", "edit-delete", "delete", &MainText::TipDelete},
    {"tbm_Alldel", "edit-clear", "alldel", &MainText::TipAlldel},
    {"", nullptr, nullptr, nullptr},
    {"tbm_Select", "list-add", "select", &MainText::TipSelect},
    {"tbm_AllSelect", "edit-select-all", "allselect", &MainText::TipAllSelect},
    {"", nullptr, nullptr, nullptr},
    {"tbm_Start", "media-playback-start", "start", &MainText::TipStart},
    {"", nullptr, nullptr, nullptr},
    {"tbm_Option1", "preferences-system", "option1", &MainText::TipOption1},
    {"tbm_Help", "help-contents", "help", &MainText::TipHelp},
};

QIcon buttonIcon(const ButtonEntry &entry)
{
    QIcon bundled;
    for (const int size : {16, 32}) {
        bundled.addFile(
            QStringLiteral(":/toolbar/%1-%2.png").arg(QLatin1String(entry.bundled)).arg(size),
            QSize(size, size));
    }
    return QIcon::fromTheme(QLatin1String(entry.themeIcon), bundled);
}

} // namespace

MainToolBar::MainToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::NoFocus);
    for (const ButtonEntry &entry : Buttons) {
        const QString key = QLatin1String(entry.key);
        if (key.isEmpty()) {
            addSeparator();
            continue;
        }
        QAction *action = addAction(buttonIcon(entry), *entry.tip);
        action->setObjectName(key);
        action->setToolTip(*entry.tip);
        connect(action, &QAction::triggered, this, [this, key] { Q_EMIT buttonClicked(key); });
    }
}

QAction *MainToolBar::button(const QString &key) const
{
    return findChild<QAction *>(key, Qt::FindDirectChildrenOnly);
}
