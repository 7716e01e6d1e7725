// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegblockstages.h"

#include "engine/codecs/jpeg/jpegscan.h"
#include "engine/codecs/photomemory.h"
#include "engine/codecs/worksurface.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kalvora {

namespace {

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

// Gives the encoder the colour space, sampling and quantization tables of the photo \a source,
// so the blocks it codes are quantized as the photo's own are.
void useTablesOf(jpeg_compress_struct &info, const jpeg_decompress_struct &source)
{
    jpeg_set_colorspace(&info, source.jpeg_color_space);
    for (int ci = 0; ci < source.num_components; ++ci) {
        const jpeg_component_info &from = source.comp_info[ci];
        jpeg_component_info &to = info.comp_info[ci];
        to.h_samp_factor = from.h_samp_factor;
        to.v_samp_factor = from.v_samp_factor;
        to.quant_tbl_no = from.quant_tbl_no;
        // The tables in the slots: a header read alone has latched none to its components.
        const JQUANT_TBL *slot = source.quant_tbl_ptrs[from.quant_tbl_no];
        if (!slot)
            continue;
        unsigned int table[DCTSIZE2];
        std::copy(std::begin(slot->quantval), std::end(slot->quantval), std::begin(table));
        jpeg_add_quant_table(&info, from.quant_tbl_no, table, 100, FALSE);
    }
}

// The coefficients as jpeg_read_coefficients leaves them, read by the scan walker in half its
// time; null where the walker cannot read the scan whole and clean, for libjpeg to read.
jvirt_barray_ptr *readOwnCoefficients(JpegBlocks &b)
{
    jpeg_decompress_struct &info = b.source;
    if (info.progressive_mode || info.comps_in_scan != info.num_components)
        return nullptr;
    const qsizetype scanStart
        = reinterpret_cast<const char *>(info.src->next_input_byte) - b.data.constData();
    QString refusal;
    QString damage;
    const std::unique_ptr<JpegScan> scan = readJpegScan(info, b.data, scanStart, &refusal, &damage);
    if (!scan)
        return nullptr;
    auto *common = reinterpret_cast<j_common_ptr>(&info);
    auto *arrays = static_cast<jvirt_barray_ptr *>(info.mem->alloc_small(
        common, JPOOL_IMAGE, sizeof(jvirt_barray_ptr) * std::size_t(info.num_components)));
    // Each component's coded grid, in whole MCUs as libjpeg's; its tables latched at the end.
    for (const ScanComponent &c : scan->components)
        arrays[c.frameIndex] = info.mem->request_virt_barray(common, JPOOL_IMAGE, TRUE,
            JDIMENSION(c.blocksAcross), JDIMENSION(scan->mcusDown * c.v), JDIMENSION(c.v));
    info.mem->realize_virt_arrays(common);
    const bool read = readAllBlocks(*scan, [&](int component, int blockRow) {
        const int frameIndex = scan->components[std::size_t(component)].frameIndex;
        return info.mem->access_virt_barray(
            common, arrays[frameIndex], JDIMENSION(blockRow), 1, TRUE)[0];
    });
    if (!read)
        return nullptr;
    for (int ci = 0; ci < info.num_components; ++ci) {
        jpeg_component_info &c = info.comp_info[ci];
        auto *table = static_cast<JQUANT_TBL *>(
            info.mem->alloc_small(common, JPOOL_IMAGE, sizeof(JQUANT_TBL)));
        *table = *info.quant_tbl_ptrs[c.quant_tbl_no];
        c.quant_table = table;
    }
    return arrays;
}

} // namespace

namespace jpegblocks {

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
    // The coefficients, then the result's file and its copies, about the size of the source.
    qint64 coefficientBytes = 0;
    for (int ci = 0; ci < b.source.num_components; ++ci)
        coefficientBytes += qint64(b.source.comp_info[ci].width_in_blocks)
            * b.source.comp_info[ci].height_in_blocks * qint64(sizeof(JBLOCK));
    reservePhotoMemory(coefficientBytes + 3 * b.data.size());
    b.coefficients = readOwnCoefficients(b);
    if (!b.coefficients)
        b.coefficients = jpeg_read_coefficients(&b.source);
    return tablesConsistent(b.source) ? ReadResult::Read : ReadResult::NotTaken;
}

