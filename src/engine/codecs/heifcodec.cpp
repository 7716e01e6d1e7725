// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/heifcodec.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/heifboxes.h"
#include "engine/codecs/heifpixels.h"
#include "engine/codecs/worksurface.h"

#include <QStringList>

#include <algorithm>

namespace kalvora {

namespace {

struct DecodingOptionsDeleter
{
    void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};
QString textOf(const heif_error &error)
{
    return QString::fromUtf8(error.message);
}

// A failure libheif reported while reading or decoding: damage, unless it names a feature or a
// coding this system cannot read, or memory.
PictureFailure readFailure(const heif_error &error, const QString &shown)
{
    switch (error.code) {
    case heif_error_Unsupported_filetype:
    case heif_error_Unsupported_feature:
        return PictureFailure(PictureFailure::Reason::NotWritable,
            PictureFailures::tr("The picture %1 cannot be read: libheif says \"%2\".")
                .arg(shown, textOf(error)),
            481);
    case heif_error_Memory_allocation_error:
        return PictureFailure(PictureFailure::Reason::Unreadable,
            PictureFailures::tr("The picture %1 is too large to be stamped.").arg(shown), 7);
    default:
        return PictureFailure::damaged(
            shown, PictureFailures::tr("libheif says \"%1\"").arg(textOf(error)));
    }
}

PictureFailure notWritable(const QString &shown, const QString &why)
{
    return PictureFailure(PictureFailure::Reason::NotWritable,
        PictureFailures::tr(
            "The picture %1 cannot be written back whole: %2. It was left as it is.")
            .arg(shown, why),
        5);
}

// Refuses a picture with what libheif 1.15 cannot write back: a depth map, or an auxiliary
// picture other than alpha (an HDR gain map, a portrait matte).
void refuseAuxiliaries(const heif_image_handle *handle, const QString &shown)
{
    if (heif_image_handle_has_depth_image(handle))
        throw notWritable(
            shown, PictureFailures::tr("it holds a depth map, which libheif 1.15 cannot write"));
    constexpr int kOthers
        = LIBHEIF_AUX_IMAGE_FILTER_OMIT_ALPHA | LIBHEIF_AUX_IMAGE_FILTER_OMIT_DEPTH;
    const int count = heif_image_handle_get_number_of_auxiliary_images(handle, kOthers);
    if (count <= 0)
        return;
    QList<heif_item_id> ids(count);
    heif_image_handle_get_list_of_auxiliary_image_IDs(handle, kOthers, ids.data(), count);
    //: Fills %1 of "it holds an auxiliary picture %1 …" when its kind is not known.
    QString type = PictureFailures::tr("of an unknown kind");
    heif_image_handle *auxiliary = nullptr;
    if (heif_image_handle_get_auxiliary_image_handle(handle, ids.first(), &auxiliary).code
        == heif_error_Ok) {
        const Handle owned(auxiliary);
        const char *name = nullptr;
        if (heif_image_handle_get_auxiliary_type(auxiliary, &name).code == heif_error_Ok && name)
            type = QStringLiteral("\"%1\"").arg(QString::fromUtf8(name));
        heif_image_handle_free_auxiliary_types(auxiliary, &name);
    }
    throw notWritable(shown,
        PictureFailures::tr(
            "it holds an auxiliary picture %1 (an HDR gain map, a matte or the like), "
            "which libheif 1.15 cannot write")
            .arg(type));
}

// The pixels of \a handle, decoded strictly, with its own turns and crop applied.
QImage decodeHandle(const heif_image_handle *handle, int bitDepth, const QString &shown)
{
    const bool premultiplied = heif_image_handle_is_premultiplied_alpha(handle);
    const std::unique_ptr<heif_decoding_options, DecodingOptionsDeleter> options(
        heif_decoding_options_alloc());
    options->strict_decoding = 1;
    options->convert_hdr_to_8bit = 0;
    const bool alpha = heif_image_handle_has_alpha_channel(handle);
    heif_image *decoded = nullptr;
    const heif_error error = heif_decode_image(
        handle, &decoded, heif_colorspace_RGB, interleavedChroma(alpha, bitDepth), options.get());
    const HeifImagePointer image(decoded);
    if (error.code != heif_error_Ok)
        throw readFailure(error, shown);
    heif_error warning;
    if (heif_image_get_decoding_warnings(decoded, 0, &warning, 1) > 0)
        throw PictureFailure::damaged(
            shown, PictureFailures::tr("libheif warns \"%1\"").arg(textOf(warning)));
    QImage pixels = qImageOf(decoded, alpha, bitDepth, premultiplied);
    if (pixels.isNull())
        throw PictureFailure(PictureFailure::Reason::Unreadable,
            PictureFailures::tr("The picture %1 is too large to be stamped.").arg(shown), 7);
    return pixels;
}

// The bits a sample is decoded with: 8, or the coded depth up to 12 (HEVC's and AV1's most).
int bitDepthOf(const heif_image_handle *handle)
{
    const int luma = heif_image_handle_get_luma_bits_per_pixel(handle);
    return luma > 8 ? std::min(luma, 12) : 8;
}

HeifColour colourOf(const heif_image_handle *handle)
{
    HeifColour colour;
    const size_t iccSize = heif_image_handle_get_raw_color_profile_size(handle);
    if (iccSize > 0) {
        colour.iccProfile.resize(qsizetype(iccSize));
        if (heif_image_handle_get_raw_color_profile(handle, colour.iccProfile.data()).code
            != heif_error_Ok)
            colour.iccProfile.clear();
        if (heif_image_handle_get_color_profile_type(handle) == heif_color_profile_type_rICC)
            colour.iccType = "rICC";
    }
    heif_color_profile_nclx *nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code == heif_error_Ok && nclx)
        colour.nclx = HeifNclx {int(nclx->color_primaries), int(nclx->transfer_characteristics),
            int(nclx->matrix_coefficients), nclx->full_range_flag != 0};
    heif_nclx_color_profile_free(nclx);
    return colour;
}

QList<HeifMetadata> metadataOf(const heif_image_handle *handle)
{
    const int count = heif_image_handle_get_number_of_metadata_blocks(handle, nullptr);
    QList<heif_item_id> ids(std::max(count, 0));
    heif_image_handle_get_list_of_metadata_block_IDs(handle, nullptr, ids.data(), count);
    QList<HeifMetadata> blocks;
    for (heif_item_id id : ids) {
        HeifMetadata block;
        block.type = heif_image_handle_get_metadata_type(handle, id);
        block.contentType = heif_image_handle_get_metadata_content_type(handle, id);
        block.data.resize(qsizetype(heif_image_handle_get_metadata_size(handle, id)));
        if (heif_image_handle_get_metadata(handle, id, block.data.data()).code == heif_error_Ok)
            blocks << block;
    }
    return blocks;
}

int orientationOfExifItem(const QList<HeifMetadata> &metadata)
{
    for (const HeifMetadata &block : metadata)
        if (block.type == "Exif")
            return exifOrientationOf(block.data);
    return 0;
}

// Guards the memory all the pictures of a file take together.
class Budget
{
public:
    explicit Budget(const QString &shown)
        : m_shown(shown)
    { }
    void take(const heif_image_handle *handle, int bitDepth)
    {
        m_bytes += qint64(heif_image_handle_get_width(handle))
            * heif_image_handle_get_height(handle) * (bitDepth > 8 ? 8 : 4);
        if (m_bytes > qint64(kImageAllocationLimitMb) << 20)
            throw PictureFailure(PictureFailure::Reason::Unreadable,
                PictureFailures::tr("The picture %1 is too large to be stamped (%2 x %3 pixels).")
                    .arg(m_shown)
                    .arg(heif_image_handle_get_width(handle))
                    .arg(heif_image_handle_get_height(handle)),
                7);
    }

private:
    QString m_shown;
    qint64 m_bytes = 0;
};

// One top-level picture with its thumbnails, upright: where the file gives it no turn of its
// own, the EXIF Orientation turns it.
PictureFrame readImage(const heif_image_handle *handle, heif_item_id id, const HeifLayout &layout,
    HeifImage &image, Budget &budget, const QString &shown)
{
    refuseAuxiliaries(handle, shown);
    image.bitDepth = bitDepthOf(handle);
    image.chroma = layout.chroma == "400" ? QByteArray("420") : layout.chroma;
    image.premultiplied = heif_image_handle_is_premultiplied_alpha(handle);
    image.colour = colourOf(handle);
    image.metadata = metadataOf(handle);
    const int exifOrientation = orientationOfExifItem(image.metadata);
    const auto upright = [&](heif_item_id item, QImage pixels) {
        return layout.turned.contains(item) ? pixels : uprightByExif(pixels, exifOrientation);
    };
    budget.take(handle, image.bitDepth);
    PictureFrame frame;
    frame.image = upright(id, decodeHandle(handle, image.bitDepth, shown));

    const int count = heif_image_handle_get_number_of_thumbnails(handle);
    QList<heif_item_id> ids(std::max(count, 0));
    heif_image_handle_get_list_of_thumbnail_IDs(handle, ids.data(), count);
    for (heif_item_id thumbnailId : ids) {
        heif_image_handle *thumbnail = nullptr;
        const heif_error error = heif_image_handle_get_thumbnail(handle, thumbnailId, &thumbnail);
        if (error.code != heif_error_Ok)
            throw readFailure(error, shown);
        const Handle owned(thumbnail);
        refuseAuxiliaries(thumbnail, shown);
        const int bits = bitDepthOf(thumbnail);
        budget.take(thumbnail, bits);
        image.thumbnails << HeifThumbnail {
            upright(thumbnailId, decodeHandle(thumbnail, bits, shown)), bits, colourOf(thumbnail)};
    }
    return frame;
}

} // namespace

