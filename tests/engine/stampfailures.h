// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/run/stampjob.h"

#include <QStringList>

using namespace kalvora;

/// A job's failures, one "step: description" line each, for a test's failure message.
inline QString describe(const QList<StampFailure> &failures)
{
    QStringList lines;
    for (const StampFailure &failure : failures)
        lines << QStringLiteral("%1: %2").arg(failure.step).arg(failure.description);
    return lines.join(QLatin1Char('\n'));
}
