// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QString>
#include <QStringList>

class SettingsStore;

/// What one kalvora-stamp command asks for.
struct StampCommand
{
    StampOptions options;
    QStringList inputs; ///< files and folders, as given
    QString extension = QStringLiteral("*"); ///< the files a folder contributes
    int jobs = 0; ///< workers; 0 for one per core
    bool dryRun = false; ///< print what would be done, write nothing
    bool notify = false; ///< show the progress and the end in desktop notifications
    bool undo = false; ///< put back the originals of the files named, stamp nothing
    bool help = false;
    bool version = false;
};

/// The usage text printed by --help and after a malformed command.
QString stampUsage();

/// The stamp options the window saved, read from \a settings through StoredOptions, as the
/// window's start-up reads them; a key never written gives its value in \a firstStart. Throws
/// RuntimeFailure for a value the window could not restore.
StampOptions optionsFromSettings(const SettingsStore &settings, const StampOptions &firstStart);

/// Reads the arguments (without the program name) into \a command. \a settings supplies the
/// starting options when --from-settings is given (the user's store when null). Answers the
/// empty text, or what is wrong with the command.
QString parseStampCommand(
    const QStringList &arguments, StampCommand *command, const SettingsStore *settings = nullptr);
