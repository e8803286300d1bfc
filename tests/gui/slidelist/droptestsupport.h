// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <memory>

// Data of drags as the folder tree and the desktop's file managers offer them.
namespace DropTest {

inline void writeFile(const QString &path, qint64 size = 0)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(size, 'x'));
}

inline std::unique_ptr<QMimeData> folderKeyData(const QString &key)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QStringLiteral("application/x-vellora-folder-key"), key.toUtf8());
    return mime;
}

inline std::unique_ptr<QMimeData> uriListData(const QStringList &paths)
{
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    mime->setUrls(urls);
    mime->setText(paths.join(QLatin1Char('\n')));
    return mime;
}

// Drags data over target and lets it go there, as a drag from anywhere does: the drop only
// reaches a target that took the drag when it entered. Tells the action the target chose,
// Qt::IgnoreAction when it refused the drag.
inline Qt::DropAction dropOn(QWidget *target, const QMimeData &mime,
                             Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
{
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent drop(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(enter.dropAction());
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

} // namespace DropTest
