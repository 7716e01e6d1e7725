// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace kalvora {

/// Reads the directory of the icon file in \a bytes: one frame per size (no pixels), noting
/// the sizes stored as PNG. \a shown names the file in messages. Throws PictureFailure:
/// Damaged when the directory or an image in it runs past the end of the file, NotWritable
/// for a cursor file.
QList<PictureFrame> checkIco(const QByteArray &bytes, const QString &shown);

/// The icon file holding every frame in order: each size stored as it came (a PNG, or a
/// 32-bit bitmap with its transparency mask). Answers an empty array with the reason in
/// \a error.
QByteArray encodeIco(const QList<PictureFrame> &frames, QString *error);

} // namespace kalvora
