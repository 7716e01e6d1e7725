// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegblockstamp.h"

#include "jpegcodec.h"
#include "jpegerrors.h"
#include "overlaytext.h"
#include "worksurface.h"

#include <QColorSpace>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

#include <malloc.h>

namespace {

// The surface's pixels as libjpeg-turbo names their byte order: 0xffRRGGBB words.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kSurfaceColorSpace = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kSurfaceColorSpace = JCS_EXT_XRGB;
#endif

// Rows handed to libjpeg per call; enough to cover the tallest block row.
constexpr int kRowBatch = 16;

// Above this share of the picture, stamping the blocks saves too little to be worth it.
constexpr double kLargestStampShare = 0.5;

int divideUp(int value, int divisor)
{
    return (value + divisor - 1) / divisor;
}

// A libjpeg reader or writer with its own error handling, destroyed with its scope.
struct Decoder
{
    Decoder()
    {
        InitJpegErrors(errors);
        info.err = &errors.base;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;
    jpeg_decompress_struct info {};
    JpegErrors errors;
};

struct Encoder
{
    Encoder()
    {
        InitJpegErrors(errors);
        info.err = &errors.base;
    }
    ~Encoder()
    {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;
    jpeg_compress_struct info {};
    JpegErrors errors;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

// The usual camera JPEG: 8-bit YCbCr, Huffman coded, chroma at full or half resolution.
bool takenAsBlocks(const jpeg_decompress_struct &info)
{
    if (info.num_components != 3 || info.jpeg_color_space != JCS_YCbCr || info.arith_code
        || info.data_precision != 8)
        return false;
    const jpeg_component_info *c = info.comp_info;
    return c[0].h_samp_factor <= 2 && c[0].v_samp_factor <= 2 && c[1].h_samp_factor == 1
        && c[1].v_samp_factor == 1 && c[2].h_samp_factor == 1 && c[2].v_samp_factor == 1;
}

// Each component's latched table must still be the one in its slot, or a writer copying the
// slots would refuse the picture.
bool tablesConsistent(const jpeg_decompress_struct &info)
{
    for (int ci = 0; ci < info.num_components; ++ci) {
        const jpeg_component_info &c = info.comp_info[ci];
        const JQUANT_TBL *slot = info.quant_tbl_ptrs[c.quant_tbl_no];
        if (!c.quant_table || !slot
            || !std::equal(std::begin(c.quant_table->quantval), std::end(c.quant_table->quantval),
                std::begin(slot->quantval)))
            return false;
    }
    return true;
}

enum class ReadResult { Read, NotTaken, Failed };

} // namespace

struct JpegBlocks
{
    JpegBlocks()
    {
        InitJpegErrors(errors);
        source.err = &errors.base;
    }
    ~JpegBlocks() { jpeg_destroy_decompress(&source); }
    JpegBlocks(const JpegBlocks &) = delete;
    JpegBlocks &operator=(const JpegBlocks &) = delete;

