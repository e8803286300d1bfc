// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/slideshowactions.h"

#include "ui/show/showicons.h"
#include "ui/show/slideshowtexts.h"

#include <QAction>

namespace {

QAction *command(QObject *owner, const char *name, const QString &text)
{
    auto *action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *button(QObject *owner, const char *name, ShowIcon icon, const QString &text, Qt::Key key)
{
    QAction *action = command(owner, name, text);
    action->setIcon(showIcon(icon));
    action->setToolTip(text);
    action->setShortcut(QKeySequence(key));
    return action;
}

QAction *choice(QObject *owner, const char *name, const QString &text)
{
    QAction *action = command(owner, name, text);
    action->setCheckable(true);
    return action;
}

} // namespace

SlideShowActions::SlideShowActions(QObject *owner)
    : stop(button(owner, "stopAction", ShowIcon::Stop, SlideShowTexts::stop(), Qt::Key_Escape))
    , back(button(owner, "backAction", ShowIcon::Back, SlideShowTexts::back(), Qt::Key_Left))
    , pause(button(owner, "pauseAction", ShowIcon::Pause, SlideShowTexts::pause(), Qt::Key_Space))
    , next(button(owner, "nextAction", ShowIcon::Next, SlideShowTexts::next(), Qt::Key_Right))
    , fullScreen(choice(owner, "fullScreenAction", SlideShowTexts::fullScreen()))
    , alwaysOnTop(choice(owner, "alwaysOnTopAction", SlideShowTexts::alwaysOnTop()))
    , listOrder(choice(owner, "listOrderAction", SlideShowTexts::listOrder()))
    , randomOrder(choice(owner, "randomOrderAction", SlideShowTexts::randomOrder()))
{
    pause->setCheckable(true);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
}

void SlideShowActions::showPlaying(bool playing)
{
    pause->setChecked(!playing);
    pause->setIcon(showIcon(playing ? ShowIcon::Pause : ShowIcon::Start));
    pause->setToolTip(playing ? SlideShowTexts::pause() : SlideShowTexts::start());
}
