// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"
#include "childprocesses.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "engine/render/stamptext.h"
#include "kalvorastampfixture.h"
#include "testimages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace TestImages;

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using namespace kalvora;
using namespace KalvoraStampTest;

using namespace ChildProcesses;

// Runs with TZ=Europe/Berlin.
class TestKalvoraStamp : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init();
    void badCommandsWriteNothing_data();
    void badCommandsWriteNothing();
    void helpAndVersion();
    void flagsShapeTheStamp_data();
    void flagsShapeTheStamp();
    void qualityFlag();
    void foldersAreWalked();
    void namesNotInUtf8AreCountedOnce();
    void goodAndBadFilesTogether();
    void inPlace();
    void killedRunLeavesNoExifToolBehind();
    void exifToolStartsOnlyForOtherFormats_data();
    void exifToolStartsOnlyForOtherFormats();
};

void TestKalvoraStamp::init()
{
    setUp();
}

void TestKalvoraStamp::badCommandsWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    // "@" stands for the output folder, "$" for a source picture.
    QTest::newRow("nothing to stamp") << QStringList {"--output", "@", "$"} << "what to stamp";
    QTest::newRow("two things to stamp")
        << QStringList {"--text", "A", "--date", "taken", "--output", "@", "$"} << "only one";
    QTest::newRow("unknown option")
        << QStringList {"--text", "A", "--shout", "--output", "@", "$"} << "unknown option --shout";
    QTest::newRow("quality 0") << QStringList {"--text", "A", "--quality", "0", "--output", "@",
        "$"} << "--quality";
    QTest::newRow("quality 101") << QStringList {"--text", "A", "--quality", "101", "--output", "@",
        "$"} << "--quality";
    QTest::newRow("colour by name")
        << QStringList {"--text", "A", "--color", "red", "--output", "@", "$"} << "--color";
    QTest::newRow("unknown position")
        << QStringList {"--text", "A", "--position", "Middle", "--output", "@", "$"} << "position";
    QTest::newRow("unknown format")
        << QStringList {"--date", "taken", "--format", "Year", "--output", "@", "$"} << "format";
    QTest::newRow("unknown date kind")
        << QStringList {"--date", "yesterday", "--output", "@", "$"} << "--date";
    QTest::newRow("user date without time")
        << QStringList {"--user-date", "1.1.2021", "--output", "@", "$"} << "--user-time";
    QTest::newRow("no destination") << QStringList {"--text", "A", "$"} << "where results go";
    QTest::newRow("two destinations")
        << QStringList {"--text", "A", "--in-place", "--output", "@", "$"} << "only one";
    QTest::newRow("no files") << QStringList {"--text", "A", "--output", "@"} << "at least one";
    QTest::newRow("missing output folder")
        << QStringList {"--text", "A", "--output", "@/none", "$"} << "does not exist";
    QTest::newRow("negative size")
        << QStringList {"--text", "A", "--size", "-3", "--output", "@", "$"} << "--size";
    QTest::newRow("no jobs") << QStringList {"--text", "A", "--jobs", "0", "--output", "@", "$"}
                             << "--jobs";
    QTest::newRow("value missing")
        << QStringList {"--output", "@", "$", "--text"} << "needs a value";
    // The looks, dates and run choices: each malformed value is named by its flag.
    const QList<QStringList> malformed {{"--size-percent", "0.4"}, {"--size-percent", "25.5"},
        {"--size-percent", "4,5"}, {"--style", "glow"}, {"--style-color", "black"},
        {"--box-opacity", "101"}, {"--margin-percent", "-1"}, {"--date-format", " "},
        {"--locale", "xx_YY"}, {"--no-date-taken", "never"}, {"--time-shift", "1:60"},
        {"--time-shift", "+2h"}, {"--time-shift", "-1d2:3"}};
    for (const QStringList &flag : malformed)
        QTest::newRow(qPrintable(flag.join(' ')))
            << QStringList {"--text", "A", flag[0], flag[1], "--output", "@", "$"} << flag[0];
    QTest::newRow("style value missing")
        << QStringList {"--text", "A", "--output", "@", "$", "--style"} << "--style needs a value";
}