    QByteArray data; // libjpeg reads from it until the object is destroyed
    jpeg_decompress_struct source {};
    JpegErrors errors;
    jvirt_barray_ptr *coefficients = nullptr;
    QByteArray icc;
    int mcuWidth = 8;
    int mcuHeight = 8;
};

namespace {

// The stages below may be left through libjpeg's error jump, so they hold only plain values.

ReadResult readCoefficients(JpegBlocks &b, JOCTET **icc, unsigned int *iccLength)
{
    if (setjmp(b.errors.jump))
        return ReadResult::Failed;
    jpeg_create_decompress(&b.source);
    jpeg_mem_src(&b.source, reinterpret_cast<const unsigned char *>(b.data.constData()),
        static_cast<unsigned long>(b.data.size()));
    jpeg_save_markers(&b.source, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&b.source, TRUE);
    // Pictures past the readers' limit are left to the plain path, which names the size.
    const qint64 bytes = qint64(b.source.image_width) * b.source.image_height * 4;
    if (!takenAsBlocks(b.source) || bytes > qint64(QImageReader::allocationLimit()) << 20)
        return ReadResult::NotTaken;
    if (!jpeg_read_icc_profile(&b.source, icc, iccLength))
        *icc = nullptr;
    b.coefficients = jpeg_read_coefficients(&b.source);
    return tablesConsistent(b.source) ? ReadResult::Read : ReadResult::NotTaken;
}

// Writes the blocks of \a area (aligned on whole chroma blocks) as a JPEG of their own with
// the photo's tables, so libjpeg turns exactly those into pixels.
bool writeArea(Encoder &e, JpegBlocks &b, const QRect &area)
{
    if (setjmp(e.errors.jump))
        return false;
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    jpeg_copy_critical_parameters(&b.source, &e.info);
    e.info.image_width = JDIMENSION(area.width());
    e.info.image_height = JDIMENSION(area.height());
    jvirt_barray_ptr arrays[3];
    const int maxH = b.source.max_h_samp_factor;
    const int maxV = b.source.max_v_samp_factor;
    for (int ci = 0; ci < 3; ++ci) {
        const jpeg_component_info &c = b.source.comp_info[ci];
        const int width = divideUp(divideUp(area.width() * c.h_samp_factor, maxH), DCTSIZE);
        const int height = divideUp(divideUp(area.height() * c.v_samp_factor, maxV), DCTSIZE);
        arrays[ci] = e.info.mem->request_virt_barray(reinterpret_cast<j_common_ptr>(&e.info),
            JPOOL_IMAGE, TRUE, JDIMENSION(divideUp(width, c.h_samp_factor) * c.h_samp_factor),
            JDIMENSION(divideUp(height, c.v_samp_factor) * c.v_samp_factor),
            JDIMENSION(c.v_samp_factor));
    }
    e.info.mem->realize_virt_arrays(reinterpret_cast<j_common_ptr>(&e.info));
    for (int ci = 0; ci < 3; ++ci) {
        const jpeg_component_info &c = b.source.comp_info[ci];
        const int firstColumn = area.x() / (DCTSIZE * maxH) * c.h_samp_factor;
        const int firstRow = area.y() / (DCTSIZE * maxV) * c.v_samp_factor;
        const int sourceColumns
            = divideUp(int(c.width_in_blocks), c.h_samp_factor) * c.h_samp_factor;
        const int sourceRows = divideUp(int(c.height_in_blocks), c.v_samp_factor) * c.v_samp_factor;
        const int columns = divideUp(divideUp(area.width() * c.h_samp_factor, maxH), DCTSIZE);
        const int rows = divideUp(divideUp(area.height() * c.v_samp_factor, maxV), DCTSIZE);
        const int paddedColumns = divideUp(columns, c.h_samp_factor) * c.h_samp_factor;
        const int paddedRows = divideUp(rows, c.v_samp_factor) * c.v_samp_factor;
        for (int row = 0; row < paddedRows; ++row) {
            const int from = std::min(firstRow + row, sourceRows - 1);
            JBLOCKARRAY in
                = b.source.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&b.source),
                    b.coefficients[ci], JDIMENSION(from), 1, FALSE);
            JBLOCKARRAY out = e.info.mem->access_virt_barray(
                reinterpret_cast<j_common_ptr>(&e.info), arrays[ci], JDIMENSION(row), 1, TRUE);
            for (int column = 0; column < paddedColumns; ++column)
                std::copy_n(in[0][std::min(firstColumn + column, sourceColumns - 1)], DCTSIZE2,
                    out[0][column]);
        }
    }
    jpeg_write_coefficients(&e.info, arrays);
    jpeg_finish_compress(&e.info);
    return true;
}

bool decodePixels(Decoder &d, const unsigned char *data, unsigned long size, QImage &image)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data, size);
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = kSurfaceColorSpace;
    d.info.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&d.info);
    if (int(d.info.output_width) != image.width() || int(d.info.output_height) != image.height())
        return false;
    JSAMPROW rows[kRowBatch];
    while (d.info.output_scanline < d.info.output_height) {
        const JDIMENSION first = d.info.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(kRowBatch, d.info.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = image.scanLine(int(first + i));
        jpeg_read_scanlines(&d.info, rows, count);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

// Encodes the stamped pixels with the photo's sampling and the tables of \a quality.
bool encodePixels(
    Encoder &e, const jpeg_decompress_struct &source, const QImage &image, int quality)
{
    if (setjmp(e.errors.jump))
        return false;
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    e.info.image_width = JDIMENSION(image.width());
    e.info.image_height = JDIMENSION(image.height());
    e.info.input_components = 4;
    e.info.in_color_space = kSurfaceColorSpace;
    jpeg_set_defaults(&e.info);
    for (int ci = 0; ci < 3; ++ci) {
        e.info.comp_info[ci].h_samp_factor = source.comp_info[ci].h_samp_factor;
        e.info.comp_info[ci].v_samp_factor = source.comp_info[ci].v_samp_factor;
    }
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    JSAMPROW rows[kRowBatch];
    while (e.info.next_scanline < e.info.image_height) {
        const int first = int(e.info.next_scanline);
        const int count = std::min<int>(kRowBatch, int(e.info.image_height) - first);
        for (int i = 0; i < count; ++i)
            rows[i] = const_cast<uchar *>(image.constScanLine(first + i));
        jpeg_write_scanlines(&e.info, rows, JDIMENSION(count));
    }
    jpeg_finish_compress(&e.info);
    return true;
}

bool readStampedBlocks(Decoder &d, const Encoder &stamped, jvirt_barray_ptr **coefficients)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, stamped.buffer, stamped.size);
    jpeg_read_header(&d.info, TRUE);
    *coefficients = jpeg_read_coefficients(&d.info);
    return true;
}

