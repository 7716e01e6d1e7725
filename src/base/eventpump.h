// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Lets pending window events run. Long work on the user-interface thread calls it between and
/// during its steps so the window repaints and takes input.
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

/// The application's pump: QCoreApplication::processEvents().
class QtEventPump final : public EventPump
{
public:
    void processEvents() override;
};

/// A pump for work that has no window to keep alive.
class NullEventPump final : public EventPump
{
public:
    void processEvents() override { }
};
