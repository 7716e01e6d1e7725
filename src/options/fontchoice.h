// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The stamp font: what the font dialog is preset with and answers, what the sample box shows
/// and what a stamp is drawn in. A size of 0 or less means "the toolkit's default size".
struct FontChoice
{
    QString name;
    double pointSize = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const FontChoice &, const FontChoice &) = default;
};
