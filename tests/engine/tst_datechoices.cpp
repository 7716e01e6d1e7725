// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"
#include "engine/render/datewriter.h"
#include "engine/render/filedates.h"
#include "engine/render/sourcefile.h"
#include "engine/render/stamptext.h"
#include "testimages.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace kalvora;

using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalText)
Q_DECLARE_METATYPE(NoDateTaken)
Q_DECLARE_METATYPE(FileDateKind)

namespace {

const QString kSentence = QStringLiteral("There is no date taken associated with this file.");

} // namespace

// The choices of how file dates are written: patterns, what a photo without a date taken gets,
// the time shift. Runs with TZ=Europe/Berlin: summer and winter differ by an hour there.
class TestDateChoices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileNameDates_data();
    void fileNameDates();
    void patterns_data();
    void patterns();
    void noDateTaken_data();
    void noDateTaken();
    void timeShift_data();
    void timeShift();

private:
    QString photo(const QString &name, const QStringList &tags, const QDateTime &modified);
    QTemporaryDir m_dir;
    const DateTexts m_us {QLocale(QStringLiteral("en_US"))};
};

void TestDateChoices::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArray("Europe/Berlin"));
}

// A picture named \a name, tagged by ExifTool with \a tags, last modified at \a modified.
QString TestDateChoices::photo(
    const QString &name, const QStringList &tags, const QDateTime &modified)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    QImage picture(32, 24, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    if (!picture.save(path))
        qFatal("cannot write %s", qPrintable(path));
    const QStringList arguments {QStringLiteral("-q"), QStringLiteral("-overwrite_original")};
    if (!tags.isEmpty() && TestImages::exifTool(arguments + tags + QStringList {path}) != 0)
        qFatal("exiftool cannot tag %s", qPrintable(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)
        || !file.setFileTime(modified, QFileDevice::FileModificationTime))
        qFatal("cannot date %s", qPrintable(path));
    return path;
}

void TestDateChoices::fileNameDates_data()
{
    // What the name holds, written "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd" for a date alone, or
    // empty for none.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QString both = QStringLiteral("2023-08-15 14:22:33");
    QTest::newRow("camera") << "IMG_20230815_142233.jpg" << both;
    QTest::newRow("bare") << "20230815_142233.jpg" << both;
    QTest::newRow("dots in the time") << "2023-08-15 14.22.33.jpg" << both;
    QTest::newRow("messenger, a date alone") << "IMG-20230815-WA0001.jpg"
                                             << "2023-08-15";
    QTest::newRow("screenshot") << "Screenshot from 2023-08-15 14-22-33.png" << both;
    QTest::newRow("milliseconds") << "PXL_20230815_142233123.jpg" << both;
    QTest::newRow("dash between") << "Screenshot_20230815-142233.png" << both;
    QTest::newRow("dashes throughout") << "signal-2023-08-15-142233.jpg" << both;
    QTest::newRow("no separators") << "20230815142233.jpg" << both;
    QTest::newRow("underscored date alone") << "scan 2023_08_15.tif"
                                            << "2023-08-15";
    QTest::newRow("no time after all") << "IMG_20230815_256199.jpg"
                                       << "2023-08-15";
    QTest::newRow("counter") << "DSC_0001.jpg"
                             << "";
    QTest::newRow("month 13") << "IMG_20231315_142233.jpg"
                              << "";
    QTest::newRow("30 February") << "Photo 2023-02-30.jpg"
                                 << "";
    QTest::newRow("inside a longer number") << "120230815_142233.jpg"
                                            << "";
    QTest::newRow("mixed separators") << "2023-08_15.jpg"
                                      << "";
    QTest::newRow("too far back") << "18990815_142233.jpg"
                                  << "";
}

void TestDateChoices::fileNameDates()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const auto date = fileNameDate(name);
    QString found;
    if (date) {
        QVERIFY(date->reading);
        found = date->moment.toString(
            date->hasTime ? QStringLiteral("yyyy-MM-dd HH:mm:ss") : QStringLiteral("yyyy-MM-dd"));
    }
    QCOMPARE(found, expected);
}

