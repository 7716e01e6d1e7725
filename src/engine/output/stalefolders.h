// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

namespace kalvora {

/// This process in private names: "PID-START", its id and its start time.
QString privateOwnerTag();

/// The template (for QTemporaryDir) of this program's private temporary folder in \a folder:
/// "kalvora-PID-START-XXXXXX", naming the process by its id and its start time, so that a
/// later program can tell whether the folder's owner still runs, even after the id has been
/// given to another process.
QString privateTempFolderTemplate(const QString &folder = QDir::tempPath());

/// Removes from \a folder the private temporary folders of Kalvora programs that no longer run
/// (a crash or a kill leaves them behind): folders named by privateTempFolderTemplate, owned by
/// this user, whose process is gone, or is now another process with the same id. A running
/// program's folder, other users' folders, links and any other name are left alone. Answers
/// how many folders were removed.
int removeStaleTempFolders(const QString &folder = QDir::tempPath());

/// Removes from \a folder the intermediate results that Kalvora programs no longer running left
/// behind (a crash or a kill between writing a result and putting it in place): hidden files
/// named ".kalvora-PID-START-" with ten letters and an extension (see intermediatePathFor), and
/// the temporary copies ExifTool made of them (the same name followed by "_exiftool_tmp").
/// Files of running programs, of other users, links and every other name (a user's own
/// "x_Stamped.jpg" or "z.jpg_original") are left alone. Answers how many were removed.
int removeStaleResults(const QString &folder);

} // namespace kalvora
