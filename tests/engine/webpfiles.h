// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// WebP files written straight with libwebp's own encoder and muxer, so the code under test never
// makes its own input.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>

#include <webp/encode.h>
#include <webp/mux.h>

namespace WebpFiles {

/// Chunks of a WebP beside its frames, by their four-character names ("ICCP", "EXIF", "XMP ").
using Chunks = QMap<QByteArray, QByteArray>;

inline WebPData dataOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())};
}

// A WebP file: a still of one frame, else an animation of whole frames with \a durations (ms)
// and \a loops; lossless keeping the colours under transparency, or lossy; then \a metadata.
inline QByteArray webpFile(const QList<QImage> &frames, bool lossless, const QList<int> &durations,
    int loops, const Chunks &metadata)
{
    WebPMux *mux = WebPMuxNew();
    for (qsizetype i = 0; i < frames.size(); ++i) {
        WebPConfig config;
        WebPConfigInit(&config);
        config.lossless = config.exact = lossless;
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = 1;
        const QImage rgba = frames[i].convertToFormat(QImage::Format_RGBA8888);
        picture.width = rgba.width();
        picture.height = rgba.height();
        WebPPictureImportRGBA(&picture, rgba.constBits(), int(rgba.bytesPerLine()));
        WebPMemoryWriter writer;
        WebPMemoryWriterInit(&writer);
        picture.writer = WebPMemoryWrite;
        picture.custom_ptr = &writer;
        WebPEncode(&config, &picture);
        WebPMuxFrameInfo frame {{writer.mem, writer.size}, 0, 0,
            frames.size() > 1 ? durations[i] : 0, WEBP_CHUNK_ANMF, WEBP_MUX_DISPOSE_NONE,
            WEBP_MUX_NO_BLEND, {}};
        if (frames.size() == 1)
            WebPMuxSetImage(mux, &frame.bitstream, 1);
        else
            WebPMuxPushFrame(mux, &frame, 1);
        WebPMemoryWriterClear(&writer);
        WebPPictureFree(&picture);
    }
    const WebPMuxAnimParams animation {0xffffffff, loops};
    if (frames.size() > 1)
        WebPMuxSetAnimationParams(mux, &animation);
    for (auto chunk = metadata.cbegin(); chunk != metadata.cend(); ++chunk) {
        const WebPData data = dataOf(chunk.value());
        WebPMuxSetChunk(mux, chunk.key().constData(), &data, 1);
    }
    WebPData file {};
    WebPMuxAssemble(mux, &file);
    const QByteArray bytes(reinterpret_cast<const char *>(file.bytes), qsizetype(file.size));
    WebPDataClear(&file);
    WebPMuxDelete(mux);
    return bytes;
}

} // namespace WebpFiles
