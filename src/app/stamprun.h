// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/desktopsignals.h"
#include "preview/stampwindow.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace kalvora {
class TempFolder;
class ToolRunner;
} // namespace kalvora

class DateTexts;
class Dialogs;
class EventPump;
class TrappedProcedure;

/// "Start Stamping": checks the list, the output folder and the custom text, then stamps every
/// listed file on a pool of workers and ends with "Done.". The window's presenter of the one
/// stamp run (kalvora::OrderedRun) that the command line drives too.
///
/// The run itself stays on the user-interface thread and lets events run every few
/// milliseconds while the workers stamp, so the window never freezes and the list stays
/// editable. It works on the entries the list held when it started, each at most once,
/// whatever is dragged, added or removed meanwhile: an entry removed before it was handed out
/// is not stamped, and files added during the run wait for the next one. Files are handed out
/// in list order, each with the options as the controls read at that moment (so a change
/// reaches every file not yet handed out). Results are reported in list order: the bar shows
/// the file being reported among the entries the run started with, and each failure is shown
/// in the error report with its step number; while a report is open no new file is handed out.
/// A second start during a run does nothing. A file is never worked on by two workers at once.
class StampRun
{
public:
    /// \a location is the error report's location text, which names the caller's command.
    StampRun(StampRunWindow &window, Dialogs &dialogs, EventPump &events,
        kalvora::ToolRunner &tools, kalvora::TempFolder &temp, const DateTexts &texts,
        QString location);

    void start();
    bool isRunning() const { return m_running; }

    /// Ends the run early, as when the window closes: no further file is handed out, the files
    /// at work finish (each is either stamped and in place, or untouched; ExifTool copies not
    /// answered within a short grace are ended), and no more messages are shown.
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }

    /// The number of workers, one per core unless set, and how many files beyond them may be
    /// handed out ahead of the file being reported.
    int workerCount() const { return m_workers; }
    void setWorkerCount(int workers);
    int lookAhead() const { return m_lookAhead; }
    void setLookAhead(int files) { m_lookAhead = qMax(0, files); }

    /// How long a run lasts before its progress shows on the task bar entry (3 s unless set).
    void setDesktopProgressAfterMs(int ms) { m_desktopProgressAfterMs = ms; }

private:
    class Sink;

    bool refused(TrappedProcedure &procedure);
    void stampAll(TrappedProcedure &procedure);
    void message(const char *text);

    StampRunWindow &m_window;
    Dialogs &m_dialogs;
    EventPump &m_events;
    kalvora::ToolRunner &m_tools;
    kalvora::TempFolder &m_temp;
    const DateTexts &m_texts;
    QString m_location;
    int m_workers;
    int m_lookAhead;
    bool m_running = false;
    bool m_stopRequested = false;
    // Notes of the files stamped so far, and of those skipped as stamped before, shown together
    // after "Done.".
    QStringList m_notes;
    QStringList m_skipped;
    // The task bar entry's progress, shown once a run has lasted a few seconds, and
    // the notification of a run that ends while the window is not in front.
    DesktopSignals m_desktop;
    QElapsedTimer m_clock;
    int m_desktopProgressAfterMs = 3000;
    int m_stamped = 0;
    int m_failed = 0;
};
