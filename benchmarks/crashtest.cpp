// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Kills "kalvora-stamp --in-place" with SIGKILL at random moments over a folder of tagged JPEGs,
// tagged PNGs with transparency, an animated GIF and a two-page TIFF, and after each kill checks
// that every source is either its original bytes or a complete stamped result with its tags,
// and that a second run over the folder works and leaves nothing of the killed one behind.
//
//   crashtest [KILLS] [SEED]        (defaults: 60 kills, seed from the clock)
//
// Prints one line per kill and the counts at the end; exits 1 when any check failed.
#include "engine/codecs/picturecodec.h"
#include "engine/codecs/worksurface.h"
#include "picturefiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <map>

using namespace kalvora;

using namespace PictureFiles;

namespace {

const QStringList kTagArguments {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
    QStringLiteral("-XMP:Title=Peak"), QStringLiteral("-XMP:Subject=alpine")};

void say(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString exifTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"), arguments);
    tool.waitForFinished(120000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

QImage photo(int width, int height, int seed, bool alpha)
{
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgba((x * 3 + seed * 40) % 256, (y * 5 + x) % 256, (x ^ y) % 256,
                alpha ? (x < width / 3 ? 0 : 128 + (y % 128)) : 255);
    }
    return image;
}

// The fixture: names and their original bytes.
std::map<QString, QByteArray> makeFixture(const QString &folder)
{
    QStringList tagged;
    for (int i = 0; i < 6; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i));
        photo(2400, 1600, i, false).save(path, "jpeg", 92);
        tagged << path;
    }
    for (int i = 0; i < 2; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("clear%1.png").arg(i));
        photo(1200, 900, i, true).save(path, "png");
        tagged << path;
    }
    const QString tiff = QDir(folder).filePath(QStringLiteral("pages.tif"));
    writeTiff(tiff, {photo(900, 600, 1, false), photo(900, 600, 2, false)});
    tagged << tiff;
    QList<QImage> frames;
    for (int i = 0; i < 3; ++i)
        frames << flatFrame(320, 200, qRgb(20, 30, 40), qRgb(200, 40, 40), i * 30);
    writeGif(QDir(folder).filePath(QStringLiteral("anim.gif")), frames, {10, 10, 10}, 0);
    exifTool(kTagArguments + tagged);

    std::map<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        file.open(QIODevice::ReadOnly);
        files[name] = file.readAll();
    }
    return files;
}

