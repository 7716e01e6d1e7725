// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegrestoredata.h"

#include "engine/codecs/jpeg/jpegsegments.h"

#include <QByteArrayView>
#include <QtEndian>

#include <algorithm>

#include <openssl/evp.h>
#include <xxhash.h>

namespace kalvora {

namespace {

constexpr uchar kRestoreMarker = 0xE9; // APP9
constexpr QByteArrayView kRestoreName("KALVORA-RESTORE\0", 16);
// The format's name, which also tells the digests' kind and size.
constexpr QByteArrayView kSha256Format("KRD1");
constexpr QByteArrayView kFormat("KRD2");
constexpr qsizetype kSha256Size = 32;
constexpr qsizetype kXxh3Size = 16;
// A segment's payload: the name, its number and the count of segments, then a share of data.
constexpr qsizetype kChunkHeader = 16 + 4;
constexpr qsizetype kChunkSize = kLargestSegmentPayload - kChunkHeader;

void putNumber(QByteArray &out, quint64 value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

// Reads the restore data's numbers and bytes, each checked against what is left.
class Reader
{
public:
    explicit Reader(QByteArrayView data)
        : m_data(data)
    { }
    bool failed() const { return m_failed; }
    bool atEnd() const { return m_at == m_data.size(); }
    quint64 number(int bytes)
    {
        quint64 value = 0;
        if (!has(bytes))
            return 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | uchar(m_data[m_at++]);
        return value;
    }
    QByteArray bytes(quint64 count)
    {
        if (!has(count))
            return {};
        const QByteArray out = m_data.sliced(m_at, qsizetype(count)).toByteArray();
        m_at += qsizetype(count);
        return out;
    }

private:
    bool has(quint64 count)
    {
        m_failed = m_failed || count > quint64(m_data.size() - m_at);
        return !m_failed;
    }
    QByteArrayView m_data;
    qsizetype m_at = 0;
    bool m_failed = false;
};

QByteArray serialized(const RestoreRecipe &recipe)
{
    QByteArray out
        = (recipe.digest == RestoreRecipe::Digest::Sha256 ? kSha256Format : kFormat).toByteArray()
        + recipe.originalDigest + recipe.resultDigest;
    putNumber(out, quint64(recipe.resultSize), 8);
    putNumber(out, quint64(recipe.resultScanStart), 8);
    putNumber(out, quint64(recipe.resultScanEnd), 8);
    putNumber(out, quint64(recipe.pieces.size()), 4);
    for (const RestorePiece &piece : recipe.pieces) {
        out.append(char(piece.kind));
        if (piece.kind == RestorePiece::Kind::Literal) {
            putNumber(out, quint64(piece.bytes.size()), 8);
            out += piece.bytes;
            continue;
        }
        putNumber(out, quint64(piece.offset), 8);
        putNumber(out, quint64(piece.length), 8);
        if (piece.kind != RestorePiece::Kind::Bits)
            continue;
        putNumber(out, quint64(piece.bits.size()), 4);
        for (const RestoreBits &run : piece.bits) {
            out.append(char(run.fromResult ? 1 : 0));
            if (run.fromResult)
                putNumber(out, quint64(run.offset), 8);
            putNumber(out, quint64(run.count), 8);
            if (!run.fromResult)
                out += run.bits;
        }
    }
    return out;
}

std::optional<RestoreRecipe> parsed(QByteArrayView data)
{
    Reader in(data);
    const QByteArray format = in.bytes(quint64(kFormat.size()));
    if (format != kFormat && format != kSha256Format)
        return std::nullopt;
    RestoreRecipe recipe;
    recipe.digest = format == kFormat ? RestoreRecipe::Digest::Xxh3 : RestoreRecipe::Digest::Sha256;
    const qsizetype digestSize = format == kFormat ? kXxh3Size : kSha256Size;
    recipe.originalDigest = in.bytes(quint64(digestSize));
    recipe.resultDigest = in.bytes(quint64(digestSize));
    recipe.resultSize = qint64(in.number(8));
    recipe.resultScanStart = qint64(in.number(8));
    recipe.resultScanEnd = qint64(in.number(8));
    if (recipe.resultScanStart < 0 || recipe.resultScanStart > recipe.resultScanEnd
        || recipe.resultScanEnd > recipe.resultSize)
        return std::nullopt;
    const quint64 count = in.number(4);
    for (quint64 i = 0; i < count && !in.failed(); ++i) {
        RestorePiece piece;
        const quint64 kind = in.number(1);
        if (kind > quint64(RestorePiece::Kind::Bits))
            return std::nullopt;
        piece.kind = RestorePiece::Kind(kind);
        if (piece.kind == RestorePiece::Kind::Literal) {
            piece.bytes = in.bytes(in.number(8));
        } else {
            piece.offset = qint64(in.number(8));
            piece.length = qint64(in.number(8));
        }
        const quint64 runs = piece.kind == RestorePiece::Kind::Bits ? in.number(4) : 0;
        for (quint64 r = 0; r < runs && !in.failed(); ++r) {
            RestoreBits run;
            run.fromResult = in.number(1) != 0;
            if (run.fromResult)
                run.offset = qint64(in.number(8));
            run.count = qint64(in.number(8));
            if (run.count < 0 || run.offset < 0)
                return std::nullopt;
            if (!run.fromResult)
                run.bits = in.bytes((quint64(run.count) + 7) / 8);
            piece.bits.append(run);
        }
        if (piece.offset < 0 || piece.length < 0)
            return std::nullopt;
        recipe.pieces.append(piece);
    }
    if (in.failed() || !in.atEnd())
        return std::nullopt;
    return recipe;
}

} // namespace

QByteArray sha256Of(const char *bytes, qsizetype size)
{
    QByteArray digest(kSha256Size, Qt::Uninitialized);
    unsigned int length = 0;
    if (!EVP_Digest(bytes, std::size_t(size), reinterpret_cast<unsigned char *>(digest.data()),
            &length, EVP_sha256(), nullptr)
        || length != kSha256Size)
        return {};
    return digest;
}

QByteArray xxh3Of(const char *bytes, qsizetype size)
{
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, XXH3_128bits(bytes, std::size_t(size)));
    return QByteArray(reinterpret_cast<const char *>(canonical.digest), kXxh3Size);
}

QByteArray RestoreRecipe::digestOf(QByteArrayView bytes) const
{
    return digest == Digest::Sha256 ? sha256Of(bytes.data(), bytes.size())
                                    : xxh3Of(bytes.data(), bytes.size());
}

QByteArray RestoreRecipe::resultDigestOf(
    const QByteArray &result, qint64 scanStart, qint64 scanEnd) const
{
    QByteArray outside = result.left(qsizetype(scanStart));
    outside += QByteArrayView(result).sliced(qsizetype(scanEnd));
    return digestOf(outside);
}

void appendPiece(QList<RestorePiece> &pieces, RestorePiece piece)
{
    if (!pieces.isEmpty()) {
        RestorePiece &last = pieces.last();
        if (last.kind == RestorePiece::Kind::Copy && piece.kind == RestorePiece::Kind::Copy
            && last.offset + last.length == piece.offset) {
            last.length += piece.length;
            return;
        }
        if (last.kind == RestorePiece::Kind::Literal && piece.kind == RestorePiece::Kind::Literal) {
            last.bytes += piece.bytes;
            return;
        }
    }
    pieces.append(std::move(piece));
}

QByteArray restoreSegments(const RestoreRecipe &recipe)
{
    const QByteArray data = serialized(recipe);
    const qsizetype count = std::max<qsizetype>(1, (data.size() + kChunkSize - 1) / kChunkSize);
    QByteArray segments;
    for (qsizetype i = 0; i < count; ++i) {
        QByteArray payload = kRestoreName.toByteArray();
        putNumber(payload, quint64(i), 2);
        putNumber(payload, quint64(count), 2);
        payload += data.mid(i * kChunkSize, kChunkSize);
        segments += jpegSegment(kRestoreMarker, payload);
    }
    return segments;
}

bool isRestoreSegment(const QByteArray &file, const JpegSegment &segment)
{
    return segment.marker == kRestoreMarker && segment.payloadSize() >= kChunkHeader
        && QByteArrayView(file).sliced(segment.payloadOffset(), kRestoreName.size())
        == kRestoreName;
}

FoundRestoreData findRestoreData(const QByteArray &file)
{
    FoundRestoreData found;
    QList<QByteArray> chunks;
    QList<JpegSegment> segments;
    for (const JpegSegment &segment : jpegHeaderSegments(file)) {
        if (!isRestoreSegment(file, segment))
            continue;
        const auto *header
            = reinterpret_cast<const uchar *>(file.constData() + segment.payloadOffset());
        const int index = qFromBigEndian<quint16>(header + kRestoreName.size());
        const int count = qFromBigEndian<quint16>(header + kRestoreName.size() + 2);
        if (chunks.isEmpty())
            chunks.resize(count);
        if (count != chunks.size() || index >= count || !chunks[index].isNull()) {
            found.damaged = true;
            return found;
        }
        chunks[index] = file.mid(
            segment.payloadOffset() + kChunkHeader, segment.payloadSize() - kChunkHeader);
        if (chunks[index].isNull())
            chunks[index] = QByteArray("");
        segments.append(segment);
    }
    if (segments.isEmpty())
        return found;
    QByteArray data;
    for (const QByteArray &chunk : std::as_const(chunks)) {
        if (chunk.isNull()) {
            found.damaged = true;
            return found;
        }
        data += chunk;
    }
    found.recipe = parsed(data);
    found.damaged = !found.recipe;
    qsizetype copied = 0;
    for (const JpegSegment &segment : std::as_const(segments)) {
        found.result += QByteArrayView(file).sliced(copied, segment.offset - copied);
        copied = segment.end();
    }
    found.result += QByteArrayView(file).sliced(copied);
    return found;
}

} // namespace kalvora
