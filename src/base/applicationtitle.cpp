// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/applicationtitle.h"

QString shortTitle(const QString &productName)
{
    constexpr qsizetype kLongest = 40;
    QString title = productName;
    while (title.size() > kLongest) {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        // A single word longer than the limit is cut at the limit rather than kept whole.
        title = blank > 0 ? title.left(blank) : title.left(kLongest);
    }
    return title;
}

namespace {

QString &storedTitle()
{
    static QString title;
    return title;
}

} // namespace

QString applicationTitle()
{
    return storedTitle();
}

void setApplicationTitle(const QString &title)
{
    storedTitle() = title;
}
