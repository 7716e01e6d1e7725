// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// HEIC and AVIF photos made with libheif itself, turned as phones turn them, and the way a
// viewer built on libheif shows a file: what the HEIF tests make their sources with and judge
// their results by, without the codec under test.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>

#include <libheif/heif.h>

#include <optional>

namespace HeifPhotos {

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The pixels a picture is stored with to show as \a viewed under the EXIF orientation
/// \a orientation, straight from the orientation's definition: where row 0 and column 0 of
/// the stored picture lie in the view (2: row 0 at the top, column 0 at the right; 6: row 0 at
/// the right, column 0 at the top; and so on).
inline QImage storedFor(const QImage &viewed, int orientation)
{
    const int w = viewed.width();
    const int h = viewed.height();
    const bool across = orientation >= 5;
    QImage stored(across ? h : w, across ? w : h, viewed.format());
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            const QPoint at[] = {{x, y}, {x, y}, {w - 1 - x, y}, {w - 1 - x, h - 1 - y},
                {x, h - 1 - y}, {y, x}, {w - 1 - y, x}, {w - 1 - y, h - 1 - x}, {y, h - 1 - x}};
            stored.setPixel(
                x, y, viewed.pixel(at[orientation >= 1 && orientation <= 8 ? orientation : 1]));
        }
    }
    return stored;
}

/// A photo to write: how it shows and how it is stored.
struct Photo
{
    heif_compression_format coding = heif_compression_HEVC;
    QImage viewed;
    /// Stored turned by this EXIF orientation, which the container's irot and imir undo.
    int turn = 1;
    /// An EXIF item with this Orientation (0: none). Without a turn of the container it is the
    /// only word on how the photo shows, and the photo is stored turned by it.
    int exifOrientation = 0;
    int bitDepth = 8;
    /// The chroma subsampling (libaom here writes AV1 of 10 bits in 4:2:2 alone).
    QByteArray chroma = "420";
    /// The longer side of a thumbnail (0: none).
    int thumbnail = 0;
    QByteArray icc;
    std::optional<heif_color_primaries> nclxPrimaries;
    QByteArray xmp;
};

/// A small EXIF item: the camera's make and the Orientation \a orientation.
inline QByteArray exifWithOrientation(int orientation)
{
    QByteArray tiff("Exif\0\0II*\0\x08\0\0\0\x02\0", 16);
    const auto entry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
        const char bytes[12] = {char(tag & 0xff), char(tag >> 8), char(type), 0, char(count), 0, 0,
            0, char(value & 0xff), char((value >> 8) & 0xff), char((value >> 16) & 0xff), 0};
        tiff.append(bytes, 12);
    };
    entry(0x010f, 2, 4, 0x564b); // Make "KV" and its terminator, in place
    entry(0x0112, 3, 1, quint32(orientation));
    tiff.append(QByteArray(4, '\0'));
    return tiff;
}

inline heif_image *heifImage(const QImage &picture, int bitDepth)
{
    const bool alpha = picture.hasAlphaChannel();
    heif_image *image = nullptr;
    heif_image_create(picture.width(), picture.height(), heif_colorspace_RGB,
        bitDepth > 8
            ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
            : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB),
        &image);
    heif_image_add_plane(
        image, heif_channel_interleaved, picture.width(), picture.height(), bitDepth);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    const int top = (1 << bitDepth) - 1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const int samples[] = {qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel)};
            for (int c = 0; c < (alpha ? 4 : 3); ++c) {
                const int value = samples[c] * top / 255;
                if (bitDepth > 8) {
                    auto *to
                        = reinterpret_cast<quint16 *>(plane + y * stride) + x * (alpha ? 4 : 3);
                    to[c] = quint16(value);
                } else {
                    plane[y * stride + x * (alpha ? 4 : 3) + c] = uint8_t(value);
                }
            }
        }
    }
    return image;
}

