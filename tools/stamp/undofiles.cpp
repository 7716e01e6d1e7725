// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "undofiles.h"

#include "base/runtimefailure.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/stalefolders.h"
#include "engine/output/toolrunner.h"
#include "engine/run/stampundo.h"
#include "engine/run/tempfolder.h"

#include <QDir>

#include <cstdio>

using namespace kalvora;

namespace {

void printLine(std::FILE *stream, const QString &line)
{
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stream);
}

} // namespace

int undoFiles(const QList<RunEntry> &entries)
{
    QString exifTool;
    try {
        exifTool = ToolRunner().exifTool();
    } catch (const RuntimeFailure &missing) {
        printLine(stderr, QStringLiteral("kalvora-stamp: %1").arg(missing.description()));
        return 2;
    }
    removeStaleTempFolders();
    TempFolder temp;
    if (!temp.isValid()) {
        printLine(stderr, QStringLiteral("kalvora-stamp: %1").arg(temp.error()));
        return 1;
    }
    ExifToolSession session(exifTool, kExifToolAnswerLimitSeconds, temp.path());
    int failed = 0;
    for (const RunEntry &entry : entries) {
        if (!entry.problem.isEmpty()) {
            ++failed;
            printLine(stderr,
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(entry.path), entry.problem));
            continue;
        }
        const UndoResult result = undoStamp(entry.path, session, temp.path());
        const bool restored = result.finding == UndoFinding::Restored;
        failed += restored ? 0 : 1;
        printLine(restored ? stdout : stderr, result.sentence);
    }
    return failed > 0 ? 1 : 0;
}
