// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the block stamper's tests share: source photos written straight with libjpeg, their
// decoded pixels, and how far two pictures differ.

#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

using namespace kalvora;

// Source photos and expectations are written and read by the tests straight through libjpeg
// (and Qt's reader), never through the code under test.
struct Layout
{
    int lumaH = 2;
    int lumaV = 2;
    bool progressive = false;
    bool arithmetic = false;
    J_COLOR_SPACE space = JCS_YCbCr;
    int restartRows = 0; // a restart marker after this many rows of blocks, or none
    int restartMcus = 0; // or after this many MCUs
    bool optimize = false; // Huffman tables made for the picture, holding only its codes
};

inline QByteArray plainJpeg(const QImage &picture, int quality, const Layout &layout = {})
{
    // CMYK is written from the four bytes of 32-bit pixels, which is colour enough for a test.
    const bool cmyk = layout.space == JCS_CMYK;
    const QImage rgb = picture.convertToFormat(cmyk ? QImage::Format_RGB32 : QImage::Format_RGB888);
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = cmyk ? 4 : 3;
    info.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, layout.space);
    if (layout.space == JCS_YCbCr) {
        info.comp_info[0].h_samp_factor = layout.lumaH;
        info.comp_info[0].v_samp_factor = layout.lumaV;
    }
    jpeg_set_quality(&info, quality, TRUE);
    info.arith_code = layout.arithmetic ? TRUE : FALSE;
    info.restart_in_rows = layout.restartRows;
    if (layout.restartMcus)
        info.restart_interval = unsigned(layout.restartMcus);
    info.optimize_coding = layout.optimize ? TRUE : FALSE;
    if (layout.progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar *>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// A photo-like picture: smooth gradients under fine noise, in a size of partial blocks.
inline QImage photo(int width = 645, int height = 483)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(17)) - 8;
            row[x] = qRgb(std::clamp(60 + x * 120 / width + noise, 0, 255),
                std::clamp(90 + y * 100 / height + noise, 0, 255),
                std::clamp(140 - (x + y) * 60 / (width + height) + noise, 0, 255));
        }
    }
    return image;
}

inline QImage decoded(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

struct Difference
{
    double mean = 0;
    int largest = 0;
    int count = 0; // pixels differing by more than 48 in some channel
    QRect box; // of those
};

// Compares the pixels of \a a and \a b inside \a inside and outside \a outside.
inline Difference compare(
    const QImage &a, const QImage &b, const QRect &inside, const QRect &outside = {})
{
    Difference d;
    qint64 sum = 0;
    qint64 n = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (outside.contains(x, y))
                continue;
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q));
            const int dg = std::abs(qGreen(p) - qGreen(q));
            const int db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            n += 3;
            d.largest = std::max({d.largest, dr, dg, db});
            if (std::max({dr, dg, db}) > 48) {
                ++d.count;
                d.box |= QRect(x, y, 1, 1);
            }
        }
    d.mean = n ? double(sum) / double(n) : 0;
    return d;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QFont stampFont()
{
    StampOptions options;
    FontChoice font;
    font.name = QStringLiteral("Arial");
    font.pointSize = 18;
    font.bold = true;
    options.font = font;
    return kalvora::stampFont(options);
}

inline const QColor kInk(255, 0, 255);

// A JPEG as libjpeg reads it: per component its sampling, its quantization table and its
// blocks of coefficients (the picture's blocks, not the MCUs' padding).
struct Coefficients
{
    int maxH = 1;
    int maxV = 1;
    std::vector<std::array<int, 4>> layout; // h, v, blocks across, blocks down
    std::vector<std::vector<int>> tables;
    std::vector<std::vector<JCOEF>> blocks;
};

// libjpeg reading a file held in memory, up to its first scan.
struct Reader
{
    explicit Reader(const QByteArray &file)
    {
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(file.constData()),
            static_cast<unsigned long>(file.size()));
        jpeg_read_header(&info, TRUE);
    }
    ~Reader() { jpeg_destroy_decompress(&info); }
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
};

inline Coefficients coefficientsOf(const QByteArray &file)
{
    Reader reader(file);
    jpeg_decompress_struct &info = reader.info;
    jvirt_barray_ptr *arrays = jpeg_read_coefficients(&info);
    Coefficients c;
    c.maxH = info.max_h_samp_factor;
    c.maxV = info.max_v_samp_factor;
    for (int ci = 0; ci < info.num_components; ++ci) {
        const jpeg_component_info &comp = info.comp_info[ci];
        const int across = int(comp.width_in_blocks);
        const int down = int(comp.height_in_blocks);
        c.layout.push_back({comp.h_samp_factor, comp.v_samp_factor, across, down});
        c.tables.emplace_back(
            std::begin(comp.quant_table->quantval), std::end(comp.quant_table->quantval));
        std::vector<JCOEF> blocks;
        for (int row = 0; row < down; ++row) {
            JBLOCKROW r = info.mem->access_virt_barray(
                reinterpret_cast<j_common_ptr>(&info), arrays[ci], JDIMENSION(row), 1, FALSE)[0];
            blocks.insert(blocks.end(), r[0], r[0] + qsizetype(across) * DCTSIZE2);
        }
        c.blocks.push_back(std::move(blocks));
    }
    jpeg_finish_decompress(&info);
    return c;
}
