// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/removestamp.h"

#include "base/applicationtitle.h"
#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/toolrunner.h"
#include "engine/run/stampundo.h"
#include "engine/run/tempfolder.h"
#include "preview/progressbar.h"
#include "preview/stampwindow.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QList>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

using namespace kalvora;

namespace {

// The longest the window waits for the thread before it lets events run again.
constexpr std::chrono::milliseconds kEventsEvery {10};
constexpr auto kIdleText = "Progress Bar";

// What the thread hands the window: the results so far, in the order of the files.
struct Handover
{
    std::mutex mutex;
    std::condition_variable changed;
    QList<UndoResult> results;
    bool done = false;
};

UndoResult undoOne(const QString &path, ExifToolSession &exifTool, const QString &workFolder)
{
    try {
        return undoStamp(path, exifTool, workFolder);
    } catch (const std::exception &failure) {
        return {UndoFinding::Failed,
            QStringLiteral("%1: the stamp could not be undone: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(failure.what()))};
    }
}

} // namespace

RemoveStamp::RemoveStamp(
    StampRunWindow &window, Dialogs &dialogs, EventPump &events, ToolRunner &tools)
    : m_window(window)
    , m_dialogs(dialogs)
    , m_events(events)
    , m_tools(tools)
{ }

void RemoveStamp::start(const QStringList &paths)
{
    if (m_running)
        return;
    if (paths.isEmpty()) {
        m_dialogs.showMessage(shortTitle(),
            QStringLiteral("Select the files whose stamp is to be removed."), Dialogs::Icon::None);
        return;
    }
    QString exifTool;
    TempFolder temp;
    try {
        exifTool = m_tools.exifTool();
        if (!temp.isValid())
            throw RuntimeFailure(temp.error());
    } catch (const RuntimeFailure &failure) {
        m_dialogs.showMessage(shortTitle(),
            QStringLiteral("No stamp was removed: %1").arg(failure.description()),
            Dialogs::Icon::Exclamation);
        return;
    }
    m_running = true;
    m_stopRequested = false;
    m_window.setBusy(true);

    Handover handover;
    const QString folder = temp.path();
    std::thread worker([&, folder] {
        ExifToolSession session(exifTool, kExifToolAnswerLimitSeconds, folder);
        for (const QString &path : paths) {
            if (m_stopRequested)
                break;
            UndoResult result = undoOne(path, session, folder);
            const std::lock_guard lock(handover.mutex);
            handover.results.append(std::move(result));
            handover.changed.notify_one();
        }
        const std::lock_guard lock(handover.mutex);
        handover.done = true;
        handover.changed.notify_one();
    });

    QStringList restored;
    QStringList notRestored;
    for (bool done = false; !done;) {
        QList<UndoResult> arrived;
        {
            std::unique_lock lock(handover.mutex);
            handover.changed.wait_for(
                lock, kEventsEvery, [&] { return handover.done || !handover.results.isEmpty(); });
            arrived.swap(handover.results);
            done = handover.done;
        }
        // The results come in the order of the files.
        for (const UndoResult &result : std::as_const(arrived)) {
            const QString &path = paths[restored.size() + notRestored.size()];
            if (result.finding == UndoFinding::Restored)
                restored << QDir::toNativeSeparators(path);
            else
                notRestored << result.sentence;
        }
        const qsizetype finished = restored.size() + notRestored.size();
        m_window.progressBar().setValue(int(std::lround(double(finished) / paths.size() * 100)));
        if (finished < paths.size())
            m_window.progressBar().setText(
                QStringLiteral("Removing the stamp: ") + FileNameOfPath(paths[finished]));
        m_events.processEvents();
    }
    worker.join();

    m_window.setBusy(false);
    m_window.progressBar().setValue(0);
    m_window.progressBar().setText(QLatin1String(kIdleText));
    m_running = false;
    if (!m_stopRequested)
        showOutcome(restored, notRestored);
}

void RemoveStamp::showOutcome(const QStringList &restored, const QStringList &notRestored)
{
    QStringList parts;
    if (!restored.isEmpty())
        parts << QStringLiteral("Restored:\n") + restored.join(QLatin1Char('\n'));
    if (!notRestored.isEmpty())
        parts << QStringLiteral("Not restored:\n") + notRestored.join(QLatin1Char('\n'));
    m_dialogs.showMessage(shortTitle(), parts.join(QLatin1String("\n\n")),
        notRestored.isEmpty() ? Dialogs::Icon::None : Dialogs::Icon::Exclamation);
}
