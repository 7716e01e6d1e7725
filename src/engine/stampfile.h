// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stampoptions.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

class DateTexts;
class EventPump;
class TempFolder;
class ToolRunner;
class TrappedProcedure;

/// Where one file's time went, in nanoseconds, for measuring runs.
struct StampTimings
{
    qint64 convert = 0; ///< a PNG or TIF source rendered as the temporary JPEG
    qint64 load = 0;
    qint64 draw = 0; ///< the date read, the text composed and drawn
    qint64 save = 0; ///< written in the source's format, converted where needed
    qint64 metadata = 0;
    qint64 replace = 0;
};

/// What one file's stamping needs besides the file and its options: the tools, the private
/// temporary folder, the locale's date texts and the event pump, and where to add up the time
/// each stage took (nothing is measured without it).
struct StampContext
{
    ToolRunner &tools;
    TempFolder &temp;
    const DateTexts &texts;
    EventPump &events;
    StampTimings *timings = nullptr;
};

/// The stamp options of one file, with the font and colour the run took at its start. The
/// position caption and the JPEG quality are asked for again at the moment they are used, so a
/// change made while the file is being worked on still reaches it.
struct StampFileOptions
{
    StampOptions options;
    QFont font;
    QColor color;
    std::function<QString()> currentPosition;
    std::function<int()> currentQuality;
};

/// How far one file got.
enum class StampFileOutcome {
    Stamped, ///< written, tagged and, where it belongs there, put in place of the source
    Missing, ///< the file (or its converted copy) was not there: skipped without a word
    Failed, ///< a step failed and was reported; the source is untouched
};

/// Stamps one listed file: converts a PNG or TIF source to the temporary JPEG, loads the
/// picture, composes and draws the stamp text, writes the result in the source's format, copies
/// the source's tags into it and, when the result belongs in the source's own folder, puts it in
/// place of the source. Each step runs in \a procedure under its step number, so a failure is
/// reported once; a failure that leaves nothing sound to go on with (no picture, no result, no
/// tags) ends this file's work, and the source is never replaced after one.
StampFileOutcome StampFile(const QString &sourcePath, const StampFileOptions &file,
    StampContext &context, TrappedProcedure &procedure);
