// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launch/launchmessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

constexpr char Magic[] = {'V', 'L', 'N', 'C'};
constexpr qsizetype MagicSize = sizeof(Magic);
constexpr qsizetype MaxTokenSize = 256;

const QString VersionKey = QStringLiteral("version");
const QString PathsKey = QStringLiteral("paths");
const QString ShowKey = QStringLiteral("show");
const QString ActivationTokenKey = QStringLiteral("activationToken");
const QString StartupIdKey = QStringLiteral("startupId");

// Printable ASCII only: a token ends up in an environment variable and an X property.
bool isAcceptableToken(const QString &token)
{
    if (token.size() > MaxTokenSize)
        return false;
    for (const QChar c : token) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

bool isAcceptablePath(const QString &path)
{
    return path.startsWith(QLatin1Char('/')) && !path.contains(QChar(0));
}

std::optional<QStringList> pathsOf(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QStringList paths;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &item : array) {
        if (!item.isString() || !isAcceptablePath(item.toString()))
            return std::nullopt;
        paths.append(item.toString());
    }
    return paths;
}

std::optional<QString> tokenOf(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return QString();
    if (!value.isString() || !isAcceptableToken(value.toString()))
        return std::nullopt;
    return value.toString();
}

std::optional<LaunchRequest> fail(QString *problem, const QString &reason)
{
    if (problem)
        *problem = reason;
    return std::nullopt;
}

} // namespace

QByteArray LaunchMessage::encode(const LaunchRequest &request)
{
    QJsonObject object{{VersionKey, Version},
                       {PathsKey, QJsonArray::fromStringList(request.paths)},
                       {ShowKey, request.show}};
    if (!request.activationToken.isEmpty() && isAcceptableToken(request.activationToken))
        object.insert(ActivationTokenKey, request.activationToken);
    if (!request.startupId.isEmpty() && isAcceptableToken(request.startupId))
        object.insert(StartupIdKey, request.startupId);
    const QByteArray body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    QByteArray message(Magic, MagicSize);
    message.append(HeaderSize - MagicSize, '\0');
    qToBigEndian(quint32(body.size()), message.data() + MagicSize);
    return message + body;
}

qsizetype LaunchMessage::bodySize(QByteArrayView header)
{
    if (header.size() != HeaderSize || header.first(MagicSize) != QByteArrayView(Magic, MagicSize))
        return -1;
    const quint32 size = qFromBigEndian<quint32>(header.data() + MagicSize);
    return size > quint32(MaxBodySize) ? -1 : qsizetype(size);
}

std::optional<LaunchRequest> LaunchMessage::decode(QByteArrayView body, QString *problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body.toByteArray(), &error);
    if (!document.isObject())
        return fail(problem, QStringLiteral("not a JSON object: %1").arg(error.errorString()));
    const QJsonObject object = document.object();
    const QStringList known{VersionKey, PathsKey, ShowKey, ActivationTokenKey, StartupIdKey};
    for (const QString &key : object.keys()) {
        if (!known.contains(key))
            return fail(problem, QStringLiteral("unknown field '%1'").arg(key));
    }
    const QJsonValue version = object.value(VersionKey);
    if (!version.isDouble() || version.toDouble() != Version)
        return fail(problem, QStringLiteral("unknown version"));
    const std::optional<QStringList> paths = pathsOf(object.value(PathsKey));
    if (!paths)
        return fail(problem, QStringLiteral("paths are not a list of absolute paths"));
    const QJsonValue show = object.value(ShowKey);
    if (!show.isBool())
        return fail(problem, QStringLiteral("the show flag is not true or false"));
    const std::optional<QString> activationToken = tokenOf(object, ActivationTokenKey);
    const std::optional<QString> startupId = tokenOf(object, StartupIdKey);
    if (!activationToken || !startupId)
        return fail(problem, QStringLiteral("an activation token is not printable text"));
    return LaunchRequest{*paths, show.toBool(), *activationToken, *startupId};
}
