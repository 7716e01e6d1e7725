// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList programFileFolders(ProgramFileKind kind, const QString &programFolder)
{
    // The installed folders relative to bin/, worked out by the build from the install layout,
    // so that a package unpacked under any prefix finds its own files.
    const QString installed = kind == ProgramFileKind::Data
        ? QStringLiteral(KALVORA_DATA_FROM_BIN)
        : QStringLiteral(KALVORA_HELPERS_FROM_BIN);
    return {QDir::cleanPath(programFolder),
        QDir::cleanPath(programFolder + QLatin1Char('/') + installed)};
}

QString findProgramFile(const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return folders.isEmpty() ? name : folders.first() + QLatin1Char('/') + name;
}

QString programFile(ProgramFileKind kind, const QString &name)
{
    return findProgramFile(name, programFileFolders(kind, QCoreApplication::applicationDirPath()));
}
