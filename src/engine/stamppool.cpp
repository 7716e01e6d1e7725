// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamppool.h"

#include "exiftoolsession.h"
#include "imageoutput.h"
#include "toolrunner.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <chrono>

#ifdef __linux__
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

QString claimOf(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // A result that does not exist yet: its folder's canonical path and its name.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

QStringList JobClaims(const StampJob &job)
{
    QStringList claims {claimOf(job.sourcePath)};
    const OutputTarget target
        = OutputPathFor(job.sourcePath, job.options.saveOption, job.options.outputFolder);
    if (!target.replaceSource)
        claims << claimOf(target.path);
    return claims;
}

int DefaultWorkerCount()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

StampPool::StampPool(Tools tools, QString temporaryFolder, int workers)
    : m_tools(std::move(tools))
    , m_temporaryFolder(std::move(temporaryFolder))
    , m_workersLeft(std::max(1, workers))
{
    for (int i = 0; i < m_workersLeft; ++i)
        m_threads.emplace_back([this] { work(); });
}

StampPool::~StampPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_jobsWaiting.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

int StampPool::submit(StampJob job)
{
    int ticket = 0;
    {
        const std::lock_guard lock(m_mutex);
        ticket = m_nextTicket++;
        Entry &entry = m_entries[ticket];
        entry.claims = JobClaims(job);
        if (job.workFolder.isEmpty())
            job.workFolder = QDir(m_temporaryFolder).filePath(QStringLiteral("job-%1").arg(ticket));
        entry.job = std::move(job);
        m_queue.push_back(ticket);
    }
    m_jobsWaiting.notify_one();
    return ticket;
}

std::optional<StampJobResult> StampPool::take(int ticket, int waitMs)
{
    std::unique_lock lock(m_mutex);
    const auto it = m_entries.find(ticket);
    if (it == m_entries.end())
        return std::nullopt;
    m_resultReady.wait_for(
        lock, std::chrono::milliseconds(waitMs), [&] { return it->second.result.has_value(); });
    if (!it->second.result)
        return std::nullopt;
    StampJobResult result = std::move(*it->second.result);
    m_entries.erase(it);
    return result;
}

bool StampPool::claims(const QStringList &paths) const
{
    const std::lock_guard lock(m_mutex);
    for (const auto &[ticket, entry] : m_entries) {
        if (entry.result)
            continue;
        for (const QString &path : paths)
            if (entry.claims.contains(path))
                return true;
    }
    return false;
}

int StampPool::pending() const
{
    const std::lock_guard lock(m_mutex);
    return int(m_entries.size());
}

bool StampPool::finish(int waitMs)
{
    std::unique_lock lock(m_mutex);
    m_closing = true;
    m_jobsWaiting.notify_all();
    return m_workerEnded.wait_for(
        lock, std::chrono::milliseconds(waitMs), [&] { return m_workersLeft == 0; });
}

void StampPool::work()
{
    runJobs();
    // Counted only now that the worker's ExifTool has ended with it.
    {
        const std::lock_guard lock(m_mutex);
        --m_workersLeft;
    }
    m_workerEnded.notify_all();
}

void StampPool::runJobs()
{
#ifdef __linux__
    // Workers may yield to the window's thread, so the window keeps handling events even when
    // the machine has more work than cores; ExifTool, started from here, inherits this.
    if (m_tools.workerNiceness > 0) {
        const id_t thread = id_t(::syscall(SYS_gettid));
        errno = 0;
        const int nice = ::getpriority(PRIO_PROCESS, thread);
        if (errno == 0)
            ::setpriority(PRIO_PROCESS, thread, std::min(nice + m_tools.workerNiceness, 19));
    }
#endif
    // What the worker owns: its ExifTool, started at once so Perl loads meanwhile, and a
    // converter runner that lets no window events run.
    ExifToolSession exifTool(m_tools.exifTool);
    exifTool.start();
    ToolRunner converter;
    converter.setConverter(m_tools.converter);
    const DateTexts texts = m_tools.texts;
    const StampJobTools tools {converter, exifTool, texts};

    for (;;) {
        StampJob job;
        int ticket = 0;
        {
            std::unique_lock lock(m_mutex);
            m_jobsWaiting.wait(lock, [&] { return m_closing || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            ticket = m_queue.front();
            m_queue.pop_front();
            job = m_entries[ticket].job;
        }
        QDir().mkpath(job.workFolder);
        StampJobResult result = RunStampJob(job, tools);
        QDir(job.workFolder).removeRecursively();
        {
            const std::lock_guard lock(m_mutex);
            m_entries[ticket].result = std::move(result);
        }
        m_resultReady.notify_all();
    }
}
