// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/startup.h"

#include <QString>
#include <QStringList>

#include <memory>

class Dialogs;
class EventPump;
class Form1;
class SettingsStore;

/// What `kalvora` was asked on its command line: to print its help or version, or to start with
/// the named files and folders in the list (a file manager's "Open With" passes them).
struct ProgramArguments
{
    bool help = false;
    bool version = false;
    QStringList paths; ///< in the order given
    QString error; ///< a malformed command line: what was wrong, for the usage message
};

/// Reads the arguments after the program's name. "--" ends the options, so a file named
/// "-x.jpg" can still be given.
ProgramArguments parseProgramArguments(const QStringList &arguments);

/// The text of `kalvora --help`; the manual page is made from it.
QString programUsage();

/// \a paths made absolute against \a folder (the current folder), so they still name the same
/// files whatever the program's current folder is later.
QStringList absolutePaths(const QStringList &paths, const QString &folder);

/// The main window as the program opens it: started up, shown, and with the files and folders
/// of \a arguments on their way into its list, the way a drop of them would add them (files
/// as they are, folders walked), once the event loop runs.
std::unique_ptr<Form1> openMainWindow(const ProgramArguments &arguments, Dialogs &dialogs,
    SettingsStore &settings, EventPump &events, StartUpSeams seams);
