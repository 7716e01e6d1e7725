// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion.h"

#include "engine/codecs/gifcodec.h"
#include "engine/codecs/picturedamage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

using namespace kalvora;

namespace {

// The JPEG of the input form is loaded, stamped and written again in the source's own format,
// so it has to lose as little as it can: the file is short-lived, its size does not matter.
constexpr int kJpegQuality = 100;
// WebP at this quality keeps a photo close to its source at a fraction of the lossless size.
constexpr int kWebpQuality = 90;
// Qt maps this PNG quality to zlib level 4: on a 24-megapixel photo about 2.5 times as fast as
// the default level 6, for files about a tenth larger. Still lossless.
constexpr int kPngQuality = 50;
// The ICO directory stores each side in one byte, 0 meaning 256.
constexpr int kMaxIconSide = 256;

struct FormatEntry
{
    const char *word;
    OutputFormat format;
};

constexpr FormatEntry kFormatWords[] = {
    {"jpeg", OutputFormat::Jpeg},
    {"jpg", OutputFormat::Jpeg},
    {"png", OutputFormat::Png},
    {"tiff", OutputFormat::Tiff},
    {"tif", OutputFormat::Tiff},
    {"ico", OutputFormat::Ico},
    {"gif", OutputFormat::Gif},
    {"bmp", OutputFormat::Bmp},
    {"webp", OutputFormat::Webp},
};

// Extensions beyond the format words that name a format we write.
constexpr FormatEntry kExtraExtensions[] = {
    {"jpe", OutputFormat::Jpeg},
    {"dib", OutputFormat::Bmp},
};

bool fail(ConversionFailure *failure, const QString &message)
{
    if (failure)
        failure->message = message;
    return false;
}

QImage flattenOntoWhite(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

QImage fitIntoIcon(const QImage &image)
{
    if (image.width() <= kMaxIconSide && image.height() <= kMaxIconSide)
        return image;
    return image.scaled(kMaxIconSide, kMaxIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

std::optional<QByteArray> encodeWithQt(
    const QImage &image, OutputFormat format, ConversionFailure *failure)
{
    const QByteArray name = formatName(format);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, name);
    if (!writer.canWrite()) {
        fail(failure,
            QStringLiteral("this system cannot write %1 pictures (%2)")
                .arg(QString::fromLatin1(name).toUpper(), writer.errorString()));
        return std::nullopt;
    }
    if (format == OutputFormat::Jpeg)
        writer.setQuality(kJpegQuality);
    else if (format == OutputFormat::Webp)
        writer.setQuality(kWebpQuality);
    else if (format == OutputFormat::Png)
        writer.setQuality(kPngQuality);
    if (!writer.write(image)) {
        fail(failure,
            QStringLiteral("cannot encode the picture as %1: %2")
                .arg(QString::fromLatin1(name).toUpper(), writer.errorString()));
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::optional<OutputFormat> formatFromWord(const QString &word)
{
    for (const auto &entry : kFormatWords) {
        if (word.compare(QLatin1String(entry.word), Qt::CaseInsensitive) == 0)
            return entry.format;
    }
    return std::nullopt;
}

std::optional<OutputFormat> formatFromExtension(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty())
        return std::nullopt;
    if (auto format = formatFromWord(suffix))
        return format;
    for (const auto &entry : kExtraExtensions) {
        if (suffix.compare(QLatin1String(entry.word), Qt::CaseInsensitive) == 0)
            return entry.format;
    }
    return std::nullopt;
}

QByteArray formatName(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Jpeg:
        return "jpeg";
    case OutputFormat::Png:
        return "png";
    case OutputFormat::Tiff:
        return "tiff";
    case OutputFormat::Ico:
        return "ico";
    case OutputFormat::Gif:
        return "gif";
    case OutputFormat::Bmp:
        return "bmp";
    case OutputFormat::Webp:
        return "webp";
    }
    return {};
}

std::optional<QImage> readPicture(const QString &path, ConversionFailure *failure)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(failure, QStringLiteral("cannot read \"%1\": no such file").arg(path));
        if (failure)
            failure->sourceMissing = true;
        return std::nullopt;
    }
    if (info.isDir()) {
        fail(failure, QStringLiteral("cannot read \"%1\": it is a folder").arg(path));
        return std::nullopt;
    }
    // Read once, so that the picture decoded is the one checked.
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(failure, QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString()));
        if (failure && !QFileInfo::exists(path))
            failure->sourceMissing = true;
        return std::nullopt;
    }
    // A cut-short file is damaged: Qt's readers would fill in what is missing.
    if (const QString damage = kalvora::pictureDamage(bytes); !damage.isEmpty()) {
        fail(failure, QStringLiteral("cannot read \"%1\": %2").arg(path, damage));
        return std::nullopt;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    QImage image;
    if (!reader.read(&image)) {
        fail(failure, QStringLiteral("cannot read \"%1\": %2").arg(path, reader.errorString()));
        return std::nullopt;
    }
    return image;
}

std::optional<QByteArray> encodePicture(const QImage &image, OutputFormat format,
    const EncodeSettings &settings, ConversionFailure *failure)
{
    std::optional<QByteArray> bytes;
    switch (format) {
    case OutputFormat::Gif: {
        QString error;
        const QByteArray gif = kalvora::encodeGifImage(
            flattenOntoWhite(image), settings.colors, settings.dither, &error);
        if (gif.isEmpty())
            fail(failure, QStringLiteral("cannot encode the picture as GIF: %1").arg(error));
        else
            bytes = gif;
        break;
    }
    case OutputFormat::Jpeg:
        bytes = encodeWithQt(flattenOntoWhite(image), format, failure);
        break;
    case OutputFormat::Ico:
        bytes = encodeWithQt(fitIntoIcon(image), format, failure);
        break;
    default:
        bytes = encodeWithQt(image, format, failure);
        break;
    }
    if (!bytes)
        return std::nullopt;

    // A writer that reports success but leaves something else (an empty buffer, a plugin that
    // fell back to another format) must never replace a picture.
    QBuffer check(&*bytes);
    check.open(QIODevice::ReadOnly);
    const QByteArray found = QImageReader::imageFormat(&check);
    if (found != formatName(format)) {
        fail(failure,
            QStringLiteral("the %1 encoder produced no valid %1 file")
                .arg(QString::fromLatin1(formatName(format)).toUpper()));
        return std::nullopt;
    }
    return bytes;
}

bool replaceFileContents(const QString &path, const QByteArray &bytes, ConversionFailure *failure)
{
    // QSaveFile writes "<name>.XXXXXX" beside the target, syncs it and renames it over the
    // target on commit; without a commit the temporary file is removed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(
            failure, QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(failure, QStringLiteral("cannot write \"%1\": %2").arg(path, reason));
    }
    if (!file.commit())
        return fail(
            failure, QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString()));
    return true;
}

bool convertPicture(const QString &source, const QString &target, OutputFormat format,
    const EncodeSettings &settings, ConversionFailure *failure)
{
    const std::optional<QImage> image = readPicture(source, failure);
    if (!image)
        return false;
    std::optional<QByteArray> bytes = encodePicture(*image, format, settings, failure);
    if (!bytes) {
        if (failure)
            failure->message
                = QStringLiteral("cannot convert \"%1\": %2").arg(source, failure->message);
        return false;
    }
    return replaceFileContents(target, *bytes, failure);
}
