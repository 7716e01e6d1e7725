// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

namespace kalvora {
class ToolRunner;
}

class Dialogs;
class EventPump;
class StampRunWindow;

/// "Remove Stamp" on the selected entries of the image list: puts back the original of each
/// file from the restore data a stamp that kept the photo's own quality left in it (see
/// kalvora::undoStamp), and ends with one message that lists the files restored and, each with
/// its reason, those that were not.
///
/// The files are worked on one after another by a thread of their own with its own ExifTool;
/// the user-interface thread waits for them in short slices and lets events run between, so
/// the window never freezes, and the progress bar names the file at work. The window is busy
/// meanwhile. Closing the window stops the run after the file at work, which is either restored
/// whole or left as it was.
class RemoveStamp
{
public:
    RemoveStamp(
        StampRunWindow &window, Dialogs &dialogs, EventPump &events, kalvora::ToolRunner &tools);

    /// Removes the stamps of \a paths, in this order. A second start during a run does nothing.
    void start(const QStringList &paths);
    bool isRunning() const { return m_running; }
    void requestStop() { m_stopRequested = true; }

private:
    void showOutcome(const QStringList &restored, const QStringList &notRestored);

    StampRunWindow &m_window;
    Dialogs &m_dialogs;
    EventPump &m_events;
    kalvora::ToolRunner &m_tools;
    bool m_running = false;
    std::atomic<bool> m_stopRequested = false;
};
