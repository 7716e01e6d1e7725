// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/webpcodec.h"

#include "engine/codecs/picturedamage.h"
#include "engine/codecs/worksurface.h"

#include <QtEndian>

#include <webp/decode.h>
#include <webp/demux.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <limits>
#include <memory>

namespace kalvora {

namespace {

// WebPGetFeatures names a frame's bitstream: 1 lossy (VP8), 2 lossless (VP8L), 0 mixed.
constexpr int kLosslessFormat = 2;

struct DemuxDeleter
{
    void operator()(WebPDemuxer *demux) const { WebPDemuxDelete(demux); }
};
struct AnimDecoderDeleter
{
    void operator()(WebPAnimDecoder *decoder) const { WebPAnimDecoderDelete(decoder); }
};
struct AnimEncoderDeleter
{
    void operator()(WebPAnimEncoder *encoder) const { WebPAnimEncoderDelete(encoder); }
};
struct MuxDeleter
{
    void operator()(WebPMux *mux) const { WebPMuxDelete(mux); }
};
using Demux = std::unique_ptr<WebPDemuxer, DemuxDeleter>;
using Mux = std::unique_ptr<WebPMux, MuxDeleter>;

WebPData dataOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())};
}

// Takes the bytes libwebp assembled and frees its copy.
QByteArray takeData(WebPData *data)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data->bytes), qsizetype(data->size));
    WebPDataClear(data);
    return bytes;
}

QByteArray chunkOf(WebPDemuxer *demux, const char *fourcc)
{
    WebPChunkIterator chunk;
    QByteArray bytes;
    if (WebPDemuxGetChunk(demux, fourcc, 1, &chunk))
        bytes = QByteArray(
            reinterpret_cast<const char *>(chunk.chunk.bytes), qsizetype(chunk.chunk.size));
    WebPDemuxReleaseChunkIterator(&chunk);
    return bytes;
}

// One frame per animation frame (or the still), with its duration and bitstream kind, noting
// in \a hasAlpha whether any frame has alpha.
QList<PictureFrame> framesOf(WebPDemuxer *demux, bool *hasAlpha, const QString &shown)
{
    QList<PictureFrame> frames;
    WebPIterator iterator;
    bool more = WebPDemuxGetFrame(demux, 1, &iterator);
    while (more) {
        WebPBitstreamFeatures features;
        if (WebPGetFeatures(iterator.fragment.bytes, iterator.fragment.size, &features)
            != VP8_STATUS_OK) {
            WebPDemuxReleaseIterator(&iterator);
            throw PictureFailure::damaged(shown,
                PictureFailures::tr("frame %1 has no readable header").arg(frames.size() + 1));
        }
        PictureFrame frame;
        frame.duration = iterator.duration;
        frame.lossless = features.format == kLosslessFormat;
        *hasAlpha = *hasAlpha || iterator.has_alpha;
        frames << frame;
        more = WebPDemuxNextFrame(&iterator);
    }
    WebPDemuxReleaseIterator(&iterator);
    return frames;
}

QImage decodeStill(const QByteArray &bytes, QSize size, const QString &shown)
{
    QImage image(size, QImage::Format_RGBA8888);
    WebPDecoderConfig config;
    if (image.isNull() || !WebPInitDecoderConfig(&config))
        throw PictureFailure(PictureFailure::Reason::Unreadable,
            PictureFailures::tr("The picture %1 is too large to be stamped.").arg(shown), 7);
    config.output.colorspace = MODE_RGBA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const VP8StatusCode status = WebPDecode(
        reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()), &config);
    WebPFreeDecBuffer(&config.output);
    if (status != VP8_STATUS_OK)
        throw PictureFailure::damaged(shown,
            PictureFailures::tr("libwebp cannot decode its picture (status %1)").arg(status));
    return image;
}