bool isHeifExtension(const QString &ext)
{
    static const QStringList kNames {QStringLiteral("heic"), QStringLiteral("heif"),
        QStringLiteral("hif"), QStringLiteral("avif")};
    return kNames.contains(ext, Qt::CaseInsensitive);
}

int heifQualityFor(int jpegQuality)
{
    constexpr int kJpegDefault = 85;
    const int quality = std::clamp(jpegQuality, 1, 100);
    if (quality <= kJpegDefault)
        return std::max(1, (quality * kDefaultHeifQuality + kJpegDefault / 2) / kJpegDefault);
    return kDefaultHeifQuality
        + ((quality - kJpegDefault) * (100 - kDefaultHeifQuality) + 7) / (100 - kJpegDefault);
}

QList<HeifMetadata> heifMetadataOf(const QByteArray &bytes)
{
    const Context context = newContext();
    heif_image_handle *handle = nullptr;
    if (heif_context_read_from_memory_without_copy(
            context.get(), bytes.constData(), size_t(bytes.size()), nullptr)
                .code
            != heif_error_Ok
        || heif_context_get_primary_image_handle(context.get(), &handle).code != heif_error_Ok)
        return {};
    const Handle owned(handle);
    return metadataOf(handle);
}

Picture readHeif(const QByteArray &bytes, const QString &shown)
{
    if (const QString damage = heifDamage(bytes); !damage.isEmpty())
        throw PictureFailure::damaged(shown, damage);
    const Context context = newContext();
    const heif_error read = heif_context_read_from_memory_without_copy(
        context.get(), bytes.constData(), size_t(bytes.size()), nullptr);
    if (read.code != heif_error_Ok)
        throw readFailure(read, shown);
    const std::optional<HeifLayout> layout = readHeifLayout(bytes);
    if (!layout)
        throw PictureFailure::damaged(
            shown, PictureFailures::tr("its meta box cannot be followed"));
    if (!layout->unwritable.isEmpty())
        throw notWritable(shown,
            PictureFailures::tr("it holds %1 boxes, which libheif 1.15 cannot write")
                .arg(QString::fromLatin1(layout->unwritable.join(", "))));
    if (!layout->coding)
        throw notWritable(
            shown, PictureFailures::tr("its picture is coded with neither HEVC nor AV1"));

    const int count = heif_context_get_number_of_top_level_images(context.get());
    QList<heif_item_id> ids(std::max(count, 0));
    heif_context_get_list_of_top_level_image_IDs(context.get(), ids.data(), count);
    heif_item_id primary = 0;
    heif_context_get_primary_image_ID(context.get(), &primary);

    Picture picture;
    picture.format = PictureFormat::Heif;
    picture.upright = true;
    picture.heif.coding = *layout->coding;
    Budget budget(shown);
    for (heif_item_id id : ids) {
        heif_image_handle *handle = nullptr;
        const heif_error error = heif_context_get_image_handle(context.get(), id, &handle);
        if (error.code != heif_error_Ok)
            throw readFailure(error, shown);
        const Handle owned(handle);
        if (id == primary)
            picture.heif.primary = int(picture.frames.size());
        picture.heif.images << HeifImage();
        picture.frames << readImage(handle, id, *layout, picture.heif.images.last(), budget, shown);
    }
    if (picture.frames.isEmpty())
        throw PictureFailure::damaged(shown, PictureFailures::tr("it holds no picture"));
    return picture;
}

} // namespace kalvora
