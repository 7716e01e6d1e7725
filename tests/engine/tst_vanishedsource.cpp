// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/picturecodec.h"
#include "engine/render/sourcepicture.h"
#include "outputtestsupport.h"

#include <QTest>

#include <cerrno>
#include <cstring>

using namespace kalvora;

// A listed file that is deleted before its turn is skipped without a word, whichever road it
// takes: loaded as a work surface, or loaded whole by the picture codec. A folder that is
// removed while its file is at work fails that file with the system's reason, and the result
// lands nowhere else.
class TestVanishedSource : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void listedSourceVanished_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << QStringLiteral("gone.png");
        QTest::newRow("tif in a folder that is gone too") << QStringLiteral("gone/gone.tif");
        QTest::newRow("jpeg") << QStringLiteral("gone.jpg");
    }

    void listedSourceVanished()
    {
        QFETCH(QString, name);
        std::optional<SourcePicture> picture;
        const QString failure = failureOf([&] { picture = loadSource(m_dir.filePath(name)); });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(!picture);
    }

    void loadedSourceVanished()
    {
        try {
            loadPicture(m_dir.filePath(QStringLiteral("gone.gif")));
            QFAIL("a missing picture loaded");
        } catch (const PictureFailure &failure) {
            QCOMPARE(failure.reason(), PictureFailure::Reason::Missing);
            QVERIFY(failure.description().contains(QLatin1String("gone.gif")));
        }
    }

    void folderRemovedWhileAtWork_data();
    void folderRemovedWhileAtWork();
};

void TestVanishedSource::folderRemovedWhileAtWork_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<QString>("removed"); // "pics", the source's folder, or "out", the chosen one
    // When: "before" the job, once the picture is "written", once its tags are "copied".
    QTest::addColumn<QString>("moment");

    QTest::newRow("output folder removed before a JPEG") << "p.jpg" << false << "out"
                                                         << "before";
    QTest::newRow("output folder removed before a PNG") << "p.png" << false << "out"
                                                        << "before";
    QTest::newRow("output folder removed under a written JPEG") << "p.jpg" << false << "out"
                                                                << "written";
    QTest::newRow("output folder removed under a written PNG") << "p.png" << false << "out"
                                                               << "written";
    QTest::newRow("output folder removed under a tagged JPEG") << "p.jpg" << false << "out"
                                                               << "copied";
    QTest::newRow("source folder removed under a JPEG written in place")
        << "p.jpg" << true << "pics"
        << "written";
    QTest::newRow("source folder removed under a PNG written in place") << "p.png" << true << "pics"
                                                                        << "written";
    QTest::newRow("source folder removed under a JPEG tagged in place") << "p.jpg" << true << "pics"
                                                                        << "copied";
    QTest::newRow("source folder removed under a JPEG written elsewhere")
        << "p.jpg" << false << "pics"
        << "written";
}

void TestVanishedSource::folderRemovedWhileAtWork()
{
    QFETCH(QString, name);
    QFETCH(bool, inPlace);
    QFETCH(QString, removed);
    QFETCH(QString, moment);
    const QTemporaryDir top;
    const QString pics = top.filePath(QStringLiteral("pics"));
    const QString out = top.filePath(QStringLiteral("out"));
    const QString next = top.filePath(QStringLiteral("next"));
    for (const QString &folder : {pics, out, next})
        QVERIFY(QDir().mkpath(folder));
    const QString source = pics + QLatin1Char('/') + name;
    const QString nextSource = next + QLatin1Char('/') + name;
    for (const QString &path : {source, nextSource})
        QVERIFY(name.endsWith(QLatin1String(".jpg")) ? writeTaggedJpeg(path)
                                                     : gradient().save(path, "png"));
    const QString folder = top.filePath(removed);

    StampOptions options;
    options.customText = QStringLiteral("HELLO");
    options.saveOption = inPlace ? SaveOption::OriginalFolder : SaveOption::ChosenFolder;
    options.outputFolder = out;
    ToolRunner tools;
    ExifToolSession exifTool(tools.exifTool());
    const DateTexts texts;
    const QTemporaryDir work;
    const StampJob job = stampJobFor(source, options, work.path());
    QStringList failures;
    if (moment == QLatin1String("before")) {
        QVERIFY(QDir(folder).removeRecursively());
        for (const StampFailure &failure : runStampJob(job, {tools, exifTool, texts}).failures)
            failures << failure.description;
    } else {
        // The job's two parts, or its first part, the tag copy and the rename into place.
        WrittenStamp stamp = writeStampJob(job, tools, texts);
        QVERIFY(stamp.waiting());
        if (moment == QLatin1String("copied"))
            CopyMetadata(source, job.plan.privatePath, exifTool, work.path());
        QVERIFY(QDir(folder).removeRecursively());
        if (moment == QLatin1String("copied"))
            failures << failureOf([&] { putInPlace(job.plan.privatePath, job.plan.destination); });
        else
            for (const StampFailure &failure :
                finishStampJob(job, std::move(stamp), exifTool).failures)
                failures << failure.description;
    }

    // One failure naming the file and the system's reason, and the folder where the result's
    // is gone; the folder stays removed and no result lands in another.
    QCOMPARE(failures.size(), 1);
    const QString text = failures.first();
    QVERIFY2(text.contains(folder + QLatin1Char('/') + name), qPrintable(text));
    QVERIFY2(text.contains(QString::fromLocal8Bit(std::strerror(ENOENT))), qPrintable(text));
    const bool resultsFolder = inPlace || removed == QLatin1String("out");
    QVERIFY2(moment == QLatin1String("before") || !resultsFolder
            || text.contains(QStringLiteral("the folder %1 is gone").arg(folder)),
        qPrintable(text));
    QVERIFY2(!text.contains(QLatin1String("File not found")), qPrintable(text));
    QVERIFY(!QFileInfo::exists(folder));
    const bool sourceGone = folder == pics;
    QCOMPARE(QDir(sourceGone ? out : pics).entryList(QDir::Files | QDir::Hidden),
        sourceGone ? QStringList() : QStringList {name});
    QCOMPARE(QDir(next).entryList(QDir::Files | QDir::Hidden), QStringList {name});

    // The tools still serve the next file.
    const QByteArray before = contents(nextSource);
    options.saveOption = SaveOption::OriginalFolder;
    const StampJobResult following
        = runStampJob(stampJobFor(nextSource, options, work.path()), {tools, exifTool, texts});
    QVERIFY2(following.failures.isEmpty(), qPrintable(following.failures.value(0).description));
    QCOMPARE(following.outcome, StampFileOutcome::Stamped);
    QVERIFY(contents(nextSource) != before);
}

QTEST_MAIN(TestVanishedSource)
#include "tst_vanishedsource.moc"