// Every frame of the animation as it shows, laid over the ones before: full canvases.
QList<QImage> decodeAnimation(const QByteArray &bytes, qsizetype count, const QString &shown)
{
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    const WebPData data = dataOf(bytes);
    const std::unique_ptr<WebPAnimDecoder, AnimDecoderDeleter> decoder(
        WebPAnimDecoderNew(&data, &options));
    WebPAnimInfo info;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info))
        throw PictureFailure::damaged(
            shown, PictureFailures::tr("libwebp cannot read its animation"));
    const int width = int(info.canvas_width);
    QList<QImage> images;
    for (qsizetype i = 0; i < count; ++i) {
        uint8_t *pixels = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder.get(), &pixels, &timestamp))
            throw PictureFailure::damaged(
                shown, PictureFailures::tr("frame %1 cannot be decoded").arg(i + 1));
        images << QImage(pixels, width, int(info.canvas_height), width * 4, QImage::Format_RGBA8888)
                      .convertToFormat(QImage::Format_ARGB32);
    }
    return images;
}

bool configure(WebPConfig *config, bool lossless)
{
    if (!WebPConfigInit(config))
        return false;
    config->lossless = lossless;
    // Lossless keeps the colours under transparent pixels, which the encoder would otherwise
    // change to save bytes.
    config->exact = lossless;
    if (!lossless)
        config->quality = kWebpLossyQuality;
    return WebPValidateConfig(config);
}

// A libwebp picture holding a copy of a frame's pixels, alpha only where the frame has it.
class ImportedFrame
{
public:
    explicit ImportedFrame(const QImage &image)
    {
        WebPPictureInit(&m_picture);
        m_picture.use_argb = 1;
        m_picture.width = image.width();
        m_picture.height = image.height();
        const bool alpha = image.hasAlphaChannel();
        const QImage rgba
            = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
        const int stride = int(rgba.bytesPerLine());
        m_valid = alpha ? WebPPictureImportRGBA(&m_picture, rgba.constBits(), stride)
                        : WebPPictureImportRGBX(&m_picture, rgba.constBits(), stride);
    }
    ~ImportedFrame() { WebPPictureFree(&m_picture); }
    ImportedFrame(const ImportedFrame &) = delete;
    ImportedFrame &operator=(const ImportedFrame &) = delete;

    bool isValid() const { return m_valid; }
    WebPPicture *get() { return &m_picture; }

private:
    WebPPicture m_picture;
    bool m_valid = false;
};

QByteArray encodeStill(const PictureFrame &frame, QString *error)
{
    WebPConfig config;
    ImportedFrame picture(frame.image);
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.get()->writer = WebPMemoryWrite;
    picture.get()->custom_ptr = &writer;
    QByteArray bytes;
    if (configure(&config, frame.lossless) && picture.isValid()
        && WebPEncode(&config, picture.get()))
        bytes = QByteArray(reinterpret_cast<const char *>(writer.mem), qsizetype(writer.size));
    else
        *error = PictureFailures::tr("the WebP encoder failed (libwebp error %1)")
                     .arg(picture.get()->error_code);
    WebPMemoryWriterClear(&writer);
    return bytes;
}

QByteArray assemble(WebPMux *mux, QString *error)
{
    WebPData data;
    WebPDataInit(&data);
    if (const WebPMuxError status = WebPMuxAssemble(mux, &data); status != WEBP_MUX_OK) {
        *error = PictureFailures::tr("the WebP container cannot be made (libwebp error %1)")
                     .arg(status);
        return {};
    }
    return takeData(&data);
}

// Every frame whole at its place on the canvas, drawn without blending: exactly the frames.
QByteArray encodeWholeFrames(const Picture &picture, QString *error)
{
    const Mux mux(WebPMuxNew());
    for (const PictureFrame &frame : picture.frames) {
        const QByteArray still = encodeStill(frame, error);
        if (still.isEmpty())
            return {};
        WebPMuxFrameInfo info {};
        info.bitstream = dataOf(still);
        info.id = WEBP_CHUNK_ANMF;
        info.duration = frame.duration;
        info.dispose_method = WEBP_MUX_DISPOSE_NONE;
        info.blend_method = WEBP_MUX_NO_BLEND;
        if (WebPMuxPushFrame(mux.get(), &info, 1) != WEBP_MUX_OK) {
            *error = PictureFailures::tr("a frame cannot be added to the WebP animation");
            return {};
        }
    }
    const WebPMuxAnimParams animation {picture.webp.background, qMax(picture.loopCount, 0)};
    WebPMuxSetAnimationParams(mux.get(), &animation);
    return assemble(mux.get(), error);
}

