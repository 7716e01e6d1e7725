// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/trappedprocedure.h"

#include "base/runtimefailure.h"
#include "ui/errorreport.h"

#include <exception>

TrappedProcedure::TrappedProcedure(Dialogs &dialogs, QString location)
    : m_dialogs(dialogs)
    , m_location(std::move(location))
{ }

bool TrappedProcedure::run(int number, const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const RuntimeFailure &failure) {
        report(number, failure.description());
    } catch (const std::exception &failure) {
        report(number, QString::fromLocal8Bit(failure.what()));
    }
    return false;
}

bool TrappedProcedure::test(int number, const std::function<bool()> &condition)
{
    bool passed = true;
    run(number, [&] { passed = condition(); });
    return passed;
}

void TrappedProcedure::report(int number, const QString &description)
{
    ++m_failures;
    ErrorReport(m_dialogs, m_location, number, description);
}
