// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/run/orderedrun.h"

#include <QList>

/// kalvora-stamp --undo: puts back the original of every file of \a entries (see
/// kalvora::undoStamp), one after another, and prints one line for each naming it: "restored"
/// on the standard output, why not on the standard error. An entry with a problem (a path that
/// does not exist) is printed with it. Answers the exit status: 0 when every file was
/// restored, 1 otherwise, 2 when ExifTool cannot be found (nothing is touched then).
int undoFiles(const QList<kalvora::RunEntry> &entries);
