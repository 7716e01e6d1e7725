// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The restore data a JPEG stamped in its own quality carries: how to rebuild the original file
// byte for byte from the stamped one. The original is a list of pieces, each the stamped file's
// bytes, bytes of the original kept in the restore data, or a restart interval of the scan put
// together from runs of bits of both. Two digests tell whether the stamped file was changed
// since: one of its metadata and trailer (everything but its scan data), so an edit of its tags
// is told even where the rebuild would not read it, and one of the original, which the rebuild
// must give and which an edit of the scan data spoils. Hashing the scan data of the stamped
// file twice over would cost more than all the rest of the restore data. The digests are
// 128-bit XXH3: they guard against files changed by other programs, not against forgery, and
// SHA-256 of a whole photo took a tenth of the stamp's time. Restore data written with
// SHA-256 digests (format KRD1) are still read. The data
// lives in APP9 segments of its own, after the others of the header; offsets count in the
// stamped file with those segments taken out.

#include "engine/codecs/jpeg/jpegsegments.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>
#include <optional>

namespace kalvora {

/// A run of a restart interval's unstuffed bits in the original: taken from the same interval
/// of the stamped file, or kept in the restore data.
struct RestoreBits
{
    bool fromResult = true;
    qint64 offset = 0; ///< from the result: the first bit, counted from the interval's start
    qint64 count = 0;
    QByteArray bits; ///< kept: the bits, the first in the top bit of the first byte

    friend bool operator==(const RestoreBits &, const RestoreBits &) = default;
};

/// One piece of the original file.
struct RestorePiece
{
    enum class Kind : quint8 { Copy = 0, Literal = 1, Bits = 2 };
    Kind kind = Kind::Copy;
    qint64 offset = 0; ///< Copy and Bits: where the bytes lie in the stamped file
    qint64 length = 0; ///< Copy and Bits: how many
    QByteArray bytes; ///< Literal: the original's bytes
    /// Bits: the original interval's bits, stuffed when put back; the stamped interval is
    /// the bytes at offset.
    QList<RestoreBits> bits;

    friend bool operator==(const RestorePiece &, const RestorePiece &) = default;
};

/// Everything that rebuilds an original file from its stamped result.
struct RestoreRecipe
{
    /// How the digests are made: SHA-256 in the first format, XXH3 (128 bits) since.
    enum class Digest : quint8 { Sha256, Xxh3 };
    Digest digest = Digest::Xxh3;
    QByteArray originalDigest; ///< of the original file
    /// Of the stamped file without the restore segments, but for its scan data
    QByteArray resultDigest;
    qint64 resultSize = 0;
    qint64 resultScanStart = 0; ///< where the stamped file's scan data start
    qint64 resultScanEnd = 0; ///< and end

    /// The digest of \a bytes, made as this recipe's digests are.
    QByteArray digestOf(QByteArrayView bytes) const;
    /// The digest of \a result as resultDigest is made.
    QByteArray resultDigestOf(const QByteArray &result, qint64 scanStart, qint64 scanEnd) const;
    QList<RestorePiece> pieces;

    friend bool operator==(const RestoreRecipe &, const RestoreRecipe &) = default;
};

/// The SHA-256 digest of \a bytes.
QByteArray sha256Of(const char *bytes, qsizetype size);
/// The 128-bit XXH3 digest of \a bytes, its bytes in their canonical (big-endian) order.
QByteArray xxh3Of(const char *bytes, qsizetype size);

/// Appends \a piece to \a pieces, joining it to the last one where they continue each other.
void appendPiece(QList<RestorePiece> &pieces, RestorePiece piece);

/// The pieces that make \a original's bytes [originalFrom, originalTo) from \a result's
/// [resultFrom, resultTo): what both start and end with is taken from the result, the rest
/// kept.
QList<RestorePiece> differencePieces(const QByteArray &original, qsizetype originalFrom,
    qsizetype originalTo, const QByteArray &result, qsizetype resultFrom, qsizetype resultTo);

/// The pieces that make the header of \a original (its bytes up to \a originalEnd, the start of
/// its scan data) from the header of \a result (up to \a resultEnd): each segment the result
/// kept as it was is taken from it, one it changed is made from its counterpart (the segment of
/// the same marker and name), the rest kept.
QList<RestorePiece> headerPieces(const QByteArray &original, qsizetype originalEnd,
    const QByteArray &result, qsizetype resultEnd);

/// The scan data of a stamped picture and the pieces that make the original's scan data from
/// them (their offsets counting from the scan's first byte); the original's scan data lie from
/// \a start to \a end.
struct KeptScan
{
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype size = 0; ///< of the stamped scan data
    QList<RestorePiece> pieces;
};

/// The stamped file that \a make puts together, with the restore data that rebuild
/// \a original from it. \a make is given the bytes the restore data will add to the file's
/// first image, which a multi-picture index counts; \a scan is read after each \a make, which
/// may fill it in as it writes the scan. The empty array when \a make fails.
QByteArray withRestoreData(const QByteArray &original, const KeptScan &scan,
    const std::function<std::optional<QByteArray>(qsizetype added)> &make);

/// The restore data of \a recipe as the APP9 segments that carry it.
QByteArray restoreSegments(const RestoreRecipe &recipe);

/// True when \a segment of \a file is one of the segments that carry restore data.
bool isRestoreSegment(const QByteArray &file, const JpegSegment &segment);

/// The restore data of the JPEG file \a file: its recipe and the file without the restore
/// segments. Nothing in \a recipe when the file carries none; \a damaged set when it carries
/// some that cannot be read.
struct FoundRestoreData
{
    std::optional<RestoreRecipe> recipe;
    QByteArray result;
    bool damaged = false;
};
FoundRestoreData findRestoreData(const QByteArray &file);

/// Puts the original file together from \a result (the stamped file without the restore
/// segments) as \a recipe says; the empty array when a piece does not fit the result.
QByteArray applyRestoreRecipe(const RestoreRecipe &recipe, const QByteArray &result);

} // namespace kalvora
