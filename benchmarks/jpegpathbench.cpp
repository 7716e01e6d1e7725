// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// jpegpathbench FILE...: the processor time one thread spends per JPEG on the three ways a JPEG
// result is made: the whole decode, stamp and encode, the stamp in the photo's blocks, and the
// stamp in the photo's own quality (opening: reading and walking the scan; writing: the rest). Each
// stage is timed in thread CPU time, so other work on the machine does not count; files are
// read into memory first. Prints milliseconds per file for each stage and the mean.

#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/jpegblockstamp.h"
#include "engine/render/overlaytext.h"
#include "engine/render/ownqualitystamp.h"
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

    std::printf("%-16s %8s %8s %8s %8s %8s %8s %8s\n", "file", "decode", "encode", "plain",
        "blocks", "encode", "own:open", "write");
    constexpr int kColumns = 7;
    double sums[kColumns] = {};
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
        const auto own = OwnQualityStamper::open(data, path);
        const double t6 = cpuMs();
        own->setStamp(TextStamp {text, position, qtFont, Qt::white, {}});
        const QByteArray kept = own->write({});
        const double t7 = cpuMs();
        const double row[kColumns]
            = {t0, t2 - t1, t0 + t2 - t1, t4 - t3, t5 - t4, t6 - t5, t7 - t6};
        std::printf("%-16s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f  (%lld / %lld / %lld bytes)\n",
            qPrintable(path.section(QLatin1Char('/'), -1)), row[0], row[1], row[2], row[3], row[4],
            row[5], row[6], qlonglong(plain.size()), qlonglong(stamped.size()),
            qlonglong(kept.size()));
        for (int i = 0; i < kColumns; ++i)
            sums[i] += row[i];
        ++count;
    }
    if (count) {
        std::printf("%-16s", "mean");
        for (const double sum : sums)
            std::printf(" %8.1f", sum / count);
        std::printf("   ms of processor time per file\n");
    }
    return count ? 0 : 1;
}