void TestKalvoraStamp::badCommandsWriteNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    QVERIFY(writeTaggedJpeg(source("a.jpg"), darkGray()));
    const QByteArray before = contents(source("a.jpg"));
    for (QString &argument : arguments)
        argument.replace('@', m_output->path()).replace('$', source("a.jpg"));

    const Outcome outcome = runStamp(arguments);

    QCOMPARE(outcome.code, 2);
    QVERIFY2(outcome.errors.contains(complaint), qPrintable(outcome.errors));
    QVERIFY2(
        outcome.errors.contains(QLatin1String("usage: kalvora-stamp")), qPrintable(outcome.errors));
    QVERIFY(filesIn(m_output->path()).isEmpty());
    QCOMPARE(contents(source("a.jpg")), before);
}

void TestKalvoraStamp::helpAndVersion()
{
    QProcess help;
    help.start(QCoreApplication::applicationDirPath() + "/kalvora-stamp", {"--help"});
    QVERIFY(help.waitForFinished(30000));
    QCOMPARE(help.exitCode(), 0);
    const QString text = QString::fromLocal8Bit(help.readAllStandardOutput());
    for (const char *flag :
        {"--text", "--date", "--user-date", "--format", "--position", "--font", "--size", "--bold",
            "--italic", "--underline", "--strikethrough", "--color", "--quality", "--output",
            "--in-place", "--extension", "--jobs", "--from-settings", "--undo"})
        QVERIFY2(text.contains(QLatin1String(flag)), flag);
    QProcess version;
    version.start(QCoreApplication::applicationDirPath() + "/kalvora-stamp", {"--version"});
    QVERIFY(version.waitForFinished(30000));
    QCOMPARE(version.exitCode(), 0);
    QVERIFY(version.readAllStandardOutput().startsWith("kalvora-stamp "));
}

void TestKalvoraStamp::flagsShapeTheStamp_data()
{
    // The flags, and the options they must amount to (from the window's first-start options).
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("style"); // bold 1, italic 2, underline 4, strikethrough 8
    QTest::addColumn<QRgb>("color");

    QTest::newRow("defaults") << QStringList {"--text", "Hello"} << "Hello"
                              << "Upper-Left"
                              << "Arial" << 14.0 << 1 << qRgb(255, 255, 255);
    QTest::newRow("two lines, lower right, red")
        << QStringList {"--text", "Lake\\nBled", "--position", "lower-right", "--color", "#FF0000"}
        << "Lake\nBled"
        << "Lower-Right"
        << "Arial" << 14.0 << 1 << qRgb(255, 0, 0);
    QTest::newRow("font, size and every style")
        << QStringList {"--text", "Style", "--font", "DejaVu Serif", "--size", "20", "--italic",
               "--underline", "--strikethrough", "--position", "Center"}
        << "Style"
        << "Center"
        << "DejaVu Serif" << 20.0 << 14 << qRgb(255, 255, 255);
    QTest::newRow("file date, datestamp only")
        << QStringList {"--date", "modified", "--format", "Datestamp", "--position", "Center-Top"}
        << ""
        << "Center-Top"
        << "Arial" << 14.0 << 1 << qRgb(255, 255, 255);
    QTest::newRow("user date and time") << QStringList {"--user-date", "2021-01-01", "--user-time",
        "noon", "--format", "Datestamp And Timestamp", "--bold", "--color", "#00FF00"}
                                        << "2021-01-01 noon"
                                        << "Upper-Left"
                                        << "Arial" << 14.0 << 1 << qRgb(0, 255, 0);
}

void TestKalvoraStamp::flagsShapeTheStamp()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, text);
    QFETCH(QString, position);
    QFETCH(QString, font);
    QFETCH(double, size);
    QFETCH(int, style);
    QFETCH(QRgb, color);
    const QString path = source("exact.bmp");
    QVERIFY(gradient(400, 300).save(path, "bmp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2021, 8, 31), QTime(11, 23, 45), Qt::UTC),
        QFileDevice::FileModificationTime));
    file.close();

    // The date is written the way the C locale writes it.
    const Outcome outcome = runStamp(flags + QStringList {"--output", m_output->path(), path});
    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));

    StampOptions options;
    options.font.name = font;
    options.font.pointSize = size;
    options.font.bold = style & 1;
    options.font.italic = style & 2;
    options.font.underline = style & 4;
    options.font.strikeOut = style & 8;
    QImage expected = loadWorkSurface(path);
    const QImage original = expected;
    if (text.isEmpty()) {
        // The file's date as the engine words it in the program's locale; the flags under
        // test are the ones that choose the date and its layout.
        StampOptions dated;
        dated.source = StampSource::FileDate;
        dated.fileDateKind = FileDateKind::DateModified;
        dated.format = StampFormat::Datestamp;
        text = ComposeStampText(dated, path, DateTexts()).value_or(QString());
        QVERIFY(!text.isEmpty());
    }
    OverlayText(expected, text, position, stampFont(options), QColor(color));
    QVERIFY(expected != original);
    QCOMPARE(QImage(output("exact.bmp")).convertToFormat(QImage::Format_RGB32), expected);
}

