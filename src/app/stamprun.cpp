// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stamprun.h"

#include "base/applicationtitle.h"
#include "base/datetexts.h"
#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/output/toolrunner.h"
#include "engine/run/orderedrun.h"
#include "engine/run/stamppool.h"
#include "engine/run/tempfolder.h"
#include "preview/progressbar.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <QCoreApplication>

#include <cmath>

using namespace kalvora;

namespace {

constexpr auto kNoFiles = QT_TRANSLATE_NOOP("StampRun", "No files added.");
constexpr auto kNoFolder
    = QT_TRANSLATE_NOOP("StampRun", "Folder does not exist. Please select another folder.");
constexpr auto kNoCustomText = QT_TRANSLATE_NOOP("StampRun", "Please enter custom text.");
constexpr auto kDone = QT_TRANSLATE_NOOP("StampRun", "Done.");
constexpr auto kNotes = QT_TRANSLATE_NOOP("StampRun", "Stamped, with notes on their tags:\n");
constexpr auto kSkipped = QT_TRANSLATE_NOOP("StampRun", "Skipped:\n");
constexpr auto kProcessing = QT_TRANSLATE_NOOP("StampRun", "Processing: ");
constexpr auto kIdleText = QT_TRANSLATE_NOOP("StampRun", "Progress Bar");
constexpr auto kEndedSummary = QT_TRANSLATE_NOOP("StampRun", "Stamping done");
constexpr auto kEndedCounts = QT_TRANSLATE_NOOP("StampRun", "%1 stamped, %2 failed.");

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

} // namespace

// The window's side of the run: the options and the list as they read now, the bar and the
// error report.
class StampRun::Sink final : public kalvora::RunSink
{
public:
    Sink(StampRun &run, TrappedProcedure &procedure)
        : m_run(run)
        , m_procedure(procedure)
    { }

    StampOptions currentOptions() override { return m_run.m_window.currentOptions(); }
    bool isListed(const kalvora::RunEntry &entry) override
    {
        return m_run.m_window.isListed(entry.identity);
    }
    bool stopRequested() override { return m_run.m_stopRequested; }

    void fileStarted(int index, int total, const kalvora::RunEntry &entry) override
    {
        StampRunWindow &window = m_run.m_window;
        m_procedure.run(136, [&] {
            const double share = double(index) / total * 100;
            window.progressBar().setValue(int(std::lround(share)));
        });
        m_procedure.run(138, [&] {
            window.progressBar().setText(
                QCoreApplication::translate("StampRun", kProcessing) + FileNameOfPath(entry.path));
        });
        m_procedure.run(142, [&] { window.setBusy(true); });
        if (m_run.m_clock.elapsed() >= m_run.m_desktopProgressAfterMs)
            m_run.m_desktop.showProgress(double(index) / total);
    }

    void fileFinished(int, int, const kalvora::RunEntry &, const StampJobResult &result) override
    {
        // Reported in list order. While a report is open, nothing new is handed out.
        if (m_run.m_stopRequested)
            return;
        if (result.outcome == StampFileOutcome::Stamped && result.failures.isEmpty())
            ++m_run.m_stamped;
        else if (result.outcome != StampFileOutcome::Skipped)
            ++m_run.m_failed;
        (result.outcome == StampFileOutcome::Skipped ? m_run.m_skipped : m_run.m_notes)
            << result.notes;
        for (const StampFailure &failure : std::as_const(result.failures))
            ErrorReport(m_run.m_dialogs, m_run.m_location, failure.step, failure.description);
    }

private:
    StampRun &m_run;
    TrappedProcedure &m_procedure;
};

StampRun::StampRun(StampRunWindow &window, Dialogs &dialogs, EventPump &events, ToolRunner &tools,
    TempFolder &temp, const DateTexts &texts, QString location)
    : m_window(window)
    , m_dialogs(dialogs)
    , m_events(events)
    , m_tools(tools)
    , m_temp(temp)
    , m_texts(texts)
    , m_location(std::move(location))
    , m_workers(defaultWorkerCount())
    , m_lookAhead(defaultLookAhead(m_workers))
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
    m_notes.clear();
    m_skipped.clear();
    m_stamped = 0;
    m_failed = 0;
    m_clock.start();
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
    // The entries the list holds now are the run's, whatever happens to the list later.
    QList<kalvora::RunEntry> entries;
    for (const ListedImage &image : m_window.listedImages())
        entries.append({image.path, image.identity, {}, image.walkedFolder});
    procedure.run(124, [&] { m_window.setBusy(true); });

    // Without ExifTool every result would lose its source's tags, and a result that replaces
    // its source would lose them for good: stop before the first file.
    QString exifTool;
    // The jobs' work folders live in the run's private folder: without it nothing is stamped.
    if (procedure.run(126, [&] {
            exifTool = m_tools.exifTool();
            if (!m_temp.isValid())
                throw RuntimeFailure(m_temp.error());
        })) {
        StampPool pool({exifTool, converterIfFound(m_tools), m_texts, kWorkerNiceness},
            m_temp.path(), m_workers);
        Sink sink(*this, procedure);
        kalvora::OrderedRun run(pool, sink, m_events);
        run.setLookAhead(m_lookAhead);
        run.setWaitMs(kEventsEveryMs);
        run.run(entries);
    }

    m_desktop.hideProgress();
    // A run that ended while the user worked in another window tells them so.
    if (!m_stopRequested && !m_window.isActive())
        m_desktop.notify(QCoreApplication::translate("StampRun", kEndedSummary),
            QCoreApplication::translate("StampRun", kEndedCounts).arg(m_stamped).arg(m_failed));
    procedure.run(306, [&] { m_window.setBusy(false); });
    procedure.run(308, [&] { m_window.progressBar().setValue(0); });
    procedure.run(310, [&] {
        m_window.progressBar().setText(QCoreApplication::translate("StampRun", kIdleText));
    });
    if (!m_stopRequested) {
        message(kDone);
        // Notes are no failures: one list after the run, not a dialog for every file.
        QStringList lists;
        if (!m_notes.isEmpty())
            lists << QCoreApplication::translate("StampRun", kNotes)
                    + m_notes.join(QLatin1Char('\n'));
        if (!m_skipped.isEmpty())
            lists << QCoreApplication::translate("StampRun", kSkipped)
                    + m_skipped.join(QLatin1Char('\n'));
        if (!lists.isEmpty())
            m_dialogs.showMessage(
                shortTitle(), lists.join(QLatin1String("\n\n")), Dialogs::Icon::None);
    }
    m_notes.clear();
    m_skipped.clear();
}

void StampRun::message(const char *text)
{
    m_dialogs.showMessage(
        shortTitle(), QCoreApplication::translate("StampRun", text), Dialogs::Icon::None);
}
