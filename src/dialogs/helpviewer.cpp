#include "dialogs/helpviewer.h"

#include <QWidget>

QString OpenHelp(QWidget *owner, int command)
{
    Q_UNUSED(owner);
    Q_UNUSED(command);
    return QStringLiteral("ヘルプはまだ用意されていません。");
}
