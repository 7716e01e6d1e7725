// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/heifcodec.h"
#include "engine/codecs/heifpixels.h"

#include <algorithm>
#include <vector>

namespace kalvora {

namespace {

struct EncoderDeleter
{
    void operator()(heif_encoder *encoder) const { heif_encoder_release(encoder); }
};
struct EncodingOptionsDeleter
{
    void operator()(heif_encoding_options *options) const { heif_encoding_options_free(options); }
};
struct NclxDeleter
{
    void operator()(heif_color_profile_nclx *nclx) const { heif_nclx_color_profile_free(nclx); }
};
using Encoder = std::unique_ptr<heif_encoder, EncoderDeleter>;

QString codingName(HeifCoding coding)
{
    return coding == HeifCoding::Hevc ? QStringLiteral("HEVC") : QStringLiteral("AV1");
}

// The bits a sample of a picture of \a bitDepth is written with: 8, 10 or 12, the depths x265
// writes, each the next that keeps every step. libheif 1.15 asks libaom for AV1's professional
// profile beyond 8 bits, which holds 10 bits only in 4:2:2 and makes libaom abort the program
// otherwise, so AV1 beyond 8 bits is written with 12.
int writtenBitDepth(HeifCoding coding, int bitDepth)
{
    if (bitDepth <= 8)
        return 8;
    return coding == HeifCoding::Hevc && bitDepth <= 10 ? 10 : 12;
}

Encoder encoderFor(heif_context *context, HeifCoding coding, int quality, QString *error)
{
    heif_encoder *encoder = nullptr;
    const heif_compression_format format
        = coding == HeifCoding::Hevc ? heif_compression_HEVC : heif_compression_AV1;
    if (heif_context_get_encoder_for_format(context, format, &encoder).code != heif_error_Ok) {
        *error = PictureFailures::tr("this system has no %1 encoder for libheif")
                     .arg(codingName(coding));
        return {};
    }
    Encoder owned(encoder);
    heif_encoder_set_logging_level(encoder, 0);
    heif_encoder_set_lossless(encoder, 0);
    heif_encoder_set_lossy_quality(encoder, std::clamp(quality, 1, 100));
    // A run codes one file on each core, so each is coded on one thread: x265's own pool waits
    // on its threads in lock step, which costs many times its work on a busy machine.
    if (coding == HeifCoding::Hevc) {
        heif_encoder_set_parameter_string(encoder, "preset", "medium");
        heif_encoder_set_parameter_string(encoder, "x265:pools", "none");
        heif_encoder_set_parameter_string(encoder, "x265:frame-threads", "1");
    } else {
        heif_encoder_set_parameter_integer(encoder, "threads", 1);
    }
    return owned;
}

std::unique_ptr<heif_color_profile_nclx, NclxDeleter> nclxOf(const HeifNclx &colour)
{
    std::unique_ptr<heif_color_profile_nclx, NclxDeleter> nclx(heif_nclx_color_profile_alloc());
    heif_nclx_color_profile_set_color_primaries(nclx.get(), quint16(colour.primaries));
    heif_nclx_color_profile_set_transfer_characteristics(nclx.get(), quint16(colour.transfer));
    heif_nclx_color_profile_set_matrix_coefficients(nclx.get(), quint16(colour.matrix));
    nclx->full_range_flag = colour.fullRange;
    return nclx;
}

// Codes one picture (a frame or a thumbnail) upright, in \a colour, with the chroma
// subsampling and alpha of \a details; answers its handle, or none with the reason in \a error.
Handle encodeOne(heif_context *context, heif_encoder *encoder, const QImage &pixels, int bitDepth,
    const HeifColour &colour, const HeifImage &details, HeifCoding coding, QString *error)
{
    const HeifImagePointer image
        = heifImageOf(pixels, writtenBitDepth(coding, bitDepth), details.premultiplied);
    if (!image) {
        *error = PictureFailures::tr("libheif cannot hold a picture of %1 x %2 pixels")
                     .arg(pixels.width())
                     .arg(pixels.height());
        return {};
    }
    if (!colour.iccProfile.isEmpty())
        heif_image_set_raw_color_profile(image.get(), colour.iccType.constData(),
            colour.iccProfile.constData(), size_t(colour.iccProfile.size()));
    std::unique_ptr<heif_color_profile_nclx, NclxDeleter> nclx;
    if (colour.nclx) {
        nclx = nclxOf(*colour.nclx);
        heif_image_set_nclx_color_profile(image.get(), nclx.get());
    }
    const std::unique_ptr<heif_encoding_options, EncodingOptionsDeleter> options(
        heif_encoding_options_alloc());
    options->save_alpha_channel = pixels.hasAlphaChannel();
    // The source's matrix and range turn the colours into YCbCr, as the source's did.
    options->output_nclx_profile = nclx.get();
    options->save_two_colr_boxes_when_ICC_and_nclx_available = nclx && !colour.iccProfile.isEmpty();
    options->image_orientation = heif_orientation_normal;
    heif_encoder_set_parameter_string(encoder, "chroma", details.chroma.constData());
    heif_image_handle *handle = nullptr;
    const heif_error encoded
        = heif_context_encode_image(context, image.get(), encoder, options.get(), &handle);
    if (encoded.code != heif_error_Ok) {
        *error = PictureFailures::tr("the %1 encoder failed: %2")
                     .arg(codingName(coding), QString::fromUtf8(encoded.message));
        return {};
    }
    return Handle(handle);
}

// Gives \a handle the metadata items of \a details, the EXIF Orientation saying "upright".
bool addMetadata(heif_context *context, const heif_image_handle *handle, const HeifImage &details,
    QString *error)
{
    for (const HeifMetadata &block : details.metadata) {
        const QByteArray data
            = block.type == "Exif" ? withUprightOrientation(block.data) : block.data;
        const heif_error added = heif_context_add_generic_metadata(context, handle,
            data.constData(), int(data.size()), block.type.constData(),
            block.contentType.isEmpty() ? nullptr : block.contentType.constData());
        if (added.code != heif_error_Ok) {
            *error = PictureFailures::tr("its %1 item cannot be written: %2")
                         .arg(QString::fromLatin1(block.type), QString::fromUtf8(added.message));
            return false;
        }
    }
    return true;
}

heif_error appendTo(heif_context *, const void *data, size_t size, void *bytes)
{
    static_cast<QByteArray *>(bytes)->append(static_cast<const char *>(data), qsizetype(size));
    return {heif_error_Ok, heif_suberror_Unspecified, "written"};
}

} // namespace

QByteArray encodeHeif(const Picture &picture, int quality, QString *error)
{
    const HeifDetails &heif = picture.heif;
    if (picture.frames.isEmpty() || heif.images.size() != picture.frames.size() || heif.primary < 0
        || heif.primary >= picture.frames.size()) {
        *error
            = PictureFailures::tr("a HEIF picture holds its pictures and their details together");
        return {};
    }
    const Context context = newContext();
    const Encoder encoder = encoderFor(context.get(), heif.coding, quality, error);
    if (!encoder)
        return {};
    std::vector<Handle> handles;
    for (qsizetype i = 0; i < picture.frames.size(); ++i) {
        const HeifImage &details = heif.images.at(i);
        Handle handle = encodeOne(context.get(), encoder.get(), picture.frames.at(i).image,
            details.bitDepth, details.colour, details, heif.coding, error);
        if (!handle || !addMetadata(context.get(), handle.get(), details, error))
            return {};
        for (const HeifThumbnail &thumbnail : details.thumbnails) {
            const Handle small = encodeOne(context.get(), encoder.get(), thumbnail.image,
                thumbnail.bitDepth, thumbnail.colour, details, heif.coding, error);
            if (!small)
                return {};
            // libheif's C function hands its two pictures on to the library in the reverse
            // order of its own declaration (1.15 and since): the thumbnail goes first.
            heif_context_assign_thumbnail(context.get(), small.get(), handle.get());
        }
        handles.push_back(std::move(handle));
    }
    heif_context_set_primary_image(context.get(), handles.at(heif.primary).get());
    QByteArray bytes;
    heif_writer writer {1, appendTo};
    if (const heif_error written = heif_context_write(context.get(), &writer, &bytes);
        written.code != heif_error_Ok) {
        *error = PictureFailures::tr("libheif cannot assemble the file: %1")
                     .arg(QString::fromUtf8(written.message));
        return {};
    }
    return bytes;
}

} // namespace kalvora