void TestKalvoraStamp::qualityFlag()
{
    const QString path = source("q.jpg");
    QVERIFY(gradient(640, 480).save(path, "jpeg", 100));
    QVERIFY(QDir().mkpath(output("low")) && QDir().mkpath(output("high")));
    QCOMPARE(runStamp({"--text", "Q", "--quality", "10", "--output", output("low"), path}).code, 0);
    QCOMPARE(
        runStamp({"--text", "Q", "--quality", "95", "--output", output("high"), path}).code, 0);
    QVERIFY(QFileInfo(output("high/q.jpg")).size() > 3 * QFileInfo(output("low/q.jpg")).size());
}

void TestKalvoraStamp::foldersAreWalked()
{
    for (const char *name : {"a.jpg", "sub/b.JPG", "sub/deeper/c.jpg", ".hidden.jpg", "~d.jpg",
             ".trash/e.jpg", "notes.txt", "sub/f.png"}) {
        const QString path = source(QLatin1String(name));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(darkGray().save(path, QByteArray(name).endsWith("png") ? "png" : "jpeg"));
    }

    const Outcome outcome = runStamp({"--text", "W", "--extension", "jpg", "--jobs", "3",
        "--output", m_output->path(), m_sources->path()});

    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));
    QCOMPARE(filesIn(m_output->path()), QStringList({"a.jpg", "b.JPG", "c.jpg"}));
}

void TestKalvoraStamp::namesNotInUtf8AreCountedOnce()
{
    QVERIFY(darkGray().save(source("good.jpg"), "jpeg"));
    QVERIFY(QDir().mkpath(source("sub")));
    // Two names of raw Latin-1 bytes, one of them in a subfolder.
    for (const QByteArray &name : {QByteArray("/caf\xe9.jpg"), QByteArray("/sub/\xff.jpg")}) {
        const int fd = ::open(
            (QFile::encodeName(m_sources->path()) + name).constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }

    const Outcome outcome
        = runStamp({"--text", "U", "--output", m_output->path(), m_sources->path()});

    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));
    QCOMPARE(filesIn(m_output->path()), QStringList {"good.jpg"});
    QCOMPARE(outcome.errors.count(QLatin1String("left out")), 1);
    QVERIFY2(outcome.errors.contains(QLatin1String("2 files were left out")),
        qPrintable(outcome.errors));
}

void TestKalvoraStamp::goodAndBadFilesTogether()
{
    QVERIFY(writeTaggedJpeg(source("good.jpg"), darkGray()));
    QFile broken(source("broken.jpg"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(contents(source("good.jpg")).left(2000));
    broken.close();
    QVERIFY(writeTaggedJpeg(source("later.jpg"), darkGray()));

    const Outcome outcome = runStamp({"--text", "M", "--output", m_output->path(),
        source("good.jpg"), source("broken.jpg"), source("missing.jpg"), source("later.jpg")});

    QCOMPARE(outcome.code, 1);
    const QStringList lines = outcome.errors.split('\n', Qt::SkipEmptyParts)
                                  .filter(QRegularExpression(QStringLiteral("^/")));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(source("broken.jpg") + ": ")
            && lines[0].contains("Cannot load the picture"),
        qPrintable(lines[0]));
    QVERIFY2(
        lines[1].startsWith(source("missing.jpg") + ": ") && lines[1].contains("does not exist"),
        qPrintable(lines[1]));
    QCOMPARE(filesIn(m_output->path()), QStringList({"good.jpg", "later.jpg"}));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), output("later.jpg")), QStringLiteral("Peak"));
}

