// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Photos that carry every kind of tag real ones do, written with ExifTool, and the comparison of
// a source's tags with its result's as ExifTool reads them all (-a -G1 -n): what the tests of the
// tag copy check, computed by ExifTool alone.

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QMultiMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace TaggedPhotos {

/// What a new encoding of the pixels legitimately changes ("Group:Tag"): where the pixels lie
/// and how they are packed and compressed, the fields the encoders write themselves, where
/// a JPEG's EXIF thumbnail (stamped too) now lies, and the mark of the stamp, which a photo
/// stamped again gets anew.
inline const QStringList kChangedByEncoding {QStringLiteral("PNG:BitDepth"),
    QStringLiteral("PNG:ColorType"), QStringLiteral("PNG:Compression"),
    QStringLiteral("PNG:Filter"), QStringLiteral("PNG:Interlace"),
    QStringLiteral("PNG:PixelsPerUnitX"), QStringLiteral("PNG:PixelsPerUnitY"),
    QStringLiteral("PNG:PixelUnits"), QStringLiteral("IFD0:StripOffsets"),
    QStringLiteral("IFD0:StripByteCounts"), QStringLiteral("IFD0:RowsPerStrip"),
    QStringLiteral("IFD0:BitsPerSample"), QStringLiteral("IFD0:Compression"),
    QStringLiteral("IFD0:PhotometricInterpretation"), QStringLiteral("IFD0:SamplesPerPixel"),
    QStringLiteral("IFD0:PlanarConfiguration"), QStringLiteral("IFD0:FillOrder"),
    QStringLiteral("IFD0:ExtraSamples"), QStringLiteral("IFD0:XResolution"),
    QStringLiteral("IFD0:YResolution"), QStringLiteral("IFD0:ResolutionUnit"),
    QStringLiteral("IFD0:PageNumber"), QStringLiteral("IFD0:SubfileType"),
    QStringLiteral("IFD0:Software"), QStringLiteral("IFD1:ThumbnailOffset"),
    QStringLiteral("IFD1:ThumbnailLength"), QStringLiteral("XMP-kalvora:*")};

/// An XMP namespace ExifTool does not know (a raw developer's or renaming tool's own).
inline constexpr auto kCustomNamespaceConfig = R"(%Image::ExifTool::UserDefined = (
    'Image::ExifTool::XMP::Main' => {
        kvtest => { SubDirectory => { TagTable => 'Image::ExifTool::UserDefined::kvtest' } },
    },
);
%Image::ExifTool::UserDefined::kvtest = (
    GROUPS => { 0 => 'XMP', 1 => 'XMP-kvtest', 2 => 'Image' },
    NAMESPACE => { 'kvtest' => 'http://example.com/ns/kvtest/1.0/' },
    WRITABLE => 'string',
    EditStep => { },
);
1;
)";

/// Runs ExifTool with \a arguments; answers its standard output, or sets \a error.
inline QByteArray exifTool(const QStringList &arguments, QString *error = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"), arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
        if (error)
            *error = QString::fromUtf8(tool.readAllStandardError());
        return {};
    }
    return tool.readAllStandardOutput();
}