qsizetype frameCountOf(const QByteArray &file)
{
    const WebPData data = dataOf(file);
    const Demux demux(WebPDemux(&data));
    return demux ? qsizetype(WebPDemuxGetI(demux.get(), WEBP_FF_FRAME_COUNT)) : 0;
}

// libwebp's animation encoder, which stores only what changes from frame to frame. It folds
// a frame that shows the same as the one before into that one's duration; the frames are then
// written whole, so the file keeps every frame it was read with.
QByteArray encodeAnimation(const Picture &picture, QString *error)
{
    qint64 total = 0;
    for (const PictureFrame &frame : picture.frames)
        total += frame.duration;
    if (total > std::numeric_limits<int>::max())
        return encodeWholeFrames(picture, error);
    const QSize size = picture.frames.first().image.size();
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options)) {
        *error = PictureFailures::tr("the WebP animation encoder cannot be set up");
        return {};
    }
    options.anim_params = {picture.webp.background, qMax(picture.loopCount, 0)};
    const std::unique_ptr<WebPAnimEncoder, AnimEncoderDeleter> encoder(
        WebPAnimEncoderNew(size.width(), size.height(), &options));
    int timestamp = 0;
    for (const PictureFrame &frame : picture.frames) {
        WebPConfig config;
        ImportedFrame image(frame.image);
        if (!encoder || !configure(&config, frame.lossless) || !image.isValid()
            || !WebPAnimEncoderAdd(encoder.get(), image.get(), timestamp, &config)) {
            *error = PictureFailures::tr("the WebP animation encoder failed: %1")
                         .arg(encoder ? QString::fromUtf8(WebPAnimEncoderGetError(encoder.get()))
                                      : PictureFailures::tr("no memory"));
            return {};
        }
        timestamp += frame.duration;
    }
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr)
        || !WebPAnimEncoderAssemble(encoder.get(), &data)) {
        *error = PictureFailures::tr("the WebP animation encoder failed: %1")
                     .arg(QString::fromUtf8(WebPAnimEncoderGetError(encoder.get())));
        return {};
    }
    const QByteArray bytes = takeData(&data);
    return frameCountOf(bytes) == picture.frames.size() ? bytes : encodeWholeFrames(picture, error);
}

// A still lossless picture with alpha in the extended format, whose header says it has alpha.
// libwebp writes it in the simple format, where only the picture's own header tells; ExifTool,
// which turns it into the extended format to add the tags, leaves that header's alpha flag unset,
// so readers that go by the flag (Qt's among them) would show the picture opaque.
QByteArray extendedIfTransparent(const QByteArray &file)
{
    WebPBitstreamFeatures features;
    if (file.mid(12, 4) != "VP8L"
        || WebPGetFeatures(
               reinterpret_cast<const uint8_t *>(file.constData()), size_t(file.size()), &features)
            != VP8_STATUS_OK
        || !features.has_alpha)
        return file;
    // "VP8X", its size, the flags, three reserved bytes, the canvas's width and height less one
    // in 24 bits each.
    QByteArray header(19, '\0');
    header.replace(0, 4, "VP8X");
    qToLittleEndian<quint32>(10, header.data() + 4);
    header[8] = char(ALPHA_FLAG);
    qToLittleEndian<quint32>(quint32(features.width - 1), header.data() + 12);
    qToLittleEndian<quint32>(quint32(features.height - 1), header.data() + 15);
    header.chop(1);
    QByteArray extended = "RIFF" + QByteArray(4, '\0') + "WEBP" + header + file.mid(12);
    qToLittleEndian<quint32>(quint32(extended.size() - 8), extended.data() + 4);
    return extended;
}

