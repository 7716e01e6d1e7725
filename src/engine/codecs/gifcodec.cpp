// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/gifcodec.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/gifpalette.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace kalvora {

namespace {

// The largest side a GIF's 16-bit descriptors can state.
constexpr int kMaxGifSide = 65535;
const char kLoopApplication[] = "NETSCAPE2.0";

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
    //: The GIF library's error %1 (a number), when it has no text for it.
    return text ? QString::fromLatin1(text) : PictureFailures::tr("error %1").arg(code);
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

Picture checkGif(const QByteArray &bytes, const QString &shown)
{
    Source source {&bytes};
    int code = 0;
    GifFileType *gif = DGifOpen(&source, readBytes, &code);
    const auto damaged = [&](int error) { return PictureFailure::damaged(shown, gifError(error)); };
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

namespace {

// Maps every frame of \a picture onto a palette of at most \a limit colours. Where any frame
// is see-through, every frame gets a transparent entry: the screen is then cleared to
// transparent before each frame, which some readers only do when the frame being cleared has
// one.
bool indexFrames(const Picture &picture, int limit, bool dither, std::vector<IndexedFrame> *frames,
    bool *anyTransparency, QString *error)
{
    const QSize screen = picture.frames.first().image.size();
    std::vector<QImage> rgbaFrames;
    std::vector<bool> transparency;
    for (const PictureFrame &frame : picture.frames) {
        if (frame.image.size() != screen) {
            *error = PictureFailures::tr("the GIF's frames differ in size");
            return false;
        }
        bool transparent = false;
        rgbaFrames.push_back(binaryAlphaFrame(frame.image, &transparent));
        transparency.push_back(transparent);
    }
    *anyTransparency
        = std::find(transparency.begin(), transparency.end(), true) != transparency.end();
    frames->assign(rgbaFrames.size(), IndexedFrame {});
    for (size_t i = 0; i < frames->size(); ++i) {
        IndexedFrame &indexed = (*frames)[i];
        const bool addTransparent = *anyTransparency && !transparency[i];
        if (!indexFrame(rgbaFrames[i], picture.frames[qsizetype(i)].colours,
                addTransparent ? limit - 1 : limit, dither, &indexed, error))
            return false;
        if (addTransparent && indexed.transparent == NO_TRANSPARENT_COLOR) {
            indexed.transparent = int(indexed.palette.size());
            indexed.palette.push_back({0, 0, 0});
        }
    }
    return true;
}

QByteArray encodeFrames(const Picture &picture, int limit, bool dither, QString *error)
{
    if (picture.frames.isEmpty()) {
        *error = PictureFailures::tr("the GIF has no frames");
        return {};
    }
    const QSize screen = picture.frames.first().image.size();
    if (screen.width() > kMaxGifSide || screen.height() > kMaxGifSide) {
        *error = PictureFailures::tr("a GIF cannot hold %1 x %2 pixels (at most %3 a side)")
                     .arg(screen.width())
                     .arg(screen.height())
                     .arg(kMaxGifSide);
        return {};
    }
    std::vector<IndexedFrame> frames;
    bool anyTransparency = false;
    if (!indexFrames(picture, limit, dither, &frames, &anyTransparency, error))
        return {};

    QByteArray bytes;
    int code = 0;
    GifFileType *gif = EGifOpen(&bytes, appendBytes, &code);
    if (!gif) {
        *error = PictureFailures::tr("the GIF encoder failed: %1").arg(gifError(code));
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
        *error = PictureFailures::tr("the GIF encoder failed: %1").arg(gifError(code));
        return {};
    }
    return bytes;
}

} // namespace

QByteArray encodeGifFrames(const Picture &picture, QString *error)
{
    return encodeFrames(picture, 256, true, error);
}

QByteArray encodeGifImage(const QImage &image, int maxColours, bool dither, QString *error)
{
    if (image.isNull()) {
        *error = PictureFailures::tr("the picture is empty");
        return {};
    }
    Picture picture;
    picture.format = PictureFormat::Gif;
    PictureFrame frame;
    frame.image = image;
    picture.frames << frame;
    return encodeFrames(picture, std::clamp(maxColours, 2, 256), dither, error);
}

QList<quint32> gifFrameColours(const QImage &image)
{
    bool transparent = false;
    return frameColours(binaryAlphaFrame(image, &transparent));
}

} // namespace kalvora
