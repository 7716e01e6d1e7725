// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ExifTools a program started, found through /proc, for tests that end or stop them.

#include <QDir>
#include <QFile>
#include <QList>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace ChildProcesses {

/// The processes whose parent is \a parent and whose command line names ExifTool.
inline QList<int> exifToolsOf(qint64 parent)
{
    QList<int> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!stat.open(QIODevice::ReadOnly) || !commandLine.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the fields after the name's closing bracket.
        const QByteArray fields = stat.readAll();
        const QList<QByteArray> after = fields.mid(fields.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1 && after[1].toLongLong() == parent
            && commandLine.readAll().contains("exiftool"))
            found << pid;
    }
    return found;
}

/// Whether process \a pid has ended (gone, or a zombie nobody has reaped yet).
inline bool hasEnded(int pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) == "Z";
}

/// Stops one of this program's ExifTools with SIGSTOP, so it takes commands and never answers,
/// as a wedged ExifTool would. A watchdog kills it after \a guardMs, so code that would wait
/// for it for ever fails instead of hanging the test; whatever the outcome, the process does
/// not outlive the guard.
class StoppedExifTool
{
public:
    explicit StoppedExifTool(int guardMs = 30000)
        : m_guardMs(guardMs)
    { }
    ~StoppedExifTool()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_ended.notify_all();
        if (m_watchdog.joinable())
            m_watchdog.join();
        end();
    }
    StoppedExifTool(const StoppedExifTool &) = delete;
    StoppedExifTool &operator=(const StoppedExifTool &) = delete;

    /// Stops \a pid, or when it is 0 the one ExifTool running (false when there is not exactly
    /// one), and starts the watchdog.
    bool stop(qint64 pid = 0)
    {
        const QList<int> running = exifToolsOf(::getpid());
        if (pid == 0 && running.size() == 1)
            pid = running.first();
        if (pid <= 0 || !running.contains(int(pid)) || ::kill(pid_t(pid), SIGSTOP) != 0)
            return false;
        m_pid = int(pid);
        m_watchdog = std::thread([this] {
            std::unique_lock lock(m_mutex);
            if (!m_ended.wait_for(
                    lock, std::chrono::milliseconds(m_guardMs), [&] { return m_done; }))
                end();
        });
        return true;
    }
    int pid() const { return m_pid; }

private:
    void end() const
    {
        if (m_pid > 0 && exifToolsOf(::getpid()).contains(m_pid)) {
            ::kill(m_pid, SIGKILL);
            ::kill(m_pid, SIGCONT);
        }
    }

    int m_guardMs;
    int m_pid = 0;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    std::thread m_watchdog;
};

} // namespace ChildProcesses
