// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/exifreader.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/codecs/heifboxes.h"
#include "engine/codecs/heifcodec.h"
#include "engine/metadata/stampmark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

// exiv2 0.27 hands its images out in std::auto_ptr, which C++17 deprecated; the warnings are
// about the library's own types and say nothing about this file.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

#include <exception>
#include <mutex>
#include <optional>

namespace kalvora {

namespace {

void initializeExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // The XMP parser must be set up once before exiv2 is used from several threads.
        Exiv2::XmpParser::initialize();
        // Damaged or unusual metadata is answered as "none"; exiv2's own warnings on stderr
        // would only reach a terminal nobody reads.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    });
}

QString textOf(const Exiv2::ExifData &exif, const char *key)
{
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    if (found == exif.end())
        return {};
    return QString::fromStdString(found->toString()).trimmed();
}

int orientationTagOf(const Exiv2::ExifData &exif)
{
    const auto found = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (found == exif.end() || found->count() < 1)
        return 0;
    return int(found->toLong(0));
}

QString xmpTextOf(const Exiv2::XmpData &xmp, const char *key)
{
    const auto found = xmp.findKey(Exiv2::XmpKey(key));
    if (found == xmp.end())
        return {};
    return QString::fromStdString(found->toString()).trimmed();
}

// Component \a n of a rational or integer tag; none when absent or divided by zero.
std::optional<double> numberOf(const Exiv2::ExifData &exif, const char *key, long n = 0)
{
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    if (found == exif.end() || found->count() <= n)
        return std::nullopt;
    const Exiv2::Rational value = found->toRational(n);
    if (value.second == 0)
        return std::nullopt;
    return double(value.first) / double(value.second);
}

// A GPS coordinate stored as degrees, minutes and seconds, negative for the reference that
// names the southern or western half.
std::optional<double> coordinateOf(const Exiv2::ExifData &exif, const char *key,
    const char *referenceKey, const QString &negativeReference)
{
    const auto degrees = numberOf(exif, key, 0);
    const auto minutes = numberOf(exif, key, 1);
    const auto seconds = numberOf(exif, key, 2);
    const QString reference = textOf(exif, referenceKey).toUpper();
    if (!degrees || !minutes || !seconds || reference.isEmpty())
        return std::nullopt;
    const double value = *degrees + *minutes / 60 + *seconds / 3600;
    return reference.startsWith(negativeReference) ? -value : value;
}

void readCameraFields(const Exiv2::ExifData &exif, ExifFields &fields)
{
    fields.make = textOf(exif, "Exif.Image.Make");
    fields.model = textOf(exif, "Exif.Image.Model");
    fields.lensModel = textOf(exif, "Exif.Photo.LensModel");
    fields.exposureTime = numberOf(exif, "Exif.Photo.ExposureTime").value_or(0);
    fields.fNumber = numberOf(exif, "Exif.Photo.FNumber").value_or(0);
    fields.iso = int(numberOf(exif, "Exif.Photo.ISOSpeedRatings").value_or(0));
    fields.latitude = coordinateOf(
        exif, "Exif.GPSInfo.GPSLatitude", "Exif.GPSInfo.GPSLatitudeRef", QStringLiteral("S"));
    fields.longitude = coordinateOf(
        exif, "Exif.GPSInfo.GPSLongitude", "Exif.GPSInfo.GPSLongitudeRef", QStringLiteral("W"));
}

// exiv2 finds the XMP packet wherever the format keeps it (JPEG APP1, PNG iTXt, TIFF tag 700,
// the WebP "XMP " chunk) and parses it whole, properties written as attributes or as elements.
void readXmpDates(const Exiv2::XmpData &xmp, ExifFields &fields)
{
    fields.xmpDateTimeOriginal = xmpTextOf(xmp, "Xmp.exif.DateTimeOriginal");
    fields.xmpDateCreated = xmpTextOf(xmp, "Xmp.photoshop.DateCreated");
    fields.xmpCreateDate = xmpTextOf(xmp, "Xmp.xmp.CreateDate");
}

// The XMP packet as the file stores it, not exiv2's own writing of what it parsed.
QByteArray xmpPacketOf(Exiv2::Image &image)
{
    image.writeXmpFromPacket(true);
    const std::string &xmp = image.xmpPacket();
    if (!xmp.empty())
        return QByteArray(xmp.data(), qsizetype(xmp.size()));
    // A TIFF's packet is parsed straight from its tag, which is kept as it was.
    const Exiv2::ExifData &exif = image.exifData();
    const auto found = exif.findKey(Exiv2::ExifKey("Exif.Image.XMLPacket"));
    if (found == exif.end() || found->size() == 0)
        return {};
    QByteArray packet(qsizetype(found->size()), '\0');
    found->copy(reinterpret_cast<Exiv2::byte *>(packet.data()), Exiv2::littleEndian);
    return packet;
}

} // namespace

