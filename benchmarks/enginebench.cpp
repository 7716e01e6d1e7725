// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// enginebench [PHOTO.jpg]: what one file costs the stamping engine. Measures a tool run that
// ends at once (against the 100-millisecond wait cycle); the JPEG decode and encode of a
// 12-megapixel photo through Qt's plugin and through libjpeg-turbo; the photo loaded, stamped
// and saved as a job does; and the metadata copy by the kept-open ExifTool.
#include "benchpictures.h"
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/imageoutput.h"
#include "engine/output/toolrunner.h"
#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace kalvora;

namespace {

// The best of \a rounds runs, in milliseconds: the figure least disturbed by other work.
double bestOf(int rounds, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    configureImageReading();
    QTemporaryDir dir;

    const double toolRun = bestOf(20, [&] { RunAndWait(QStringLiteral("true"), {}); });
    std::printf("tool run that ends at once: %.2f ms\n", toolRun);

    // A photo given on the command line (a camera file of the benchmark corpus), or one made here.
    const QStringList arguments = app.arguments().mid(1);
    QString source = arguments.value(0);
    if (source.isEmpty()) {
        source = dir.filePath(QStringLiteral("photo.jpg"));
        QImageWriter writer(source, "jpeg");
        writer.setQuality(90);
        if (!writer.write(photoLike(4000, 3000))) {
            std::fprintf(stderr, "cannot write the test photo\n");
            return 1;
        }
    }
    const QString output = dir.filePath(QStringLiteral("out.jpg"));
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(source));
        return 1;
    }
    const QByteArray data = file.readAll();

    // Decode and encode on their own, through Qt's plugin and through libjpeg-turbo.
    QImage decoded;
    const double qtDecode = bestOf(5, [&] {
        QImageReader reader(source);
        decoded = reader.read().convertToFormat(QImage::Format_RGB32);
    });
    const double turboDecode = bestOf(5, [&] { decoded = decodeJpeg(data, source); });
    const double qtEncode = bestOf(5, [&] {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(85);
        writer.write(decoded);
    });
    const double turboEncode = bestOf(5, [&] { encodeJpeg(decoded, 85); });
    std::printf("%d x %d JPEG   Qt plugin   libjpeg-turbo\n", decoded.width(), decoded.height());
    std::printf("decode           %6.0f ms   %6.0f ms\n", qtDecode, turboDecode);
    std::printf("encode q85       %6.0f ms   %6.0f ms\n", qtEncode, turboEncode);

    const QFont font = stampFont(StampOptions {});
    const double engine = bestOf(3, [&] {
        QImage surface = loadWorkSurface(source);
        OverlayText(surface, QStringLiteral("31.08.2021 13:23:45"), QStringLiteral("Lower-Right"),
            font, Qt::white);
        SaveAsJPG(surface, output, 85);
    });
    std::printf("load + stamp + save as a job does: %.0f ms\n", engine);

    ToolRunner tools;
    ExifToolSession exifTool(tools.exifTool());
    exifTool.start();
    const double first = bestOf(1, [&] { exifTool.copyTags(source, output, dir.path()); });
    const double metadata = bestOf(5, [&] { exifTool.copyTags(source, output, dir.path()); });
    std::printf(
        "metadata copy by the kept-open ExifTool: first %.0f ms, then %.0f ms\n", first, metadata);
    return 0;
}
