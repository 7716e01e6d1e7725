// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/worksurface.h"
#include "engine/render/overlaytext.h"
#include "kalvorastampfixture.h"
#include "options/stampoptions.h"
#include "testimages.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace kalvora;
using namespace KalvoraStampTest;
using namespace TestImages;

// kalvora-stamp's date choices end to end: the stamp read back by drawing the expected text on
// the source and comparing pixels. Runs with TZ=Europe/Berlin.
class TestStampDates : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void germanDatePattern_data();
    void germanDatePattern();
    void photosWithoutDateTakenSkipped();

private:
    // A lossless picture named \a name, last modified at \a modified.
    QString picture(const QString &name, const QDateTime &modified);
    // Whether the result for \a source carries exactly \a text drawn as the default options do.
    void compareStamp(const QString &source, const QString &text);
};

QString TestStampDates::picture(const QString &name, const QDateTime &modified)
{
    const QString path = source(name);
    if (!gradient(400, 300).save(path))
        qFatal("cannot write %s", qPrintable(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)
        || !file.setFileTime(modified, QFileDevice::FileModificationTime))
        qFatal("cannot date %s", qPrintable(path));
    return path;
}

void TestStampDates::compareStamp(const QString &sourcePath, const QString &text)
{
    QImage expected = loadWorkSurface(sourcePath);
    const QImage original = expected;
    const StampOptions defaults;
    OverlayText(expected, text, QStringLiteral("Upper-Left"), stampFont(defaults),
        stampColor(defaults.color));
    QVERIFY(expected != original);
    const QImage result(output(QFileInfo(sourcePath).fileName()));
    QCOMPARE(result.convertToFormat(QImage::Format_RGB32), expected);
}

void TestStampDates::germanDatePattern_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QStringList>("expected"); // for the two files, in the order given
    const QStringList german {"--date-format", "dd MMMM yyyy", "--locale", "de_DE"};
    QTest::newRow("file date") << QStringList {"--date", "modified"} + german
                               << QStringList {"15 März 2021", "03 Mai 2022"};
    QTest::newRow("tokens, numbered in order") << QStringList {"--text", "{n}: {modified} ({name})"}
            + german << QStringList {"1: 15 März 2021 (b)", "2: 03 Mai 2022 (a)"};
}

void TestStampDates::germanDatePattern()
{
    QFETCH(QStringList, flags);
    QFETCH(QStringList, expected);
    // Listed b first: the numbers follow the list, not the names.
    const QString first
        = picture(QStringLiteral("b.bmp"), QDateTime(QDate(2021, 3, 15), QTime(11, 0), Qt::UTC));
    const QString second
        = picture(QStringLiteral("a.bmp"), QDateTime(QDate(2022, 5, 3), QTime(10, 0), Qt::UTC));

    const Outcome outcome = runStamp(
        flags + QStringList {"--jobs", "2", "--output", m_output->path(), first, second});

    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));
    compareStamp(first, expected[0]);
    compareStamp(second, expected[1]);
}

void TestStampDates::photosWithoutDateTakenSkipped()
{
    // One photo holds its date taken in XMP alone, the other none at all.
    const QDateTime modified(QDate(2021, 3, 15), QTime(11, 0), Qt::UTC);
    const QString undated = picture(QStringLiteral("undated.png"), modified);
    const QString dated = picture(QStringLiteral("dated.png"), modified);
    QCOMPARE(exifTool({"-q", "-overwrite_original",
                 "-XMP-exif:DateTimeOriginal=2021:08:31 23:45:00", dated}),
        0);
    const QByteArray before = contents(undated);

    const Outcome outcome
        = runStamp({"--date", "taken", "--no-date-taken", "skip", "--time-shift", "+00:30",
            "--date-format", "yyyy-MM-dd HH:mm:ss", "--output", m_output->path(), undated, dated});

    QVERIFY2(outcome.code == 0, qPrintable(outcome.errors));
    const QStringList lines = outcome.errors.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith(QLatin1String("note: ")) && lines[0].contains(undated)
            && lines[0].contains(QLatin1String("no date taken")),
        qPrintable(lines[0]));
    QCOMPARE(filesIn(m_output->path()), QStringList {"dated.png"});
    QCOMPARE(contents(undated), before);
    compareStamp(dated, QStringLiteral("2021-09-01 00:15:00"));
}

QTEST_MAIN(TestStampDates)
#include "tst_stampdates.moc"
