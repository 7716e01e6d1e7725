// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/// The files a folder named on the command line contributes: the same walk as "Add All File(s)
/// In Folder" with \a extension as its answer (every folder below, hidden names and "~" copies
/// left out). Anything the walk reports goes to \a problems.
QStringList FilesInFolder(const QString &folder, const QString &extension, QStringList *problems);
