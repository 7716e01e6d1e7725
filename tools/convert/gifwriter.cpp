// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <memory>
#include <vector>

namespace {

// The largest side a GIF's 16-bit screen and image descriptors can state.
constexpr int kMaxGifSide = 65535;
// Above this many pixels libimagequant's default speed (4) spends seconds refining a palette
// that a large photo barely needs; speed 8 halves the encoder's time on a 24-megapixel picture
// for a barely visible loss. Small pictures keep the finest palette.
constexpr qint64 kLargePicturePixels = 2'000'000;
constexpr int kLargePictureSpeed = 8;

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
struct ColorMapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

// giflib's output callback: appends to the QByteArray held in the file's user data.
int appendToBytes(GifFileType *gif, const GifByteType *data, int length)
{
    auto *bytes = static_cast<QByteArray *>(gif->UserData);
    bytes->append(reinterpret_cast<const char *>(data), length);
    return length;
}

QString gifError(const char *step, int code)
{
    const char *text = GifErrorString(code);
    return QStringLiteral("GIF encoder failed in %1: %2")
        .arg(QLatin1String(step), text ? QString::fromLatin1(text) : QString::number(code));
}

// A GIF colour table holds a power of two entries, 2 to 256.
int colorTableSize(int colors)
{
    int size = 2;
    while (size < colors)
        size *= 2;
    return size;
}

// Writes the indexed pixels and palette as a GIF into `bytes`.
bool writeGif(const std::vector<unsigned char> &pixels, int width, int height,
    const liq_palette &palette, QByteArray *bytes, QString *error)
{
    std::vector<GifColorType> colors(colorTableSize(int(palette.count)));
    for (unsigned int i = 0; i < palette.count; ++i)
        colors[i] = {palette.entries[i].r, palette.entries[i].g, palette.entries[i].b};
    std::unique_ptr<ColorMapObject, ColorMapDeleter> map(
        GifMakeMapObject(int(colors.size()), colors.data()));
    if (!map) {
        *error = QStringLiteral("GIF encoder failed: out of memory");
        return false;
    }

    int code = 0;
    GifFileType *gif = EGifOpen(bytes, appendToBytes, &code);
    if (!gif) {
        *error = gifError("EGifOpen", code);
        return false;
    }
    const char *failedStep = nullptr;
    if (EGifPutScreenDesc(gif, width, height, 8, 0, map.get()) == GIF_ERROR)
        failedStep = "EGifPutScreenDesc";
    else if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR)
        failedStep = "EGifPutImageDesc";
    for (int y = 0; !failedStep && y < height; ++y) {
        // giflib takes a non-const line but only reads it.
        auto *line = const_cast<GifPixelType *>(pixels.data() + std::size_t(y) * width);
        if (EGifPutLine(gif, line, width) == GIF_ERROR)
            failedStep = "EGifPutLine";
    }
    if (failedStep) {
        code = gif->Error;
        int ignored = 0;
        EGifCloseFile(gif, &ignored);
        *error = gifError(failedStep, code);
        return false;
    }
    // Closing writes the trailer and frees `gif`, whatever the outcome.
    if (EGifCloseFile(gif, &code) == GIF_ERROR) {
        *error = gifError("EGifCloseFile", code);
        return false;
    }
    return true;
}

} // namespace

std::optional<QByteArray> EncodeGif(const QImage &image, int maxColors, bool dither, QString *error)
{
    if (image.isNull()) {
        *error = QStringLiteral("GIF encoder failed: the picture is empty");
        return std::nullopt;
    }
    if (image.width() > kMaxGifSide || image.height() > kMaxGifSide) {
        *error = QStringLiteral("a GIF cannot hold a picture of %1 x %2 pixels (at most %3 a side)")
                     .arg(image.width())
                     .arg(image.height())
                     .arg(kMaxGifSide);
        return std::nullopt;
    }
    // Alpha is dropped: the caller lays a transparent picture onto its background first.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBX8888);
    const int width = rgba.width();
    const int height = rgba.height();

    std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), maxColors) != LIQ_OK) {
        *error = QStringLiteral("GIF encoder failed: cannot use %1 colours").arg(maxColors);
        return std::nullopt;
    }
    if (qint64(width) * height > kLargePicturePixels)
        liq_set_speed(attr.get(), kLargePictureSpeed);
    // Format_RGBX8888 rows are exactly width * 4 bytes, the contiguous layout liq expects.
    std::unique_ptr<liq_image, ImageDeleter> liqImage(
        liq_image_create_rgba(attr.get(), rgba.constBits(), width, height, 0));
    if (!liqImage) {
        *error = QStringLiteral("GIF encoder failed: cannot take the picture");
        return std::nullopt;
    }
    liq_result *rawResult = nullptr;
    if (liq_image_quantize(liqImage.get(), attr.get(), &rawResult) != LIQ_OK || !rawResult) {
        *error = QStringLiteral("GIF encoder failed: cannot choose a palette");
        return std::nullopt;
    }
    std::unique_ptr<liq_result, ResultDeleter> result(rawResult);
    liq_set_dithering_level(result.get(), dither ? 1.0f : 0.0f);

    std::vector<unsigned char> pixels(std::size_t(width) * std::size_t(height));
    if (liq_write_remapped_image(result.get(), liqImage.get(), pixels.data(), pixels.size())
        != LIQ_OK) {
        *error = QStringLiteral("GIF encoder failed: cannot map the picture onto its palette");
        return std::nullopt;
    }
    // The palette is final only after remapping.
    const liq_palette *palette = liq_get_palette(result.get());

    QByteArray bytes;
    if (!writeGif(pixels, width, height, *palette, &bytes, error))
        return std::nullopt;
    return bytes;
}
