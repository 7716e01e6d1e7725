// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegscan.h"

#include "engine/codecs/failuretexts.h"
#include "engine/codecs/jpeg/jpegerrors.h"

#include <cstring>

namespace kalvora {

namespace {

// Reading ahead of a walker needs no check per bit: this many zero bytes follow the data,
// more than the bits of the longest MCU.
constexpr qsizetype kReadAhead = 4096;
constexpr int kMostBlocksInMcu = 10;

// The standard's tables, which libjpeg takes for a scan whose first two tables a file leaves
// out (as motion-JPEG frames do): those of a fresh compressor.
bool standardTables(std::array<JHUFF_TBL, 4> &tables)
{
    JpegErrors errors;
    initJpegErrors(errors);
    jpeg_compress_struct info {};
    info.err = &errors.base;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    info.in_color_space = JCS_RGB;
    info.input_components = 3;
    jpeg_set_defaults(&info);
    tables = {*info.dc_huff_tbl_ptrs[0], *info.dc_huff_tbl_ptrs[1], *info.ac_huff_tbl_ptrs[0],
        *info.ac_huff_tbl_ptrs[1]};
    jpeg_destroy_compress(&info);
    return true;
}

const JHUFF_TBL *tableOf(JHUFF_TBL *const *defined, int slot, bool ac,
    const std::array<JHUFF_TBL, 4> &standard, bool haveStandard)
{
    if (defined[slot])
        return defined[slot];
    if (slot > 1 || !haveStandard)
        return nullptr;
    return &standard[(ac ? 2 : 0) + slot];
}

// Takes the stuffed zero bytes out of the data from the scan's start, splitting it at restart
// markers; the scan ends at any other marker. False when the file ends first.
bool unstuff(JpegScan &scan, const QByteArray &file)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(file.constData());
    const qsizetype size = file.size();
    scan.data.reserve(std::size_t(size - scan.start + kReadAhead));
    ScanInterval interval;
    interval.stuffedStart = scan.start;
    qsizetype pos = scan.start;
    for (;;) {
        const auto *found = static_cast<const std::uint8_t *>(
            std::memchr(bytes + pos, 0xFF, std::size_t(size - pos)));
        if (!found)
            return false;
        const qsizetype ff = found - bytes;
        scan.data.insert(scan.data.end(), bytes + pos, found);
        if (ff + 1 >= size)
            return false;
        if (bytes[ff + 1] == 0x00) {
            scan.data.push_back(0xFF);
            pos = ff + 2;
            continue;
        }
        qsizetype code = ff + 1;
        while (code < size && bytes[code] == 0xFF)
            ++code;
        if (code == size)
            return false;
        interval.stuffedEnd = ff;
        interval.bitEnd = qint64(scan.data.size()) * 8;
        scan.intervals.push_back(interval);
        const bool restart = bytes[code] >= 0xD0 && bytes[code] <= 0xD7;
        if (!restart || !scan.restartInterval) {
            scan.end = code - 1;
            break;
        }
        interval = {};
        interval.stuffedStart = code + 1;
        interval.bitStart = qint64(scan.data.size()) * 8;
        pos = code + 1;
    }
    scan.data.resize(scan.data.size() + kReadAhead, 0);
    return true;
}

QString refusalOf(const jpeg_decompress_struct &header)
{
    if (header.progressive_mode)
        //: What kind of JPEG a photo is, shown in "%1: %2 cannot keep its own quality; …".
        return JpegReasons::tr("a progressive JPEG");
    if (header.arith_code)
        return JpegReasons::tr("an arithmetic-coded JPEG");
    if (header.data_precision != 8)
        return JpegReasons::tr("a JPEG of %1 bits a sample").arg(header.data_precision);
    if (header.jpeg_color_space == JCS_CMYK || header.jpeg_color_space == JCS_YCCK)
        return JpegReasons::tr("a CMYK JPEG");
    if (header.jpeg_color_space != JCS_GRAYSCALE && header.jpeg_color_space != JCS_YCbCr
        && header.jpeg_color_space != JCS_RGB)
        return JpegReasons::tr("a JPEG of %1 colour components").arg(header.num_components);
    if (header.comps_in_scan != header.num_components)
        return JpegReasons::tr("a JPEG whose colours are coded in separate scans");
    int blocks = 0;
    for (int ci = 0; ci < header.num_components; ++ci) {
        const jpeg_component_info &c = header.comp_info[ci];
        if (header.max_h_samp_factor % c.h_samp_factor
            || header.max_v_samp_factor % c.v_samp_factor)
            return JpegReasons::tr("a JPEG of an unusual colour sampling");
        blocks += c.h_samp_factor * c.v_samp_factor;
    }
    if (blocks > kMostBlocksInMcu)
        return JpegReasons::tr("a JPEG of an unusual colour sampling");
    return {};
}

} // namespace

