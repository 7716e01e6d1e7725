// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dryrun.h"

#include "base/runtimefailure.h"
#include "engine/output/plannedstamp.h"
#include "engine/render/sourcefile.h"
#include "engine/render/stamptext.h"
#include "engine/run/stampjob.h"

#include <QCoreApplication>
#include <QDir>

using namespace kalvora;

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// One entry as a run would take it.
DryRunLine lineOf(const RunEntry &entry, int number, const StampOptions &options,
    const DateTexts &texts, ResultNames &names)
{
    DryRunLine line {shown(entry.path), {}, {}, {}, {}};
    if (!entry.problem.isEmpty()) {
        line.failure = entry.problem;
        return line;
    }
    const PlannedStamp plan = planStamp(entry.path, options, entry.walkedFolder);
    line.source = shown(plan.source);
    // The run's own names: a second "y.jpg" from another folder would be "y (2).jpg".
    line.result = shown(plan.replaceSource ? plan.destination : names.reserve(plan.destination));
    try {
        const std::optional<SourceFile> source = readSourceFile(plan.source);
        if (!source) {
            line.failure = QCoreApplication::translate("KalvoraStamp", "the file does not exist");
            return line;
        }
        if (const std::optional<QString> skipped = skippedAsStamped(options, *source)) {
            line.note = *skipped;
            return line;
        }
        // The text as the run composes it, with the file's number in the list.
        const ComposedStamp composed = ComposeStampText(options, {*source, number}, texts);
        if (composed.skipped)
            line.note = composed.note;
        else
            line.text = composed.text.value_or(QString());
    } catch (const RuntimeFailure &failure) {
        line.failure = failure.description();
    }
    return line;
}

} // namespace

QList<DryRunLine> dryRun(
    const QList<RunEntry> &entries, const StampOptions &options, const DateTexts &texts)
{
    QList<DryRunLine> lines;
    ResultNames names;
    for (const RunEntry &entry : entries)
        lines << lineOf(entry, int(lines.size()) + 1, options, texts, names);
    return lines;
}

QString dryRunText(const DryRunLine &line)
{
    QString text = line.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n")).replace(u'\n', QLatin1String("\\n"));
    return line.source + QLatin1Char('\t') + line.result + QLatin1Char('\t') + text;
}
