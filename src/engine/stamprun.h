// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stampoptions.h"

#include <QString>

class DateTexts;
class Dialogs;
class EventPump;
class ProgressBar;
class TempFolder;
class ToolRunner;
class TrappedProcedure;

/// What a stamp run needs of the main window: the image list, the options as the controls read
/// at this moment, the progress bar and the busy pointer.
class StampRunWindow
{
public:
    virtual ~StampRunWindow() = default;

    /// The number of listed images, and the path of entry \a number (from 1).
    virtual int imageCount() const = 0;
    virtual QString imagePath(int number) const = 0;

    /// The stamp options as the controls show them now, font and colour included.
    virtual StampOptions currentOptions() const = 0;

    virtual ProgressBar &progressBar() = 0;
    virtual void setBusy(bool busy) = 0;
};

/// "Start Stamping": checks the list, the output folder and the custom text, then stamps every
/// listed file in order with progress on the window's bar, and ends with "Done.".
///
/// Runs on the user-interface thread and lets events run between and during its steps, so the
/// window stays usable: options changed meanwhile reach the files that follow, and a second
/// start while a run is under way does nothing. Every step is trapped; a failing step is
/// reported once and the run goes on with the next file where the failed one cannot go on.
class StampRun
{
public:
    StampRun(StampRunWindow &window, Dialogs &dialogs, EventPump &events, ToolRunner &tools,
        TempFolder &temp, const DateTexts &texts);

    void start();
    bool isRunning() const { return m_running; }

private:
    bool refused(TrappedProcedure &procedure);
    void stampAll(TrappedProcedure &procedure);
    void message(const char *text);

    StampRunWindow &m_window;
    Dialogs &m_dialogs;
    EventPump &m_events;
    ToolRunner &m_tools;
    TempFolder &m_temp;
    const DateTexts &m_texts;
    bool m_running = false;
};
