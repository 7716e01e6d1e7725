// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/stamprun.h"

#include "base/applicationtitle.h"
#include "base/datetexts.h"
#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/run/progressbar.h"
#include "engine/run/stamppool.h"
#include "engine/run/tempfolder.h"
#include "engine/run/toolrunner.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <cmath>
#include <deque>

namespace {

constexpr auto kNoFiles = "No files added.";
constexpr auto kNoFolder = "Folder does not exist. Please select another folder.";
constexpr auto kNoCustomText = "Please enter custom text.";
constexpr auto kDone = "Done.";
constexpr auto kProcessing = "Processing: ";
constexpr auto kIdleText = "Progress Bar";

// How much lower than the window's thread the workers are scheduled, so the window stays
// responsive even when the machine has more work than cores.
constexpr int kWorkerNiceness = 4;

// The longest the run waits for a worker before it lets window events run again.
constexpr int kEventsEveryMs = 10;

// The converter beside the program, or nothing: a list without PNG, TIF or converted outputs
// never needs it, and a job that does reports its absence.
QString converterIfFound(const ToolRunner &tools)
{
    try {
        return tools.converter();
    } catch (const RuntimeFailure &) {
        return {};
    }
}

// A file handed out to the pool and not yet reported.
struct HandedOut
{
    int ticket;
    int number;
    QString path;
};

} // namespace

StampRun::StampRun(StampRunWindow &window, Dialogs &dialogs, EventPump &events, ToolRunner &tools,
    TempFolder &temp, const DateTexts &texts, QString location)
    : m_window(window)
    , m_dialogs(dialogs)
    , m_events(events)
    , m_tools(tools)
    , m_temp(temp)
    , m_texts(texts)
    , m_location(std::move(location))
    , m_workers(DefaultWorkerCount())
    , m_lookAhead(DefaultLookAhead(m_workers))
{ }

void StampRun::setWorkerCount(int workers)
{
    m_workers = qMax(1, workers);
}

void StampRun::start()
{
    if (m_running)
        return;
    m_running = true;
    m_stopRequested = false;
    TrappedProcedure procedure(m_dialogs, m_location);
    if (!refused(procedure))
        stampAll(procedure);
    m_running = false;
}

bool StampRun::refused(TrappedProcedure &procedure)
{
    if (!procedure.test(104, [&] { return m_window.imageCount() > 0; })) {
        message(kNoFiles);
        return true;
    }
    if (!procedure.test(106, [&] {
            const StampOptions options = m_window.currentOptions();
            return options.saveOption == SaveOption::OriginalFolder
                || IsFolder(options.outputFolder);
        })) {
        message(kNoFolder);
        return true;
    }
    if (!procedure.test(108, [&] {
            const StampOptions options = m_window.currentOptions();
            return !options.customText.isEmpty() || options.source != StampSource::CustomText;
        })) {
        message(kNoCustomText);
        return true;
    }
    return false;
}

void StampRun::stampAll(TrappedProcedure &procedure)
{
    procedure.run(124, [&] { m_window.setBusy(true); });

    // Without ExifTool every result would lose its source's tags, and a result that replaces
    // its source would lose them for good: stop before the first file.
    QString exifTool;
    if (procedure.run(126, [&] { exifTool = m_tools.exifTool(); })) {
        StampPool pool({exifTool, converterIfFound(m_tools), m_texts, kWorkerNiceness},
            m_temp.path(), m_workers);
        const int bound = pool.workerCount() + m_lookAhead;
        std::deque<HandedOut> handed;
        int next = 1;
        int shown = 0;
        for (;;) {
            // Hand out files in list order, each with the options as they read now, up to the
            // bound and never a file that a job at work still reads or writes.
            while (
                !m_stopRequested && int(handed.size()) < bound && next <= m_window.imageCount()) {
                StampJob job;
                if (!procedure.run(134, [&] { job.sourcePath = m_window.imagePath(next); })) {
                    ++next;
                    continue;
                }
                job.options = m_window.currentOptions();
                if (pool.claims(JobClaims(job)))
                    break;
                handed.push_back({pool.submit(job), next, job.sourcePath});
                ++next;
            }
            if (handed.empty())
                break;

            const HandedOut &head = handed.front();
            if (head.number != shown && !m_stopRequested) {
                shown = head.number;
                procedure.run(136, [&] {
                    const double share = double(head.number) / m_window.imageCount() * 100;
                    m_window.progressBar().setValue(int(std::lround(share)));
                });
                procedure.run(138, [&] {
                    m_window.progressBar().setText(
                        QLatin1String(kProcessing) + FileNameOfPath(head.path));
                });
                procedure.run(142, [&] { m_window.setBusy(true); });
            }
            m_events.processEvents();
            std::optional<StampJobResult> result = pool.take(head.ticket, kEventsEveryMs);
            if (!result)
                continue;
            handed.pop_front();
            // Reported in list order. While a report is open, nothing new is handed out.
            if (!m_stopRequested)
                for (const StampFailure &failure : std::as_const(result->failures))
                    ErrorReport(m_dialogs, m_location, failure.step, failure.description);
        }
        while (!pool.finish(kEventsEveryMs))
            m_events.processEvents();
    }

    procedure.run(306, [&] { m_window.setBusy(false); });
    procedure.run(308, [&] { m_window.progressBar().setValue(0); });
    procedure.run(310, [&] { m_window.progressBar().setText(QLatin1String(kIdleText)); });
    if (!m_stopRequested)
        message(kDone);
}

void StampRun::message(const char *text)
{
    m_dialogs.showMessage(ShortTitle(), QLatin1String(text), Dialogs::Icon::None);
}
