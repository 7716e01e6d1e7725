// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifcodec.h"

#include <QHash>
#include <QSet>

#include <gif_lib.h>
#include <libimagequant.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The largest side a GIF's 16-bit descriptors can state.
constexpr int kMaxGifSide = 65535;
// libimagequant's default speed spends seconds on large frames for no visible gain.
constexpr qint64 kLargeFramePixels = 2'000'000;
constexpr int kLargeFrameSpeed = 8;
// GIF transparency is all or nothing: less than half opaque counts as transparent.
constexpr int kOpaqueFrom = 128;
const char kLoopApplication[] = "NETSCAPE2.0";

struct AttrDeleter
{
    void operator()(liq_attr *attr) const { liq_attr_destroy(attr); }
};
struct ImageDeleter
{
    void operator()(liq_image *image) const { liq_image_destroy(image); }
};
struct ResultDeleter
{
    void operator()(liq_result *result) const { liq_result_destroy(result); }
};
struct MapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

struct Source
{
    const QByteArray *bytes;
    qsizetype position = 0;
};

int readBytes(GifFileType *gif, GifByteType *buffer, int size)
{
    auto *source = static_cast<Source *>(gif->UserData);
    const qsizetype available = qMin<qsizetype>(size, source->bytes->size() - source->position);
    std::memcpy(buffer, source->bytes->constData() + source->position, size_t(available));
    source->position += available;
    return int(available);
}

int appendBytes(GifFileType *gif, const GifByteType *data, int size)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), size);
    return size;
}

QString gifError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("error %1").arg(code);
}

// The loop count of a NETSCAPE2.0 application extension among \a blocks; -1 without one.
int loopCountIn(const ExtensionBlock *blocks, int count)
{
    for (int i = 0; i + 1 < count; ++i) {
        const ExtensionBlock &name = blocks[i];
        const ExtensionBlock &data = blocks[i + 1];
        if (name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11
            && std::memcmp(name.Bytes, kLoopApplication, 11) == 0
            && data.Function == CONTINUE_EXT_FUNC_CODE && data.ByteCount >= 3 && data.Bytes[0] == 1)
            return data.Bytes[1] | (data.Bytes[2] << 8);
    }
    return -1;
}

// A frame mapped onto a palette of at most 256 colours.
struct IndexedFrame
{
    std::vector<GifColorType> palette;
    std::vector<GifPixelType> pixels;
    int transparent = NO_TRANSPARENT_COLOR;
};

// The frame as RGBA bytes with all-or-nothing alpha; transparent pixels all alike.
QImage binaryAlpha(const QImage &image, bool *hasTransparency)
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

// The colours of a frame as \a binaryAlpha leaves them, when there are at most 256.
QList<quint32> coloursOf(const QImage &rgba)
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

