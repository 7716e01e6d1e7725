// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvorastampfixture.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace KalvoraStampTest;

namespace {

struct Printed
{
    int code = -1;
    QString out;
    QString errors;
};

// kalvora-stamp with its temporary folder in \a temporaryFolder, and what it printed.
Printed runStampIn(const QString &temporaryFolder, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
    process.setProcessEnvironment(environment);
    process.start(
        QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file and folder below \a folder, by path relative to it.
QStringList entriesBelow(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

// A picture of \a size saved as \a path in the format its extension names; a GIF through the
// converter, since Qt cannot write one.
void makePicture(const QString &path, QSize size = {64, 48})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QImage picture = darkGray(size.width(), size.height());
    if (suffix == QLatin1String("gif")) {
        QVERIFY(picture.save(path, "bmp"));
        QCOMPARE(QProcess::execute(QCoreApplication::applicationDirPath() + "/kalvora-convert",
                     {"-out", "gif", "-dither", "-colors", "256", path}),
            0);
    } else {
        QVERIFY(picture.save(path, suffix == QLatin1String("tif") ? "tiff" : nullptr));
    }
}

// The mark's tags ExifTool reads in \a path (no configuration given), by tag name.
QJsonObject markOf(const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"),
        {QStringLiteral("-j"), QStringLiteral("-api"), QStringLiteral("XMPAutoConv=0"),
            QStringLiteral("-XMP-kalvora:all"), QStringLiteral("-XMP-dc:all"), path});
    tool.waitForFinished(60000);
    const QJsonArray files = QJsonDocument::fromJson(tool.readAllStandardOutput()).array();
    QJsonObject tags = files.isEmpty() ? QJsonObject() : files.first().toObject();
    tags.remove(QStringLiteral("SourceFile"));
    return tags;
}

} // namespace

/// The run choices of kalvora-stamp: the mark every result carries, skipping photos that carry
/// it, results that keep the folders of a walk, and a dry run that writes nothing.
class TestStampRuns : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }

    void markWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("marked");
        for (const char *name : {"a.jpg", "tagged.jpg", "a.png", "a.tif", "a.webp", "a.gif"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        // A bitmap has no place for metadata; XMP that is no XML cannot take the mark.
        QTest::newRow("a.bmp") << QStringLiteral("a.bmp") << false;
        QTest::newRow("broken.jpg") << QStringLiteral("broken.jpg") << false;
    }
    void markWritten()
    {
        QFETCH(QString, name);
        QFETCH(bool, marked);
        makePicture(source(name));
        if (name.startsWith(QLatin1String("tagged")))
            QCOMPARE(QProcess::execute(QStringLiteral("exiftool"),
                         {"-q", "-overwrite_original", "-XMP-dc:Title=Lake", source(name)}),
                0);
        const bool broken = name.startsWith(QLatin1String("broken"));
        if (broken) {
            QByteArray file = contents(source(name));
            const QByteArray payload = QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)
                + "<x:xmpmeta><rdf:RDF></x:xmpmeta>";
            file.insert(2,
                QByteArray("\xFF\xE1") + char((payload.size() + 2) >> 8)
                    + char((payload.size() + 2) & 0xFF) + payload);
            QFile out(source(name));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        }
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const Outcome outcome = runStamp({QStringLiteral("--text"), QStringLiteral(" Two\\nlines"),
            QStringLiteral("--output"), m_output->path(), source(name)});
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        QCOMPARE(outcome.errors,
            broken ? QStringLiteral("note: %1: stamped, but its XMP could not take the mark of the "
                                    "stamp (it cannot be read or is full), so a later run cannot "
                                    "tell it was stamped\n")
                         .arg(output(name))
                   : QString());
        QCOMPARE(outcome.code, 0);

        const QJsonObject tags = markOf(output(name));
        if (!marked) {
            QCOMPARE(tags, QJsonObject());
            return;
        }
        QCOMPARE(tags.value(QStringLiteral("StampText")).toString(), QStringLiteral(" Two\nlines"));
        QCOMPARE(tags.value(QStringLiteral("StampVersion")).toString(),
            QStringLiteral(KALVORA_TEST_VERSION));
        const QString date = tags.value(QStringLiteral("StampDate")).toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d"
                                                   "(Z|[+-]\\d\\d:\\d\\d)$"))
                     .match(date)
                     .hasMatch(),
            qPrintable(date));
        const QDateTime stamped = QDateTime::fromString(date, Qt::ISODate);
        QVERIFY2(stamped >= before && stamped <= after, qPrintable(date));
        if (name.startsWith(QLatin1String("tagged")))
            QCOMPARE(tags.value(QStringLiteral("Title")).toString(), QStringLiteral("Lake"));
    }

    // A folder stamped in place and run again with --skip-stamped: the files stamped before are
    // left as they are, each with a note naming it and its stamp's date; a new file is stamped.
    // Without the flag every file is stamped again, its mark replaced.
    void skipStamped()
    {
        const QStringList names {"a.jpg", "b.png", "c.tif", "d.webp", "e.gif"};
        for (const QString &name : names)
            makePicture(source(name));
        const QString folder = m_sources->path();
        const auto run = [&](const char *text, const QStringList &more) {
            return runStamp(QStringList {QStringLiteral("--text"), QString::fromLatin1(text),
                                QStringLiteral("--in-place")}
                + more + QStringList {folder});
        };
        QCOMPARE(run("First", {}).code, 0);
        QMap<QString, QByteArray> stamped;
        for (const QString &name : names)
            stamped[name] = contents(source(name));
        makePicture(source(QStringLiteral("f.jpg")));
        const QTemporaryDir temporary;
        const Printed dry = runStampIn(temporary.path(),
            {"--dry-run", "--skip-stamped", "--text", "Second", "--in-place", folder});
        QCOMPARE(dry.out, QStringLiteral("%1\t%1\tSecond\n").arg(source(QStringLiteral("f.jpg"))));
        QCOMPARE(dry.errors.count(QStringLiteral("was stamped before")), names.size());
        QCOMPARE(dry.code, 0);

        const Outcome skipping = run("Second", {QStringLiteral("--skip-stamped")});
        QCOMPARE(skipping.code, 0);
        QStringList lines = skipping.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        lines.sort();
        QCOMPARE(lines.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const QString date
                = markOf(source(names[i])).value(QStringLiteral("StampDate")).toString();
            QCOMPARE(lines[i],
                QStringLiteral("note: %1 was stamped before (on %2): skipped")
                    .arg(source(names[i]), date));
            QCOMPARE(contents(source(names[i])), stamped[names[i]]);
        }
        QCOMPARE(markOf(source(QStringLiteral("f.jpg"))).value(QStringLiteral("StampText")),
            QJsonValue(QStringLiteral("Second")));

        const Outcome again = run("Third", {});
        QCOMPARE(again.errors, QString());
        QCOMPARE(again.code, 0);
        for (const QString &name : names + QStringList {QStringLiteral("f.jpg")})
            QCOMPARE(markOf(source(name)).value(QStringLiteral("StampText")),
                QJsonValue(QStringLiteral("Third")));
    }

    // Three levels of folders walked: with --keep-folders the results keep them below the
    // output folder, made as needed; without it they land side by side, numbered; in place,
    // nothing but the sources changes.
    void keepFolders_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("results"); // in walk order: top, 2023, 2023/trip
        QTest::newRow("kept") << QStringList {QStringLiteral("--keep-folders")}
                              << QStringList {"a.jpg", "2023/a.jpg", "2023/trip/a.jpg"};
        QTest::newRow("side by side")
            << QStringList() << QStringList {"a.jpg", "a (2).jpg", "a (3).jpg"};
        QTest::newRow("in place") << QStringList {QStringLiteral("--keep-folders"),
            QStringLiteral("--in-place")}
                                  << QStringList();
    }
    void keepFolders()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, results);
        const QStringList sources {"top/a.jpg", "top/2023/a.jpg", "top/2023/trip/a.jpg"};
        for (int i = 0; i < sources.size(); ++i)
            makePicture(source(sources[i]), QSize(64 + 16 * i, 48 + 12 * i));
        const QStringList walked = entriesBelow(m_sources->path());
        if (!arguments.contains(QStringLiteral("--in-place")))
            arguments << QStringLiteral("--output") << m_output->path();

        const Outcome outcome
            = runStamp(QStringList {QStringLiteral("--text"), QStringLiteral("Kept")} + arguments
                + QStringList {source(QStringLiteral("top"))});
        QCOMPARE(outcome.errors, QString());
        QCOMPARE(outcome.code, 0);

        QStringList expected = results;
        for (const QString &result : results)
            for (QString folder = QFileInfo(result).path(); folder != u".";
                 folder = QFileInfo(folder).path())
                if (!expected.contains(folder))
                    expected << folder;
        expected.sort();
        QCOMPARE(entriesBelow(m_output->path()), expected);
        QCOMPARE(entriesBelow(m_sources->path()), walked);
        // Each result is its own source's picture, stamped.
        for (int i = 0; i < sources.size(); ++i) {
            const QString result = results.isEmpty() ? source(sources[i]) : output(results[i]);
            QCOMPARE(QImage(result).size(), QSize(64 + 16 * i, 48 + 12 * i));
            QCOMPARE(markOf(result).value(QStringLiteral("StampText")), QJsonValue("Kept"));
        }
    }

    // --dry-run prints each file's source, result and text as a run would make them, writes
    // nothing anywhere (no result, no folder, no private file) and fails for a file it cannot
    // read.
    void dryRun_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("results"); // for top/a.jpg and top/2023/a.jpg
        QTest::addColumn<bool>("missing");
        QTest::newRow("kept folders") << QStringList {"--keep-folders"}
                                      << QStringList {"OUT/a.jpg", "OUT/2023/a.jpg"} << false;
        QTest::newRow("side by side")
            << QStringList() << QStringList {"OUT/a.jpg", "OUT/a (2).jpg"} << false;
        QTest::newRow("in place, a file missing")
            << QStringList {"--in-place"} << QStringList {"top/a.jpg", "top/2023/a.jpg"} << true;
    }
    void dryRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, results);
        QFETCH(bool, missing);
        for (const char *name : {"top/a.jpg", "top/2023/a.jpg"})
            makePicture(source(QString::fromLatin1(name)));
        const QStringList before = entriesBelow(m_sources->path());
        const QByteArray picture = contents(source(QStringLiteral("top/a.jpg")));
        if (!arguments.contains(QStringLiteral("--in-place")))
            arguments << QStringLiteral("--output") << m_output->path();
        QStringList inputs {source(QStringLiteral("top"))};
        if (missing)
            inputs << source(QStringLiteral("gone.jpg"));
        const QTemporaryDir temporary;

        const Printed printed = runStampIn(temporary.path(),
            QStringList {"--dry-run", "--text", "Dry\\nrun {n}"} + arguments + inputs);

        QStringList expected;
        const QStringList sources {source("top/a.jpg"), source("top/2023/a.jpg")};
        for (int i = 0; i < 2; ++i)
            expected << sources[i] + '\t'
                    + QString(results[i])
                          .replace(QLatin1String("OUT/"), m_output->path() + '/')
                          .replace(QLatin1String("top/"), source(QStringLiteral("top/")))
                    + QStringLiteral("\tDry\\nrun %1").arg(i + 1);
        QCOMPARE(printed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QCOMPARE(printed.code, missing ? 1 : 0);
        QCOMPARE(printed.errors,
            missing
                ? source(QStringLiteral("gone.jpg")) + QStringLiteral(": the file does not exist\n")
                : QString());
        QCOMPARE(entriesBelow(m_output->path()), QStringList());
        QCOMPARE(entriesBelow(m_sources->path()), before);
        QCOMPARE(contents(source(QStringLiteral("top/a.jpg"))), picture);
        QCOMPARE(entriesBelow(temporary.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestStampRuns)
#include "tst_stampruns.moc"
