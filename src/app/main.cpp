// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventpump.h"
#include "form1.h"
#include "qtdialogs.h"
#include "samplefiles.h"
#include "settingsstore.h"
#include "stalefolders.h"
#include "startup.h"
#include "worksurface.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvora"));
    QApplication::setOrganizationName(QStringLiteral("Vendrel"));
    QApplication::setApplicationVersion(QStringLiteral(KALVORA_VERSION));
    ConfigureImageReading();
    // Private temporary folders that crashed or killed copies left behind.
    RemoveStaleTempFolders();

    SettingsStore settings;
    QtDialogs dialogs;
    QtEventPump events;
    StartUpSeams seams;
    seams.takeSampleSnapshot = [&settings] { TakeSampleSnapshot(settings); };
    Form1 window(dialogs, settings, events, std::move(seams));
    dialogs.setOwner(&window);
    window.show();
    return app.exec();
}
