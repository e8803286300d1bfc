#include "mainwindow/maintoolbar.h"

#include "mainwindow/mainwindowtexts.h"

#include <QAction>
#include <QIcon>

namespace {

struct ButtonSpec {
    const char *key;       // empty: a separator
    const char *themeIcon; // freedesktop.org icon name
    const char *bundled;   // fallback picture in the program's resources
    const QString *tip;
};

const ButtonSpec Buttons[] = {
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

QIcon buttonIcon(const ButtonSpec &spec)
{
    QIcon bundled;
    for (const int size : {16, 32}) {
        bundled.addFile(
            QStringLiteral(":/toolbar/%1-%2.png").arg(QLatin1String(spec.bundled)).arg(size),
            QSize(size, size));
    }
    return QIcon::fromTheme(QLatin1String(spec.themeIcon), bundled);
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
    for (const ButtonSpec &spec : Buttons) {
        const QString key = QLatin1String(spec.key);
        if (key.isEmpty()) {
            addSeparator();
            continue;
        }
        QAction *action = addAction(buttonIcon(spec), *spec.tip);
        action->setObjectName(key);
        action->setToolTip(*spec.tip);
        connect(action, &QAction::triggered, this, [this, key] { Q_EMIT buttonClicked(key); });
    }
}

QAction *MainToolBar::button(const QString &key) const
{
    return findChild<QAction *>(key, Qt::FindDirectChildrenOnly);
}
