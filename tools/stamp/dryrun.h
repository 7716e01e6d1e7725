// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/run/orderedrun.h"
#include "options/stampoptions.h"

#include <QList>
#include <QString>

#include <functional>

class DateTexts;

/// What --dry-run tells of one file, as a run would decide it: the source, where its result
/// would go (the source itself when the result takes its place) and the text it would get, or
/// why it would not be stamped.
struct DryRunLine
{
    QString source;
    QString result;
    QString text; ///< empty when nothing would be drawn
    QString note; ///< a file that would be left as it is, and why
    QString failure; ///< the file cannot be read, and why
};

/// The dry run of \a entries with \a options: for each entry the line a run would act on, with
/// the engine's own plan (planStamp and the run's result names) and stamp text, reading each
/// file but writing nothing, making no folder.
QList<DryRunLine> dryRun(
    const QList<kalvora::RunEntry> &entries, const StampOptions &options, const DateTexts &texts);

/// \a line as printed on the standard output: source, result and text separated by tabs, a
/// line break in the text written "\n" as --text takes it.
QString dryRunText(const DryRunLine &line);
