// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/urilist.h"

#include <QUrl>

namespace {

bool isThisMachine(const QString &host)
{
    return host.isEmpty() || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList localPathsFromUriList(const QByteArray &uriList)
{
    QStringList paths;
    for (QByteArray line : uriList.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QUrl url = QUrl::fromEncoded(line, QUrl::StrictMode);
        if (!url.isValid() ||
            url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) != 0 ||
            !isThisMachine(url.host()))
            continue;
        // toLocalFile() keeps a host as "//host"; this machine's files are the path alone.
        // Decoded by hand: QUrl's own decoding turns noncharacters such as U+FDD0, which a
        // Linux file name may hold, into U+FFFD.
        const QString path = QString::fromUtf8(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
        if (path.startsWith(QLatin1Char('/')) && !path.contains(QChar(0)))
            paths.append(path);
    }
    return paths;
}

QByteArray uriListFromLocalPaths(const QStringList &paths)
{
    QByteArray uriList;
    for (const QString &path : paths)
        uriList += "file://" + path.toUtf8().toPercentEncoding("/") + "\r\n";
    return uriList;
}
