// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stalefolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

#include <cerrno>
#include <csignal>
#include <unistd.h>

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

} // namespace

QString PrivateTempFolderTemplate(const QString &folder)
{
    const qint64 pid = QCoreApplication::applicationPid();
    const quint64 start = processStartTime(pid).value_or(0);
    return QDir(folder).filePath(kPrefix + QStringLiteral("%1-%2-XXXXXX").arg(pid).arg(start));
}

int RemoveStaleTempFolders(const QString &folder)
{
    static const QRegularExpression kName(QStringLiteral("^kalvora-(\\d+)-(\\d+)-[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList({kPrefix + QLatin1Char('*')},
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = kName.match(entry.fileName());
        // Only real folders of this user: a link could point anywhere, and another user's
        // folder is theirs to clear.
        if (!match.hasMatch() || entry.isSymLink() || !entry.isDir()
            || entry.ownerId() != ::getuid())
            continue;
        bool pidOk = false;
        bool startOk = false;
        const qint64 pid = match.captured(1).toLongLong(&pidOk);
        const quint64 start = match.captured(2).toULongLong(&startOk);
        if (!pidOk || !startOk || pid <= 0)
            continue;
        const std::optional<quint64> running = processStartTime(pid);
        if (running && (*running == start || *running == 0 || start == 0))
            continue;
        // QDir removes links inside the folder without following them.
        if (QDir(entry.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}