void copyFixture(const std::map<QString, QByteArray> &fixture, const QString &folder)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (const auto &[name, bytes] : fixture) {
        QFile file(QDir(folder).filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
}

// A complete stamped result: it decodes strictly, whole, with as many frames as the original,
// differs from it, and keeps its tags where its format holds them.
QString checkStamped(const QString &path, const QByteArray &original)
{
    try {
        if (path.endsWith(QLatin1String(".jpg"))) {
            loadWorkSurface(path);
        } else {
            QTemporaryDir scratch;
            const QString before = scratch.filePath(QFileInfo(path).fileName());
            QFile file(before);
            file.open(QIODevice::WriteOnly);
            file.write(original);
            file.close();
            if (loadPicture(path).frames.size() != loadPicture(before).frames.size())
                return QStringLiteral("frames lost");
        }
    } catch (const RuntimeFailure &failure) {
        return failure.description();
    }
    if (!path.endsWith(QLatin1String(".gif"))
        && exifTool({QStringLiteral("-s3"), QStringLiteral("-XMP:Title"), path})
            != QLatin1String("Peak"))
        return QStringLiteral("tags lost");
    return {};
}

QStringList stampArguments(const QString &folder, const std::map<QString, QByteArray> &fixture)
{
    QStringList arguments {QStringLiteral("--in-place"), QStringLiteral("--text"),
        QStringLiteral("CRASH TEST"), QStringLiteral("--size"), QStringLiteral("40"),
        QStringLiteral("--")};
    for (const auto &[name, bytes] : fixture)
        arguments << QDir(folder).filePath(name);
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    configureImageReading();
    const QStringList args = app.arguments();
    const int kills = args.size() > 1 ? args[1].toInt() : 60;
    const quint32 seed
        = args.size() > 2 ? args[2].toUInt() : QRandomGenerator::system()->generate();
    QRandomGenerator random(seed);
    const QString stamp
        = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kalvora-stamp"));

    QTemporaryDir root;
    const QString fixtureFolder = root.filePath(QStringLiteral("fixture"));
    QDir().mkpath(fixtureFolder);
    const std::map<QString, QByteArray> fixture = makeFixture(fixtureFolder);
    const QString folder = root.filePath(QStringLiteral("photos"));

    // One whole run, to know how long the kills may wait.
    copyFixture(fixture, folder);
    QElapsedTimer timer;
    timer.start();
    const int whole = QProcess::execute(stamp, stampArguments(folder, fixture));
    const qint64 runMs = timer.elapsed();
    say(QStringLiteral("seed %1; %2 files; a whole run took %3 ms (exit %4)")
            .arg(seed)
            .arg(fixture.size())
            .arg(runMs)
            .arg(whole));

    int original = 0;
    int stamped = 0;
    int broken = 0;
    int rerunFailures = 0;
    int leftoversAfterRerun = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        copyFixture(fixture, folder);
        const int waitMs = int(random.bounded(quint32(runMs * 11 / 10 + 1)));
        QProcess run;
        run.start(stamp, stampArguments(folder, fixture));
        run.waitForStarted();
        QThread::msleep(ulong(waitMs));
        ::kill(pid_t(run.processId()), SIGKILL);
        run.waitForFinished();

        int killOriginal = 0;
        int killStamped = 0;
        QStringList problems;
        for (const auto &[name, bytes] : fixture) {
            const QString path = QDir(folder).filePath(name);
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                problems << name + QStringLiteral(": gone");
                continue;
            }
            if (file.readAll() == bytes) {
                ++killOriginal;
                continue;
            }
            const QString problem = checkStamped(path, bytes);
            if (problem.isEmpty())
                ++killStamped;
            else
                problems << name + QStringLiteral(": ") + problem;
        }
        original += killOriginal;
        stamped += killStamped;
        broken += int(problems.size());
        const QStringList left = QDir(folder)
                                     .entryList(QDir::Files | QDir::Hidden)
                                     .filter(QStringLiteral(".kalvora-"));

        // A second run over what the killed one left.
        QProcess rerun;
        rerun.setProcessChannelMode(QProcess::MergedChannels);
        rerun.start(stamp, stampArguments(folder, fixture));
        rerun.waitForFinished(600000);
        const QString output = QString::fromUtf8(rerun.readAll());
        const bool rerunOk = rerun.exitStatus() == QProcess::NormalExit && rerun.exitCode() == 0
            && !output.contains(QLatin1String("Temporary file already exists"));
        rerunFailures += !rerunOk;
        QStringList after = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        for (const auto &[name, bytes] : fixture)
            after.removeAll(name);
        leftoversAfterRerun += int(after.size());

        say(QStringLiteral("kill %1 at %2 ms: %3 original, %4 stamped, %5 broken; %6 private "
                           "files left; rerun %7%8")
                .arg(kill)
                .arg(waitMs)
                .arg(killOriginal)
                .arg(killStamped)
                .arg(problems.size())
                .arg(left.size())
                .arg(rerunOk ? QStringLiteral("ok") : QStringLiteral("FAILED: ") + output.trimmed())
                .arg(after.isEmpty() ? QString()
                                     : QStringLiteral("; left after rerun: ") + after.join(u' ')));
        for (const QString &problem : std::as_const(problems))
            say(QStringLiteral("  BROKEN ") + problem);
    }
    say(QStringLiteral("%1 kills, %2 sources checked: %3 original, %4 complete stamped results, "
                       "%5 broken; %6 reruns failed; %7 files left after reruns")
            .arg(kills)
            .arg(kills * int(fixture.size()))
            .arg(original)
            .arg(stamped)
            .arg(broken)
            .arg(rerunFailures)
            .arg(leftoversAfterRerun));
    return broken == 0 && rerunFailures == 0 && leftoversAfterRerun == 0 ? 0 : 1;
}