// Sets the output's tables to those of \a quality, exactly as a plain encode makes them.
bool prepareOutput(Encoder &e, JpegBlocks &b, int quality)
{
    if (setjmp(e.errors.jump))
        return false;
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    jpeg_copy_critical_parameters(&b.source, &e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    e.info.comp_info[0].quant_tbl_no = 0;
    e.info.comp_info[1].quant_tbl_no = 1;
    e.info.comp_info[2].quant_tbl_no = 1;
    // A JFIF header at 96 dots per inch, which is what the stamp was drawn at.
    e.info.write_JFIF_header = TRUE;
    e.info.JFIF_major_version = 1;
    e.info.JFIF_minor_version = 1;
    e.info.write_Adobe_marker = FALSE;
    e.info.density_unit = 1;
    e.info.X_density = UINT16(qRound(kSurfaceDotsPerMeter * 0.0254));
    e.info.Y_density = e.info.X_density;
    return true;
}

bool writeOutput(Encoder &e, JpegBlocks &b)
{
    if (setjmp(e.errors.jump))
        return false;
    jpeg_write_coefficients(&e.info, b.coefficients);
    if (!b.icc.isEmpty())
        jpeg_write_icc_profile(&e.info, reinterpret_cast<const JOCTET *>(b.icc.constData()),
            static_cast<unsigned int>(b.icc.size()));
    jpeg_finish_compress(&e.info);
    return true;
}

// Brings the blocks of one row into the new tables: each coefficient times the ratio of its old
// step to its new one, rounded half away from zero as libjpeg's quantizer rounds. Written
// without branches over whole blocks so the compiler turns it into vector code: it runs over
// every coefficient of the photo.
void requantizeRow(JBLOCKROW blocks, int count, const float (&factor)[DCTSIZE2])
{
    for (int b = 0; b < count; ++b) {
        JCOEF *block = blocks[b];
        for (int k = 0; k < DCTSIZE2; ++k) {
            const float scaled = float(block[k]) * factor[k];
            block[k] = JCOEF(int(scaled + std::copysign(0.5f, scaled)));
        }
    }
}

} // namespace

JpegBlockStamper::JpegBlockStamper()
    : m_blocks(std::make_unique<JpegBlocks>())
{ }

