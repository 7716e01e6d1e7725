// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include "app/form1.h"
#include "imagelist/listdrop.h"

#include <QCoreApplication>
#include <QDir>

ProgramArguments parseProgramArguments(const QStringList &arguments)
{
    ProgramArguments parsed;
    bool options = true;
    for (const QString &argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options
            && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            parsed.help = true;
        } else if (options && argument == QLatin1String("--version")) {
            parsed.version = true;
        } else if (options && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            parsed.error
                = QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(argument);
            return parsed;
        } else {
            parsed.paths << argument;
        }
    }
    return parsed;
}

QString programUsage()
{
    return QCoreApplication::translate("CommandLine",
        "Usage: kalvora [OPTION]... [FILE|FOLDER]...\n"
        "Stamp a date, a date and time you type, or a text of your own onto many pictures at\n"
        "once, keeping each picture's format and its EXIF, GPS, IPTC and XMP metadata.\n"
        "\n"
        "Opens the stamp window. Files named on the command line are added to its list as they\n"
        "are; folders are walked, and every file in them and in the folders below them is added\n"
        "(hidden files and names starting with \"~\" are left out).\n"
        "\n"
        "Options:\n"
        "  -h, --help     print this help and exit\n"
        "      --version  print the version and exit\n"
        "      --         treat every later argument as a file or folder\n"
        "\n"
        "Every choice made in the window is kept in ~/.config/Vendrel/Kalvora.ini.\n"
        "kalvora-stamp stamps pictures from the command line without a window.\n");
}

QStringList absolutePaths(const QStringList &paths, const QString &folder)
{
    QStringList absolute;
    for (const QString &path : paths)
        absolute << QDir::cleanPath(QDir(folder).absoluteFilePath(path));
    return absolute;
}

std::unique_ptr<Form1> openMainWindow(const ProgramArguments &arguments, Dialogs &dialogs,
    SettingsStore &settings, EventPump &events, StartUpSeams seams)
{
    auto window = std::make_unique<Form1>(dialogs, settings, events, std::move(seams));
    window->show();
    if (!arguments.paths.isEmpty())
        window->listDrop().appendLater(absolutePaths(arguments.paths, QDir::currentPath()));
    return window;
}
