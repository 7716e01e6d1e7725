// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

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
ProgramArguments ParseProgramArguments(const QStringList &arguments);

/// The text of `kalvora --help`; the manual page is made from it.
QString ProgramUsage();