namespace {

void readFields(const Exiv2::ExifData &exif, const Exiv2::XmpData &xmp, ExifFields &fields)
{
    fields.dateTimeOriginal = textOf(exif, "Exif.Photo.DateTimeOriginal");
    fields.createDate = textOf(exif, "Exif.Photo.DateTimeDigitized");
    fields.modifyDate = textOf(exif, "Exif.Image.DateTime");
    fields.orientation = orientationTagOf(exif);
    readCameraFields(exif, fields);
    readXmpDates(xmp, fields);
}

// The fields of a HEIF file's EXIF and XMP items, as libheif finds them (exiv2 0.27 does not
// follow every item location a HEIC keeps them at), parsed by exiv2.
void readHeifFields(const QByteArray &bytes, ExifFields &fields)
{
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    QByteArray packet;
    for (const HeifMetadata &item : heifMetadataOf(bytes)) {
        // An EXIF item starts with the offset of its TIFF structure.
        const qint64 tiff = item.data.size() >= 4
            ? 4 + qint64(qFromBigEndian<quint32>(item.data.constData()))
            : item.data.size();
        if (item.type == "Exif" && exif.empty() && tiff < item.data.size())
            Exiv2::ExifParser::decode(exif,
                reinterpret_cast<const Exiv2::byte *>(item.data.constData()) + tiff,
                uint32_t(item.data.size() - tiff));
        if (item.type == "mime" && item.contentType == "application/rdf+xml" && packet.isEmpty()) {
            packet = item.data;
            Exiv2::XmpParser::decode(xmp, packet.toStdString());
        }
    }
    readFields(exif, xmp, fields);
    fields.xmpPacket = packet;
}

// The fields of an image exiv2 opened (or, for a HEIF file, of its items); empty fields when
// its metadata cannot be read.
template <typename Open> ExifFields fieldsOf(Open open, const QByteArray *heif = nullptr)
{
    initializeExiv2();
    ExifFields fields;
    try {
        if (heif) {
            readHeifFields(*heif, fields);
            return fields;
        }
        Exiv2::Image::AutoPtr image = open();
        if (!image.get())
            return fields;
        image->readMetadata();
        readFields(image->exifData(), image->xmpData(), fields);
        fields.xmpPacket = xmpPacketOf(*image);
    } catch (const Exiv2::AnyError &) {
        return {};
    } catch (const std::bad_alloc &) {
        throw;
    } catch (const std::exception &) {
        // exiv2 0.27 lets standard exceptions out of some damaged directories.
        return {};
    }
    return fields;
}

RuntimeFailure emptyFileFailure(const QString &path)
{
    return RuntimeFailure(TagFailures::tr("Cannot read the date taken of %1: the file is empty.")
                              .arg(QDir::toNativeSeparators(path)),
        9);
}

} // namespace

ExifFields readExifFields(const QString &path)
{
    {
        // Opened here first so that a missing or locked file is told with the system's reason.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw RuntimeFailure(TagFailures::tr("Cannot read the date taken of %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString()),
                53);
        if (file.size() == 0)
            throw emptyFileFailure(path);
        if (looksLikeHeif(file.peek(4096))) {
            const QByteArray bytes = file.readAll();
            return fieldsOf([] { return Exiv2::Image::AutoPtr(); }, &bytes);
        }
    }
    // exiv2 reads a name such as "-", "http://..." or "data:..." as standard input or a remote
    // resource; an absolute path is always a file.
    const std::string absolute
        = QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
    return fieldsOf([&] { return Exiv2::ImageFactory::open(absolute, false); });
}

ExifFields readExifFields(const QByteArray &bytes, const QString &path)
{
    if (bytes.isEmpty())
        throw emptyFileFailure(path);
    ExifFields fields = fieldsOf(
        [&] {
            return Exiv2::ImageFactory::open(
                reinterpret_cast<const Exiv2::byte *>(bytes.constData()), long(bytes.size()));
        },
        looksLikeHeif(bytes) ? &bytes : nullptr);
    // exiv2 reads no metadata of a GIF.
    if (fields.xmpPacket && fields.xmpPacket->isEmpty())
        fields.xmpPacket = gifXmpPacket(bytes);
    return fields;
}

int orientationOf(const ExifFields &fields)
{
    return fields.orientation >= 1 && fields.orientation <= 8 ? fields.orientation : 1;
}

int pictureOrientation(const QString &path)
{
    try {
        return kalvora::orientationOf(readExifFields(path));
    } catch (const RuntimeFailure &) {
        return 1;
    }
}

#pragma GCC diagnostic pop

} // namespace kalvora
