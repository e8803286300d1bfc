// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop drops (text/uri-list): only absolute local paths come out, never more than there
// are lines, and any local path a file manager sends arrives unchanged.
#include "fuzzcheck.h"

#include "core/slidelist/urilist.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::wholeInput(data, size);
    const QStringList paths = localPathsFromUriList(bytes);
    FUZZ_CHECK(paths.size() <= bytes.count('\n') + 1);
    for (const QString &path : paths) {
        FUZZ_CHECK(path.startsWith(QLatin1Char('/')));
        FUZZ_CHECK(!path.contains(QChar(0)));
    }

    // Each line taken as a path below the root, sent the way a GLib file manager sends it
    // (QUrl's own encoder mangles supplementary-plane noncharacters).
    QStringList sent;
    QByteArray uriList = "# dropped files\r\n";
    for (const QByteArray &line : bytes.split('\n')) {
        const QString path = QDir::cleanPath(QLatin1Char('/') + QString::fromUtf8(line));
        if (path.contains(QChar(0)))
            continue;
        sent.append(path);
        uriList += "file://" + path.toUtf8().toPercentEncoding("/") + "\r\n";
    }
    FUZZ_CHECK(localPathsFromUriList(uriList) == sent);
    return 0;
}
