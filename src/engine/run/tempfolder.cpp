// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run/tempfolder.h"

#include "engine/output/stalefolders.h"

#include <QDir>

namespace kalvora {

TempFolder::TempFolder()
    : m_dir(privateTempFolderTemplate())
{ }

} // namespace kalvora
