// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
// Making the restore data of a stamped JPEG: which of the original's bytes the result kept.
#include "engine/codecs/jpeg/jpegrestoredata.h"

#include <QByteArrayView>

#include <algorithm>
#include <functional>

namespace kalvora {

namespace {

// Changed segments shorter than this are kept whole: finding what they share with their
// counterpart saves less than the pieces cost.
constexpr qsizetype kSmallSegment = 1024;

// The name a segment's payload starts with: up to its first zero byte.
QByteArrayView nameOf(const QByteArray &file, const JpegSegment &segment)
{
    const QByteArrayView payload
        = QByteArrayView(file).sliced(segment.payloadOffset(), segment.payloadSize());
    const qsizetype zero = payload.first(std::min<qsizetype>(payload.size(), 64)).indexOf('\0');
    return zero < 0 ? QByteArrayView() : payload.first(zero);
}

bool sameBytes(const QByteArray &a, const JpegSegment &x, const QByteArray &b, const JpegSegment &y)
{
    return x.size == y.size
        && QByteArrayView(a).sliced(x.offset, x.size) == QByteArrayView(b).sliced(y.offset, y.size);
}

constexpr int kPlacingTries = 4;

bool isPictureIndex(const QByteArray &file, const JpegSegment &segment)
{
    return segment.marker == 0xE2 && nameOf(file, segment) == QByteArrayView("MPF");
}

// The recipe that rebuilds \a original from \a result, whose scan data start at
// \a resultScanStart and take \a resultScanSize bytes.
RestoreRecipe recipeFor(const QByteArray &original, const KeptScan &scan, const QByteArray &result,
    qsizetype resultScanStart, qsizetype resultScanSize)
{
    RestoreRecipe recipe;
    recipe.pieces = headerPieces(original, scan.start, result, resultScanStart);
    for (RestorePiece piece : scan.pieces) {
        if (piece.kind != RestorePiece::Kind::Literal)
            piece.offset += resultScanStart;
        appendPiece(recipe.pieces, std::move(piece));
    }
    const qsizetype resultScanEnd = resultScanStart + resultScanSize;
    for (RestorePiece &piece :
        differencePieces(original, scan.end, original.size(), result, resultScanEnd, result.size()))
        appendPiece(recipe.pieces, std::move(piece));
    recipe.resultSize = result.size();
    recipe.resultScanStart = resultScanStart;
    recipe.resultScanEnd = resultScanEnd;
    recipe.resultDigest = recipe.resultDigestOf(result, resultScanStart, resultScanEnd);
    return recipe;
}

// Where restore data go in \a result: after the metadata, before the tables, and before an MP
// Index, whose offsets count from itself to the images after the picture.
qsizetype restorePlace(const QByteArray &result, const QList<JpegSegment> &segments)
{
    for (const JpegSegment &segment : segments)
        if ((!segment.isApplication() && !segment.isComment()) || isPictureIndex(result, segment))
            return segment.offset;
    return 2;
}

} // namespace

QByteArray withRestoreData(const QByteArray &original, const KeptScan &scan,
    const std::function<std::optional<QByteArray>(qsizetype added)> &make)
{
    const QByteArray originalDigest = RestoreRecipe().digestOf(original);
    qsizetype added = 0;
    for (int tries = 0; tries < kPlacingTries; ++tries) {
        const std::optional<QByteArray> result = make(added);
        if (!result)
            return {};
        const QList<JpegSegment> segments = jpegHeaderSegments(*result);
        if (segments.isEmpty())
            return {};
        RestoreRecipe recipe = recipeFor(original, scan, *result, segments.last().end(), scan.size);
        recipe.originalDigest = originalDigest;
        const QByteArray restore = restoreSegments(recipe);
        // The first image's size in an MP Index counts the restore data too: made again
        // with them until the size it was made with is theirs.
        const bool indexed = std::any_of(segments.cbegin(), segments.cend(),
            [&](const JpegSegment &s) { return isPictureIndex(*result, s); });
        if (!indexed || restore.size() == added) {
            const qsizetype place = restorePlace(*result, segments);
            QByteArray file;
            file.reserve(result->size() + restore.size());
            file.append(result->constData(), place).append(restore);
            file.append(QByteArrayView(*result).sliced(place));
            return file;
        }
        added = restore.size();
    }
    return {};
}

QList<RestorePiece> differencePieces(const QByteArray &original, qsizetype originalFrom,
    qsizetype originalTo, const QByteArray &result, qsizetype resultFrom, qsizetype resultTo)
{
    const qsizetype shorter = std::min(originalTo - originalFrom, resultTo - resultFrom);
    qsizetype head = 0;
    while (head < shorter && original[originalFrom + head] == result[resultFrom + head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && original[originalTo - 1 - tail] == result[resultTo - 1 - tail])
        ++tail;
    QList<RestorePiece> pieces;
    if (head)
        appendPiece(pieces, {RestorePiece::Kind::Copy, resultFrom, head, {}, {}});
    if (originalTo - tail > originalFrom + head)
        appendPiece(pieces,
            {RestorePiece::Kind::Literal, 0, 0,
                original.mid(originalFrom + head, originalTo - tail - originalFrom - head), {}});
    if (tail)
        appendPiece(pieces, {RestorePiece::Kind::Copy, resultTo - tail, tail, {}, {}});
    return pieces;
}

QList<RestorePiece> headerPieces(const QByteArray &original, qsizetype originalEnd,
    const QByteArray &result, qsizetype resultEnd)
{
    const QList<JpegSegment> from = jpegHeaderSegments(original);
    const QList<JpegSegment> to = jpegHeaderSegments(result);
    QList<RestorePiece> pieces;
    const auto keep = [&](qsizetype start, qsizetype end) {
        if (end > start)
            appendPiece(
                pieces, {RestorePiece::Kind::Literal, 0, 0, original.mid(start, end - start), {}});
    };
    qsizetype done = 0;
    qsizetype next = 0; // the first segment of the result not matched yet
    for (const JpegSegment &segment : from) {
        if (segment.end() > originalEnd)
            break;
        keep(done, segment.offset);
        done = segment.end();
        auto match = std::find_if(to.cbegin() + next, to.cend(), [&](const JpegSegment &s) {
            return s.end() <= resultEnd && sameBytes(original, segment, result, s);
        });
        if (match != to.cend()) {
            appendPiece(pieces, {RestorePiece::Kind::Copy, match->offset, match->size, {}, {}});
            next = match - to.cbegin() + 1;
            continue;
        }
        match = std::find_if(to.cbegin() + next, to.cend(), [&](const JpegSegment &s) {
            return s.end() <= resultEnd && s.marker == segment.marker
                && nameOf(result, s) == nameOf(original, segment);
        });
        if (match == to.cend() || segment.size < kSmallSegment) {
            keep(segment.offset, segment.end());
            continue;
        }
        for (RestorePiece &piece : differencePieces(
                 original, segment.offset, segment.end(), result, match->offset, match->end()))
            appendPiece(pieces, std::move(piece));
        next = match - to.cbegin() + 1;
    }
    keep(done, originalEnd);
    return pieces;
}

} // namespace kalvora
