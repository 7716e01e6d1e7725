// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/toolrunner.h"

#include "base/eventpump.h"
#include "base/programfiles.h"
#include "base/runtimefailure.h"
#include "engine/run/progressbar.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>

namespace {

// Rounds to the nearest whole number, halves to the even neighbour (the default rounding mode).
int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

void restoreText(ProgressBar *bar, const QString &baseText)
{
    if (bar)
        bar->setText(baseText.isEmpty() ? QStringLiteral("Progress Bar") : baseText);
}

} // namespace

QString WaitText(const QString &baseText, int tick)
{
    QString text = baseText;
    if (!text.isEmpty())
        text += QStringLiteral(", ");
    return text + QStringLiteral("Please wait.. ") + QString::number(tick - kWaitTextTick);
}

std::optional<int> ProgressAtTick(int tick, int baseValue, int fileCount)
{
    if (tick < kWaitTextTick || (tick - kWaitTextTick) % kProgressStepTicks != 0)
        return std::nullopt;
    // An empty list cannot reach a tool run; a count below one would divide by zero.
    const double share = 100.0 / std::max(fileCount, 1);
    const int step = roundHalfEven(share / 10);
    const int limit = roundHalfEven(share + baseValue - step);
    const int candidate = baseValue + (tick - kWaitTextTick) / kProgressStepTicks * step;
    return candidate < limit ? candidate : limit;
}

int RunAndWait(const QString &program, const QStringList &arguments, ProgressBar *bar,
    const QString &baseText, int baseValue, int fileCount, EventPump &events, QString *errorText,
    int cycleMs)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1)) {
        if (errorText)
            *errorText = process.errorString();
        return kToolNotStarted;
    }

    int tick = 0;
    for (;;) {
        events.processEvents();
        // Returns as soon as the tool ends, so a quick tool costs no full cycle; the wait
        // itself keeps reading the tool's pipes, which a plain sleep would leave to fill up.
        process.waitForFinished(cycleMs);
        if (process.state() == QProcess::NotRunning)
            break;
        if (bar) {
            events.processEvents();
            ++tick;
            if (tick >= kWaitTextTick) {
                bar->setText(WaitText(baseText, tick));
                if (const auto value = ProgressAtTick(tick, baseValue, fileCount))
                    bar->setValue(*value);
                events.processEvents();
            }
        }
    }
    events.processEvents();
    restoreText(bar, baseText);

    if (errorText)
        *errorText = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (process.exitStatus() == QProcess::CrashExit)
        return kToolCrashed;
    return process.exitCode();
}

ToolRunner::ToolRunner()
    : m_events(m_noEvents)
    , m_bar(nullptr)
{ }

ToolRunner::ToolRunner(EventPump &events, ProgressBar *bar)
    : m_events(events)
    , m_bar(bar)
{ }

QString ToolRunner::exifTool() const
{
    if (!m_exifTool.isEmpty())
        return m_exifTool;
    const QString found = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    if (found.isEmpty())
        throw RuntimeFailure(QStringLiteral("Cannot find the metadata tool exiftool on the "
                                            "search path (PATH). Please install ExifTool."),
            53);
    return found;
}

QString ToolRunner::converter() const
{
    if (!m_converter.isEmpty())
        return m_converter;
    // Only the program's own folder and its installed helper folder are searched (with the
    // platform's executable suffix), so a stranger's kalvora-convert on the PATH is never run.
    const QStringList folders
        = ProgramFileFolders(ProgramFileKind::Helper, QCoreApplication::applicationDirPath());
    const QString folder = folders.join(QLatin1String(", "));
    const QString found
        = QStandardPaths::findExecutable(QStringLiteral("kalvora-convert"), folders);
    if (found.isEmpty())
        throw RuntimeFailure(QStringLiteral("Cannot find the image converter kalvora-convert in "
                                            "%1. Please reinstall Kalvora.")
                                 .arg(QDir::toNativeSeparators(folder)),
            53);
    return found;
}

int ToolRunner::run(const QString &program, const QStringList &arguments, QString *errorText) const
{
    const QString baseText = m_bar ? m_bar->text() : QString();
    const int baseValue = m_bar ? m_bar->value() : 0;
    return RunAndWait(program, arguments, m_bar, baseText, baseValue, m_fileCount, m_events,
        errorText, m_cycleMs);
}