JpegBlockStamper::~JpegBlockStamper() = default;

std::unique_ptr<JpegBlockStamper> JpegBlockStamper::open(
    const QByteArray &data, const QString &shownPath)
{
    // A photo's coefficients take some 36 MB in a few large allocations. By default the C
    // library gives each such block back to the system when it is freed and the next photo's
    // arrays then fault in and clear fresh pages, which measured a third of the block path's
    // time. Keeping blocks of up to 32 MB (the library's ceiling) in the heap, and trimming only
    // beyond 128 MB, lets each worker reuse its memory from photo to photo.
    static std::once_flag allocatorSet;
    std::call_once(allocatorSet, [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 128 << 20);
    });
    if (!LooksLikeJpeg(data))
        return nullptr;
    ConfigureImageReading();
    std::unique_ptr<JpegBlockStamper> stamper(new JpegBlockStamper);
    JpegBlocks &b = *stamper->m_blocks;
    b.data = data;
    JOCTET *icc = nullptr;
    unsigned int iccLength = 0;
    const ReadResult result = readCoefficients(b, &icc, &iccLength);
    if (icc) {
        // The profile is written back only when it is one a colour space can be made of, as
        // the plain path's writer does with the profile of the decoded picture.
        const QByteArray profile(reinterpret_cast<const char *>(icc), int(iccLength));
        if (QColorSpace::fromIccProfile(profile).isValid())
            b.icc = profile;
        std::free(icc);
    }
    if (result == ReadResult::Failed)
        ThrowJpegUnreadable(shownPath, b.errors);
    if (result == ReadResult::Read && b.errors.damaged)
        ThrowJpegDamaged(shownPath, b.errors);
    if (result != ReadResult::Read)
        return nullptr;
    b.mcuWidth = DCTSIZE * b.source.max_h_samp_factor;
    b.mcuHeight = DCTSIZE * b.source.max_v_samp_factor;
    return stamper;
}

const QByteArray &JpegBlockStamper::fileData() const
{
    return m_blocks->data;
}

QSize JpegBlockStamper::size() const
{
    return QSize(int(m_blocks->source.image_width), int(m_blocks->source.image_height));
}

void JpegBlockStamper::setStamp(const QString &text, const QString &positionCaption,
    const QFont &font, const QColor &color, int orientation)
{
    m_text = text;
    m_position = positionCaption;
    m_font = font;
    m_color = color;
    m_orientation = orientation;
}

