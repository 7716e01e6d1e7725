// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageoutput.h"

#include "converter.h"
#include "filehelpers.h"
#include "runtimefailure.h"
#include "toolrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Two spellings name the same folder when they read the same or resolve to the same canonical
// path (which only an existing folder has).
bool sameFolder(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// The status numbers of the JPEG writer's failures, in the numbering the failure text has
// always used: generic failure, invalid parameter, file system failure, unknown format.
int statusOf(QImageWriter::ImageWriterError error)
{
    switch (error) {
    case QImageWriter::DeviceError:
        return 7;
    case QImageWriter::UnsupportedFormatError:
        return 13;
    case QImageWriter::InvalidImageError:
        return 2;
    case QImageWriter::UnknownError:
        break;
    }
    return 1;
}

[[noreturn]] void failJpeg(int status)
{
    throw RuntimeFailure(
        QStringLiteral("Cannot save the image. GDI+ Error:%1").arg(status), kSaveFailureNumber);
}

bool holdsNoTags(const QString &ext)
{
    return OutputKindOf(ext) == OutputKind::Bitmap || ext.compare(u"ico", Qt::CaseInsensitive) == 0;
}

} // namespace

QString ExtensionOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
}

QString StripExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= 1 ? path.left(dot) : path;
}

OutputKind OutputKindOf(const QString &ext)
{
    const QString lower = ext.toLower();
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return OutputKind::Jpeg;
    if (lower == QLatin1String("bmp") || lower == QLatin1String("dib")
        || lower == QLatin1String("wmf") || lower == QLatin1String("emf"))
        return OutputKind::Bitmap;
    if (!OutputFormatWords(lower).isEmpty())
        return OutputKind::Converted;
    return OutputKind::Unsupported;
}

OutputTarget OutputPathFor(
    const QString &sourcePath, SaveOption saveOption, const QString &outputFolder)
{
    const QString name = FileNameOfPath(sourcePath);
    const QString folder
        = saveOption == SaveOption::ChosenFolder ? outputFolder : FolderOf(sourcePath);
    OutputTarget target {NormalizePath(folder + kSeparator + name), false};
    if (sameFolder(FolderOf(target.path), FolderOf(sourcePath))) {
        target.replaceSource = true;
        target.path
            = StripExtension(target.path) + QStringLiteral("_Stamped.") + ExtensionOf(sourcePath);
    }
    return target;
}

void SaveAsJPG(const QImage &image, const QString &path, int quality)
{
    if (image.isNull())
        failJpeg(statusOf(QImageWriter::InvalidImageError));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failJpeg(statusOf(QImageWriter::DeviceError));
    QImageWriter writer(&file, "jpeg");
    if (!writer.canWrite())
        failJpeg(statusOf(writer.error()));
    writer.setQuality(std::clamp(quality, 1, 100));
    if (!writer.write(image)) {
        file.cancelWriting();
        failJpeg(statusOf(writer.error()));
    }
    if (!file.commit())
        failJpeg(statusOf(QImageWriter::DeviceError));
}

void SaveBitmap(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    QString reason;
    if (image.isNull()) {
        reason = QStringLiteral("the picture is empty");
    } else if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else {
        QImageWriter writer(&file, "bmp");
        if (!writer.write(image)) {
            reason = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            reason = file.errorString();
        }
    }
    if (!reason.isEmpty())
        throw RuntimeFailure(
            QStringLiteral("Cannot save the picture %1: %2").arg(shown(path), reason), 75);
}

void WriteOutput(const QImage &surface, const OutputTarget &target, const QString &ext, int quality,
    ToolRunner &tools)
{
    const OutputKind kind = OutputKindOf(ext);
    if (kind == OutputKind::Unsupported)
        throw RuntimeFailure(QStringLiteral("Cannot save %1: pictures of the type \"%2\" "
                                            "cannot be written.")
                                 .arg(shown(target.path), ext),
            5);
    if (target.replaceSource) {
        // A result of an earlier run must never be taken for this one's.
        RemoveFile(target.path, tools.events());
        if (FileExists(target.path))
            throw RuntimeFailure(
                QStringLiteral("Cannot remove the earlier result %1.").arg(shown(target.path)), 75);
    }
    switch (kind) {
    case OutputKind::Jpeg:
        SaveAsJPG(surface, target.path, quality);
        break;
    case OutputKind::Bitmap:
        SaveBitmap(surface, target.path);
        break;
    case OutputKind::Converted:
        SaveBitmap(surface, target.path);
        ConvertOutput(target.path, ext, tools);
        break;
    case OutputKind::Unsupported:
        break;
    }
}

QStringList CopyMetadataArguments(const QString &sourcePath, const QString &outputPath)
{
    return {QStringLiteral("-TagsFromFile"), QFileInfo(sourcePath).absoluteFilePath(),
        QStringLiteral("-EXIF:All"), QStringLiteral("-GPS:All"), QStringLiteral("-IPTC:All"),
        QStringLiteral("-XMP:All"), QFileInfo(outputPath).absoluteFilePath()};
}

void CopyMetadata(const QString &sourcePath, const QString &outputPath, ToolRunner &tools)
{
    // ExifTool cannot write bitmaps and icons, and they have no place for the tags.
    if (holdsNoTags(ExtensionOf(outputPath)))
        return;
    const QString exifTool = tools.exifTool();
    QString errorText;
    const int code = tools.run(exifTool, CopyMetadataArguments(sourcePath, outputPath), &errorText);
    // ExifTool keeps the output as it was under this name; nothing needs it.
    RemoveFile(
        QFileInfo(outputPath).absoluteFilePath() + QStringLiteral("_original"), tools.events());
    if (code == 0)
        return;
    QString reason = code == kToolNotStarted
        ? QStringLiteral("exiftool could not be started")
        : QStringLiteral("exiftool ended with code %1").arg(code);
    if (!errorText.isEmpty())
        reason += QStringLiteral(" (%1)").arg(errorText);
    throw RuntimeFailure(QStringLiteral("Cannot copy the metadata of %1 into %2: %3.")
                             .arg(shown(sourcePath), shown(outputPath), reason),
        5);
}

void CopyOver(const QString &source, const QString &destination)
{
    const QString s = NormalizePath(source);
    const QString d = NormalizePath(destination);
    const auto fail = [&](const QString &reason) {
        throw RuntimeFailure(
            QStringLiteral("Cannot copy %1 over %2: %3").arg(shown(s), shown(d), reason), 75);
    };
    if (s.trimmed().isEmpty() || d.trimmed().isEmpty())
        fail(QStringLiteral("no file is named"));
    if (!IsOpenableFile(s))
        fail(QStringLiteral("the file does not exist"));

    QFile in(s);
    if (!in.open(QIODevice::ReadOnly))
        fail(in.errorString());
    // The copy goes to a temporary file beside the destination that is renamed over it only
    // when complete; the destination's permissions carry over to it.
    QSaveFile out(d);
    if (!out.open(QIODevice::WriteOnly))
        fail(out.errorString());
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = in.read(buffer.data(), buffer.size());
        if (read < 0) {
            out.cancelWriting();
            fail(in.errorString());
        }
        if (read == 0)
            break;
        if (out.write(buffer.constData(), read) != read) {
            out.cancelWriting();
            fail(out.errorString());
        }
    }
    if (!out.commit())
        fail(out.errorString());
}

void ReplaceSource(const QString &stampedPath, const QString &sourcePath, EventPump &events)
{
    CopyOver(stampedPath, sourcePath);
    RemoveFile(stampedPath, events);
}
