// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stampcommand.h"

#include "lookarguments.h"

#include "base/datetexts.h"

#include "base/runtimefailure.h"
#include "options/settingsstore.h"
#include "options/storedoptions.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// The options that take a value.
const QStringList kValued {QStringLiteral("--text"), QStringLiteral("--date"),
    QStringLiteral("--user-date"), QStringLiteral("--user-time"), QStringLiteral("--format"),
    QStringLiteral("--position"), QStringLiteral("--font"), QStringLiteral("--size"),
    QStringLiteral("--color"), QStringLiteral("--quality"), QStringLiteral("--output"),
    QStringLiteral("--extension"), QStringLiteral("--jobs")};

const QStringList kDateKinds {QStringLiteral("created"), QStringLiteral("taken"),
    QStringLiteral("modified"), QStringLiteral("accessed")};

// What the window would show on a first start now: the values of keys never written.
StampOptions firstStartNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const DateTexts texts;
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    StampOptions options
        = StampOptions::firstStart(texts.date(now.date()), texts.time(now.time()), desktop);
    if (desktop.isEmpty())
        options.outputFolder.clear();
    return options;
}

} // namespace

QString stampUsage()
{
    return QCoreApplication::translate("KalvoraStamp",
        "usage: kalvora-stamp [OPTIONS] FILE|FOLDER...\n"
        "       kalvora-stamp --undo [--extension EXT] FILE|FOLDER...\n"
        "Stamps a date or a text onto every picture named, keeping its format and its EXIF,\n"
        "GPS, IPTC and XMP tags. Folders are walked with every folder below them.\n"
        "\n"
        "What to stamp (one of):\n"
        "  --text TEXT               a text of your own (\"\\n\" in TEXT starts a new line)\n"
        "  --date created|taken|modified|accessed\n"
        "                            a date of each file\n"
        "  --user-date D --user-time T\n"
        "                            a date and time as typed\n"
        "  --format CAPTION          how a file date is laid out: \"Timestamp And Datestamp\"\n"
        "                            (default), \"Datestamp And Timestamp\", \"Timestamp\",\n"
        "                            \"Datestamp\"\n"
        "How it looks:\n"
        "  --position CAPTION        Upper-Left (default), Upper-Right, Lower-Left, Lower-Right,\n"
        "                            Center-Top, Center-Left, Center-Right, Center-Bottom, Center\n"
        "  --font FAMILY             (default Arial)\n"
        "  --size POINTS             (default 14)\n"
        "  --bold --italic --underline --strikethrough\n"
        "                            the style; without any of them, bold\n"
        "  --color #RRGGBB           (default #FFFFFF)\n"
        "  --quality 1-100           JPEG quality (default 85); HEIC and AVIF map it onto\n"
        "                            libheif's quality (85 as 50)\n"
        "%1"
        "Where results go (one of):\n"
        "  --output DIR              into DIR under each source's name\n"
        "  --in-place                in place of each source\n"
        "Other:\n"
        "  --extension EXT           the files a folder gives: \"jpg\", or \"*\" for all "
        "(default)\n"
        "  --jobs N                  files stamped at once (default: one per processor core)\n"
        "  --from-settings           start from the options the window saved\n"
        "  --notify                  show the progress and a summary as desktop notifications\n"
        "  --undo                    put back the originals of the files named, which were\n"
        "                            stamped keeping the photo's own quality; one line each\n"
        "  --help, --version\n"
        "  --                        ends the options: names after it may start with \"-\"\n"
        "\n"
        "Failures are printed one line per file. Exit status: 0 every file was stamped (with\n"
        "--undo: restored), 1 some failed (a path that does not exist counts), 2 a malformed\n"
        "command (nothing written).\n")
        .arg(lookUsage());
}

StampOptions optionsFromSettings(const SettingsStore &settings, const StampOptions &firstStart)
{
    return StoredOptions(settings).load(firstStart);
}

