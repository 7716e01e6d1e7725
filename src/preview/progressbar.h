// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The window's progress bar as a stamp run sees it: a value from 0 to 100 and a text. The main
/// window implements it over its own bar, tests record what is set, and the run never needs a
/// widget to keep the user informed.
class ProgressBar
{
public:
    virtual ~ProgressBar() = default;
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
};