bool writeArea(
    Encoder &e, const jpeg_decompress_struct &source, const QRect &area, const BlockRows &rows)
{
    if (setjmp(e.errors.jump))
        return false;
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    // libjpeg takes the source without const, but only reads it.
    jpeg_copy_critical_parameters(const_cast<j_decompress_ptr>(&source), &e.info);
    e.info.image_width = JDIMENSION(area.width());
    e.info.image_height = JDIMENSION(area.height());
    const int components = source.num_components;
    jvirt_barray_ptr arrays[MAX_COMPONENTS];
    const int maxH = source.max_h_samp_factor;
    const int maxV = source.max_v_samp_factor;
    for (int ci = 0; ci < components; ++ci) {
        const jpeg_component_info &c = source.comp_info[ci];
        const int width = divideUp(divideUp(area.width() * c.h_samp_factor, maxH), DCTSIZE);
        const int height = divideUp(divideUp(area.height() * c.v_samp_factor, maxV), DCTSIZE);
        arrays[ci] = e.info.mem->request_virt_barray(reinterpret_cast<j_common_ptr>(&e.info),
            JPOOL_IMAGE, TRUE, JDIMENSION(divideUp(width, c.h_samp_factor) * c.h_samp_factor),
            JDIMENSION(divideUp(height, c.v_samp_factor) * c.v_samp_factor),
            JDIMENSION(c.v_samp_factor));
    }
    e.info.mem->realize_virt_arrays(reinterpret_cast<j_common_ptr>(&e.info));
    for (int ci = 0; ci < components; ++ci) {
        const jpeg_component_info &c = source.comp_info[ci];
        const int firstColumn = area.x() / (DCTSIZE * maxH) * c.h_samp_factor;
        const int firstRow = area.y() / (DCTSIZE * maxV) * c.v_samp_factor;
        const int sourceColumns
            = divideUp(int(c.width_in_blocks), c.h_samp_factor) * c.h_samp_factor;
        const int sourceRows = divideUp(int(c.height_in_blocks), c.v_samp_factor) * c.v_samp_factor;
        const int columns = divideUp(divideUp(area.width() * c.h_samp_factor, maxH), DCTSIZE);
        const int rowCount = divideUp(divideUp(area.height() * c.v_samp_factor, maxV), DCTSIZE);
        const int paddedColumns = divideUp(columns, c.h_samp_factor) * c.h_samp_factor;
        const int paddedRows = divideUp(rowCount, c.v_samp_factor) * c.v_samp_factor;
        for (int row = 0; row < paddedRows; ++row) {
            JBLOCKROW in = rows(ci, std::min(firstRow + row, sourceRows - 1));
            JBLOCKARRAY out = e.info.mem->access_virt_barray(
                reinterpret_cast<j_common_ptr>(&e.info), arrays[ci], JDIMENSION(row), 1, TRUE);
            for (int column = 0; column < paddedColumns; ++column)
                std::copy_n(in[std::min(firstColumn + column, sourceColumns - 1)], DCTSIZE2,
                    out[0][column]);
        }
    }
    jpeg_write_coefficients(&e.info, arrays);
    jpeg_finish_compress(&e.info);
    return true;
}

bool writeArea(Encoder &e, JpegBlocks &b, const QRect &area)
{
    // The photo's blocks are read through its own decoder, whose failures land here too.
    if (setjmp(b.errors.jump)) {
        std::copy(std::begin(b.errors.message), std::end(b.errors.message), e.errors.message);
        return false;
    }
    return writeArea(e, b.source, area, [&](int component, int row) {
        return b.source.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&b.source),
            b.coefficients[component], JDIMENSION(row), 1, FALSE)[0];
    });
}

bool readHeader(Decoder &d, const QByteArray &data, qsizetype *scanStart)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(data.constData()),
        static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    *scanStart = data.size() - qsizetype(d.info.src->bytes_in_buffer);
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
    if (quality == kOwnTables) {
        useTablesOf(e.info, source);
    } else {
        for (int ci = 0; ci < 3; ++ci) {
            e.info.comp_info[ci].h_samp_factor = source.comp_info[ci].h_samp_factor;
            e.info.comp_info[ci].v_samp_factor = source.comp_info[ci].v_samp_factor;
        }
        jpeg_set_quality(&e.info, quality, TRUE);
    }
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

