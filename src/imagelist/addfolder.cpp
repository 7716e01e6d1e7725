// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/addfolder.h"

#include "base/filehelpers.h"
#include "ui/dialogs.h"

QString PickFolder(Dialogs &dialogs, const QString &prompt, const QString &initialFolder)
{
    const QString start = IsFolder(initialFolder) ? initialFolder : QString();
    QString chosen = dialogs.chooseFolder(prompt, start);
    while (chosen.size() > 1 && chosen.endsWith(kSeparator))
        chosen.chop(1);
    return chosen;
}
