// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchdata.h"

#include <QRandomGenerator>

namespace {

QString folderFor(QRandomGenerator &random)
{
    static const QStringList roots = {
        QStringLiteral("/home/user/Pictures"), QStringLiteral("/home/user/写真"),
        QStringLiteral("/media/user/CARD/DCIM"), QStringLiteral("/mnt/photos/Archive")};
    static const QStringList events = {QStringLiteral("Summer Trip"), QStringLiteral("誕生日"),
                                       QStringLiteral("family"),      QStringLiteral("Wedding"),
                                       QStringLiteral("京都 旅行"),   QStringLiteral("misc")};
    const int year = 1998 + random.bounded(27);
    const int month = 1 + random.bounded(12);
    return QStringLiteral("%1/%2/%2-%3 %4")
        .arg(roots.at(random.bounded(int(roots.size()))))
        .arg(year)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(events.at(random.bounded(int(events.size()))));
}

QString fileFor(QRandomGenerator &random, int serial)
{
    switch (random.bounded(4)) {
    case 0:
        return QStringLiteral("IMG_%1.JPG").arg(serial, 5, 10, QLatin1Char('0'));
    case 1:
        return QStringLiteral("DSC%1.jpg").arg(serial, 5, 10, QLatin1Char('0'));
    case 2:
        return QStringLiteral("写真%1.jpg").arg(serial);
    default:
        return QStringLiteral("Scan %1.bmp").arg(serial);
    }
}

} // namespace

QStringList BenchData::picturePaths(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QStringList paths;
    paths.reserve(count);
    for (int serial = 0; serial < count; ++serial)
        paths.append(folderFor(random) + QLatin1Char('/') + fileFor(random, serial));
    return paths;
}
