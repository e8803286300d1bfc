// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// Local paths of a text/uri-list drop (RFC 2483): one URI per line, lines ended by CR LF or
// LF, "#" lines are comments. Only file: URIs of this machine give paths; anything else is
// skipped, in the order given.
QStringList localPathsFromUriList(const QByteArray &uriList);

// The text/uri-list of local paths, in their order: one file: URI per line, each line ended by
// CR LF, the path's UTF-8 bytes percent-encoded but for its separators and the unreserved
// characters. localPathsFromUriList reads it back unchanged.
QByteArray uriListFromLocalPaths(const QStringList &paths);
