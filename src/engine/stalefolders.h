// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

/// The template (for QTemporaryDir) of this program's private temporary folder in \a folder:
/// "kalvora-PID-START-XXXXXX", naming the process by its id and its start time, so that a
/// later program can tell whether the folder's owner still runs, even after the id has been
/// given to another process.
QString PrivateTempFolderTemplate(const QString &folder = QDir::tempPath());

/// Removes from \a folder the private temporary folders of Kalvora programs that no longer run
/// (a crash or a kill leaves them behind): folders named by PrivateTempFolderTemplate, owned by
/// this user, whose process is gone, or is now another process with the same id. A running
/// program's folder, other users' folders, links and any other name are left alone. Answers
/// how many folders were removed.
int RemoveStaleTempFolders(const QString &folder = QDir::tempPath());
