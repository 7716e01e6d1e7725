// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/toolrunner.h"

#include "base/programfiles.h"
#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace kalvora {

namespace {

// How long a tool may take to start: a fork and an exec.
constexpr int kStartWaitMs = 30000;

// How long a killed tool may take to be gone.
constexpr int kKillWaitMs = 3000;

} // namespace

int RunAndWait(
    const QString &program, const QStringList &arguments, QString *errorText, int limitSeconds)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(kStartWaitMs)) {
        if (errorText)
            *errorText = process.errorString();
        return kToolNotStarted;
    }
    // The wait keeps reading the tool's error output, which a plain sleep would leave to fill
    // its pipe and stall the tool.
    const bool finished = process.waitForFinished(std::max(1, limitSeconds) * 1000);
    if (!finished) {
        process.kill();
        process.waitForFinished(kKillWaitMs);
    }
    if (errorText)
        *errorText = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (!finished)
        return kToolTimedOut;
    if (process.exitStatus() == QProcess::CrashExit)
        return kToolCrashed;
    return process.exitCode();
}

QString ToolRunner::exifTool() const
{
    if (!m_exifTool.isEmpty())
        return m_exifTool;
    const QString found = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    if (found.isEmpty())
        throw RuntimeFailure(OutputFailures::tr("Cannot find the metadata tool exiftool on the "
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
        = programFileFolders(ProgramFileKind::Helper, QCoreApplication::applicationDirPath());
    const QString folder = folders.join(QLatin1String(", "));
    const QString found
        = QStandardPaths::findExecutable(QStringLiteral("kalvora-convert"), folders);
    if (found.isEmpty())
        throw RuntimeFailure(
            OutputFailures::tr("Cannot find the image converter kalvora-convert in "
                               "%1. Please reinstall Kalvora.")
                .arg(QDir::toNativeSeparators(folder)),
            53);
    return found;
}

int ToolRunner::run(const QString &program, const QStringList &arguments, QString *errorText) const
{
    return RunAndWait(program, arguments, errorText);
}

} // namespace kalvora
