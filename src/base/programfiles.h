// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// Where the program finds the files it keeps beside itself (the samples, the cursor files, the
/// optional skin) and its private helper programs (the converter).
///
/// A build tree and a relocated copy hold them in the program's own folder; an installed program
/// holds the data files in share/kalvora and the helpers in libexec/kalvora under its prefix. The
/// program's own folder is searched first, so a build tree never picks up an installed copy.
enum class ProgramFileKind {
    Data, ///< Samples, cursor files, the skin
    Helper, ///< private programs such as kalvora-convert
};

/// The folders searched for files of \a kind, in order, for a program that runs from
/// \a programFolder.
QStringList programFileFolders(ProgramFileKind kind, const QString &programFolder);

/// The path of \a name (a file or a folder) in the first of \a folders that holds it; when none
/// does, the path in the first folder, so that callers report it as missing there.
QString findProgramFile(const QString &name, const QStringList &folders);

/// FindProgramFile over the folders of the running program.
QString programFile(ProgramFileKind kind, const QString &name);
