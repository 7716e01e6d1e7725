// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the output tests share: pictures made on the spot, a look at files and their tags, and
// one file taken through the engine as a stamp run takes it.

#include "eventpump.h"
#include "imageoutput.h"
#include "overlaytext.h"
#include "runtimefailure.h"
#include "toolrunner.h"
#include "worksurface.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// A picture with far more than 256 colours, so palettes and JPEG quality show.
inline QImage gradient(int width = 160, int height = 120)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    return image;
}

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

inline QString exifTag(const QString &tag, const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"), {"-s", "-s", "-s", "-" + tag, path});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// A JPEG carrying a date taken, a GPS position, an IPTC keyword and an XMP title.
inline void makeTaggedJpeg(const QString &path)
{
    QVERIFY(gradient().save(path, "jpeg"));
    QProcess tool;
    tool.start(QStringLiteral("exiftool"),
        {"-overwrite_original", "-DateTimeOriginal=2021:08:31 12:34:56", "-GPSLatitude=48.5",
            "-GPSLatitudeRef=N", "-IPTC:Keywords=alpine", "-XMP:Title=Peak", path});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
}

inline QString failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeFailure &failure) {
        return failure.description();
    }
    return {};
}

/// A test folder holding "pics" (the sources), "out" (a chosen folder) and "link" (a symbolic
/// link to "pics"), emptied before each test function.
class OutputFolders
{
public:
    void reset()
    {
        pics = dir.filePath(QStringLiteral("pics"));
        out = dir.filePath(QStringLiteral("out"));
        QDir(pics).removeRecursively();
        QDir(out).removeRecursively();
        QVERIFY(QDir().mkpath(pics));
        QVERIFY(QDir().mkpath(out));
        QFile::remove(dir.filePath(QStringLiteral("link")));
        QVERIFY(QFile::link(pics, dir.filePath(QStringLiteral("link"))));
    }

    QTemporaryDir dir;
    QString pics;
    QString out;
};

// One file through the engine as a stamp run takes it: load, stamp, write, copy the tags, and
// replace the source when the result belongs in its place.
inline OutputTarget stampFile(const QString &source, SaveOption option, const QString &folder,
    ToolRunner &tools, int quality = 85)
{
    QImage surface = LoadWorkSurface(source);
    OverlayText(surface, QStringLiteral("2021-08-31"), QStringLiteral("Center"),
        StampFont(StampOptions {}), Qt::yellow);
    const OutputTarget target = OutputPathFor(source, option, folder);
    WriteOutput(surface, target, ExtensionOf(source), quality, tools);
    CopyMetadata(source, target.path, tools);
    if (target.replaceSource)
        ReplaceSource(target.path, source, tools.events());
    return target;
}
