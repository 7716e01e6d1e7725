// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stampoptions.h"

#include <QImage>
#include <QList>
#include <QString>

class DateTexts;
class ExifToolSession;
class ToolRunner;

/// Where one file's time went, in nanoseconds, for measuring runs.
struct StampTimings
{
    qint64 convert = 0; ///< a PNG or TIF source rendered as a JPEG to load
    qint64 load = 0;
    qint64 draw = 0; ///< the date read, the text composed and drawn
    qint64 save = 0; ///< written in the source's format, converted where needed
    qint64 metadata = 0;
    qint64 replace = 0; ///< the finished result renamed into its place
};

/// How far one file got.
enum class StampFileOutcome {
    Stamped, ///< written with its tags and put in its place (the chosen folder or the source's);
             ///< a step that did not stop it may still have failed (an unreadable date taken)
    Missing, ///< the file (or its converted copy) was not there: skipped without a word
    Failed, ///< a step failed; the failures say which and why, and the source is untouched
};

/// One failed step of a file: its number (the step label the error report shows after "at
/// line ") and what went wrong, naming the file.
struct StampFailure
{
    int step = 0;
    QString description;

    friend bool operator==(const StampFailure &, const StampFailure &) = default;
};

/// One file to stamp, with everything it depends on fixed when it was handed out: the options
/// as the controls read then (font and colour included) and a private folder for its
/// intermediate files, which nothing else uses.
struct StampJob
{
    QString sourcePath;
    StampOptions options;
    QString workFolder;
};

struct StampJobResult
{
    StampFileOutcome outcome = StampFileOutcome::Failed;
    QList<StampFailure> failures;
    StampTimings timings;
};

/// The tools a job runs, owned by the worker that runs it: a converter runner with no window
/// part, the worker's own ExifTool session, and the locale's date texts.
struct StampJobTools
{
    ToolRunner &converter;
    ExifToolSession &exifTool;
    const DateTexts &texts;
};

/// Loads the listed file \a sourcePath onto a work surface exactly as a stamp job does: a PNG
/// or TIF source through a JPEG that the converter renders in \a workFolder (removed again),
/// any other file as it is. Answers a null image when the file is not there. Throws
/// RuntimeFailure naming the file when it cannot be converted, read or decoded, or is damaged.
QImage LoadSourcePicture(
    const QString &sourcePath, const QString &workFolder, ToolRunner &converter);

/// Stamps one file, value in and value out: converts a PNG or TIF source to a JPEG in the job's
/// folder, loads the picture, composes and draws the stamp text, writes the result under a
/// private name beside where it belongs, copies the source's tags into it and renames it into
/// place (over the source when the result belongs in the source's own folder). It shows no
/// dialog, reads no control and touches no progress bar, so it runs on any thread.
///
/// A failed step is noted and the job goes on with its next step, as a trapped procedure would;
/// a failure that leaves nothing sound to go on with (no picture, no result, no tags) ends the
/// job, and then no file of this job is left behind and the source is untouched.
StampJobResult RunStampJob(const StampJob &job, const StampJobTools &tools);
