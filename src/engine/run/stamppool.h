// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/datetexts.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/run/stampjob.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kalvora {

/// The number of workers a run uses by default: one per processor core.
int defaultWorkerCount();

/// How many files beyond its \a workers a run keeps handed out, so that no worker waits while
/// earlier files have their tags copied: three per worker. A file waiting for a worker or for
/// its tags holds no picture in memory.
int defaultLookAhead(int workers);

/// Runs stamp jobs on worker threads, one per core by default.
///
/// A job runs in two parts (see WriteStampJob and finishStampJob). A worker loads, stamps and
/// writes the picture with a converter runner of its own that has no window part, then hands
/// the written result on and takes the next file. Taggers, one for every two workers, each with
/// an ExifTool session of its own, copy the tags and put the results in place. A JPEG of a JPEG
/// comes with its source's metadata and needs no ExifTool: the taggers start theirs as soon as
/// a job is handed out whose result does (see needsExifTool), so Perl loads while that picture
/// is being worked on, and a run of JPEGs starts none. So a core never waits idle for
/// Perl, and fewer ExifTools load their modules than there are workers. Jobs are handed out with
/// submit(), which answers a ticket; results are taken by ticket, so the caller reports them in the
/// order it handed them out, whatever order they finish in. Each job gets a private folder of its
/// own under the pool's temporary folder, removed when it ends. The pool holds at most one picture
/// per worker in memory: jobs waiting for a worker and finished results hold none.
///
/// The pool only runs threads: a job comes planned (see PlannedStamp), and nothing under the
/// pool's lock touches the file system, so neither the caller nor a worker waits on another's
/// disk. The caller bounds its own look-ahead; claims() tells it whether a job in flight still
/// works on a file, so the same file is never worked on twice at once.
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
        /// How long a tagger waits for its ExifTool's answer before it takes it for stuck.
        int exifToolAnswerLimitSeconds = kExifToolAnswerLimitSeconds;
    };

    StampPool(Tools tools, QString temporaryFolder, int workers = defaultWorkerCount());
    /// Waits for the jobs in flight, then ends the workers and their ExifTool sessions.
    ~StampPool();
    StampPool(const StampPool &) = delete;
    StampPool &operator=(const StampPool &) = delete;

    int workerCount() const { return m_workerCount; }

    /// Hands \a job, planned and completed (completePlan), to the next free worker and answers
    /// its ticket (0, 1, 2 ... in order).
    int submit(StampJob job);

    /// The result of \a ticket once its job has finished, waiting at most \a waitMs for it;
    /// nothing when it is still at work. A result is answered once.
    std::optional<StampJobResult> take(int ticket, int waitMs);

    /// True while a job handed out and not yet finished reads or writes one of \a paths.
    bool claims(const QStringList &paths) const;

    /// Tells the workers to end once the jobs handed out are done, and waits at most \a waitMs
    /// for them; answers whether they all have. A caller lets events run between calls instead
    /// of blocking in the destructor.
    bool finish(int waitMs);

    /// Ends the taggers' tag copies at once instead of waiting for ExifTool's answers, which a
    /// stuck ExifTool never gives: their ExifTools are killed, and the copy in progress and
    /// every later one fail, so those files are left untouched. For a run that is to end now.
    void interruptTags();

private:
    struct Entry
    {
        StampJob job;
        std::optional<WrittenStamp> written; // between the two parts
        std::optional<StampJobResult> result;
    };

    void work();
    void tag();
    void runJobs();
    void runTags(ExifToolSession &exifTool);
    void lowerPriority(int steps) const;
    void finishEntry(int ticket, StampJobResult result);

    Tools m_tools;
    QString m_temporaryFolder;
    mutable std::mutex m_mutex;
    std::condition_variable m_jobsWaiting;
    std::condition_variable m_resultReady;
    std::condition_variable m_workerEnded;
    std::condition_variable m_tagsWaiting;
    std::deque<int> m_queue;
    std::deque<int> m_tagQueue;
    std::map<int, Entry> m_entries;
    int m_nextTicket = 0;
    int m_workerCount = 0;
    int m_writersLeft = 0; // workers still writing pictures
    int m_workersLeft = 0; // threads of either kind still running
    bool m_closing = false;
    bool m_tagsInterrupted = false;
    std::vector<ExifToolSession *> m_sessions; // the taggers' while they run
    bool m_exifToolWanted = false; // a job handed out has a result that ExifTool tags
    std::vector<std::thread> m_threads;
};

} // namespace kalvora
