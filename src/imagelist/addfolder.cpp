// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/addfolder.h"

#include "base/filehelpers.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"

QString PickFolder(Dialogs &dialogs, const QString &prompt, const QString &initialFolder)
{
    const QString start = IsFolder(initialFolder) ? initialFolder : QString();
    QString chosen = dialogs.chooseFolder(prompt, start);
    while (chosen.size() > 1 && chosen.endsWith(kSeparator))
        chosen.chop(1);
    return chosen;
}

void reportWalkProblems(Dialogs &dialogs, const QList<WalkProblem> &problems)
{
    for (const WalkProblem &problem : problems)
        ErrorReport(
            dialogs, QLatin1String(Location::kFolderWalk), problem.step, problem.description);
}
