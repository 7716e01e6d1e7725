// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookarguments.h"

#include "stampcommand.h"

#include <QColor>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace {

// A percent written with a dot, within [least, most]; none otherwise.
std::optional<double> percentOf(const QString &text, double least, double most)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || value < least || value > most)
        return std::nullopt;
    return value;
}

std::optional<quint32> colorOf(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!hex.match(text).hasMatch())
        return std::nullopt;
    const QColor color = QColor::fromString(text);
    return colorValue(color.red(), color.green(), color.blue());
}

// A locale Qt knows by \a name ("de_DE", "fr", "C"): one that does not fall back to C.
bool knownLocale(const QString &name)
{
    if (name == u"C" || name == u"POSIX")
        return true;
    return QLocale(name).language() != QLocale::C;
}

QString percentText(double value)
{
    return QLocale::c().toString(value, 'g', 6);
}

} // namespace

const QStringList &lookValuedOptions()
{
    static const QStringList options {QStringLiteral("--size-percent"), QStringLiteral("--style"),
        QStringLiteral("--style-color"), QStringLiteral("--box-opacity"),
        QStringLiteral("--margin-percent"), QStringLiteral("--date-format"),
        QStringLiteral("--locale"), QStringLiteral("--no-date-taken"),
        QStringLiteral("--time-shift")};
    return options;
}

bool applyLookSwitch(const QString &argument, StampCommand &command)
{
    if (argument == u"--skip-stamped")
        command.options.skipStamped = true;
    else if (argument == u"--keep-folders")
        command.options.keepFolders = true;
    else if (argument == u"--dry-run")
        command.dryRun = true;
    else if (argument == u"--keep-quality")
        command.options.keepQuality = true;
    else
        return false;
    return true;
}

QString applyLookValue(const QString &argument, const QString &v, StampCommand &command)
{
    StampLook &look = command.options.look;
    DateChoices &dates = command.options.dates;
    if (argument == u"--size-percent") {
        const auto value = percentOf(v, StampLook::kLeastSizePercent, StampLook::kMostSizePercent);
        if (!value)
            return QCoreApplication::translate(
                "KalvoraStamp", "--size-percent takes %1 to %2, not \"%3\"")
                .arg(percentText(StampLook::kLeastSizePercent),
                    percentText(StampLook::kMostSizePercent), v);
        look.sizeMode = SizeMode::Percent;
        look.sizePercent = *value;
    } else if (argument == u"--style") {
        const auto style = textStyleNamed(v);
        if (!style)
            return QCoreApplication::translate("KalvoraStamp", "--style takes %1, not \"%2\"")
                .arg(textStyleNames().join(QLatin1String(", ")), v);
        look.style = *style;
    } else if (argument == u"--style-color") {
        const auto color = colorOf(v);
        if (!color)
            return QCoreApplication::translate(
                "KalvoraStamp", "--style-color takes #RRGGBB, not \"%1\"")
                .arg(v);
        look.styleColor = *color;
    } else if (argument == u"--box-opacity") {
        bool ok = false;
        const int opacity = v.toInt(&ok);
        if (!ok || opacity < 0 || opacity > 100)
            return QCoreApplication::translate(
                "KalvoraStamp", "--box-opacity takes 0 to 100, not \"%1\"")
                .arg(v);
        look.boxOpacity = opacity;
    } else if (argument == u"--margin-percent") {
        const auto value = percentOf(v, 0, 25);
        if (!value)
            return QCoreApplication::translate(
                "KalvoraStamp", "--margin-percent takes 0 to 25, not \"%1\"")
                .arg(v);
        look.marginMode = MarginMode::Percent;
        look.marginPercent = *value;
    } else if (argument == u"--date-format") {
        if (v.trimmed().isEmpty())
            return QCoreApplication::translate(
                "KalvoraStamp", "--date-format needs a pattern such as \"yyyy-MM-dd HH:mm\"");
        dates.pattern = v;
    } else if (argument == u"--locale") {
        if (!knownLocale(v))
            return QCoreApplication::translate(
                "KalvoraStamp", "--locale takes a locale such as de_DE, not \"%1\"")
                .arg(v);
        dates.localeName = v;
    } else if (argument == u"--no-date-taken") {
        const auto choice = noDateTakenNamed(v);
        if (!choice)
            return QCoreApplication::translate(
                "KalvoraStamp", "--no-date-taken takes %1, not \"%2\"")
                .arg(noDateTakenNames().join(QLatin1String(", ")), v);
        dates.noDateTaken = *choice;
    } else if (argument == u"--time-shift") {
        const auto minutes = timeShiftMinutesOf(v);
        if (!minutes)
            return QCoreApplication::translate(
                "KalvoraStamp", "--time-shift takes [+|-][Nd]HH:MM, not \"%1\"")
                .arg(v);
        dates.timeShiftMinutes = *minutes;
    } else {
        return QCoreApplication::translate("KalvoraStamp", "unknown option %1").arg(argument);
    }
    return {};
}

QString lookUsage()
{
    return QCoreApplication::translate("KalvoraStamp",
        "  --size-percent P          line height as P % of the shorter side (0.5 to 25),\n"
        "                            instead of --size\n"
        "  --style plain|outline|shadow|box\n"
        "                            what is drawn with the text (default plain)\n"
        "  --style-color #RRGGBB     the outline's, shadow's or box's colour (default: black\n"
        "                            for light text, white for dark)\n"
        "  --box-opacity 0-100       how much the box hides (default 60)\n"
        "  --margin-percent P        the margin as P % of the shorter side (0 to 25)\n"
        "Dates:\n"
        "  --date-format PATTERN     a Qt date-time pattern such as \"yyyy-MM-dd HH:mm\",\n"
        "                            instead of --format\n"
        "  --locale NAME             names of months and days (default: the system's)\n"
        "  --no-date-taken sentence|filename|modified|skip\n"
        "                            what a photo without a date taken gets (default sentence)\n"
        "  --time-shift [+|-][Nd]HH:MM\n"
        "                            added to every file date (a camera clock that was wrong)\n"
        "Runs:\n"
        "  --skip-stamped            skip photos this program stamped before, with a note\n"
        "  --keep-folders            results of walked folders keep the folders below them\n"
        "  --dry-run                 print source, result and text; write nothing\n"
        "  --keep-quality            JPEGs keep their own quality: only the blocks under the\n"
        "                            stamp are coded again, in the photo's own tables, and the\n"
        "                            result can be restored to the original (--quality does\n"
        "                            not apply)\n");
}