QRect JpegBlockStamper::stampedRegion() const
{
    QImage resolution(1, 1, QImage::Format_RGB32);
    resolution.setDotsPerMeterX(kSurfaceDotsPerMeter);
    resolution.setDotsPerMeterY(kSurfaceDotsPerMeter);
    const QRect bounds
        = OverlayTextBounds(size(), resolution, m_text, m_position, m_font, m_orientation);
    if (bounds.isEmpty())
        return {};
    const int w = m_blocks->mcuWidth;
    const int h = m_blocks->mcuHeight;
    const int left = bounds.left() / w * w;
    const int top = bounds.top() / h * h;
    const int right = std::min(size().width(), divideUp(bounds.right() + 1, w) * w);
    const int bottom = std::min(size().height(), divideUp(bounds.bottom() + 1, h) * h);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

bool JpegBlockStamper::stampTooLarge() const
{
    const QRect region = stampedRegion();
    return double(region.width()) * region.height()
        > kLargestStampShare * size().width() * size().height();
}

QByteArray JpegBlockStamper::encode(int quality, QString *error)
{
    JpegBlocks &b = *m_blocks;
    quality = std::clamp(quality, 1, 100);
    const auto failed = [error](const JpegErrors &errors) {
        if (error)
            *error = QString::fromLocal8Bit(errors.message);
        return QByteArray();
    };

    // The stamped blocks: decoded with a margin of one block all round, so the chroma of the
    // region's edge is interpolated from its true neighbours, then stamped and encoded again.
    const QRect region = stampedRegion();
    Decoder stamped;
    Encoder stampedFile;
    jvirt_barray_ptr *stampedBlocks = nullptr;
    const QRect area = region.adjusted(-b.mcuWidth, -b.mcuHeight, b.mcuWidth, b.mcuHeight)
        & QRect(QPoint(0, 0), size());
    if (!region.isEmpty()) {
        Encoder areaFile;
        if (!writeArea(areaFile, b, area))
            return failed(areaFile.errors);
        QImage part(area.size(), QImage::Format_RGB32);
        part.setDotsPerMeterX(kSurfaceDotsPerMeter);
        part.setDotsPerMeterY(kSurfaceDotsPerMeter);
        Decoder areaPixels;
        if (part.isNull() || !decodePixels(areaPixels, areaFile.buffer, areaFile.size, part))
            return failed(areaPixels.errors);
        OverlayTextOnPart(
            part, area.topLeft(), size(), m_text, m_position, m_font, m_color, m_orientation);
        if (!encodePixels(stampedFile, b.source, part, quality))
            return failed(stampedFile.errors);
        if (!readStampedBlocks(stamped, stampedFile, &stampedBlocks))
            return failed(stamped.errors);
    }

    Encoder output;
    if (!prepareOutput(output, b, quality))
        return failed(output.errors);

    // Every block outside the region keeps its content in the new tables; the region's blocks
    // are those of the stamped pixels.
    const int maxH = b.source.max_h_samp_factor;
    const int maxV = b.source.max_v_samp_factor;
    for (int ci = 0; ci < 3; ++ci) {
        const jpeg_component_info &c = b.source.comp_info[ci];
        const JQUANT_TBL *to = output.info.quant_tbl_ptrs[output.info.comp_info[ci].quant_tbl_no];
        float factor[DCTSIZE2];
        bool same = true;
        for (int k = 0; k < DCTSIZE2; ++k) {
            factor[k] = float(c.quant_table->quantval[k]) / float(to->quantval[k]);
            same = same && c.quant_table->quantval[k] == to->quantval[k];
        }
        const int columns = divideUp(int(c.width_in_blocks), c.h_samp_factor) * c.h_samp_factor;
        const int rows = divideUp(int(c.height_in_blocks), c.v_samp_factor) * c.v_samp_factor;
        const auto column = [&](int x) { return x / (DCTSIZE * maxH) * c.h_samp_factor; };
        const auto row = [&](int y) { return y / (DCTSIZE * maxV) * c.v_samp_factor; };
        const int regionLeft = column(region.left());
        const int regionTop = row(region.top());
        const int regionRight = region.isEmpty()   ? regionLeft
            : region.right() + 1 == size().width() ? columns
                                                   : column(region.right() + 1);
        const int regionBottom = region.isEmpty()    ? regionTop
            : region.bottom() + 1 == size().height() ? rows
                                                     : row(region.bottom() + 1);
        const int areaLeft = column(area.left());
        const int areaTop = row(area.top());
        for (int y = 0; y < rows; ++y) {
            JBLOCKARRAY blocks
                = b.source.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&b.source),
                    b.coefficients[ci], JDIMENSION(y), 1, TRUE);
            const bool regionRow = y >= regionTop && y < regionBottom;
            JBLOCKROW from = nullptr;
            if (regionRow)
                from = stamped.info.mem->access_virt_barray(
                    reinterpret_cast<j_common_ptr>(&stamped.info), stampedBlocks[ci],
                    JDIMENSION(y - areaTop), 1, FALSE)[0];
            if (!same)
                requantizeRow(blocks[0], columns, factor);
            if (regionRow)
                for (int x = regionLeft; x < regionRight; ++x)
                    std::copy_n(from[x - areaLeft], DCTSIZE2, blocks[0][x]);
        }
    }

    if (!writeOutput(output, b))
        return failed(output.errors);
    return QByteArray(reinterpret_cast<const char *>(output.buffer), qsizetype(output.size));
}
