// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/imageoutput.h"
#include "engine/codecs/failuretexts.h"
#include "engine/output/placement.h"

#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/output/converter.h"
#include "engine/output/stalefolders.h"
#include "engine/output/toolrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace kalvora {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
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

// Writes all of \a bytes to the open \a file straight through the system, so a failure has
// the system's own reason ("No space left on device"), which buffered writes lose.
bool writeAll(QFile &file, const QByteArray &bytes, QString *reason)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.handle(), data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *reason = QString::fromLocal8Bit(std::strerror(written < 0 ? errno : EIO));
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

[[noreturn]] void failSave(int status, const QString &path, const QString &reason)
{
    throw RuntimeFailure(saveFailureText(status, path, reason), kSaveFailureNumber);
}

} // namespace

QString saveFailureText(int status, const QString &path, const QString &reason)
{
    //: Keep "GDI+ Error:%1" as it is (a status number people look up); %2 is the file, %3 the
    //: reason.
    return OutputFailures::tr("Cannot save the image. GDI+ Error:%1\n%2: %3")
        .arg(QString::number(status), shown(path), reason);
}

void SaveAsJPG(const QImage &image, const QString &path, int quality)
{
    if (image.isNull())
        failSave(statusOf(QImageWriter::InvalidImageError), path,
            OutputFailures::tr("the picture is empty"));
    const QByteArray bytes = encodeJpeg(image, quality);
    if (bytes.isEmpty())
        failSave(statusOf(QImageWriter::UnknownError), path,
            OutputFailures::tr("the JPEG encoder failed"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        failSave(statusOf(QImageWriter::DeviceError), path, file.errorString());
}

void SaveBitmap(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    QString reason;
    if (image.isNull()) {
        reason = OutputFailures::tr("the picture is empty");
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
            OutputFailures::tr("Cannot save the picture %1: %2").arg(shown(path), reason), 75);
}

void writeOutput(const QImage &surface, const QString &path, const QString &ext, int quality,
    ToolRunner &tools, const std::function<QByteArray()> &encodeJpeg)
{
    const OutputKind kind = outputKindOf(ext);
    if (kind == OutputKind::Unsupported)
        throw RuntimeFailure(OutputFailures::tr("Cannot save %1: pictures of the type \"%2\" "
                                                "cannot be written.")
                                 .arg(shown(path), ext),
            5);
    // The path is a new private file that only this call writes and that is renamed into place
    // later, so it is written directly: a temporary file and a flush to disk here would only
    // be undone by the tag copy, which rewrites it.
    QFile file(path);
    const auto fail = [&](const QString &description, int number) {
        file.close();
        QFile::remove(path);
        throw RuntimeFailure(description, number);
    };
    if (surface.isNull() && !(encodeJpeg && kind == OutputKind::Jpeg))
        fail(saveFailureText(statusOf(QImageWriter::InvalidImageError), path,
                 OutputFailures::tr("the picture is empty")),
            kSaveFailureNumber);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        fail(kind == OutputKind::Jpeg
                ? saveFailureText(statusOf(QImageWriter::DeviceError), path, file.errorString())
                : OutputFailures::tr("Cannot save the picture %1: %2")
                      .arg(shown(path), file.errorString()),
            kind == OutputKind::Jpeg ? kSaveFailureNumber : 75);
    if (kind == OutputKind::Jpeg) {
        const QByteArray bytes = encodeJpeg ? encodeJpeg() : kalvora::encodeJpeg(surface, quality);
        if (bytes.isEmpty())
            fail(saveFailureText(statusOf(QImageWriter::UnknownError), path,
                     OutputFailures::tr("the JPEG encoder failed")),
                kSaveFailureNumber);
        QString reason;
        if (!writeAll(file, bytes, &reason))
            fail(saveFailureText(statusOf(QImageWriter::DeviceError), path, reason),
                kSaveFailureNumber);
        return;
    }
    QImageWriter writer(&file, "bmp");
    if (!writer.write(surface) || !file.flush())
        fail(OutputFailures::tr("Cannot save the picture %1: %2")
                 .arg(shown(path),
                     writer.error() == QImageWriter::DeviceError ? file.errorString()
                                                                 : writer.errorString()),
            75);
    file.close();
    if (kind == OutputKind::Converted) {
        try {
            ConvertOutput(path, ext, tools);
        } catch (...) {
            QFile::remove(path);
            throw;
        }
    }
}

void writeNewFile(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        failSave(statusOf(QImageWriter::DeviceError), path, file.errorString());
    QString reason;
    if (!writeAll(file, bytes, &reason)) {
        file.close();
        QFile::remove(path);
        failSave(statusOf(QImageWriter::DeviceError), path, reason);
    }
}

} // namespace kalvora
