// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/gifpalette.h"
#include "engine/codecs/failuretexts.h"

#include <QHash>
#include <QSet>

#include <libimagequant.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

namespace kalvora {

namespace {

// GIF transparency is all or nothing: less than half opaque counts as transparent.
constexpr int kOpaqueFrom = 128;
// libimagequant's default speed spends seconds on large frames for no visible gain.
constexpr qint64 kLargeFramePixels = 2'000'000;
constexpr int kLargeFrameSpeed = 8;
struct ResultDeleter
{
    void operator()(liq_result *result) const { liq_result_destroy(result); }
};
struct ImageDeleter
{
    void operator()(liq_image *image) const { liq_image_destroy(image); }
};
struct AttrDeleter
{
    void operator()(liq_attr *attr) const { liq_attr_destroy(attr); }
};

// Maps the frame straight onto its own colours when there are at most \a limit of them.
bool indexExactly(const QImage &rgba, int limit, IndexedFrame *frame)
{
    QHash<quint32, GifPixelType> index;
    frame->pixels.resize(size_t(rgba.width()) * rgba.height());
    size_t n = 0;
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *p = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width(); ++x, p += 4) {
            quint32 key;
            std::memcpy(&key, p, 4);
            auto found = index.constFind(key);
            if (found == index.constEnd()) {
                if (index.size() == limit)
                    return false;
                if (p[3] == 0)
                    frame->transparent = int(index.size());
                found = index.insert(key, GifPixelType(index.size()));
                frame->palette.push_back({p[0], p[1], p[2]});
            }
            frame->pixels[n++] = *found;
        }
    }
    return true;
}

quint32 keyAt(const uchar *pixel)
{
    quint32 key;
    std::memcpy(&key, pixel, 4);
    return key;
}

// Maps a stamped frame onto the colours it had before (\a kept), plus as many of its new
// colours, most frequent first, as the palette has room for; any other new colour (a shade
// at the stamp's edge) takes the nearest colour there is. Every pixel the stamp left alone
// keeps its exact colour, which re-quantizing the whole frame would not do.
bool indexOntoKept(const QImage &rgba, const QList<quint32> &kept, int limit, IndexedFrame *frame)
{
    if (kept.isEmpty() || kept.size() > limit)
        return false;
    QHash<quint32, int> counts;
    const QSet<quint32> keptSet(kept.cbegin(), kept.cend());
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *p = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width(); ++x, p += 4)
            if (!keptSet.contains(keyAt(p)))
                ++counts[keyAt(p)];
    }
    QList<quint32> added = counts.keys();
    std::sort(added.begin(), added.end(), [&](quint32 a, quint32 b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : a < b;
    });
    const QList<quint32> palette = kept + added.mid(0, limit - kept.size());

    QHash<quint32, GifPixelType> index;
    for (qsizetype i = 0; i < palette.size(); ++i) {
        const auto *bytes = reinterpret_cast<const uchar *>(&palette[i]);
        index.insert(palette[i], GifPixelType(i));
        frame->palette.push_back({bytes[0], bytes[1], bytes[2]});
        if (bytes[3] == 0)
            frame->transparent = int(i);
    }
    const auto nearest = [&](quint32 key) {
        const auto *want = reinterpret_cast<const uchar *>(&key);
        int best = 0;
        int bestDistance = INT_MAX;
        for (qsizetype i = 0; i < palette.size(); ++i) {
            const auto *have = reinterpret_cast<const uchar *>(&palette[i]);
            if ((have[3] == 0) != (want[3] == 0))
                continue;
            const int dr = want[0] - have[0];
            const int dg = want[1] - have[1];
            const int db = want[2] - have[2];
            if (dr * dr + dg * dg + db * db < bestDistance) {
                bestDistance = dr * dr + dg * dg + db * db;
                best = int(i);
            }
        }
        return GifPixelType(best);
    };
    frame->pixels.resize(size_t(rgba.width()) * rgba.height());
    size_t n = 0;
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *p = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width(); ++x, p += 4) {
            auto found = index.constFind(keyAt(p));
            if (found == index.constEnd())
                found = index.insert(keyAt(p), nearest(keyAt(p)));
            frame->pixels[n++] = *found;
        }
    }
    return true;
}

bool quantize(const QImage &rgba, int limit, bool dither, IndexedFrame *frame, QString *error)
{
    std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), limit) != LIQ_OK) {
        *error = PictureFailures::tr("the GIF encoder cannot choose a palette");
        return false;
    }
    if (qint64(rgba.width()) * rgba.height() > kLargeFramePixels)
        liq_set_speed(attr.get(), kLargeFrameSpeed);
    // RGBA8888 rows are exactly width * 4 bytes, the layout libimagequant expects.
    std::unique_ptr<liq_image, ImageDeleter> image(
        liq_image_create_rgba(attr.get(), rgba.constBits(), rgba.width(), rgba.height(), 0));
    liq_result *raw = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK || !raw) {
        *error = PictureFailures::tr("the GIF encoder cannot choose a palette");
        return false;
    }
    std::unique_ptr<liq_result, ResultDeleter> result(raw);
    liq_set_dithering_level(result.get(), dither ? 1.0f : 0.0f);
    frame->pixels.resize(size_t(rgba.width()) * rgba.height());
    if (liq_write_remapped_image(
            result.get(), image.get(), frame->pixels.data(), frame->pixels.size())
        != LIQ_OK) {
        *error = PictureFailures::tr("the GIF encoder cannot map a frame onto its palette");
        return false;
    }
    const liq_palette *palette = liq_get_palette(result.get());
    for (unsigned int i = 0; i < palette->count; ++i) {
        frame->palette.push_back(
            {palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
        if (palette->entries[i].a < kOpaqueFrom && frame->transparent == NO_TRANSPARENT_COLOR)
            frame->transparent = int(i);
    }
    // One transparent entry only: any other see-through entry is folded into it.
    if (frame->transparent != NO_TRANSPARENT_COLOR)
        for (GifPixelType &pixel : frame->pixels)
            if (palette->entries[pixel].a < kOpaqueFrom)
                pixel = GifPixelType(frame->transparent);
    return true;
}

} // namespace

QImage binaryAlphaFrame(const QImage &image, bool *hasTransparency)
{
    QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    *hasTransparency = false;
    for (int y = 0; y < rgba.height(); ++y) {
        uchar *p = rgba.scanLine(y);
        for (int x = 0; x < rgba.width(); ++x, p += 4) {
            if (p[3] < kOpaqueFrom) {
                std::memset(p, 0, 4);
                *hasTransparency = true;
            } else {
                p[3] = 255;
            }
        }
    }
    return rgba;
}

QList<quint32> frameColours(const QImage &rgba)
{
    QSet<quint32> colours;
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *p = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width(); ++x, p += 4) {
            colours.insert(keyAt(p));
            if (colours.size() > 256)
                return {};
        }
    }
    return colours.values();
}

bool indexFrame(const QImage &rgba, const QList<quint32> &kept, int limit, bool dither,
    IndexedFrame *frame, QString *error)
{
    *frame = {};
    if (indexExactly(rgba, limit, frame))
        return true;
    *frame = {};
    if (indexOntoKept(rgba, kept, limit, frame))
        return true;
    *frame = {};
    return quantize(rgba, limit, dither, frame, error);
}

} // namespace kalvora
