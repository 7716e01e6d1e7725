// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/tempfolder.h"

#include "engine/codecs/failuretexts.h"
#include "engine/output/stalefolders.h"

#include <QDir>

namespace kalvora {

TempFolder::TempFolder()
{
    // Qt answers no temporary folder at all when TMPDIR names one that does not exist; a
    // template without a folder would put the run's files in the working folder.
    const QString parent = QDir::tempPath();
    const QString named = parent.isEmpty() ? qEnvironmentVariable("TMPDIR") : parent;
    QString reason = StampFailures::tr("the folder does not exist");
    if (!parent.isEmpty()) {
        m_dir.emplace(privateTempFolderTemplate(parent));
        if (m_dir->isValid())
            return;
        reason = m_dir->errorString();
    }
    m_error = StampFailures::tr("Cannot make a private temporary folder in %1: %2.")
                  .arg(QDir::toNativeSeparators(named), reason);
}

} // namespace kalvora
