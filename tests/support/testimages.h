// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pictures and tag checks shared by the tests that write real image files.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtEndian>

namespace TestImages {

/// A picture with far more than 256 colours, so palettes, JPEG quality and stamps show.
inline QImage gradient(int width = 160, int height = 120)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    return image;
}

/// The format a file holds, judged by its content alone; empty when it is no picture.
inline QByteArray formatOf(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead() ? reader.format() : QByteArray();
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Runs ExifTool with \a arguments; answers its exit code, -1 when it did not finish.
inline int exifTool(const QStringList &arguments, QString *output = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"), arguments);
    if (!tool.waitForFinished(60000))
        return -1;
    if (output)
        *output = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    return tool.exitCode();
}

/// The value of one tag as ExifTool prints it, e.g. exifTag("XMP:Title", path).
inline QString exifTag(const QString &tag, const QString &path)
{
    QString value;
    exifTool({QStringLiteral("-s"), QStringLiteral("-s"), QStringLiteral("-s"),
                 QLatin1Char('-') + tag, path},
        &value);
    return value;
}

/// The tags the round-trip tests write and read back: a date taken, a GPS position, an IPTC
/// keyword and an XMP title.
inline QStringList sampleTagArguments()
{
    return {QStringLiteral("-DateTimeOriginal=2021:08:31 13:23:45"),
        QStringLiteral("-GPSLatitude=48.5"), QStringLiteral("-GPSLatitudeRef=N"),
        QStringLiteral("-IPTC:Keywords=alpine"), QStringLiteral("-XMP:Title=Peak")};
}

/// Writes \a picture at \a path in the format its name says (or \a format), carrying the
/// sample tags. Answers false on failure.
inline bool writeTaggedPicture(
    const QString &path, const QImage &picture = gradient(), const char *format = nullptr)
{
    if (!picture.save(path, format))
        return false;
    return exifTool(QStringList {QStringLiteral("-q"), QStringLiteral("-overwrite_original")}
               + sampleTagArguments() + QStringList {path})
        == 0;
}

/// Writes \a picture as a JPEG at \a path carrying the sample tags. Answers false on failure.
inline bool writeTaggedJpeg(const QString &path, const QImage &picture = gradient())
{
    return writeTaggedPicture(path, picture, "jpeg");
}

/// The smallest rectangle holding every pixel that differs by more than \a tolerance in any
/// channel; empty when none does.
inline QRect changedArea(const QImage &before, const QImage &after, int tolerance = 0)
{
    const QImage a = before.convertToFormat(QImage::Format_RGB32);
    const QImage b = after.convertToFormat(QImage::Format_RGB32);
    QRect area;
    for (int y = 0; y < qMin(a.height(), b.height()); ++y)
        for (int x = 0; x < qMin(a.width(), b.width()); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance
                || qAbs(qBlue(p) - qBlue(q)) > tolerance)
                area |= QRect(x, y, 1, 1);
        }
    return area;
}

/// The CRC-32 a PNG chunk ends with, over \a bytes.
inline quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

/// A PNG chunk: its length, \a type, \a data and their CRC.
inline QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    chunk += type + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(type + data), crc.data());
    return chunk + crc;
}

} // namespace TestImages
