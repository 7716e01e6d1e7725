// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

/// A failure of one step of a procedure: thrown by helpers, caught and reported by the
/// TrappedProcedure that runs the step. \a number is a classification code shown nowhere but
/// kept for callers that tell failures apart (a save failure carries the writer's status).
class RuntimeFailure : public std::runtime_error
{
public:
    explicit RuntimeFailure(const QString &description, int number = 0)
        : std::runtime_error(description.toStdString())
        , m_description(description)
        , m_number(number)
    { }

    QString description() const { return m_description; }
    int number() const { return m_number; }

private:
    QString m_description;
    int m_number;
};