void TestDateChoices::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("reading"); // a camera's clock, else a moment of the file system
    QTest::addColumn<bool>("hasTime");
    QTest::addColumn<QString>("expected");
    // 15 March 2021, 13:04:05 as read, or the moment that is 13:04:05 in Berlin.
    QTest::newRow("German months") << "dd MMMM yyyy"
                                   << "de_DE" << true << true << "15 März 2021";
    QTest::newRow("German days") << "dddd, d. MMMM yyyy HH:mm"
                                 << "de_DE" << false << true << "Montag, 15. März 2021 13:04";
    QTest::newRow("French") << "d MMM yyyy"
                            << "fr_FR" << true << true << "15 mars 2021";
    QTest::newRow("quoted text") << "'Day' d"
                                 << "en_US" << true << true << "Day 15";
    QTest::newRow("a moment keeps its zone") << "HH:mm t"
                                             << "en_US" << false << true << "13:04 CET";
    QTest::newRow("a reading has none") << "yyyy-MM-dd HH:mm t"
                                        << "en_US" << true << true << "2021-03-15 13:04";
    QTest::newRow("date alone: time left out") << "yyyy-MM-dd HH:mm"
                                               << "en_US" << true << false << "2021-03-15";
    QTest::newRow("date alone: time first") << "'Taken' h:mm AP, dd.MM.yyyy 'here'"
                                            << "en_US" << true << false << "Taken 15.03.2021 here";
    QTest::newRow("date alone: time only") << "HH:mm"
                                           << "en_US" << true << false << "";
}

void TestDateChoices::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, locale);
    QFETCH(bool, reading);
    QFETCH(bool, hasTime);
    QFETCH(QString, expected);
    const FileDate date {reading ? QDateTime(QDate(2021, 3, 15), QTime(13, 4, 5), Qt::UTC)
                                 : QDateTime(QDate(2021, 3, 15), QTime(12, 4, 5), Qt::UTC),
        reading, hasTime};
    QCOMPARE(patternText(date, pattern, QLocale(locale)), expected);
}

void TestDateChoices::noDateTaken_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("tagged"); // a date taken of 31 August 2021, 13:23:45
    QTest::addColumn<NoDateTaken>("choice");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<OptionalText>("expected"); // none: skipped
    const QString dated = QStringLiteral("IMG_20230815_142233.png");
    const QString dayOnly = QStringLiteral("IMG-20230815-WA0001.png");
    const QString plain = QStringLiteral("photo.png");
    const QString both = QStringLiteral("Datestamp And Timestamp");
    QTest::newRow("sentence") << dated << false << NoDateTaken::Sentence
                              << "Timestamp And Datestamp"
                              << "" << OptionalText("  " + kSentence);
    QTest::newRow("sentence, pattern")
        << plain << false << NoDateTaken::Sentence << both << "yyyy" << OptionalText(kSentence);
    QTest::newRow("file name") << dated << false << NoDateTaken::FileName << both << ""
                               << OptionalText("8/15/2023 2:22:33 PM");
    QTest::newRow("file name, pattern")
        << "Screenshot from 2023-08-15 14-22-33.png" << false << NoDateTaken::FileName << both
        << "dd.MM.yyyy HH:mm" << OptionalText("15.08.2023 14:22");
    QTest::newRow("file name, a date alone")
        << dayOnly << false << NoDateTaken::FileName << "Timestamp And Datestamp"
        << "" << OptionalText("8/15/2023");
    QTest::newRow("file name, a date alone, time only")
        << dayOnly << false << NoDateTaken::FileName << "Timestamp"
        << "" << OptionalText("");
    QTest::newRow("file name without a date")
        << plain << false << NoDateTaken::FileName << "Datestamp"
        << "" << OptionalText(kSentence);
    QTest::newRow("modified") << dated << false << NoDateTaken::Modified << both << ""
                              << OptionalText("8/31/2021 1:23:45 PM");
    QTest::newRow("skip") << plain << false << NoDateTaken::Skip << both << "" << OptionalText();
    QTest::newRow("skip, but dated")
        << plain << true << NoDateTaken::Skip << both << "" << OptionalText("8/31/2021 1:23:45 PM");
    QTest::newRow("file name, but dated") << dated << true << NoDateTaken::FileName << "Datestamp"
                                          << "" << OptionalText("8/31/2021");
}

