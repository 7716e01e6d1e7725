// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QList>
#include <QString>

class QWidget;

/// The hand pointer's file, beside the program.
inline constexpr auto kHandPointerFile = "HAND-M.CUR";

/// The pointer in the Windows cursor file at \a path, with the hot spot its header names. Throws
/// RuntimeFailure naming the file when it cannot be read or holds no cursor.
QCursor loadHandPointer(const QString &path);

/// Shows \a pointer over each of \a buttons. While the window is busy the application's busy
/// pointer covers it, so hovering then changes nothing.
void applyHandPointer(const QCursor &pointer, const QList<QWidget *> &buttons);
