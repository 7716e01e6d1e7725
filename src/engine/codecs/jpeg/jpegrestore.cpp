// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder until the own-quality path writes restore data: no file carries any yet.
#include "engine/codecs/jpeg/jpegrestore.h"

namespace kalvora {

bool hasJpegRestoreData(const QByteArray &)
{
    return false;
}

JpegRestore restoreJpeg(const QByteArray &)
{
    return {RestoreFinding::NotStamped, {}, QStringLiteral("carries no restore data")};
}

} // namespace kalvora
