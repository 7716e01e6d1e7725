// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/stamplook.h"

#include "options/stampoptions.h"

#include <QRegularExpression>

namespace {

const QStringList &sizeModeNames()
{
    static const QStringList names {QStringLiteral("points"), QStringLiteral("percent")};
    return names;
}

const QStringList &marginModeNames()
{
    static const QStringList names {QStringLiteral("layout"), QStringLiteral("percent")};
    return names;
}

template <typename Value> std::optional<Value> named(const QStringList &names, const QString &name)
{
    const qsizetype index = names.indexOf(name.trimmed().toLower());
    if (index < 0)
        return std::nullopt;
    return Value(index);
}

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kMostDays = 36500;

} // namespace

QStringList textStyleNames()
{
    return {QStringLiteral("plain"), QStringLiteral("outline"), QStringLiteral("shadow"),
        QStringLiteral("box")};
}

QStringList noDateTakenNames()
{
    return {QStringLiteral("sentence"), QStringLiteral("filename"), QStringLiteral("modified"),
        QStringLiteral("skip")};
}

QString nameOf(SizeMode mode)
{
    return sizeModeNames().value(int(mode));
}

QString nameOf(TextStyle style)
{
    return textStyleNames().value(int(style));
}

QString nameOf(MarginMode mode)
{
    return marginModeNames().value(int(mode));
}

QString nameOf(NoDateTaken choice)
{
    return noDateTakenNames().value(int(choice));
}

std::optional<SizeMode> sizeModeNamed(const QString &name)
{
    return named<SizeMode>(sizeModeNames(), name);
}

std::optional<TextStyle> textStyleNamed(const QString &name)
{
    return named<TextStyle>(textStyleNames(), name);
}

std::optional<MarginMode> marginModeNamed(const QString &name)
{
    return named<MarginMode>(marginModeNames(), name);
}

std::optional<NoDateTaken> noDateTakenNamed(const QString &name)
{
    return named<NoDateTaken>(noDateTakenNames(), name);
}

std::optional<int> timeShiftMinutesOf(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral("^([+-]?)(?:(\\d{1,5})d)?(\\d{1,3}):(\\d{2})$"));
    const QRegularExpressionMatch match = shape.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int days = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
    const int hours = match.captured(3).toInt();
    const int minutes = match.captured(4).toInt();
    if (days > kMostDays || minutes > 59 || hours > kMostDays * 24)
        return std::nullopt;
    const qint64 total = qint64(days) * kMinutesPerDay + qint64(hours) * 60 + minutes;
    if (total > qint64(kMostDays) * kMinutesPerDay)
        return std::nullopt;
    return match.captured(1) == u"-" ? -int(total) : int(total);
}

QString timeShiftText(int minutes)
{
    const QChar sign = minutes < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const qint64 amount = qAbs(qint64(minutes));
    const qint64 days = amount / kMinutesPerDay;
    const qint64 rest = amount % kMinutesPerDay;
    const QString time = QStringLiteral("%1:%2")
                             .arg(rest / 60, 2, 10, QLatin1Char('0'))
                             .arg(rest % 60, 2, 10, QLatin1Char('0'));
    return days > 0 ? QStringLiteral("%1%2d%3").arg(sign).arg(days).arg(time)
                    : QString(sign) + time;
}

quint32 styleColorFor(const StampLook &look, quint32 textColor)
{
    if (look.styleColor)
        return *look.styleColor;
    // Rec. 601 luma, as light and dark look to the eye.
    const int luma
        = (299 * redOf(textColor) + 587 * greenOf(textColor) + 114 * blueOf(textColor)) / 1000;
    return luma >= 128 ? kBlack : kWhite;
}