QByteArray withMetadata(const QByteArray &file, const WebpDetails &details, QString *error)
{
    const std::pair<const char *, const QByteArray *> chunks[]
        = {{"ICCP", &details.iccProfile}, {"EXIF", &details.exif}, {"XMP ", &details.xmp}};
    if (details.iccProfile.isEmpty() && details.exif.isEmpty() && details.xmp.isEmpty())
        return file;
    const WebPData data = dataOf(file);
    const Mux mux(WebPMuxCreate(&data, 1));
    for (const auto &[fourcc, bytes] : chunks) {
        const WebPData chunk = dataOf(*bytes);
        if (!bytes->isEmpty()
            && (!mux || WebPMuxSetChunk(mux.get(), fourcc, &chunk, 1) != WEBP_MUX_OK)) {
            *error = PictureFailures::tr("the %1 chunk cannot be put back")
                         .arg(QString::fromLatin1(fourcc).trimmed());
            return {};
        }
    }
    return assemble(mux.get(), error);
}

} // namespace

Picture readWebp(const QByteArray &bytes, const QString &shown)
{
    if (const QString damage = webpDamage(bytes); !damage.isEmpty())
        throw PictureFailure::damaged(shown, damage);
    const WebPData data = dataOf(bytes);
    const Demux demux(WebPDemux(&data));
    if (!demux)
        throw PictureFailure::damaged(shown, PictureFailures::tr("libwebp cannot read its chunks"));
    const QSize size(int(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH)),
        int(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT)));
    const quint32 flags = WebPDemuxGetI(demux.get(), WEBP_FF_FORMAT_FLAGS);

    Picture picture;
    picture.format = PictureFormat::Webp;
    picture.webp.animated = flags & ANIMATION_FLAG;
    picture.webp.hasAlpha = flags & ALPHA_FLAG;
    picture.frames = framesOf(demux.get(), &picture.webp.hasAlpha, shown);
    if (picture.frames.isEmpty())
        throw PictureFailure::damaged(shown, PictureFailures::tr("it holds no picture"));
    // The frames are held whole at once, each a full canvas.
    if (qint64(size.width()) * size.height() * 4 * picture.frames.size()
        > qint64(kImageAllocationLimitMb) << 20)
        throw PictureFailure(PictureFailure::Reason::Unreadable,
            PictureFailures::tr(
                "The picture %1 is too large to be stamped (%2 x %3 pixels, %4 frames).")
                .arg(shown)
                .arg(size.width())
                .arg(size.height())
                .arg(picture.frames.size()),
            7);
    if (picture.webp.animated) {
        picture.loopCount = int(WebPDemuxGetI(demux.get(), WEBP_FF_LOOP_COUNT));
        picture.webp.background = WebPDemuxGetI(demux.get(), WEBP_FF_BACKGROUND_COLOR);
    }
    picture.webp.iccProfile = chunkOf(demux.get(), "ICCP");
    picture.webp.exif = chunkOf(demux.get(), "EXIF");
    picture.webp.xmp = chunkOf(demux.get(), "XMP ");

    // An animation's canvas may show through where its frames leave it bare: it keeps alpha.
    const QList<QImage> images = picture.webp.animated
        ? decodeAnimation(bytes, picture.frames.size(), shown)
        : QList<QImage> {decodeStill(bytes, size, shown)
                             .convertToFormat(picture.webp.hasAlpha ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32)};
    for (qsizetype i = 0; i < images.size(); ++i)
        picture.frames[i].image = images[i];
    return picture;
}

QByteArray encodeWebp(const Picture &picture, QString *error)
{
    if (picture.frames.isEmpty()) {
        *error = PictureFailures::tr("a WebP holds at least one picture");
        return {};
    }
    const QByteArray file = picture.webp.animated || picture.frames.size() > 1
        ? encodeAnimation(picture, error)
        : encodeStill(picture.frames.first(), error);
    return file.isEmpty() ? file : withMetadata(extendedIfTransparent(file), picture.webp, error);
}

} // namespace kalvora
