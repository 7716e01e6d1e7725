// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datetexts.h"
#include "stampjob.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

/// The files a job reads or writes, as the pool compares them: its source and where its result
/// goes, each by its canonical path where it exists (so two spellings of one file match).
QStringList JobClaims(const StampJob &job);

/// The number of workers a run uses by default: one per processor core.
int DefaultWorkerCount();

/// Runs stamp jobs on worker threads, one per core by default.
///
/// Each worker owns what a job needs and must not share: its ExifTool session (started as the
/// worker starts, so Perl loads while the first picture is decoded) and a converter runner with
/// no window part. Jobs are handed out with submit(), which answers a ticket; results are taken
/// by ticket, so the caller reports them in the order it handed them out, whatever order they
/// finish in. Each job gets a private folder of its own under the pool's temporary folder,
/// removed when it ends. The pool holds at most one picture per worker in memory: jobs waiting
/// for a worker and finished results hold none.
///
/// The caller bounds its own look-ahead; claims() tells it whether a job in flight still works
/// on a file, so the same file is never worked on twice at once.
class StampPool
{
public:
    struct Tools
    {
        QString exifTool;
        QString converter;
        DateTexts texts;
        /// How much lower than the calling thread the workers (and their ExifTool) are
        /// scheduled; a window's run lowers them so its thread keeps handling events on a busy
        /// machine. Linux only.
        int workerNiceness = 0;
    };

    StampPool(Tools tools, QString temporaryFolder, int workers = DefaultWorkerCount());
    /// Waits for the jobs in flight, then ends the workers and their ExifTool sessions.
    ~StampPool();
    StampPool(const StampPool &) = delete;
    StampPool &operator=(const StampPool &) = delete;

    int workerCount() const { return int(m_threads.size()); }

    /// Hands \a job to the next free worker and answers its ticket (0, 1, 2 ... in order).
    int submit(StampJob job);

    /// The result of \a ticket once its job has finished, waiting at most \a waitMs for it;
    /// nothing when it is still at work. A result is answered once.
    std::optional<StampJobResult> take(int ticket, int waitMs);

    /// True while a job handed out and not yet finished reads or writes one of \a paths.
    bool claims(const QStringList &paths) const;

    /// The number of jobs handed out whose results have not been taken.
    int pending() const;

    /// Tells the workers to end once the jobs handed out are done, and waits at most \a waitMs
    /// for them; answers whether they all have. A caller lets events run between calls instead
    /// of blocking in the destructor.
    bool finish(int waitMs);

private:
    struct Entry
    {
        StampJob job;
        QStringList claims;
        std::optional<StampJobResult> result;
    };

    void work();
    void runJobs();

    Tools m_tools;
    QString m_temporaryFolder;
    mutable std::mutex m_mutex;
    std::condition_variable m_jobsWaiting;
    std::condition_variable m_resultReady;
    std::condition_variable m_workerEnded;
    std::deque<int> m_queue;
    std::map<int, Entry> m_entries;
    int m_nextTicket = 0;
    int m_workersLeft = 0;
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};
