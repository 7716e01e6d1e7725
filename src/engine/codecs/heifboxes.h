// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace kalvora {

/// What a HEIF file's boxes tell that libheif 1.15 does not: how its pictures are coded, which
/// items carry a turn or mirror of their own, and what the file holds that libheif neither
/// reads nor writes.
struct HeifLayout
{
    /// The coding of the primary picture, by the configuration property it carries (hvcC, av1C;
    /// for a grid, its tiles'); none for any other coding (JPEG, AVC, uncompressed).
    std::optional<HeifCoding> coding;
    /// Its chroma subsampling as the encoders name it: "420", "422", "444", or "400" (grey).
    QByteArray chroma = "420";
    /// The items that carry a rotation or mirror property (irot, imir).
    QList<quint32> turned;
    /// Boxes that a picture written again by libheif would lack: top-level boxes other than
    /// ftyp, meta, mdat, free and skip (a moov of an image sequence), boxes of the meta box
    /// other than those of items and their properties (grpl, the groups of a burst or a pair).
    QList<QByteArray> unwritable;
};

/// Whether \a bytes start like a HEIF file: an ftyp box naming a HEIF brand (heic, heix, mif1,
/// avif and their kin) as its major or a compatible brand.
bool looksLikeHeif(const QByteArray &bytes);

/// Why the HEIF file \a bytes is damaged: a top-level box runs past the end of the file (the
/// file is cut short), or the file ends inside a box header. The empty text for a file whose
/// boxes end where it ends.
QString heifDamage(const QByteArray &bytes);

/// The layout of the HEIF file \a bytes; none when its meta box cannot be followed (libheif
/// then tells what is wrong).
std::optional<HeifLayout> readHeifLayout(const QByteArray &bytes);

} // namespace kalvora