namespace {

// What the arguments read so far asked for.
struct Reading
{
    StampCommand parsed;
    int sources = 0;
    int destinations = 0;
    bool styleGiven = false;
    QString userDate;
    QString userTime;
    bool userDateGiven = false;
    bool userTimeGiven = false;
};

// --bold, --italic, --underline, --strikethrough: the first one given clears the saved style.
void applyStyle(const QString &argument, Reading &reading)
{
    FontChoice &font = reading.parsed.options.font;
    if (!reading.styleGiven)
        font.bold = font.italic = font.underline = font.strikeOut = false;
    reading.styleGiven = true;
    if (argument == u"--bold")
        font.bold = true;
    else if (argument == u"--italic")
        font.italic = true;
    else if (argument == u"--underline")
        font.underline = true;
    else
        font.strikeOut = true;
}

// An option of kValued with its value \a v; answers what is wrong, or the empty text.
QString applyValue(const QString &argument, QString v, Reading &reading)
{
    StampOptions &options = reading.parsed.options;
    if (argument == u"--text") {
        options.source = StampSource::CustomText;
        options.customText = v.replace(QLatin1String("\\n"), QLatin1String("\n"));
        if (options.customText.isEmpty())
            return QCoreApplication::translate(
                "KalvoraStamp", "--text needs a text that is not empty");
        ++reading.sources;
    } else if (argument == u"--date") {
        const qsizetype kind = kDateKinds.indexOf(v.toLower());
        if (kind < 0)
            return QCoreApplication::translate("KalvoraStamp",
                "--date takes created, taken, modified or accessed, not "
                "\"%1\"")
                .arg(v);
        options.source = StampSource::FileDate;
        options.fileDateKind = fileDateKindAt(int(kind));
        ++reading.sources;
    } else if (argument == u"--user-date") {
        reading.userDate = v;
        reading.userDateGiven = true;
    } else if (argument == u"--user-time") {
        reading.userTime = v;
        reading.userTimeGiven = true;
    } else if (argument == u"--format") {
        options.format = stampFormatNamed(v);
        if (options.format == StampFormat::None)
            return QCoreApplication::translate("KalvoraStamp", "unknown format \"%1\"").arg(v);
    } else if (argument == u"--position") {
        options.position = stampPositionNamed(v);
        if (options.position == StampPosition::None)
            return QCoreApplication::translate("KalvoraStamp", "unknown position \"%1\"").arg(v);
    } else if (argument == u"--font") {
        if (v.trimmed().isEmpty())
            return QCoreApplication::translate("KalvoraStamp", "--font needs a font family");
        options.font.name = v;
    } else if (argument == u"--size") {
        bool ok = false;
        const double size = v.toDouble(&ok);
        if (!ok || size <= 0 || size > 1000)
            return QCoreApplication::translate(
                "KalvoraStamp", "--size takes points from above 0 to 1000, not \"%1\"")
                .arg(v);
        options.font.pointSize = size;
    } else if (argument == u"--color") {
        static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!hex.match(v).hasMatch())
            return QCoreApplication::translate("KalvoraStamp", "--color takes #RRGGBB, not \"%1\"")
                .arg(v);
        const QColor color = QColor::fromString(v);
        options.color = colorValue(color.red(), color.green(), color.blue());
    } else if (argument == u"--quality") {
        bool ok = false;
        const int quality = v.toInt(&ok);
        if (!ok || quality < 1 || quality > 100)
            return QCoreApplication::translate(
                "KalvoraStamp", "--quality takes 1 to 100, not \"%1\"")
                .arg(v);
        options.jpegQuality = quality;
    } else if (argument == u"--output") {
        options.saveOption = SaveOption::ChosenFolder;
        options.outputFolder = v;
        ++reading.destinations;
    } else if (argument == u"--extension") {
        if (v.isEmpty() || v.contains(QLatin1Char('/')))
            return QCoreApplication::translate(
                "KalvoraStamp", "--extension takes an extension such as jpg, or *");
        reading.parsed.extension = v.startsWith(QLatin1Char('.')) ? v.mid(1) : v;
    } else if (argument == u"--jobs") {
        bool ok = false;
        reading.parsed.jobs = v.toInt(&ok);
        if (!ok || reading.parsed.jobs < 1 || reading.parsed.jobs > 256)
            return QCoreApplication::translate("KalvoraStamp", "--jobs takes 1 to 256, not \"%1\"")
                .arg(v);
    } else {
        return QCoreApplication::translate("KalvoraStamp", "unknown option %1").arg(argument);
    }
    return {};
}