bool quantize(const QImage &rgba, int limit, IndexedFrame *frame, QString *error)
{
    std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), limit) != LIQ_OK) {
        *error = QStringLiteral("the GIF encoder cannot choose a palette");
        return false;
    }
    if (qint64(rgba.width()) * rgba.height() > kLargeFramePixels)
        liq_set_speed(attr.get(), kLargeFrameSpeed);
    // RGBA8888 rows are exactly width * 4 bytes, the layout libimagequant expects.
    std::unique_ptr<liq_image, ImageDeleter> image(
        liq_image_create_rgba(attr.get(), rgba.constBits(), rgba.width(), rgba.height(), 0));
    liq_result *raw = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK || !raw) {
        *error = QStringLiteral("the GIF encoder cannot choose a palette");
        return false;
    }
    std::unique_ptr<liq_result, ResultDeleter> result(raw);
    liq_set_dithering_level(result.get(), 1.0f);
    frame->pixels.resize(size_t(rgba.width()) * rgba.height());
    if (liq_write_remapped_image(
            result.get(), image.get(), frame->pixels.data(), frame->pixels.size())
        != LIQ_OK) {
        *error = QStringLiteral("the GIF encoder cannot map a frame onto its palette");
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

bool putLoopCount(GifFileType *gif, int loopCount)
{
    const unsigned char data[] = {1, static_cast<unsigned char>(loopCount & 0xFF),
        static_cast<unsigned char>((loopCount >> 8) & 0xFF)};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR
        && EGifPutExtensionBlock(gif, 11, kLoopApplication) != GIF_ERROR
        && EGifPutExtensionBlock(gif, 3, data) != GIF_ERROR
        && EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

bool putFrame(GifFileType *gif, const IndexedFrame &frame, int width, int height, int delay,
    bool anyTransparency)
{
    GraphicsControlBlock control {};
    // Every frame covers the whole screen; where one is see-through, the screen must be
    // cleared first, or the previous frame would show through.
    control.DisposalMode = anyTransparency ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delay;
    control.TransparentColor = frame.transparent;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR)
        return false;

    int size = 2;
    while (size < int(frame.palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(size_t(size), GifColorType {0, 0, 0});
    std::copy(frame.palette.begin(), frame.palette.end(), colours.begin());
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(size, colours.data()));
    if (!map || EGifPutImageDesc(gif, 0, 0, width, height, false, map.get()) == GIF_ERROR)
        return false;
    for (int y = 0; y < height; ++y) {
        // giflib takes a non-const line but only reads it.
        auto *line = const_cast<GifPixelType *>(frame.pixels.data() + size_t(y) * width);
        if (EGifPutLine(gif, line, width) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

Picture CheckGif(const QByteArray &bytes, const QString &shown)
{
    Source source {&bytes};
    int code = 0;
    GifFileType *gif = DGifOpen(&source, readBytes, &code);
    const auto damaged = [&](int error) {
        return PictureFailure(PictureFailure::Reason::Damaged,
            QStringLiteral("The picture %1 is damaged: %2").arg(shown, gifError(error)), 481);
    };
    if (!gif)
        throw damaged(code);
    if (DGifSlurp(gif) == GIF_ERROR) {
        const int error = gif->Error;
        DGifCloseFile(gif, &code);
        throw damaged(error);
    }
    Picture picture;
    picture.format = PictureFormat::Gif;
    for (int i = 0; i < gif->ImageCount; ++i) {
        PictureFrame frame;
        GraphicsControlBlock control {};
        if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK)
            frame.delay = control.DelayTime;
        picture.frames << frame;
    }
    if (gif->ImageCount > 0)
        picture.loopCount = loopCountIn(
            gif->SavedImages[0].ExtensionBlocks, gif->SavedImages[0].ExtensionBlockCount);
    DGifCloseFile(gif, &code);
    return picture;
}

QByteArray EncodeGifFrames(const Picture &picture, QString *error)
{
    if (picture.frames.isEmpty()) {
        *error = QStringLiteral("the GIF has no frames");
        return {};
    }
    const QSize screen = picture.frames.first().image.size();
    if (screen.width() > kMaxGifSide || screen.height() > kMaxGifSide) {
        *error = QStringLiteral("a GIF cannot hold %1 x %2 pixels")
                     .arg(screen.width())
                     .arg(screen.height());
        return {};
    }
    std::vector<QImage> rgbaFrames;
    std::vector<bool> transparency;
    for (const PictureFrame &frame : picture.frames) {
        if (frame.image.size() != screen) {
            *error = QStringLiteral("the GIF's frames differ in size");
            return {};
        }
        bool transparent = false;
        rgbaFrames.push_back(binaryAlpha(frame.image, &transparent));
        transparency.push_back(transparent);
    }
    // Where any frame is see-through, every frame gets a transparent entry: the screen is then
    // cleared to transparent before each frame, which some readers only do when the frame
    // being cleared has one.
    const bool anyTransparency
        = std::find(transparency.begin(), transparency.end(), true) != transparency.end();
    std::vector<IndexedFrame> frames(rgbaFrames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        const bool addTransparent = anyTransparency && !transparency[i];
        const int limit = addTransparent ? 255 : 256;
        if (!indexExactly(rgbaFrames[i], limit, &frames[i])) {
            frames[i] = {};
            if (!indexOntoKept(
                    rgbaFrames[i], picture.frames[qsizetype(i)].colours, limit, &frames[i])) {
                frames[i] = {};
                if (!quantize(rgbaFrames[i], limit, &frames[i], error))
                    return {};
            }
        }
        if (addTransparent && frames[i].transparent == NO_TRANSPARENT_COLOR) {
            frames[i].transparent = int(frames[i].palette.size());
            frames[i].palette.push_back({0, 0, 0});
        }
    }

    QByteArray bytes;
    int code = 0;
    GifFileType *gif = EGifOpen(&bytes, appendBytes, &code);
    if (!gif) {
        *error = QStringLiteral("the GIF encoder failed: %1").arg(gifError(code));
        return {};
    }
    EGifSetGifVersion(gif, true);
    bool written
        = EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, nullptr) != GIF_ERROR;
    if (written && picture.loopCount >= 0)
        written = putLoopCount(gif, picture.loopCount);
    for (size_t i = 0; written && i < frames.size(); ++i)
        written = putFrame(gif, frames[i], screen.width(), screen.height(),
            picture.frames[qsizetype(i)].delay, anyTransparency);
    code = gif->Error;
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) == GIF_ERROR && written) {
        written = false;
        code = closeCode;
    }
    if (!written) {
        *error = QStringLiteral("the GIF encoder failed: %1").arg(gifError(code));
        return {};
    }
    return bytes;
}

QList<quint32> GifFrameColours(const QImage &image)
{
    bool transparent = false;
    return coloursOf(binaryAlpha(image, &transparent));
}
