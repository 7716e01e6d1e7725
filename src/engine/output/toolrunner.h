// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kalvora {

/// What RunAndWait answers for a tool that could not be started: a negative code, so that no
/// tool's own exit code is mistaken for it.
inline constexpr int kToolNotStarted = -2147221504 + 53;

/// What RunAndWait answers for a tool that crashed instead of ending with an exit code.
inline constexpr int kToolCrashed = -2147221504 + 5;

/// What RunAndWait answers for a tool that did not end within its time limit; it is killed.
inline constexpr int kToolTimedOut = -2147221504 + 6;

/// How long a tool may run before it is taken for stuck, in seconds. The slowest conversion,
/// a 100-megapixel photo to a dithered GIF, took 28 s on a busy two-core machine, so the largest
/// picture that loads (about 250 megapixels) fits several times over.
inline constexpr int kToolTimeLimitSeconds = 600;

/// Runs \a program with \a arguments (never through a shell) and waits for it to end, at most
/// \a limitSeconds. Tools run on a stamp job's worker, never on the window's thread, so the
/// wait lets no events run.
///
/// Answers the tool's exit code, kToolNotStarted at once when it cannot be started,
/// kToolCrashed, or kToolTimedOut (the tool killed). When \a errorText is given it receives what
/// the tool wrote to its error output (its normal output is discarded).
int RunAndWait(const QString &program, const QStringList &arguments, QString *errorText = nullptr,
    int limitSeconds = kToolTimeLimitSeconds);

/// The two tools the engine runs, located rather than unpacked: ExifTool on the PATH,
/// kalvora-convert beside the program (or in its installed helper folder). A path set by hand
/// takes precedence, so a caller that found a tool once hands it to every worker.
class ToolRunner
{
public:
    /// The path of ExifTool. Throws RuntimeFailure naming the tool when it cannot be found.
    QString exifTool() const;
    void setExifTool(const QString &path) { m_exifTool = path; }

    /// The path of kalvora-convert. Throws RuntimeFailure naming the tool when it cannot be
    /// found.
    QString converter() const;
    void setConverter(const QString &path) { m_converter = path; }

    /// RunAndWait, with its time limit.
    int run(
        const QString &program, const QStringList &arguments, QString *errorText = nullptr) const;

private:
    QString m_exifTool;
    QString m_converter;
};

} // namespace kalvora
