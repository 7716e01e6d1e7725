// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/stamppool.h"

#include "engine/codecs/photomemory.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/toolrunner.h"

#include <QDir>

#include <algorithm>
#include <chrono>

#ifdef __linux__
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace kalvora {

namespace {

// How much lower than the taggers the workers that write pictures are scheduled.
constexpr int kWriterNiceness = 3;

} // namespace

int defaultWorkerCount()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

int defaultLookAhead(int workers)
{
    return 3 * std::max(1, workers);
}

StampPool::StampPool(Tools tools, QString temporaryFolder, int workers)
    : m_tools(std::move(tools))
    , m_temporaryFolder(std::move(temporaryFolder))
    , m_workerCount(std::max(1, workers))
    , m_writersLeft(m_workerCount)
{
    // Copying a photo's tags takes Perl about half as long as writing its picture takes a
    // worker, so one tagger keeps up with two workers.
    const int taggers = (m_workerCount + 1) / 2;
    m_workersLeft = m_workerCount + taggers;
    for (int i = 0; i < taggers; ++i)
        m_threads.emplace_back([this] { tag(); });
    for (int i = 0; i < m_workerCount; ++i)
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
    // Nothing here touches the file system: the job's work folder is made by its worker.
    int ticket = 0;
    bool wantsExifTool = false;
    {
        const std::lock_guard lock(m_mutex);
        ticket = m_nextTicket++;
        wantsExifTool = !m_exifToolWanted && needsExifTool(job.plan);
        m_exifToolWanted = m_exifToolWanted || wantsExifTool;
        if (job.workFolder.isEmpty())
            job.workFolder = QDir(m_temporaryFolder).filePath(QStringLiteral("job-%1").arg(ticket));
        m_entries[ticket].job = std::move(job);
        m_queue.push_back(ticket);
    }
    m_jobsWaiting.notify_one();
    if (wantsExifTool)
        m_tagsWaiting.notify_all();
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
            if (entry.job.plan.claims.contains(path))
                return true;
    }
    return false;
}

void StampPool::interruptTags()
{
    const std::lock_guard lock(m_mutex);
    m_tagsInterrupted = true;
    for (ExifToolSession *session : m_sessions)
        session->interrupt();
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
    // Before the first source is read, so that its file stays in the heap for the next.
    keepPhotoMemory();
    runJobs();
    {
        const std::lock_guard lock(m_mutex);
        --m_writersLeft;
        --m_workersLeft;
    }
    m_tagsWaiting.notify_all();
    m_workerEnded.notify_all();
}

void StampPool::tag()
{
    {
        ExifToolSession exifTool(
            m_tools.exifTool, m_tools.exifToolAnswerLimitSeconds, m_temporaryFolder);
        {
            const std::lock_guard lock(m_mutex);
            m_sessions.push_back(&exifTool);
            if (m_tagsInterrupted)
                exifTool.interrupt();
        }
        runTags(exifTool);
        const std::lock_guard lock(m_mutex);
        std::erase(m_sessions, &exifTool);
    }
    // Counted only now that the tagger's ExifTool has ended with it.
    {
        const std::lock_guard lock(m_mutex);
        --m_workersLeft;
    }
    m_workerEnded.notify_all();
}

void StampPool::lowerPriority(int steps) const
{
#ifdef __linux__
    if (steps > 0) {
        const id_t thread = id_t(::syscall(SYS_gettid));
        errno = 0;
        const int nice = ::getpriority(PRIO_PROCESS, thread);
        if (errno == 0)
            ::setpriority(PRIO_PROCESS, thread, std::min(nice + steps, 19));
    }
#else
    Q_UNUSED(steps);
#endif
}

void StampPool::finishEntry(int ticket, StampJobResult result)
{
    QString workFolder;
    {
        const std::lock_guard lock(m_mutex);
        workFolder = m_entries[ticket].job.workFolder;
    }
    QDir(workFolder).removeRecursively();
    {
        const std::lock_guard lock(m_mutex);
        m_entries[ticket].result = std::move(result);
    }
    m_resultReady.notify_all();
}

void StampPool::runJobs()
{
    // Workers may yield to the window's thread, so the window keeps handling events even when
    // the machine has more work than cores. They also yield to the taggers: a tagger that fell
    // behind would be left copying alone on one core at the end of a run.
    lowerPriority(m_tools.workerNiceness + kWriterNiceness);
    ToolRunner converter;
    converter.setConverter(m_tools.converter);
    const DateTexts texts = m_tools.texts;

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
        WrittenStamp written = writeStampJob(job, converter, texts);
        if (!written.waiting()) {
            finishEntry(ticket, std::move(written.result));
            continue;
        }
        {
            const std::lock_guard lock(m_mutex);
            m_entries[ticket].written = std::move(written);
            m_tagQueue.push_back(ticket);
        }
        m_tagsWaiting.notify_one();
    }
}

void StampPool::runTags(ExifToolSession &exifTool)
{
    // ExifTool, started from here, inherits the tagger's priority.
    lowerPriority(m_tools.workerNiceness);
    // It starts when a result will need it; a copy starts it too, for a result whose source
    // turned out to be of another format than its name says.
    bool started = false;

    for (;;) {
        StampJob job;
        WrittenStamp written;
        int ticket = 0;
        {
            std::unique_lock lock(m_mutex);
            m_tagsWaiting.wait(lock, [&] {
                return m_writersLeft == 0 || !m_tagQueue.empty() || (m_exifToolWanted && !started);
            });
            if (m_tagQueue.empty() && m_writersLeft > 0) {
                lock.unlock();
                started = true;
                exifTool.start();
                continue;
            }
            if (m_tagQueue.empty())
                return;
            ticket = m_tagQueue.front();
            m_tagQueue.pop_front();
            Entry &entry = m_entries[ticket];
            job = entry.job;
            written = std::move(*entry.written);
            entry.written.reset();
        }
        finishEntry(ticket, finishStampJob(job, std::move(written), exifTool));
    }
}

} // namespace kalvora