// Whether the command read says what to stamp, where and on which files; the saved options
// (\a fromSettings) supply a source and a destination.
QString checkComplete(Reading &reading, bool fromSettings)
{
    StampOptions &options = reading.parsed.options;
    if (reading.parsed.undo) {
        if (reading.sources > 0 || reading.userDateGiven || reading.userTimeGiven
            || reading.destinations > 0 || reading.parsed.dryRun)
            return QCoreApplication::translate("KalvoraStamp",
                "--undo takes files and folders only, with no stamp, --output, --in-place or "
                "--dry-run");
        return reading.parsed.inputs.isEmpty() ? QCoreApplication::translate(
                   "KalvoraStamp", "name at least one file or folder to undo")
                                               : QString();
    }
    if (reading.userDateGiven != reading.userTimeGiven)
        return QCoreApplication::translate(
            "KalvoraStamp", "--user-date and --user-time go together");
    if (reading.userDateGiven) {
        options.source = StampSource::UserDateTime;
        options.userDate = reading.userDate;
        options.userTime = reading.userTime;
        ++reading.sources;
    }
    if (reading.sources > 1)
        return QCoreApplication::translate(
            "KalvoraStamp", "give only one of --text, --date and --user-date");
    if (reading.sources == 0 && !fromSettings)
        return QCoreApplication::translate(
            "KalvoraStamp", "say what to stamp: --text, --date or --user-date");
    if (reading.destinations > 1)
        return QCoreApplication::translate(
            "KalvoraStamp", "give only one of --output and --in-place");
    if (reading.destinations == 0 && !fromSettings)
        return QCoreApplication::translate(
            "KalvoraStamp", "say where results go: --output DIR or --in-place");
    if (options.source == StampSource::CustomText && options.customText.isEmpty())
        return QCoreApplication::translate(
            "KalvoraStamp", "the saved custom text is empty: give --text");
    if (reading.parsed.inputs.isEmpty())
        return QCoreApplication::translate("KalvoraStamp", "name at least one file or folder");
    return {};
}

} // namespace

QString parseStampCommand(
    const QStringList &arguments, StampCommand *command, const SettingsStore *settings)
{
    Reading reading;
    StampCommand &parsed = reading.parsed;
    const bool fromSettings = arguments.contains(QStringLiteral("--from-settings"));
    if (fromSettings) {
        try {
            if (settings) {
                parsed.options = optionsFromSettings(*settings, firstStartNow());
            } else {
                const SettingsStore user;
                parsed.options = optionsFromSettings(user, firstStartNow());
            }
        } catch (const RuntimeFailure &failure) {
            return QCoreApplication::translate(
                "KalvoraStamp", "the saved options cannot be read: %1")
                .arg(failure.description());
        }
    }
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))
            || argument == QLatin1String("--")) {
            if (!optionsEnded && argument == QLatin1String("--"))
                optionsEnded = true;
            else if (argument.startsWith(QLatin1Char('-')) && !optionsEnded && argument != u"-")
                return QCoreApplication::translate("KalvoraStamp", "unknown option %1")
                    .arg(argument);
            else
                parsed.inputs << argument;
            continue;
        }
        if (argument == u"--help") {
            parsed.help = true;
        } else if (argument == u"--version") {
            parsed.version = true;
        } else if (argument == u"--from-settings") {
        } else if (argument == u"--notify") {
            parsed.notify = true;
        } else if (argument == u"--undo") {
            parsed.undo = true;
        } else if (argument == u"--bold" || argument == u"--italic" || argument == u"--underline"
            || argument == u"--strikethrough") {
            applyStyle(argument, reading);
        } else if (argument == u"--in-place") {
            parsed.options.saveOption = SaveOption::OriginalFolder;
            ++reading.destinations;
        } else if (applyLookSwitch(argument, parsed)) {
        } else if (lookValuedOptions().contains(argument)) {
            if (i + 1 >= arguments.size())
                return QCoreApplication::translate("KalvoraStamp", "%1 needs a value")
                    .arg(argument);
            if (const QString wrong = applyLookValue(argument, arguments[++i], parsed);
                !wrong.isEmpty())
                return wrong;
        } else if (!kValued.contains(argument)) {
            return QCoreApplication::translate("KalvoraStamp", "unknown option %1").arg(argument);
        } else if (i + 1 >= arguments.size()) {
            return QCoreApplication::translate("KalvoraStamp", "%1 needs a value").arg(argument);
        } else if (const QString wrong = applyValue(argument, arguments[++i], reading);
                   !wrong.isEmpty()) {
            return wrong;
        }
    }
    if (!parsed.help && !parsed.version) {
        if (const QString wrong = checkComplete(reading, fromSettings); !wrong.isEmpty())
            return wrong;
    }
    *command = parsed;
    return {};
}
