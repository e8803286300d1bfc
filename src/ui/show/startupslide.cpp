// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/startupslide.h"

#include "core/show/picturefit.h"
#include "core/show/playorder.h"
#include "core/slidelist/listfileformat.h"

#include <QFileInfo>
#include <QSet>

namespace {

bool isPictureFile(const QString &path)
{
    return !path.endsWith(QLatin1Char('/')) && QFileInfo::exists(path);
}

QStringList existingOnce(const QStringList &listed)
{
    QStringList existing;
    QSet<QString> seen;
    for (const QString &path : listed) {
        if (!seen.contains(path) && isPictureFile(path)) {
            seen.insert(path);
            existing.append(path);
        }
    }
    return existing;
}

// In list order only the first picture is needed: the rest of the list is left unread.
QString firstExisting(const QStringList &listed)
{
    for (const QString &path : listed) {
        if (isPictureFile(path))
            return path;
    }
    return {};
}

} // namespace

StartupSlide StartupSlide::prepare(const QString &listPath, bool randomOrder, const QSize &area)
{
    StartupSlide slide;
    const ListFormat format = listFormatOf(listPath);
    if (format == ListFormat::None)
        return slide;
    const QStringList listed = readListFile(listPath, format).paths;
    if (randomOrder)
        slide.order = buildPlayOrder(existingOnce(listed), 1);
    const QString first = randomOrder ? slide.order.value(0) : firstExisting(listed);
    if (!first.isEmpty())
        slide.picture = PendingPicture::start(first, area, fitPicture);
    return slide;
}
