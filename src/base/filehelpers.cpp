// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/filehelpers.h"

#include "base/eventpump.h"
#include "base/runtimefailure.h"

#include <QFile>
#include <QFileInfo>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).lastModified().isValid();
}

bool IsFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool IsOpenableFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString FileNameOfPath(const QString &path, QChar separator)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

QString FolderOf(const QString &path, QChar separator)
{
    return path.left(path.lastIndexOf(separator) + 1);
}

namespace {

QString collapsePairs(QStringView text, QChar separator)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        result.append(text[i]);
        if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
            ++i;
    }
    return result;
}

} // namespace

QString NormalizePath(const QString &path, QChar separator)
{
    // Only backslash paths have a network form; a slash path's leading separator is the root,
    // and doubling it would make one folder look like two different paths.
    if (separator != QLatin1Char('\\') || !path.startsWith(separator))
        return collapsePairs(path, separator);
    qsizetype first = 0;
    while (first < path.size() && path[first] == separator)
        ++first;
    return QString(2, separator) + collapsePairs(QStringView(path).mid(first), separator);
}

void RemoveFile(const QString &path, EventPump &events)
{
    events.processEvents();
    if (path.isEmpty() || QFile::remove(path))
        return;
    // A file without write permission is removed all the same, as a forced delete would.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    QFile::remove(path);
}

void WriteBytesToFile(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeFailure(
            QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()), 75);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw RuntimeFailure(
            QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()), 61);
}
