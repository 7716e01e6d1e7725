// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/orderedrun.h"

#include "base/eventpump.h"
#include "engine/output/plannedstamp.h"
#include "engine/output/stalefolders.h"
#include "engine/run/stamppool.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <deque>
#include <optional>
#include <set>

namespace kalvora {

namespace {

// A file handed out and not yet reported; a file with a known problem has no ticket.
struct HandedOut
{
    int index = 0;
    int ticket = -1;
};

// What one run keeps while it hands files out.
struct HandOutState
{
    ResultNames names;
    std::set<QString> clearedFolders;
};

} // namespace

// Interrupts the pool's tag copies once the sink has asked to stop and no file has finished for
// the length of the grace: a run whose copies go on answering, however slowly the machine is,
// finishes its files; a stuck ExifTool holds it up for the grace only.
class OrderedRun::Stopping
{
public:
    explicit Stopping(const OrderedRun &run)
        : m_run(run)
    { }

    void check()
    {
        if (m_interrupted || !m_run.m_sink.stopRequested())
            return;
        if (!m_since.isValid())
            m_since.start();
        if (m_since.hasExpired(m_run.m_stopGraceMs)) {
            m_run.m_pool.interruptTags();
            m_interrupted = true;
        }
    }

    void fileFinished()
    {
        if (m_since.isValid())
            m_since.restart();
    }

private:
    const OrderedRun &m_run;
    QElapsedTimer m_since;
    bool m_interrupted = false;
};

OrderedRun::OrderedRun(StampPool &pool, RunSink &sink, EventPump &events)
    : m_pool(pool)
    , m_sink(sink)
    , m_events(events)
{ }

void OrderedRun::setLookAhead(int files)
{
    m_lookAhead = std::max(0, files);
}

void OrderedRun::setWaitMs(int waitMs)
{
    m_waitMs = std::max(0, waitMs);
}

void OrderedRun::setStopGraceMs(int graceMs)
{
    m_stopGraceMs = std::max(0, graceMs);
}

void OrderedRun::run(const QList<RunEntry> &entries)
{
    const int total = int(entries.size());
    const int bound = m_pool.workerCount() + m_lookAhead;
    HandOutState state;
    std::deque<HandedOut> handed;
    int next = 0;
    int shown = -1;
    Stopping stopping(*this);
    for (;;) {
        // Hand out files in list order, each with the options as they read now, up to the
        // bound and never a file that a job at work still reads or writes. An entry removed
        // from the list meanwhile is passed over.
        while (!m_sink.stopRequested() && int(handed.size()) < bound && next < total) {
            const RunEntry &entry = entries[next];
            if (!m_sink.isListed(entry)) {
                ++next;
                continue;
            }
            if (!entry.problem.isEmpty()) {
                handed.push_back({next++, -1});
                continue;
            }
            StampJob job {m_sink.currentOptions(), {}, {}, next + 1};
            job.plan = planStamp(entry.path, job.options, entry.walkedFolder);
            if (m_pool.claims(job.plan.claims))
                break;
            // A dead run's private files in the folder a result goes to are cleared before
            // this run writes there, once a folder.
            const QString folder = QFileInfo(job.plan.destination).absolutePath();
            if (state.clearedFolders.insert(folder).second)
                removeStaleResults(folder);
            completePlan(job.plan, &state.names);
            handed.push_back({next++, m_pool.submit(std::move(job))});
        }
        if (handed.empty())
            break;

        const HandedOut head = handed.front();
        const RunEntry &entry = entries[head.index];
        if (head.index != shown && !m_sink.stopRequested()) {
            shown = head.index;
            m_sink.fileStarted(head.index + 1, total, entry);
        }
        std::optional<StampJobResult> result;
        if (head.ticket < 0) {
            result = StampJobResult {StampFileOutcome::Failed, {{0, entry.problem}}, {}, {}};
        } else {
            m_events.processEvents();
            stopping.check();
            result = m_pool.take(head.ticket, m_waitMs);
            if (!result)
                continue;
        }
        handed.pop_front();
        stopping.fileFinished();
        m_sink.fileFinished(head.index + 1, total, entry, *result);
    }
    while (!m_pool.finish(m_waitMs)) {
        m_events.processEvents();
        stopping.check();
    }
}

} // namespace kalvora
