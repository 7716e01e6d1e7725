// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/eventpump.h"

#include <QString>
#include <QStringList>

#include <optional>

class ProgressBar;

/// The length of one wait cycle while a tool runs, in milliseconds.
inline constexpr int kToolCycleMs = 100;

/// After this many cycles (about five seconds) the bar tells the user to wait.
inline constexpr int kWaitTextTick = 50;

/// Every this many cycles from kWaitTextTick on (about fifteen seconds) the bar moves forward.
inline constexpr int kProgressStepTicks = 150;

/// What RunAndWait answers for a tool that could not be started: a negative code, so that no
/// tool's own exit code is mistaken for it.
inline constexpr int kToolNotStarted = -2147221504 + 53;

/// What RunAndWait answers for a tool that crashed instead of ending with an exit code.
inline constexpr int kToolCrashed = -2147221504 + 5;

/// The bar's text while a long tool run goes on at \a tick: the base text, ", " when the base
/// text is not empty, "Please wait.. " and the number of cycles since the wait text appeared.
QString WaitText(const QString &baseText, int tick);

/// Where the bar stands at \a tick of a long tool run, or nothing when it does not move then.
/// It moves at ticks 50, 200, 350 ... by one tenth of one file's share of the bar, and never
/// beyond the start of the next file's share less one step. Halves round to the even neighbour.
std::optional<int> ProgressAtTick(int tick, int baseValue, int fileCount);

/// Runs \a program with \a arguments (never through a shell) and waits for it to end, letting
/// window events run several times per \a cycleMs cycle so the window stays usable. When \a bar
/// is given and the wait passes kWaitTextTick cycles, the bar shows WaitText and moves as
/// ProgressAtTick says; its text is put back to \a baseText (or "Progress Bar" when that is
/// empty) at the end. A tool that ends at once returns at once.
///
/// Answers the tool's exit code, kToolNotStarted at once when it cannot be started, or
/// kToolCrashed. When \a errorText is given it receives what the tool wrote to its error
/// output (its normal output is discarded).
int RunAndWait(const QString &program, const QStringList &arguments, ProgressBar *bar,
    const QString &baseText, int baseValue, int fileCount, EventPump &events,
    QString *errorText = nullptr, int cycleMs = kToolCycleMs);

/// The two tools the engine runs, and how it runs them: during a preview on the window's
/// thread, or headless in a stamp job.
///
/// Tools are located, not unpacked: ExifTool on the PATH, kalvora-convert beside the program.
/// Each run goes through RunAndWait with the progress bar's text and value as they stand when
/// the run starts, and the number of files of the stamp run (which the caller keeps current).
class ToolRunner
{
public:
    /// A runner with no window part: it lets no events run and shows nothing, so it can run
    /// tools on any thread (a stamp job's worker, a command-line program).
    ToolRunner();
    explicit ToolRunner(EventPump &events, ProgressBar *bar = nullptr);

    EventPump &events() const { return m_events; }
    ProgressBar *progressBar() const { return m_bar; }

    int fileCount() const { return m_fileCount; }
    void setFileCount(int count) { m_fileCount = count; }

    /// The path of ExifTool. Throws RuntimeFailure naming the tool when it cannot be found.
    QString exifTool() const;
    void setExifTool(const QString &path) { m_exifTool = path; }

    /// The path of kalvora-convert. Throws RuntimeFailure naming the tool when it cannot be
    /// found.
    QString converter() const;
    void setConverter(const QString &path) { m_converter = path; }

    /// Shortens the wait cycle; for tests that need many cycles in little time.
    void setCycleMs(int ms) { m_cycleMs = ms; }

    /// RunAndWait with this runner's bar, its current text and value, and the file count.
    int run(
        const QString &program, const QStringList &arguments, QString *errorText = nullptr) const;

private:
    NullEventPump m_noEvents;
    EventPump &m_events;
    ProgressBar *m_bar;
    int m_fileCount = 1;
    int m_cycleMs = kToolCycleMs;
    QString m_exifTool;
    QString m_converter;
};