inline heif_error collect(heif_context *, const void *data, size_t size, void *bytes)
{
    static_cast<QByteArray *>(bytes)->append(static_cast<const char *>(data), qsizetype(size));
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

/// The HEIF file of \a photo, written by libheif.
inline QByteArray heifFile(const Photo &photo)
{
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(context, photo.coding, &encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoder_set_parameter_string(encoder, "chroma", photo.chroma.constData());
    const int stored = photo.turn != 1 ? photo.turn : photo.exifOrientation;
    heif_image *image = heifImage(storedFor(photo.viewed, stored), photo.bitDepth);
    if (!photo.icc.isEmpty())
        heif_image_set_raw_color_profile(
            image, "prof", photo.icc.constData(), size_t(photo.icc.size()));
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(photo.turn);
    heif_color_profile_nclx *nclx = nullptr;
    if (photo.nclxPrimaries) {
        nclx = heif_nclx_color_profile_alloc();
        heif_nclx_color_profile_set_color_primaries(nclx, quint16(*photo.nclxPrimaries));
        heif_nclx_color_profile_set_transfer_characteristics(
            nclx, heif_transfer_characteristic_ITU_R_BT_2100_0_PQ);
        heif_nclx_color_profile_set_matrix_coefficients(
            nclx, heif_matrix_coefficients_ITU_R_BT_2020_2_non_constant_luminance);
        nclx->full_range_flag = 0;
        heif_image_set_nclx_color_profile(image, nclx);
        options->output_nclx_profile = nclx;
    }
    heif_image_handle *handle = nullptr;
    heif_context_encode_image(context, image, encoder, options, &handle);
    if (photo.thumbnail > 0)
        heif_context_encode_thumbnail(
            context, image, handle, encoder, options, photo.thumbnail, nullptr);
    if (photo.exifOrientation > 0) {
        const QByteArray exif = exifWithOrientation(photo.exifOrientation);
        heif_context_add_exif_metadata(context, handle, exif.constData(), int(exif.size()));
    }
    if (!photo.xmp.isEmpty())
        heif_context_add_XMP_metadata(
            context, handle, photo.xmp.constData(), int(photo.xmp.size()));
    QByteArray bytes;
    heif_writer writer {1, collect};
    heif_context_write(context, &writer, &bytes);
    heif_nclx_color_profile_free(nclx);
    heif_encoding_options_free(options);
    heif_image_handle_release(handle);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return bytes;
}

/// A file's primary picture and its thumbnails as a viewer on libheif shows them (their turns
/// applied), in 8 bits, and what libheif tells of the primary.
struct Shown
{
    QImage picture;
    QList<QImage> thumbnails;
    int lumaBits = 0;
    bool alpha = false;
    QByteArray icc;
    int nclxPrimaries = -1;
    bool read = false;
};

inline QImage decoded(const heif_image_handle *handle)
{
    heif_decoding_options *options = heif_decoding_options_alloc();
    options->convert_hdr_to_8bit = 1;
    heif_image *image = nullptr;
    QImage picture;
    if (heif_decode_image(
            handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options)
            .code
        == heif_error_Ok) {
        int stride = 0;
        const uint8_t *plane
            = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
        picture = QImage(plane, heif_image_get_width(image, heif_channel_interleaved),
            heif_image_get_height(image, heif_channel_interleaved), stride, QImage::Format_RGBA8888)
                      .convertToFormat(QImage::Format_ARGB32);
        heif_image_release(image);
    }
    heif_decoding_options_free(options);
    return picture;
}

inline Shown shown(const QByteArray &file)
{
    Shown seen;
    heif_context *context = heif_context_alloc();
    heif_image_handle *handle = nullptr;
    if (heif_context_read_from_memory_without_copy(
            context, file.constData(), size_t(file.size()), nullptr)
                .code
            == heif_error_Ok
        && heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok) {
        seen.read = true;
        seen.picture = decoded(handle);
        seen.lumaBits = heif_image_handle_get_luma_bits_per_pixel(handle);
        seen.alpha = heif_image_handle_has_alpha_channel(handle);
        seen.icc.resize(qsizetype(heif_image_handle_get_raw_color_profile_size(handle)));
        heif_image_handle_get_raw_color_profile(handle, seen.icc.data());
        heif_color_profile_nclx *nclx = nullptr;
        if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code == heif_error_Ok)
            seen.nclxPrimaries = nclx->color_primaries;
        heif_nclx_color_profile_free(nclx);
        QList<heif_item_id> ids(heif_image_handle_get_number_of_thumbnails(handle));
        heif_image_handle_get_list_of_thumbnail_IDs(handle, ids.data(), int(ids.size()));
        for (heif_item_id id : ids) {
            heif_image_handle *thumbnail = nullptr;
            heif_image_handle_get_thumbnail(handle, id, &thumbnail);
            seen.thumbnails << decoded(thumbnail);
            heif_image_handle_release(thumbnail);
        }
        heif_image_handle_release(handle);
    }
    heif_context_free(context);
    return seen;
}

/// \a file with its alpha channel renamed an auxiliary picture of \a auxiliaryType (as long as
/// the alpha's name, so no box moves): a depth map or a gain map, as portrait and HDR photos
/// carry them.
inline QByteArray withAuxiliaryType(QByteArray file, const QByteArray &auxiliaryType)
{
    for (const QByteArray &alpha : {QByteArray("urn:mpeg:hevc:2015:auxid:1"),
             QByteArray("urn:mpeg:mpegB:cicp:systems:auxiliary:alpha")})
        if (auxiliaryType.size() == alpha.size())
            file.replace(alpha, auxiliaryType);
    return file;
}

} // namespace HeifPhotos
