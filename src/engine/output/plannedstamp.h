// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QString>
#include <QStringList>

#include <mutex>
#include <set>

namespace kalvora {

/// \a path with " (2)", " (3)" ... before the extension of its file name ("y (2).jpg"), or after
/// a name without one.
QString numberedName(const QString &path, int number);

/// The result names one run has handed out, so a later result of the run never overwrites an
/// earlier one: "y.jpg" from one folder and "y.jpg" from another become "y.jpg" and
/// "y (2).jpg". Safe to use from several threads at once.
class ResultNames
{
public:
    /// Reserves \a path for a result of this run when no earlier result took it; otherwise the
    /// first numbered name (numberedName) that no result of this run took and no file has.
    /// A file from before the run at \a path itself is replaced, as it always was.
    QString reserve(const QString &path);

private:
    std::mutex m_mutex;
    std::set<QString> m_taken;
};

/// Where one file's stamp goes, decided once as the file is handed out, so the run, the pool and
/// the job never work it out again: the destination (the source itself when the result takes
/// its place), the private name the result is written and tagged under beside it, and the files
/// the job reads or writes as the pool compares them.
struct PlannedStamp
{
    QString source;
    /// The text after the last "." of the source's file name: the format of the result.
    QString extension;
    QString destination;
    bool replaceSource = false;
    /// The chosen folder below which the destination's folders are made as the result is
    /// written, for a result that keeps the folders of a walk; empty when the destination's
    /// folder is one that exists already.
    QString madeBelow;
    /// Empty until the plan is completed (completePlan).
    QString privatePath;
    /// The source and the destination, each by its canonical path where it exists, so two
    /// spellings of one file match.
    QStringList claims;
};

/// The plan for \a source with \a options as the options say it: the chosen folder or the
/// source's own (see OutputPathFor), without a private name yet. A file found by walking the
/// folder \a walkedFolder keeps, with StampOptions::keepFolders, the folders between that one
/// and itself below the chosen folder ("out/2023/trip/a.jpg"). Reads the file system to compare
/// folders but writes nothing, so it is made on the caller's thread, never under a lock.
PlannedStamp planStamp(
    const QString &source, const StampOptions &options, const QString &walkedFolder = {});

/// The folders between \a walkedFolder and the file \a path found in it, with a separator at
/// the end ("2023/trip/"); empty for a file of the walked folder itself or one not below it.
QString foldersBelow(const QString &walkedFolder, const QString &path);

/// Completes \a plan once it is handed out: a result to another folder takes this run's own
/// name from \a names (when given), and the private name is chosen beside the destination.
void completePlan(PlannedStamp &plan, ResultNames *names);

} // namespace kalvora
