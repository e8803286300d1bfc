// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/intervalrule.h"

#include "core/common/halfeven.h"
#include "core/settings/settings.h"

#include <QRegularExpression>

std::optional<double> IntervalRule::numericValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString plain = text.normalized(QString::NormalizationForm_KC).trimmed();
    if (!number.match(plain).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> IntervalRule::wholeSeconds(const QString &text)
{
    const std::optional<double> value = numericValue(text);
    if (!value || *value < Settings::MinimumIntervalSeconds ||
        *value > Settings::MaximumIntervalSeconds)
        return std::nullopt;
    return roundHalfEven(*value);
}

IntervalRule::Verdict IntervalRule::check(const QString &text, const QString &entryText)
{
    if (text.isEmpty())
        return {Outcome::Rejected, 0};
    if (text == entryText)
        return {Outcome::Unchanged, 0};
    const std::optional<int> seconds = wholeSeconds(text);
    if (!seconds)
        return {Outcome::Rejected, 0};
    return {Outcome::Accepted, *seconds};
}