bool takeStampedRows(Decoder &d, jvirt_barray_ptr *coefficients,
    const std::function<void(int component, int row, JBLOCKROW blocks, int count)> &take)
{
    if (setjmp(d.errors.jump))
        return false;
    for (int ci = 0; ci < d.info.num_components; ++ci) {
        const jpeg_component_info &c = d.info.comp_info[ci];
        const int rows = divideUp(int(c.height_in_blocks), c.v_samp_factor) * c.v_samp_factor;
        const int columns = divideUp(int(c.width_in_blocks), c.h_samp_factor) * c.h_samp_factor;
        for (int row = 0; row < rows; ++row)
            take(ci, row,
                d.info.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&d.info),
                    coefficients[ci], JDIMENSION(row), 1, FALSE)[0],
                columns);
    }
    return true;
}

QByteArray encodeInTablesOf(const QImage &image, const QByteArray &model, QString *error)
{
    Decoder header;
    qsizetype scanStart = 0;
    Encoder e;
    if (!readHeader(header, model, &scanStart)) {
        *error = QString::fromLocal8Bit(header.errors.message);
        return {};
    }
    if (!encodePixels(e, header.info, image, kOwnTables)) {
        *error = QString::fromLocal8Bit(e.errors.message);
        return {};
    }
    return QByteArray(reinterpret_cast<const char *>(e.buffer), qsizetype(e.size));
}

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
// step to its new one, rounded half away from zero as libjpeg's quantizer rounds. A coefficient
// is held to the range an 8-bit picture's coefficients have (a crafted table of 16-bit steps
// would otherwise scale it past what a JCOEF holds, and it would wrap round to another value).
// Written without branches over whole blocks so the compiler turns it into vector code: it runs
// over every coefficient of the photo.
void requantizeRow(JBLOCKROW blocks, int count, const float (&factor)[DCTSIZE2])
{
#ifdef __SSE2__
    // Every coefficient of a 12-megapixel photo passes here, so eight at a time: the same
    // single-precision product, bounds and rounding half away from zero as the plain loop.
    const __m128 highest = _mm_set1_ps(kLargestCoefficient);
    const __m128 lowest = _mm_set1_ps(-kLargestCoefficient);
    const __m128 half = _mm_set1_ps(0.5f);
    const __m128 sign = _mm_set1_ps(-0.0f);
    const auto scaled = [&](__m128i values, int k) {
        __m128 v = _mm_mul_ps(_mm_cvtepi32_ps(values), _mm_loadu_ps(factor + k));
        v = _mm_min_ps(_mm_max_ps(v, lowest), highest);
        return _mm_cvttps_epi32(_mm_add_ps(v, _mm_or_ps(half, _mm_and_ps(v, sign))));
    };
    for (int b = 0; b < count; ++b) {
        JCOEF *block = blocks[b];
        for (int k = 0; k < DCTSIZE2; k += 8) {
            auto *at = reinterpret_cast<__m128i *>(block + k);
            const __m128i eight = _mm_loadu_si128(at);
            const __m128i low = _mm_srai_epi32(_mm_unpacklo_epi16(eight, eight), 16);
            const __m128i high = _mm_srai_epi32(_mm_unpackhi_epi16(eight, eight), 16);
            _mm_storeu_si128(at, _mm_packs_epi32(scaled(low, k), scaled(high, k + 4)));
        }
    }
#else
    for (int b = 0; b < count; ++b) {
        JCOEF *block = blocks[b];
        for (int k = 0; k < DCTSIZE2; ++k) {
            const float scaled = std::min(
                std::max(float(block[k]) * factor[k], -kLargestCoefficient), kLargestCoefficient);
            block[k] = JCOEF(int(scaled + std::copysign(0.5f, scaled)));
        }
    }
#endif
}

} // namespace jpegblocks

} // namespace kalvora