std::unique_ptr<JpegScan> readJpegScan(const jpeg_decompress_struct &header, const QByteArray &file,
    qsizetype scanStart, QString *refusal, QString *damage)
{
    *refusal = refusalOf(header);
    if (!refusal->isEmpty())
        return nullptr;
    auto scan = std::make_unique<JpegScan>();
    const bool interleaved = header.comps_in_scan > 1;
    const int maxH = header.max_h_samp_factor;
    const int maxV = header.max_v_samp_factor;
    if (interleaved) {
        scan->mcuWidth = DCTSIZE * maxH;
        scan->mcuHeight = DCTSIZE * maxV;
        scan->mcusAcross = int((header.image_width + scan->mcuWidth - 1) / scan->mcuWidth);
        scan->mcusDown = int((header.image_height + scan->mcuHeight - 1) / scan->mcuHeight);
    } else {
        scan->mcusAcross = int(header.cur_comp_info[0]->width_in_blocks);
        scan->mcusDown = int(header.cur_comp_info[0]->height_in_blocks);
    }
    std::array<JHUFF_TBL, 4> standard {};
    const bool haveStandard = standardTables(standard);
    for (int i = 0; i < header.comps_in_scan; ++i) {
        const jpeg_component_info &c = *header.cur_comp_info[i];
        ScanComponent component;
        component.frameIndex = c.component_index;
        component.h = interleaved ? c.h_samp_factor : 1;
        component.v = interleaved ? c.v_samp_factor : 1;
        component.dcTable = c.dc_tbl_no;
        component.acTable = c.ac_tbl_no;
        // A lone component's rows hold the blocks its sampling pads them to, which libjpeg's
        // copies of its blocks reach, though the scan codes none of them.
        component.blocksAcross = interleaved
            ? scan->mcusAcross * component.h
            : (scan->mcusAcross + c.h_samp_factor - 1) / c.h_samp_factor * c.h_samp_factor;
        component.pixelsAcross = DCTSIZE * maxH / c.h_samp_factor;
        component.pixelsDown = DCTSIZE * maxV / c.v_samp_factor;
        // libjpeg checks the table numbers only when it decodes; the header alone holds any
        // number a file gives, and one past the slots would reach outside them.
        if (c.quant_tbl_no < 0 || c.quant_tbl_no >= NUM_QUANT_TBLS
            || !header.quant_tbl_ptrs[c.quant_tbl_no]) {
            *damage = JpegReasons::tr("a quantization table is missing");
            return nullptr;
        }
        if (c.dc_tbl_no < 0 || c.dc_tbl_no >= NUM_HUFF_TBLS || c.ac_tbl_no < 0
            || c.ac_tbl_no >= NUM_HUFF_TBLS) {
            *damage = JpegReasons::tr("a Huffman table is no Huffman code");
            return nullptr;
        }
        const JHUFF_TBL *dc
            = tableOf(header.dc_huff_tbl_ptrs, c.dc_tbl_no, false, standard, haveStandard);
        const JHUFF_TBL *ac
            = tableOf(header.ac_huff_tbl_ptrs, c.ac_tbl_no, true, standard, haveStandard);
        if (!dc || !ac || !scan->dc[c.dc_tbl_no].build(*dc, false)
            || !scan->ac[c.ac_tbl_no].build(*ac, true)) {
            *damage = JpegReasons::tr("a Huffman table is no Huffman code");
            return nullptr;
        }
        for (int row = 0; row < component.v; ++row)
            for (int column = 0; column < component.h; ++column)
                scan->mcuBlocks.push_back(
                    {std::uint8_t(i), std::uint8_t(column), std::uint8_t(row)});
        scan->components.push_back(component);
    }
    scan->restartInterval = int(header.restart_interval);
    scan->start = scanStart;
    if (!unstuff(*scan, file)) {
        *damage = JpegReasons::tr("the file ends in the middle of its scan");
        return nullptr;
    }
    // Restart markers count 0 to 7 over and over; libjpeg tells one out of turn as damage.
    for (std::size_t i = 1; i < scan->intervals.size(); ++i)
        if (uchar(file[scan->intervals[i].stuffedStart - 1]) != 0xD0 + ((i - 1) & 7)) {
            //: A reason, shown in "The picture %1 is damaged (%2); it is left as it is."
            *damage = JpegReasons::tr("a restart marker out of turn in its scan");
            return nullptr;
        }
    const int perInterval = scan->restartInterval ? scan->restartInterval : scan->mcuCount();
    for (std::size_t i = 0; i < scan->intervals.size(); ++i) {
        ScanInterval &interval = scan->intervals[i];
        interval.firstMcu = int(std::min<qint64>(qint64(i) * perInterval, scan->mcuCount()));
        interval.mcuCount = std::min(perInterval, scan->mcuCount() - interval.firstMcu);
    }
    return scan;
}

} // namespace kalvora
