// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The product's name, the main window's caption.
inline constexpr auto kProductName = "Kalvora";

/// The title of every message box that has none of its own: the product name cut back at word
/// boundaries to at most 40 characters.
QString shortTitle(const QString &productName = QLatin1String(kProductName));

/// The application title: the process-wide caption of message boxes shown without a title of
/// their own. It is our own value, not Qt's application display name, which a desktop would
/// append to every window title.
QString applicationTitle();
void setApplicationTitle(const QString &title);