void TestDateChoices::noDateTaken()
{
    QFETCH(QString, name);
    QFETCH(bool, tagged);
    QFETCH(NoDateTaken, choice);
    QFETCH(QString, format);
    QFETCH(QString, pattern);
    QFETCH(OptionalText, expected);
    const QStringList tags = tagged
        ? QStringList {QStringLiteral("-DateTimeOriginal=2021:08:31 13:23:45")}
        : QStringList();
    // Modified at 13:23:45 in Berlin's summer.
    const QString path
        = photo(name, tags, QDateTime(QDate(2021, 8, 31), QTime(11, 23, 45), Qt::UTC));
    StampOptions options;
    options.source = StampSource::FileDate;
    options.fileDateKind = FileDateKind::DateTaken;
    options.format = stampFormatNamed(format);
    options.dates.pattern = pattern;
    options.dates.noDateTaken = choice;
    const auto source = readSourceFile(path);
    QVERIFY(source);

    const ComposedStamp composed = ComposeStampText(options, {*source, 1}, m_us);

    QVERIFY(composed.failures.isEmpty());
    QCOMPARE(composed.skipped, !expected);
    if (expected) {
        QCOMPARE(composed.text, expected);
        QVERIFY(composed.note.isEmpty());
    } else {
        QVERIFY2(composed.note.contains(QDir::toNativeSeparators(path))
                && composed.note.contains(QLatin1String("no date taken")),
            qPrintable(composed.note));
    }
}

void TestDateChoices::timeShift_data()
{
    QTest::addColumn<QString>("text"); // a custom text, or empty to stamp the file date
    QTest::addColumn<FileDateKind>("kind");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QDateTime>("modified");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    const auto taken = FileDateKind::DateTaken;
    const auto modified = FileDateKind::DateModified;
    const QDateTime summer(QDate(2021, 8, 31), QTime(11, 23, 45), Qt::UTC);
    const QString minutes = QStringLiteral("yyyy-MM-dd HH:mm");
    QTest::newRow("taken, into the next month")
        << "" << taken << "2021:08:31 23:30:00" << summer << 60 << minutes << "2021-09-01 00:30";
    QTest::newRow("taken, back a day and into February")
        << "" << taken << "2021:03:01 00:10:00" << summer << -(24 * 60 + 30) << minutes
        << "2021-02-27 23:40";
    // A camera's reading moves as a calendar does, even through the hour Berlin skips.
    QTest::newRow("taken, the night summer time starts")
        << "" << taken << "2021:03:28 01:30:00" << summer << 60 << minutes << "2021-03-28 02:30";
    QTest::newRow("taken, the four formats")
        << "" << taken << "2021:08:31 23:30:00" << summer << 60 << ""
        << "9/1/2021 12:30:00 AM";
    // A moment moves as time passes: 01:30 winter time and an hour is 03:30 summer time, and
    // 02:30 summer time and an hour is 02:30 winter time.
    QTest::newRow("modified, into summer time")
        << "" << modified << "" << QDateTime(QDate(2021, 3, 28), QTime(0, 30), Qt::UTC) << 60
        << minutes << "2021-03-28 03:30";
    QTest::newRow("modified, out of summer time")
        << "" << modified << "" << QDateTime(QDate(2021, 10, 31), QTime(0, 30), Qt::UTC) << 60
        << minutes << "2021-10-31 02:30";
    QTest::newRow("modified, into the new year")
        << "" << modified << "" << QDateTime(QDate(2021, 12, 31), QTime(22, 45), Qt::UTC) << 30
        << minutes << "2022-01-01 00:15";
    QTest::newRow("token, taken") << "{taken}" << taken << "2021:08:31 23:30:00" << summer << 60
                                  << minutes << "2021-09-01 00:30";
    QTest::newRow("token, modified with its pattern")
        << "{modified:dd.MM.yyyy HH:mm}" << modified << ""
        << QDateTime(QDate(2021, 3, 28), QTime(0, 30), Qt::UTC) << 60 << minutes
        << "28.03.2021 03:30";
}

void TestDateChoices::timeShift()
{
    QFETCH(QString, text);
    QFETCH(FileDateKind, kind);
    QFETCH(QString, taken);
    QFETCH(QDateTime, modified);
    QFETCH(int, shift);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    const QStringList tags = taken.isEmpty()
        ? QStringList()
        : QStringList {QStringLiteral("-DateTimeOriginal=") + taken};
    const QString path = photo(QStringLiteral("shifted.jpg"), tags, modified);
    StampOptions options;
    options.source = text.isEmpty() ? StampSource::FileDate : StampSource::CustomText;
    options.customText = text;
    options.fileDateKind = kind;
    options.format = StampFormat::DatestampAndTimestamp;
    options.dates.pattern = pattern;
    options.dates.timeShiftMinutes = shift;
    QCOMPARE(ComposeStampText(options, path, m_us), OptionalText(expected));
}

QTEST_GUILESS_MAIN(TestDateChoices)
#include "tst_datechoices.moc"
