// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Dialogs;

/// Runs the numbered steps of one user command so that a failing step never ends the command.
///
/// A step that throws is reported once through ErrorReport, naming the procedure's location and
/// the step's number, and the procedure goes on with the next step. A failing test counts as
/// passed: the procedure continues with the branch that a passing test takes. Callers decide
/// from the answers of run() what later steps still make sense.
class TrappedProcedure
{
public:
    TrappedProcedure(Dialogs &dialogs, QString location);

    /// Runs step \a number. Answers false when it failed (and was reported).
    bool run(int number, const std::function<void()> &step);

    /// Evaluates the test of step \a number. A test that fails is reported and answers true.
    bool test(int number, const std::function<bool()> &condition);

    /// How many steps have failed so far.
    int failureCount() const { return m_failures; }

    QString location() const { return m_location; }

private:
    void report(int number, const QString &description);

    Dialogs &m_dialogs;
    QString m_location;
    int m_failures = 0;
};