void TestKalvoraStamp::inPlace()
{
    QVERIFY(writeTaggedJpeg(source("a.jpg"), darkGray()));
    QVERIFY(darkGray().save(source("b.png"), "png"));
    const QImage before = loadWorkSurface(source("a.jpg"));

    const Outcome outcome
        = runStamp({"--text", "IN PLACE", "--in-place", source("a.jpg"), source("b.png")});

    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));
    QCOMPARE(filesIn(m_sources->path()), QStringList({"a.jpg", "b.png"}));
    QVERIFY(!changedArea(before, loadWorkSurface(source("a.jpg")), 60).isEmpty());
    QCOMPARE(formatOf(source("b.png")), QByteArray("png"));
    QCOMPARE(exifTag(QStringLiteral("XMP:Title"), source("a.jpg")), QStringLiteral("Peak"));
}

// A kept-open ExifTool waits for commands past the end of its input: killed, the program must
// not leave its ExifTools running for good.
void TestKalvoraStamp::killedRunLeavesNoExifToolBehind()
{
    // PNG results are tagged by ExifTool; JPEGs of JPEGs would start none.
    QStringList files;
    for (int i = 0; i < 12; ++i) {
        files << source(QStringLiteral("p%1.png").arg(i));
        QVERIFY(darkGray(1600, 1200).save(files.last(), "png"));
    }
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"),
        QStringList {"--text", "K", "--jobs", "2", "--output", m_output->path()} + files);
    QVERIFY(process.waitForStarted());
    // Killed as soon as its ExifTools are there: one that is still loading, or waiting for its
    // first command, writes nothing the dead program could fail to read.
    QList<int> exifTools;
    QElapsedTimer waited;
    waited.start();
    while ((exifTools = exifToolsOf(process.processId())).isEmpty()
        && process.state() == QProcess::Running && waited.elapsed() < 20000)
        QThread::msleep(2);
    QVERIFY(!exifTools.isEmpty());
    QVERIFY2(process.state() == QProcess::Running, "the run ended before it could be killed");
    QVERIFY(::kill(pid_t(process.processId()), SIGKILL) == 0);
    QVERIFY(process.waitForFinished());
    for (const int pid : std::as_const(exifTools))
        QTRY_VERIFY2_WITH_TIMEOUT(hasEnded(pid), qPrintable(QString::number(pid)), 10000);
}

void TestKalvoraStamp::exifToolStartsOnlyForOtherFormats_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("started");
    QTest::newRow("JPEGs only") << QStringList {"a.jpg", "b.JPG", "c.jpeg"} << false;
    QTest::newRow("a PNG among JPEGs") << QStringList {"a.jpg", "b.png", "c.jpg"} << true;
}

// A run of JPEGs, whose results carry their sources' metadata, starts no ExifTool: the one on
// the search path notes each start and hands on to the real one.
void TestKalvoraStamp::exifToolStartsOnlyForOtherFormats()
{
    QFETCH(QStringList, names);
    QFETCH(bool, started);
    QTemporaryDir tools;
    const QString starts = tools.filePath("starts");
    QFile noting(tools.filePath("exiftool"));
    QVERIFY(noting.open(QIODevice::WriteOnly));
    noting.write(QStringLiteral("#!/bin/sh\necho started >> '%1'\nexec '%2' \"$@\"\n")
                     .arg(starts, QStandardPaths::findExecutable("exiftool"))
                     .toUtf8());
    noting.close();
    QVERIFY(noting.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QStringList files;
    for (const QString &name : std::as_const(names)) {
        files << source(name);
        QVERIFY(darkGray().save(files.last(), name.endsWith("png") ? "png" : "jpeg"));
        QCOMPARE(exifTool(QStringList {"-q", "-overwrite_original"} + sampleTagArguments()
                     + QStringList {files.last()}),
            0);
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", tools.path() + ':' + environment.value("PATH"));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"),
        QStringList {"--text", "K", "--jobs", "2", "--output", m_output->path()} + files);
    QVERIFY(process.waitForFinished(120000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QCOMPARE(QFile::exists(starts), started);
    for (const QString &name : std::as_const(names))
        QCOMPARE(exifTag(QStringLiteral("XMP:Title"), output(name)), QStringLiteral("Peak"));
}

QTEST_MAIN(TestKalvoraStamp)
#include "tst_kalvorastamp.moc"
