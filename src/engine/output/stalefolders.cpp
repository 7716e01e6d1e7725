// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/stalefolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace kalvora {

namespace {

const QString kPrefix = QStringLiteral("kalvora-");

// The start time of process \a pid (clock ticks after boot on Linux; 0 where the system does
// not tell), or none when no such process runs. A zombie, dead but not yet reaped, runs no
// more.
std::optional<quint64> processStartTime(qint64 pid)
{
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = stat.readAll();
    // The command name (the second field) is in parentheses and may hold blanks: count the
    // fields after the last parenthesis, from the third field (the state) on.
    const qsizetype nameEnd = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(nameEnd + 2).split(' ');
    constexpr qsizetype kStartTimeField = 22 - 3;
    if (nameEnd < 0 || fields.size() <= kStartTimeField)
        return 0;
    if (fields[0] == "Z" || fields[0] == "X")
        return std::nullopt;
    return fields[kStartTimeField].toULongLong();
#else
    if (::kill(pid_t(pid), 0) == 0 || errno == EPERM)
        return 0;
    return std::nullopt;
#endif
}

// Whether the program that a private name names by its id and start time has ended. One whose
// start time cannot be told counts as running.
bool ownerIsGone(const QString &pidText, const QString &startText)
{
    bool pidOk = false;
    bool startOk = false;
    const qint64 pid = pidText.toLongLong(&pidOk);
    const quint64 start = startText.toULongLong(&startOk);
    if (!pidOk || !startOk || pid <= 0)
        return false;
    const std::optional<quint64> running = processStartTime(pid);
    return !(running && (*running == start || *running == 0 || start == 0));
}

} // namespace

QString privateOwnerTag()
{
    const qint64 pid = QCoreApplication::applicationPid();
    return QStringLiteral("%1-%2").arg(pid).arg(processStartTime(pid).value_or(0));
}

QString privateTempFolderTemplate(const QString &folder)
{
    return QDir(folder).filePath(kPrefix + privateOwnerTag() + QStringLiteral("-XXXXXX"));
}

int removeStaleResults(const QString &folder)
{
    // The private name, then whatever ExifTool or a save appended to it for its own temporary
    // copy ("_exiftool_tmp", ".XXXXXX").
    static const QRegularExpression kName(
        QStringLiteral("^\\.kalvora-(\\d+)-(\\d+)-[A-Za-z0-9]{10}\\.[^/]+$"));
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {QStringLiteral(".kalvora-*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = kName.match(entry.fileName());
        if (!match.hasMatch() || entry.isSymLink() || !entry.isFile()
            || entry.ownerId() != ::getuid())
            continue;
        if (ownerIsGone(match.captured(1), match.captured(2)) && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

int removeStaleTempFolders(const QString &folder)
{
    static const QRegularExpression kName(QStringLiteral("^kalvora-(\\d+)-(\\d+)-[A-Za-z0-9]{6}$"));
    int removed = 0;
    // No folder is not the working folder.
    if (folder.isEmpty())
        return removed;
    const QFileInfoList entries = QDir(folder).entryInfoList({kPrefix + QLatin1Char('*')},
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = kName.match(entry.fileName());
        // Only real folders of this user: a link could point anywhere, and another user's
        // folder is theirs to clear.
        if (!match.hasMatch() || entry.isSymLink() || !entry.isDir()
            || entry.ownerId() != ::getuid())
            continue;
        if (!ownerIsGone(match.captured(1), match.captured(2)))
            continue;
        // QDir removes links inside the folder without following them.
        if (QDir(entry.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace kalvora
