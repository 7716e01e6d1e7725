// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Camera-like JPEGs for the metadata tests, made with libjpeg and ExifTool (never with the code
// under test), and the test's own reading of their marker segments and EXIF structure.

#include "jpegblocksupport.h"
#include "testimages.h"

#include <QColorSpace>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtEndian>

struct Segment
{
    uchar marker = 0;
    qsizetype offset = 0;
    QByteArray bytes; // the whole segment, marker to payload end
};

// The APPn and COM segments before the first scan, in file order.
inline QList<Segment> headerSegments(const QByteArray &file)
{
    QList<Segment> segments;
    qsizetype pos = 2;
    while (pos + 4 <= file.size() && uchar(file[pos]) == 0xFF && uchar(file[pos + 1]) != 0xDA) {
        const int length = qFromBigEndian<quint16>(file.constData() + pos + 2);
        const uchar marker = uchar(file[pos + 1]);
        if ((marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE)
            segments.append({marker, pos, file.mid(pos, length + 2)});
        pos += length + 2;
    }
    return segments;
}

inline Segment exifSegment(const QByteArray &file)
{
    for (const Segment &segment : headerSegments(file))
        if (segment.bytes.mid(4, 6) == QByteArray("Exif\0\0", 6))
            return segment;
    return {};
}

inline QByteArray withSegment(
    const QByteArray &file, qsizetype at, uchar marker, const QByteArray &payload)
{
    QByteArray segment("\xFF");
    segment += char(marker);
    segment += char((payload.size() + 2) >> 8);
    segment += char((payload.size() + 2) & 0xFF);
    return file.left(at) + segment + payload + file.mid(at);
}

// A darker copy of photo(), so a white stamp differs clearly from everything under it.
inline QImage darkPhoto(int width, int height)
{
    QImage image = photo(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb p = image.pixel(x, y);
            image.setPixel(x, y, qRgb(qRed(p) / 2, qGreen(p) / 2, qBlue(p) / 2));
        }
    return image;
}

// A JPEG written by libjpeg with a comment, a vendor's APP11 block and, in colour, a Display P3
// profile; grey pictures are written with one component, and \a jfif says whether it has a
// JFIF header.
inline QByteArray libjpegFile(const QImage &picture, bool grey, bool jfif)
{
    const QImage rgb
        = picture.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    info.write_JFIF_header = jfif ? TRUE : FALSE;
    jpeg_start_compress(&info, TRUE);
    const QByteArray comment = QStringLiteral("Kalvora test – Ölbild").toUtf8();
    jpeg_write_marker(&info, JPEG_COM, reinterpret_cast<const JOCTET *>(comment.constData()),
        unsigned(comment.size()));
    QByteArray vendor("VNDR\0", 5);
    for (int i = 0; i < 300; ++i)
        vendor += char(i * 37);
    jpeg_write_marker(&info, JPEG_APP0 + 11, reinterpret_cast<const JOCTET *>(vendor.constData()),
        unsigned(vendor.size()));
    if (!grey) {
        const QByteArray icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
        jpeg_write_icc_profile(
            &info, reinterpret_cast<const JOCTET *>(icc.constData()), unsigned(icc.size()));
    }
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

// A Canon maker note (little-endian IFD) whose strings lie at offsets counted from the TIFF
// header, as Canon's do: \a base is where the note itself starts.
inline QByteArray canonNote(quint32 base)
{
    const QByteArray type("Canon EOS 80D\0", 14);
    const QByteArray owner = QByteArray("Ann Example").leftJustified(32, '\0');
    QByteArray note(2 + 3 * 12 + 4, '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, note.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, note.data() + at); };
    put16(0, 3);
    const quint32 values = base + quint32(note.size());
    const quint32 entries[3][4]
        = {{0x0006, 2, 14, values}, {0x0009, 2, 32, values + 14}, {0x000C, 4, 1, 123456}};
    for (int i = 0; i < 3; ++i) {
        put16(2 + 12 * i, quint16(entries[i][0]));
        put16(4 + 12 * i, quint16(entries[i][1]));
        put32(6 + 12 * i, entries[i][2]);
        put32(10 + 12 * i, entries[i][3]);
    }
    return note + type + owner;
}

inline QString xmpPacket()
{
    return QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?><x:xmpmeta xmlns:x='adobe:ns:meta/'>"
        "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
        "<rdf:Description rdf:about='' xmlns:kv='http://example.com/kalvora-test/1.0/'"
        " kv:Shelf='B-12' kv:Lens='Ölbild 1.7411'/></rdf:RDF></x:xmpmeta><?xpacket end='w'?>");
}

inline bool runExifTool(const QStringList &arguments)
{
    return TestImages::exifTool(QStringList {"-q", "-q", "-overwrite_original"} + arguments) == 0;
}

// ExifTool's reading of every tag of \a path (-a -G1 -n), by group and name.
inline QJsonObject allTags(const QString &path)
{
    QString json;
    TestImages::exifTool({"-j", "-a", "-G1", "-n", "-struct", path}, &json);
    return QJsonDocument::fromJson(json.toUtf8()).array().first().toObject();
}

// The thumbnail's place in the file, as ExifTool finds it.
inline std::pair<qsizetype, qsizetype> thumbnailPlace(const QString &path)
{
    const QJsonObject tags = allTags(path);
    return {tags.value("IFD1:ThumbnailOffset").toInteger(),
        tags.value("IFD1:ThumbnailLength").toInteger()};
}

inline QByteArray extracted(const QString &tag, const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"), {"-b", "-" + tag, path});
    tool.waitForFinished(60000);
    return tool.readAllStandardOutput();
}