/// Writes into the picture at \a path the tags a real photo may carry: EXIF numbers that do not
/// round (an f-number of 1.7411), GPS, maker notes of a make ExifTool does not parse, IPTC text
/// in UTF-8 with its character set and an expiration time, XMP of a namespace ExifTool does not
/// know and two tags of one name in two namespaces, an ICC profile, and (in a JPEG) a comment
/// and an XMP too large for one segment, so part of it goes to extension segments. Answers
/// false with \a error set when ExifTool fails.
inline bool writeRichTags(const QString &path, const QString &workFolder, QString *error)
{
    const QString config = workFolder + QStringLiteral("/kvtest.config");
    const QString makerNotes = workFolder + QStringLiteral("/makernotes.bin");
    const QString icc = workFolder + QStringLiteral("/profile.icc");
    const QString longText = workFolder + QStringLiteral("/long.txt");
    const auto write = [](const QString &file, const QByteArray &bytes) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    };
    if (!write(config, kCustomNamespaceConfig)
        || !write(makerNotes, QByteArray("KVTESTNOTES\0\1\2\3\4\5\6\7 curve", 31))
        || !write(icc, QColorSpace(QColorSpace::DisplayP3).iccProfile())
        || !write(longText, QByteArray(70000, 'x'))) {
        *error = QStringLiteral("cannot write the tag files in %1").arg(workFolder);
        return false;
    }
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    QStringList arguments {QStringLiteral("-config"), config, QStringLiteral("-overwrite_original"),
        QStringLiteral("-charset"), QStringLiteral("iptc=UTF8"), QStringLiteral("-Make=KV Test"),
        QStringLiteral("-Model=KV One"), QStringLiteral("-FNumber=1.7411"),
        QStringLiteral("-FocalLength=10.2768"),
        QStringLiteral("-DateTimeOriginal=2024:05:06 07:08:09"),
        QStringLiteral("-GPSLatitude=48.1234567"), QStringLiteral("-GPSLatitudeRef=N"),
        QStringLiteral("-ExifIFD:MakerNoteUnknown<=") + makerNotes,
        QStringLiteral("-IPTC:CodedCharacterSet=UTF8"), QStringLiteral("-IPTC:Keywords=Straße"),
        QStringLiteral("-IPTC:Keywords=Café"), QStringLiteral("-IPTC:ExpirationTime=12:00:00"),
        QStringLiteral("-XMP-kvtest:EditStep=exposure +0.3"),
        QStringLiteral("-XMP-aux:LensInfo=24 70 2.8 2.8"), QStringLiteral("-XMP-aux:OwnerName=Ann"),
        QStringLiteral("-XMP-exif:NativeDigest=exif digest"),
        QStringLiteral("-XMP-tiff:NativeDigest=tiff digest"),
        QStringLiteral("-ICC_Profile<=") + icc};
    if (path.endsWith(QLatin1String(".png")))
        arguments << QStringLiteral("-PNG:Gamma=2.2") << QStringLiteral("-PNG:Author=Ann Example");
    if (jpeg)
        arguments << QStringLiteral("-Comment=a comment")
                  << QStringLiteral("-XMP-dc:Description<=") + longText;
    arguments << path;
    QString failure;
    if (exifTool(arguments, &failure).isNull()) {
        *error = QStringLiteral("exiftool could not tag %1: %2").arg(path, failure);
        return false;
    }
    return true;
}

/// Every tag of \a path as ExifTool reads it with -a -G1 -n, keyed "Group:Tag", without the
/// groups that describe the file rather than its tags.
inline QMultiMap<QString, QString> allTags(const QString &path)
{
    static const QRegularExpression line(QStringLiteral("^\\[([^\\]]+)\\]\\s+(\\S+)\\s*: (.*)$"));
    static const QStringList fileGroups {QStringLiteral("ExifTool"), QStringLiteral("System"),
        QStringLiteral("File"), QStringLiteral("Composite")};
    QMultiMap<QString, QString> tags;
    const QByteArray text = exifTool({QStringLiteral("-a"), QStringLiteral("-G1"),
        QStringLiteral("-n"), QStringLiteral("-s"), path});
    for (const QString &row : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(row);
        if (match.hasMatch() && !fileGroups.contains(match.captured(1)))
            tags.insert(
                match.captured(1) + QLatin1Char(':') + match.captured(2), match.captured(3));
    }
    // Maker notes of a make ExifTool does not parse show only as a warning: their bytes are
    // compared instead.
    const QByteArray makerNotes
        = exifTool({QStringLiteral("-b"), QStringLiteral("-MakerNotes"), path});
    if (!makerNotes.isEmpty())
        tags.insert(QStringLiteral("MakerNotes:bytes"), QString::fromLatin1(makerNotes.toHex()));
    return tags;
}

/// The tags of \a source that \a result lacks or holds with another value, one line each;
/// \a changedByEncoding names the "Group:Tag" keys a new encoding of the pixels changes (or
/// "Group:*" for a whole group).
inline QStringList lostTags(
    const QString &source, const QString &result, const QStringList &changedByEncoding)
{
    const QMultiMap<QString, QString> before = allTags(source);
    const QMultiMap<QString, QString> after = allTags(result);
    QStringList lost;
    for (const QString &key : before.uniqueKeys()) {
        const QString group = key.section(QLatin1Char(':'), 0, 0) + QStringLiteral(":*");
        if (changedByEncoding.contains(key) || changedByEncoding.contains(group))
            continue;
        QStringList was = before.values(key);
        QStringList is = after.values(key);
        was.sort();
        is.sort();
        if (was != is)
            lost << QStringLiteral("%1: %2 became %3")
                        .arg(key, was.join(QLatin1Char('|')),
                            is.isEmpty() ? QStringLiteral("nothing") : is.join(QLatin1Char('|')));
    }
    return lost;
}

} // namespace TaggedPhotos
