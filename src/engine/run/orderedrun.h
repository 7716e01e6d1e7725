// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/run/stampjob.h"
#include "options/stampoptions.h"

#include <QList>
#include <QString>

class EventPump;

namespace kalvora {

class StampPool;

/// One file of a run, as the list held it when the run started: its path and an identity that
/// stays with the entry however the list is reordered, so the run can ask whether it is still
/// listed. A problem known before the file is handed out (it cannot be reached) is reported in
/// its turn instead of stamping it. A file found by walking a folder names that folder, so its
/// result can keep the folders between (see planStamp).
struct RunEntry
{
    QString path;
    quint64 identity = 0;
    QString problem;
    QString walkedFolder;
};

/// What a run tells and asks the one who started it: a window or a terminal.
class RunSink
{
public:
    virtual ~RunSink() = default;

    /// The options as they read now; asked once for each file as it is handed out, so a change
    /// reaches every file not yet handed out.
    virtual StampOptions currentOptions() = 0;
    /// Whether \a entry is still listed; an entry removed before it was handed out is skipped.
    virtual bool isListed(const RunEntry &entry) = 0;
    /// True once the run is to end early: nothing further is handed out.
    virtual bool stopRequested() { return false; }

    /// File \a index (from 1) of \a total is the one whose result the run waits for now.
    virtual void fileStarted(int index, int total, const RunEntry &entry) = 0;
    /// The result of file \a index, in list order. A skipped entry has none.
    virtual void fileFinished(
        int index, int total, const RunEntry &entry, const StampJobResult &result)
        = 0;
};

/// The stamp run of the window and of the command line alike: works through a fixed list of
/// entries, handing them to a StampPool in list order at most a bounded number ahead of the
/// file being reported, and takes the results back in list order.
///
/// Each file is planned once as it is handed out (PlannedStamp): the options it is given, its
/// destination, and a name of its own among this run's results. The first file for a folder
/// clears what dead runs left there (removeStaleResults). A file that a job at work still reads
/// or writes waits until that job is done. While the run waits for a result it lets events run
/// through \a events, so a window stays responsive; the sink may then change the options, the
/// list or ask to stop. A run asked to stop hands out nothing more and lets the files at work
/// finish, but when no file has finished for a short grace (five seconds) the pool's tag copies
/// are interrupted (StampPool::interruptTags), so a stuck ExifTool never holds up a closing
/// window for longer.
class OrderedRun
{
public:
    OrderedRun(StampPool &pool, RunSink &sink, EventPump &events);

    /// How many files beyond the pool's workers may be handed out ahead of the file being
    /// reported, and how long the run waits for a result before it lets events run again.
    void setLookAhead(int files);
    void setWaitMs(int waitMs);
    /// How long a run asked to stop waits for a file to finish before it interrupts the tag
    /// copies at work.
    void setStopGraceMs(int graceMs);

    /// Runs \a entries to the end, then lets the pool's workers end, letting events run.
    void run(const QList<RunEntry> &entries);

private:
    class Stopping;

    StampPool &m_pool;
    RunSink &m_sink;
    EventPump &m_events;
    int m_lookAhead = 0;
    int m_waitMs = 10;
    int m_stopGraceMs = 5000;
};

} // namespace kalvora
