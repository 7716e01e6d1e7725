// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

namespace kalvora {

/// The formats whose pictures are stamped from their own pixels, every frame, page or size of
/// them, and written back straight in the same format. Heif is a HEIC or an AVIF file.
enum class PictureFormat { Png, Tiff, Gif, Ico, Webp, Heif };

/// One frame of an animated GIF or WebP, one page of a TIFF, one size of an icon.
struct PictureFrame
{
    /// The pixels as stored, in a format a painter draws on without losing anything: RGB32 or
    /// ARGB32 (not premultiplied, so colours under transparency stay), or RGBX64 or RGBA64
    /// for 16 bits a channel. The density is the file's.
    QImage image;

    /// GIF: how long the frame shows, in hundredths of a second, and the colours the frame was
    /// loaded with (RGBA bytes, transparent as zero; none when it had more than 256): the
    /// encoder keeps them exact and fits the stamp's colours in beside them.
    int delay = 0;
    QList<quint32> colours;

    /// TIFF: the page's compression (a libtiff code), orientation tag (0 when absent), kind
    /// (a reduced-size preview, a page of a document), page number (-1 when absent) and
    /// resolution as stored, kept so the page is written back as it was.
    int compression = 0;
    int orientation = 0;
    int subfileType = 0;
    int pageNumber = -1;
    int pageCount = 0;
    bool hasResolution = false;
    float xResolution = 0;
    float yResolution = 0;
    int resolutionUnit = 0;

    /// ICO: the size was stored as a PNG rather than a bitmap.
    bool pngEncoded = false;

    /// WebP: how long the frame shows, in milliseconds, and whether it was stored lossless
    /// (VP8L) rather than lossy (VP8): it is written back the same way.
    int duration = 0;
    bool lossless = false;
};

/// What a WebP file holds beside its frames, kept so that it is written back as it came.
struct WebpDetails
{
    /// An animation (even of one frame) rather than a still.
    bool animated = false;
    /// A frame has an alpha channel (an animation's frames always keep one: the canvas may show
    /// through).
    bool hasAlpha = false;
    /// The animation's background colour as stored: 0xAARRGGBB.
    quint32 background = 0xffffffff;
    /// The colour profile (ICCP), EXIF and XMP chunks, byte for byte; empty when absent. They
    /// are put back into the result, so a WebP keeps them whatever copies the tags.
    QByteArray iccProfile;
    QByteArray exif;
    QByteArray xmp;
};

/// How the pictures of a HEIF file are coded: HEVC in a HEIC, AV1 in an AVIF.
enum class HeifCoding { Hevc, Av1 };

/// The colour description of a HEIF picture (its nclx colour box): the code points of ITU-T
/// H.273 for the primaries, the transfer curve and the matrix that turns RGB into YCbCr.
struct HeifNclx
{
    int primaries = 0;
    int transfer = 0;
    int matrix = 0;
    bool fullRange = true;
};

/// A metadata item of a HEIF picture as stored: its item type ("Exif", "mime" for XMP), its
/// content type ("application/rdf+xml" for XMP; empty for EXIF) and its bytes (an EXIF item
/// starts with the 4-byte offset of its TIFF header).
struct HeifMetadata
{
    QByteArray type;
    QByteArray contentType;
    QByteArray data;
};

/// The colour profile of a HEIF picture or thumbnail: an ICC profile (of the colour box type
/// iccType, "prof" or "rICC") and the nclx description, either or both.
struct HeifColour
{
    QByteArray iccProfile;
    QByteArray iccType = "prof";
    std::optional<HeifNclx> nclx;
};

/// A thumbnail of a HEIF picture, upright as viewed, with the bit depth it is coded in and its
/// own colour profile.
struct HeifThumbnail
{
    QImage image;
    int bitDepth = 8;
    HeifColour colour;
};

/// What one picture of a HEIF file (one frame of its Picture) carries beside its pixels.
struct HeifImage
{
    /// The bits of each colour sample as coded (8, 10 or 12) and the chroma subsampling as the
    /// encoders name it ("420", "422", "444"), kept where the encoder can write them.
    int bitDepth = 8;
    QByteArray chroma = "420";
    /// The colours of its alpha channel are stored multiplied by alpha.
    bool premultiplied = false;
    HeifColour colour;
    QList<HeifMetadata> metadata;
    QList<HeifThumbnail> thumbnails;
};

/// What a HEIF file holds beside the pixels of its pictures.
struct HeifDetails
{
    HeifCoding coding = HeifCoding::Hevc;
    /// The frame a viewer shows: the primary picture.
    int primary = 0;
    /// One for each frame, in the same order.
    QList<HeifImage> images;
};

/// A picture file's content, whole.
struct Picture
{
    PictureFormat format = PictureFormat::Png;
    QList<PictureFrame> frames;
    /// GIF and WebP: how many times the animation repeats (0: for ever); -1 when the file says
    /// nothing.
    int loopCount = -1;
    WebpDetails webp;
    HeifDetails heif;
    /// The frames are held upright as viewed (the codec applied the file's turns and mirrors,
    /// and writes them upright): a stamp is drawn on them without a turn.
    bool upright = false;

    /// The frame a viewer shows first: a HEIF file's primary picture, otherwise the first.
    const PictureFrame &shownFrame() const
    {
        return frames.at(format == PictureFormat::Heif ? heif.primary : 0);
    }
};

/// A picture that cannot be stamped whole. The description names the file and the reason.
class PictureFailure : public RuntimeFailure
{
public:
    enum class Reason {
        /// The file is gone (it vanished after it was listed): skipped without a word.
        Missing,
        /// The file exists but cannot be read (permissions, a folder, an I/O error).
        Unreadable,
        /// The decoder reports damage: cut short or corrupt data. Never written or replaced.
        Damaged,
        /// A format, or a feature of it, this program cannot write back whole (an animated
        /// PNG, a CMYK TIFF, a picture in any other format): nothing is written.
        NotWritable,
        /// The result could not be encoded or written.
        WriteFailed,
    };

    PictureFailure(Reason reason, const QString &description, int number)
        : RuntimeFailure(description, number)
        , m_reason(reason)
    { }

    /// A Damaged failure: "The picture <shown> is damaged: <why>", keeping \a why apart.
    static PictureFailure damaged(const QString &shown, const QString &why)
    {
        PictureFailure failure(Reason::Damaged,
            PictureFailures::tr("The picture %1 is damaged: %2").arg(shown, why), 481);
        failure.m_why = why;
        return failure;
    }

    Reason reason() const { return m_reason; }
    /// What is wrong with a damaged picture, without its name; empty for the other reasons.
    const QString &why() const { return m_why; }

private:
    Reason m_reason;
    QString m_why;
};

} // namespace kalvora
