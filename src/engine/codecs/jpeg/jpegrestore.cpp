// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegrestore.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegbitwriter.h"
#include "engine/codecs/jpeg/jpegrestoredata.h"

#include <vector>

namespace kalvora {

namespace {

// Bytes of stuffed entropy-coded data without their stuffing, followed by room to read ahead;
// nothing when they hold a marker.
std::optional<std::vector<std::uint8_t>> unstuffed(const char *bytes, qsizetype size)
{
    std::vector<std::uint8_t> data;
    data.reserve(std::size_t(size + 8));
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = std::uint8_t(bytes[i]);
        data.push_back(byte);
        if (byte != 0xFF)
            continue;
        if (i + 1 == size || bytes[i + 1] != 0)
            return std::nullopt;
        ++i;
    }
    data.resize(data.size() + 8, 0);
    return data;
}

// Appends to \a out the original interval that \a piece describes; false when it does not fit
// the result.
bool appendInterval(QByteArray &out, const RestorePiece &piece, const QByteArray &result)
{
    const auto interval = unstuffed(result.constData() + piece.offset, qsizetype(piece.length));
    if (!interval)
        return false;
    const qint64 available = qint64(interval->size() - 8) * 8;
    ScanBitWriter writer(out);
    for (const RestoreBits &run : piece.bits) {
        if (run.fromResult) {
            if (run.offset > available || run.count > available - run.offset)
                return false;
            writer.copy(interval->data(), run.offset, run.count);
        } else {
            if (run.bits.size() != (run.count + 7) / 8)
                return false;
            std::vector<std::uint8_t> bits(run.bits.cbegin(), run.bits.cend());
            bits.resize(bits.size() + 8, 0);
            writer.copy(bits.data(), 0, run.count);
        }
    }
    // An interval is whole bytes.
    return writer.written() % 8 == 0;
}

} // namespace

QByteArray applyRestoreRecipe(const RestoreRecipe &recipe, const QByteArray &result)
{
    QByteArray out;
    out.reserve(result.size() + (1 << 16));
    for (const RestorePiece &piece : recipe.pieces) {
        if (piece.kind == RestorePiece::Kind::Literal) {
            out += piece.bytes;
            continue;
        }
        if (piece.offset > result.size() || piece.length > result.size() - piece.offset)
            return {};
        if (piece.kind == RestorePiece::Kind::Copy)
            out.append(result.constData() + piece.offset, qsizetype(piece.length));
        else if (!appendInterval(out, piece, result))
            return {};
    }
    return out;
}

bool hasJpegRestoreData(const QByteArray &fileData)
{
    const QList<JpegSegment> segments = jpegHeaderSegments(fileData);
    return std::any_of(segments.cbegin(), segments.cend(),
        [&](const JpegSegment &segment) { return isRestoreSegment(fileData, segment); });
}

JpegRestore restoreJpeg(const QByteArray &fileData)
{
    const FoundRestoreData found = findRestoreData(fileData);
    if (found.damaged)
        return {RestoreFinding::Damaged, {}, UndoReasons::tr("its restore data cannot be read")};
    if (!found.recipe)
        return {RestoreFinding::NotStamped, {}, UndoReasons::tr("carries no restore data")};
    const RestoreRecipe &recipe = *found.recipe;
    const JpegRestore edited {RestoreFinding::Mismatch, {},
        UndoReasons::tr("was changed after it was stamped, so its original cannot be rebuilt")};
    if (found.result.size() != recipe.resultSize
        || recipe.resultDigestOf(found.result, recipe.resultScanStart, recipe.resultScanEnd)
            != recipe.resultDigest)
        return edited;
    QByteArray original = applyRestoreRecipe(recipe, found.result);
    if (original.isEmpty())
        return {RestoreFinding::Damaged, {},
            UndoReasons::tr("its restore data do not fit the picture they came with")};
    // Its metadata are as they were written: a rebuild that is not the original tells of
    // scan data changed since.
    if (recipe.digestOf(original) != recipe.originalDigest)
        return edited;
    return {RestoreFinding::Restored, std::move(original), {}};
}

} // namespace kalvora
