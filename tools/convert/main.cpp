// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// kalvora-convert: the image converter the stamping program runs as a child process.
//
//   kalvora-convert -out jpeg -o TARGET SOURCE      writes SOURCE as a new JPEG file TARGET
//   kalvora-convert -out FORMAT FILE                rewrites FILE in place as FORMAT
//   kalvora-convert -out gif -dither -colors 256 FILE
//   kalvora-convert -out FILE                       FORMAT taken from FILE's extension
//
// The program is always started with an argument list, never through a shell. "--" ends the
// options, so a path that starts with "-" is never read as one. Exit status: 0 done, 1 the
// picture could not be read or written (the target is left as it was), 2 a malformed command,
// 3 the source does not exist (nothing was written).
#include "conversion.h"
#include "engine/codecs/worksurface.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

using namespace kalvora;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// Told apart from other failures: the stamping program skips a source that has vanished since
// it was listed, as it skips every other missing file, instead of reporting an error.
constexpr int kExitSourceMissing = 3;

struct Command
{
    // Without a format word, the one the target's extension names; empty when it names none.
    std::optional<OutputFormat> format;
    QString source;
    QString target;
    EncodeSettings settings;
    bool colorsGiven = false;
};

void printError(const QString &message)
{
    std::fprintf(stderr, "kalvora-convert: %s\n", message.toLocal8Bit().constData());
}

int usageError(const QString &message)
{
    printError(message);
    std::fputs("usage: kalvora-convert -out jpeg -o TARGET [--] SOURCE\n"
               "       kalvora-convert -out FORMAT [-dither] [-colors N] [--] FILE\n"
               "       kalvora-convert -out [--] FILE\n"
               "FORMAT is one of jpeg, png, tiff, ico, gif, bmp, webp; without it the format is\n"
               "the one FILE's extension names. -dither and -colors N (2 to 256) apply to gif.\n",
        stderr);
    return kExitUsage;
}

// Reads the argument list into `command`; answers an empty text or what is wrong with it.
QString parseArguments(const QStringList &arguments, Command *command)
{
    if (arguments.isEmpty() || arguments.first() != QLatin1String("-out"))
        return QStringLiteral("the command must start with -out");
    QStringList positional;
    bool targetGiven = false;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-'))
            || argument == QLatin1String("-")) {
            positional.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("-o")) {
            if (targetGiven)
                return QStringLiteral("-o is given twice");
            if (++i >= arguments.size())
                return QStringLiteral("-o needs a target file");
            command->target = arguments.at(i);
            targetGiven = true;
        } else if (argument == QLatin1String("-dither")) {
            command->settings.dither = true;
        } else if (argument == QLatin1String("-colors")) {
            if (++i >= arguments.size())
                return QStringLiteral("-colors needs a number");
            bool ok = false;
            const int colors = arguments.at(i).toInt(&ok);
            if (!ok || colors < 2 || colors > 256)
                return QStringLiteral("-colors takes a number from 2 to 256, not \"%1\"")
                    .arg(arguments.at(i));
            command->settings.colors = colors;
            command->colorsGiven = true;
        } else {
            return QStringLiteral("unknown option \"%1\"").arg(argument);
        }
    }

    if (positional.isEmpty())
        return QStringLiteral("no file given");
    if (positional.size() > 2)
        return QStringLiteral("too many files: \"%1\"")
            .arg(positional.join(QStringLiteral("\", \"")));
    command->source = positional.last();
    if (!targetGiven)
        command->target = command->source;
    if (command->target.isEmpty() || command->source.isEmpty())
        return QStringLiteral("an empty file name is given");

    if (positional.size() == 2) {
        command->format = formatFromWord(positional.first());
        if (!command->format)
            return QStringLiteral("unknown format \"%1\"").arg(positional.first());
    } else {
        // Without a format word the target's extension decides; main() reports one that names
        // no format we write.
        command->format = formatFromExtension(command->target);
    }
    if (command->format && *command->format != OutputFormat::Gif
        && (command->settings.dither || command->colorsGiven))
        return QStringLiteral("-dither and -colors apply only to gif output");
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The run's limit: photos of about 250 megapixels load, anything larger is refused.
    configureImageReading();

    Command command;
    const QString problem = parseArguments(app.arguments().mid(1), &command);
    if (!problem.isEmpty())
        return usageError(problem);

    // A well-formed command whose target names no format we write is a failed conversion,
    // not a usage mistake.
    if (!command.format) {
        printError(QStringLiteral("cannot convert \"%1\": no format word is given and its "
                                  "extension names no format that can be written")
                       .arg(command.target));
        return kExitFailure;
    }

    ConversionFailure failure;
    if (!convertPicture(
            command.source, command.target, *command.format, command.settings, &failure)) {
        printError(failure.message);
        return failure.sourceMissing ? kExitSourceMissing : kExitFailure;
    }
    return 0;
}
