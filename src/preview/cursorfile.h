// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QString>

#include <optional>

/// The pointer stored in the cursor (.cur) or icon (.ico) file at \a path, with the hot spot a
/// cursor file names (an icon's is its centre); none when the file is missing or unreadable.
std::optional<QCursor> LoadCursorFile(const QString &path);
