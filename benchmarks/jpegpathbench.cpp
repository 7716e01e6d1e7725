// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// jpegpathbench FILE...: the processor time one thread spends per JPEG on the two ways a JPEG
// result is made: the whole decode, stamp and encode, and the stamp in the photo's blocks. Each
// stage is timed in thread CPU time, so other work on the machine does not count; files are
// read into memory first. Prints milliseconds per file for each stage and the mean.

#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/jpegblockstamp.h"
#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <ctime>

using namespace kalvora;

namespace {

double cpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    configureImageReading();
    StampOptions options;
    FontChoice font;
    font.name = QStringLiteral("Arial");
    font.pointSize = 48;
    options.font = font;
    const QFont qtFont = stampFont(options);
    const QString text = QStringLiteral("2023-07-14 10:23:07");
    const QString position = QStringLiteral("Lower-Right");
    constexpr int kQuality = 85;

    std::printf(
        "%-16s %8s %8s %8s %8s %8s\n", "file", "decode", "encode", "plain", "blocks", "encode");
    double sums[5] = {};
    int count = 0;
    for (const QString &path : QCoreApplication::arguments().mid(1)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.readAll();
        double t0 = cpuMs();
        QImage surface = decodeJpeg(data, path);
        surface.setDotsPerMeterX(kSurfaceDotsPerMeter);
        surface.setDotsPerMeterY(kSurfaceDotsPerMeter);
        const double t1 = cpuMs();
        OverlayText(surface, text, position, qtFont, Qt::white);
        const QByteArray plain = encodeJpeg(surface, kQuality);
        const double t2 = cpuMs();
        surface = QImage();
        t0 = t1 - t0;
        const double t3 = cpuMs();
        auto blocks = JpegBlockStamper::open(data, path);
        const double t4 = cpuMs();
        QByteArray stamped;
        if (blocks) {
            blocks->setStamp(text, position, qtFont, Qt::white);
            stamped = blocks->encode(kQuality);
        }
        const double t5 = cpuMs();
        const double row[5] = {t0, t2 - t1, t0 + t2 - t1, t4 - t3, t5 - t4};
        std::printf("%-16s %8.1f %8.1f %8.1f %8.1f %8.1f  (%lld / %lld bytes)\n",
            qPrintable(path.section(QLatin1Char('/'), -1)), row[0], row[1], row[2], row[3], row[4],
            qlonglong(plain.size()), qlonglong(stamped.size()));
        for (int i = 0; i < 5; ++i)
            sums[i] += row[i];
        ++count;
    }
    if (count)
        std::printf("%-16s %8.1f %8.1f %8.1f %8.1f %8.1f   ms of processor time per file\n", "mean",
            sums[0] / count, sums[1] / count, sums[2] / count, sums[3] / count, sums[4] / count);
    return count ? 0 : 1;
}
