// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/restorechunk.h"
#include "engine/codecs/failuretexts.h"

#include <QList>
#include <QtEndian>

#include <webp/mux.h>
#include <zlib.h>

#include <algorithm>
#include <memory>

namespace kalvora {

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

// --- PNG: length, type, data and a CRC of type and data, up to the end chunk ---

struct PngChunk
{
    qsizetype start = 0;
    qsizetype length = 0;
    QByteArray type;
    qsizetype end() const { return start + 12 + length; }
};

// The chunks of \a file up to and with its end chunk; none when it is no PNG that reaches one.
std::optional<QList<PngChunk>> pngChunks(const QByteArray &file)
{
    if (!file.startsWith(kPngSignature))
        return std::nullopt;
    QList<PngChunk> chunks;
    qsizetype position = kPngSignature.size();
    while (position + 12 <= file.size()) {
        PngChunk chunk {position, qFromBigEndian<quint32>(file.constData() + position),
            file.mid(position + 4, 4)};
        if (chunk.end() > file.size())
            return std::nullopt;
        chunks.append(chunk);
        if (chunk.type == "IEND")
            return chunks;
        position = chunk.end();
    }
    return std::nullopt;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    chunk += type + data;
    const QByteArray crc(4, '\0');
    chunk += crc;
    const uLong sum = crc32(crc32(0, nullptr, 0),
        reinterpret_cast<const Bytef *>(chunk.constData() + 4), uInt(4 + data.size()));
    qToBigEndian<quint32>(quint32(sum), chunk.data() + chunk.size() - 4);
    return chunk;
}

std::optional<QByteArray> pngRestoreChunk(const QByteArray &file)
{
    const auto chunks = pngChunks(file);
    if (!chunks)
        return std::nullopt;
    for (const PngChunk &chunk : *chunks)
        if (chunk.type == kRestorePngChunk) {
            const QByteArray data = file.mid(chunk.start + 8, chunk.length);
            // A chunk whose check sum fails was damaged: it carries nothing to go by.
            if (pngChunk(chunk.type, data) != file.mid(chunk.start, chunk.end() - chunk.start))
                return std::nullopt;
            return data;
        }
    return std::nullopt;
}

QByteArray pngWithChunk(const QByteArray &file, const QByteArray &payload, QString *error)
{
    const auto chunks = pngChunks(file);
    if (!chunks || payload.size() > 0x7fffffff) {
        *error = StampFailures::tr("its PNG chunks cannot be walked");
        return {};
    }
    QByteArray result = file.left(kPngSignature.size());
    for (const PngChunk &chunk : *chunks) {
        if (chunk.type == "IEND")
            result += pngChunk(kRestorePngChunk, payload);
        if (chunk.type != kRestorePngChunk)
            result += file.mid(chunk.start, chunk.end() - chunk.start);
    }
    // Whatever followed the end chunk stays after it.
    return result + file.mid(chunks->constLast().end());
}

// --- TIFF: the first directory of a classic TIFF, in either byte order ---

constexpr quint16 kUndefinedType = 7;
constexpr qsizetype kEntrySize = 12;

class TiffBytes
{
public:
    explicit TiffBytes(const QByteArray &file)
        : m_file(file)
        , m_little(file.startsWith(QByteArray("II*\0", 4)))
        , m_classic(m_little || file.startsWith(QByteArray("MM\0*", 4)))
    { }

    bool classic() const { return m_classic && m_file.size() >= 8; }
    bool fits(qint64 position, qint64 length) const
    {
        return position >= 0 && length >= 0 && position + length <= m_file.size();
    }
    quint16 read16(qsizetype position) const
    {
        const char *at = m_file.constData() + position;
        return m_little ? qFromLittleEndian<quint16>(at) : qFromBigEndian<quint16>(at);
    }
    quint32 read32(qsizetype position) const
    {
        const char *at = m_file.constData() + position;
        return m_little ? qFromLittleEndian<quint32>(at) : qFromBigEndian<quint32>(at);
    }
    /// The tag of a directory entry's bytes.
    quint16 tagOf(const QByteArray &entry) const
    {
        return m_little ? qFromLittleEndian<quint16>(entry.constData())
                        : qFromBigEndian<quint16>(entry.constData());
    }
    QByteArray bytes16(quint16 value) const
    {
        QByteArray out(2, '\0');
        m_little ? qToLittleEndian(value, out.data()) : qToBigEndian(value, out.data());
        return out;
    }
    QByteArray bytes32(quint32 value) const
    {
        QByteArray out(4, '\0');
        m_little ? qToLittleEndian(value, out.data()) : qToBigEndian(value, out.data());
        return out;
    }

