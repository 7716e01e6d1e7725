// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct StampCommand;

/// The options of the stamp's looks, the date choices and the run's choices that take a value
/// (--size-percent, --style, --date-format, --time-shift ...).
const QStringList &lookValuedOptions();

/// Whether \a argument is one of the switches --skip-stamped, --keep-folders and --dry-run;
/// when it is, it is applied to \a command.
bool applyLookSwitch(const QString &argument, StampCommand &command);

/// Applies the option \a argument of lookValuedOptions with its value \a value to \a command.
/// Answers the empty text, or what is wrong, naming the option.
QString applyLookValue(const QString &argument, const QString &value, StampCommand &command);

/// The usage lines of these options.
QString lookUsage();
