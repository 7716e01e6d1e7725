// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "folderwalk/folderwalk.h"

#include <QString>

class Dialogs;

/// Asks for a folder, starting at \a initialFolder when it exists. Answers the folder without
/// a trailing separator (the root keeps its own), or the empty text when the user cancels.
QString PickFolder(Dialogs &dialogs, const QString &prompt, const QString &initialFolder);

/// Shows each problem of a folder walk in the error report, as the walk's own failure, in the
/// order they happened.
void reportWalkProblems(Dialogs &dialogs, const QList<WalkProblem> &problems);