    /// Where the first directory's entries start and how many there are; none when the
    /// directory does not lie within the file.
    std::optional<std::pair<qsizetype, int>> firstDirectory() const
    {
        if (!classic())
            return std::nullopt;
        const qint64 offset = read32(4);
        if (!fits(offset, 2))
            return std::nullopt;
        const int count = read16(qsizetype(offset));
        if (!fits(offset + 2, qint64(count) * kEntrySize + 4))
            return std::nullopt;
        return std::pair {qsizetype(offset + 2), count};
    }

private:
    const QByteArray &m_file;
    bool m_little;
    bool m_classic;
};

std::optional<QByteArray> tiffRestoreTag(const QByteArray &file)
{
    const TiffBytes tiff(file);
    const auto directory = tiff.firstDirectory();
    if (!directory)
        return std::nullopt;
    for (int i = 0; i < directory->second; ++i) {
        const qsizetype entry = directory->first + i * kEntrySize;
        if (tiff.read16(entry) != kRestoreTiffTag || tiff.read16(entry + 2) != kUndefinedType)
            continue;
        const qint64 count = tiff.read32(entry + 4);
        const qint64 offset = count <= 4 ? entry + 8 : tiff.read32(entry + 8);
        if (!tiff.fits(offset, count))
            return std::nullopt;
        return file.mid(qsizetype(offset), qsizetype(count));
    }
    return std::nullopt;
}

QByteArray tiffWithTag(const QByteArray &file, const QByteArray &payload, QString *error)
{
    const TiffBytes tiff(file);
    const auto directory = tiff.firstDirectory();
    // Offsets are 32 bits: the file with the data and the new directory must stay below 4 GB.
    if (!directory || payload.size() <= 4
        || qint64(file.size()) + payload.size() + (directory->second + 1) * kEntrySize + 16
            > qint64(0xffffffff)) {
        *error = StampFailures::tr("its first TIFF directory cannot be read or written again");
        return {};
    }
    QByteArray result = file;
    if (result.size() % 2)
        result += '\0';
    const quint32 dataOffset = quint32(result.size());
    result += payload;
    if (result.size() % 2)
        result += '\0';

    QList<QByteArray> entries;
    for (int i = 0; i < directory->second; ++i) {
        const qsizetype entry = directory->first + i * kEntrySize;
        if (tiff.read16(entry) != kRestoreTiffTag)
            entries.append(file.mid(entry, kEntrySize));
    }
    entries.append(tiff.bytes16(kRestoreTiffTag) + tiff.bytes16(kUndefinedType)
        + tiff.bytes32(quint32(payload.size())) + tiff.bytes32(dataOffset));
    // A directory's entries go in ascending order of their tags.
    std::stable_sort(entries.begin(), entries.end(),
        [&](const QByteArray &a, const QByteArray &b) { return tiff.tagOf(a) < tiff.tagOf(b); });

    const quint32 directoryOffset = quint32(result.size());
    result += tiff.bytes16(quint16(entries.size()));
    for (const QByteArray &entry : std::as_const(entries))
        result += entry;
    result += tiff.bytes32(tiff.read32(directory->first + directory->second * kEntrySize));
    result.replace(4, 4, tiff.bytes32(directoryOffset));
    return result;
}

// --- WebP: a RIFF chunk of its own, through libwebp's muxer ---

struct MuxDeleter
{
    void operator()(WebPMux *mux) const { WebPMuxDelete(mux); }
};
using Mux = std::unique_ptr<WebPMux, MuxDeleter>;

WebPData dataOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())};
}

std::optional<QByteArray> webpRestoreChunk(const QByteArray &file)
{
    const WebPData data = dataOf(file);
    const Mux mux(WebPMuxCreate(&data, 0));
    WebPData chunk {};
    if (!mux || WebPMuxGetChunk(mux.get(), kRestoreWebpChunk, &chunk) != WEBP_MUX_OK)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char *>(chunk.bytes), qsizetype(chunk.size));
}

QByteArray webpWithChunk(const QByteArray &file, const QByteArray &payload, QString *error)
{
    const WebPData data = dataOf(file);
    const WebPData chunk = dataOf(payload);
    const Mux mux(WebPMuxCreate(&data, 0));
    WebPData assembled {};
    if (!mux || WebPMuxSetChunk(mux.get(), kRestoreWebpChunk, &chunk, 0) != WEBP_MUX_OK
        || WebPMuxAssemble(mux.get(), &assembled) != WEBP_MUX_OK) {
        *error = StampFailures::tr("libwebp cannot add a chunk to it");
        return {};
    }
    const QByteArray result(
        reinterpret_cast<const char *>(assembled.bytes), qsizetype(assembled.size));
    WebPDataClear(&assembled);
    return result;
}

} // namespace

bool carriesRestoreChunk(PictureFormat format)
{
    return format == PictureFormat::Png || format == PictureFormat::Tiff
        || format == PictureFormat::Webp;
}

std::optional<QByteArray> restoreChunkOf(const QByteArray &file, PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return pngRestoreChunk(file);
    case PictureFormat::Tiff:
        return tiffRestoreTag(file);
    case PictureFormat::Webp:
        return webpRestoreChunk(file);
    default:
        return std::nullopt;
    }
}

QByteArray withRestoreChunk(
    const QByteArray &file, PictureFormat format, const QByteArray &payload, QString *error)
{
    switch (format) {
    case PictureFormat::Png:
        return pngWithChunk(file, payload, error);
    case PictureFormat::Tiff:
        return tiffWithTag(file, payload, error);
    case PictureFormat::Webp:
        return webpWithChunk(file, payload, error);
    default:
        *error = StampFailures::tr("its format keeps no restore data");
        return {};
    }
}

} // namespace kalvora
