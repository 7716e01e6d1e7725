// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// stampbench [FILES] [--replace]: stamps a folder of generated 12-megapixel JPEGs carrying
// EXIF, GPS, IPTC and XMP tags one after another on one thread, as one worker of a run does
// each file, and prints where each file's time went: load, draw, save, metadata copy (through
// the kept-open ExifTool), the rename into place and the rest.
// With --replace the results go in place of the sources; otherwise into a folder of their own.
#include "base/datetexts.h"
#include "benchpictures.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/toolrunner.h"
#include "engine/run/stampjob.h"
#include "engine/run/tempfolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace kalvora;

namespace {

bool makeTaggedPhoto(const QString &path)
{
    if (!photoLike(4000, 3000).save(path, "jpeg", 90))
        return false;
    return QProcess::execute(QStringLiteral("exiftool"),
               {"-q", "-overwrite_original", "-DateTimeOriginal=2021:08:31 13:23:45",
                   "-GPSLatitude=48.5", "-GPSLatitudeRef=N", "-IPTC:Keywords=alpine",
                   "-XMP:Title=Peak", path})
        == 0;
}

double ms(qint64 nsecs)
{
    return nsecs / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    configureImageReading();
    const QStringList arguments = app.arguments().mid(1);
    const bool replace = arguments.contains(QStringLiteral("--replace"));
    int count = 6;
    for (const QString &argument : arguments)
        if (argument.toInt() > 0)
            count = argument.toInt();

    QTemporaryDir sources;
    QTemporaryDir results;
    const QString first = sources.filePath(QStringLiteral("IMG_0001.JPG"));
    if (!makeTaggedPhoto(first)) {
        std::fprintf(stderr, "cannot make the test photo (is exiftool installed?)\n");
        return 1;
    }
    QStringList paths {first};
    for (int i = 2; i <= count; ++i) {
        paths << sources.filePath(QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
        QFile::copy(first, paths.last());
    }

    ToolRunner converter;
    TempFolder temp;
    const DateTexts texts;
    ExifToolSession exifTool(converter.exifTool());
    const StampJobTools tools {converter, exifTool, texts};
    StampOptions options;
    options.source = StampSource::FileDate;
    options.fileDateKind = FileDateKind::DateTaken;
    options.format = StampFormat::DatestampAndTimestamp;
    options.position = StampPosition::LowerRight;
    options.font.pointSize = 48;
    options.saveOption = replace ? SaveOption::OriginalFolder : SaveOption::ChosenFolder;
    options.outputFolder = results.path() + QLatin1Char('/');

    std::printf("%d tagged 12-megapixel JPEGs, results %s\n", count,
        replace ? "in place of the sources" : "in a folder of their own");
    std::printf("%-14s %8s %8s %8s %8s %8s %8s %8s\n", "file", "load", "draw", "save", "metadata",
        "replace", "rest", "total");
    StampTimings sum;
    qint64 sumTotal = 0;
    for (const QString &path : std::as_const(paths)) {
        QElapsedTimer timer;
        timer.start();
        const StampJobResult result = runStampJob(stampJobFor(path, options, temp.path()), tools);
        const qint64 total = timer.nsecsElapsed();
        const StampTimings &timings = result.timings;
        for (const StampFailure &failure : result.failures)
            std::fprintf(stderr, "%s (step %d)\n", qPrintable(failure.description), failure.step);
        const qint64 rest = total - timings.convert - timings.load - timings.draw - timings.save
            - timings.metadata - timings.replace;
        std::printf("%-14s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f\n",
            qPrintable(path.section(QLatin1Char('/'), -1)), ms(timings.load), ms(timings.draw),
            ms(timings.save), ms(timings.metadata), ms(timings.replace), ms(rest), ms(total));
        sum.load += timings.load;
        sum.draw += timings.draw;
        sum.save += timings.save;
        sum.metadata += timings.metadata;
        sum.replace += timings.replace;
        sumTotal += total;
    }
    const qint64 sumRest = sumTotal - sum.load - sum.draw - sum.save - sum.metadata - sum.replace;
    std::printf("%-14s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f   (ms per file)\n", "mean",
        ms(sum.load) / count, ms(sum.draw) / count, ms(sum.save) / count, ms(sum.metadata) / count,
        ms(sum.replace) / count, ms(sumRest) / count, ms(sumTotal) / count);
    return 0;
}
