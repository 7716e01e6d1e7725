// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/form1.h"
#include "app/startup.h"
#include "base/eventpump.h"
#include "base/programtranslations.h"
#include "engine/codecs/worksurface.h"
#include "engine/output/stalefolders.h"
#include "imagelist/samplefiles.h"
#include "options/settingsstore.h"
#include "ui/qtdialogs.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

using namespace kalvora;

int main(int argc, char *argv[])
{
    // Help and version are answered before the window system is reached, so they work on a
    // terminal without a display (and make the manual page).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ProgramArguments early = parseProgramArguments(arguments);
    if (early.help || early.version) {
        // Help in the user's language still needs no display.
        QCoreApplication core(argc, argv);
        const ProgramTranslations translations(QLocale::system(), programTranslationsFolder());
        const QString text
            = early.help ? programUsage() : QStringLiteral("kalvora " KALVORA_VERSION "\n");
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    const ProgramTranslations translations(QLocale::system(), programTranslationsFolder());
    QApplication::setApplicationName(QStringLiteral("Kalvora"));
    QApplication::setOrganizationName(QStringLiteral("Vendrel"));
    QApplication::setApplicationVersion(QStringLiteral(KALVORA_VERSION));
    // Ties the window to its menu entry, so the desktop shows the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vendrel.Kalvora"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("example.vendrel.Kalvora"), QIcon(QStringLiteral(":/kalvora.svg"))));
    configureImageReading();
    // Private temporary folders that crashed or killed copies left behind.
    removeStaleTempFolders();

    // Qt has taken its own options (-platform, -style, ...) out of the list by now.
    const ProgramArguments parsed = parseProgramArguments(QApplication::arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        const QString tryHelp
            = QCoreApplication::translate("CommandLine", "Try '%1 --help' for more information.")
                  .arg(QStringLiteral("kalvora"));
        std::fprintf(stderr, "kalvora: %s\n%s\n", parsed.error.toLocal8Bit().constData(),
            tryHelp.toLocal8Bit().constData());
        return 2;
    }

    SettingsStore settings;
    QtDialogs dialogs;
    QtEventPump events;
    StartUpSeams seams;
    seams.takeSampleSnapshot = [&settings] { TakeSampleSnapshot(settings); };
    const std::unique_ptr<Form1> window
        = openMainWindow(parsed, dialogs, settings, events, std::move(seams));
    dialogs.setOwner(window.get());
    return app.exec();
}
