// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datetexts.h"
#include "filedates.h"
#include "runtimefailure.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

// Runs with TZ=Europe/Berlin: summer and winter differ by an hour there.
class TestFileDates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dateTaken_data();
    void dateTaken();
    void dateTakenFailures_data();
    void dateTakenFailures();
    void dateTakenFromExifTool();
    void fileTimes_data();
    void fileTimes();
    void createdTime();
    void missingFile();

private:
    QString writeBytes(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
    const DateTexts m_us {QLocale(QStringLiteral("en_US"))};
};

namespace {

const QByteArray kTaken("2021:08:31 13:23:45");

// The start of a JPEG whose APP1 segment carries an EXIF block, then \a body.
QByteArray jpegHead(const QByteArray &mark, const QByteArray &body)
{
    return QByteArray("\xFF\xD8\xFF\xE1\x01\x00", 6) + mark + QByteArray("\0\0MM\0*\0\0\0\x08", 10)
        + body;
}

} // namespace

void TestFileDates::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArray("Europe/Berlin"));
}

QString TestFileDates::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestFileDates::dateTaken_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const QByteArray binary("\x01\x02\0\x05\x06\0", 6);
    QTest::newRow("date after binary fields")
        << jpegHead("Exif", binary + kTaken + QByteArray(1, '\0') + "2020:01:01 00:00:00")
        << "8/31/2021 1:23:45 PM";
    QTest::newRow("third word ignored")
        << jpegHead("Exif", binary + "2021:08:31 07:05:09 extra" + QByteArray(1, '\0'))
        << "8/31/2021 7:05:09 AM";
    QTest::newRow("field just inside the first 1024 bytes") << jpegHead(
        "Exif", QByteArray(1, '\0') + QByteArray(980, 'A') + QByteArray(1, '\0') + kTaken)
                                                            << "8/31/2021 1:23:45 PM";
    QTest::newRow("field beyond the first 1024 bytes") << jpegHead(
        "Exif", QByteArray(1, '\0') + QByteArray(1100, 'A') + QByteArray(1, '\0') + kTaken)
                                                       << "";
    QTest::newRow("mark beyond the first 1024 bytes")
        << QByteArray(1100, 'B') + jpegHead("Exif", binary + kTaken) << "";
    QTest::newRow("lower-case mark is no mark") << jpegHead("exif", binary + kTaken) << "";
    QTest::newRow("no mark") << QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11) + kTaken << "";
    QTest::newRow("the mark's own field is not searched")
        << jpegHead("Exif 2020:01:01 10:00:00", binary + kTaken) << "8/31/2021 1:23:45 PM";
    QTest::newRow("no colon after the mark") << jpegHead("Exif", binary + "no date here") << "";
}

void TestFileDates::dateTaken()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString path = writeBytes(QStringLiteral("taken.jpg"), bytes);
    QCOMPARE(DateTakenText(path, m_us), expected);
}

void TestFileDates::dateTakenFailures_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("field without a second word")
        << jpegHead("Exif", QByteArray("\x01\0", 2) + "2021:08:31" + QByteArray(1, '\0'));
    QTest::newRow("first word is no date") << jpegHead(
        "Exif", QByteArray("\x01\0", 2) + "Camera:Maker 13:23:45" + QByteArray(1, '\0'));
    QTest::newRow("second word is no time")
        << jpegHead("Exif", QByteArray("\x01\0", 2) + "2021:08:31 noon" + QByteArray(1, '\0'));
}

void TestFileDates::dateTakenFailures()
{
    QFETCH(QByteArray, bytes);
    const QString path = writeBytes(QStringLiteral("failing.jpg"), bytes);
    QVERIFY_THROWS_EXCEPTION(RuntimeFailure, DateTakenText(path, m_us));
    QVERIFY_THROWS_EXCEPTION(
        RuntimeFailure, DateTakenText(m_dir.filePath(QStringLiteral("missing.jpg")), m_us));
}

void TestFileDates::dateTakenFromExifTool()
{
    const QString jpeg = m_dir.filePath(QStringLiteral("camera.jpg"));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(jpeg, "JPEG"));
    const QString png = m_dir.filePath(QStringLiteral("picture.png"));
    QVERIFY(picture.save(png, "PNG"));
    QCOMPARE(DateTakenText(jpeg, m_us), QString());

    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"),
        {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
            QStringLiteral("-DateTimeOriginal=2021:08:31 13:23:45"), jpeg});
    QVERIFY(exiftool.waitForFinished(30000));
    QCOMPARE(exiftool.exitCode(), 0);

    QCOMPARE(DateTakenText(jpeg, m_us), QStringLiteral("8/31/2021 1:23:45 PM"));
    QCOMPARE(DateTakenText(jpeg, DateTexts(QLocale(QStringLiteral("de_DE")))),
        QStringLiteral("31.08.2021 1:23:45 PM"));
    QCOMPARE(DateTakenText(png, m_us), QString());
}

void TestFileDates::fileTimes_data()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QString>("expected");

    // Local time is taken with the offset of the file's own date, summer or winter.
    QTest::newRow("summer") << QDateTime(QDate(2021, 8, 31), QTime(11, 23, 45), Qt::UTC)
                            << "8/31/2021 1:23:45 PM";
    QTest::newRow("winter") << QDateTime(QDate(2021, 1, 15), QTime(11, 23, 45), Qt::UTC)
                            << "1/15/2021 12:23:45 PM";
    QTest::newRow("local midnight keeps its time")
        << QDateTime(QDate(2021, 8, 30), QTime(22, 0, 0), Qt::UTC) << "8/31/2021 12:00:00 AM";
}

void TestFileDates::fileTimes()
{
    QFETCH(QDateTime, utc);
    QFETCH(QString, expected);
    const QString path = writeBytes(QStringLiteral("times.jpg"), "picture");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime otherTime = QDateTime(QDate(2020, 2, 2), QTime(2, 2, 2), Qt::UTC);

    QVERIFY(file.setFileTime(utc, QFileDevice::FileModificationTime));
    QVERIFY(file.setFileTime(otherTime, QFileDevice::FileAccessTime));
    file.close();
    QCOMPARE(FileTimeText(path, FileTime::Modified, m_us), expected);
    QCOMPARE(FileTimeText(path, FileTime::Accessed, m_us), QStringLiteral("2/2/2020 3:02:02 AM"));

    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(utc, QFileDevice::FileAccessTime));
    QVERIFY(file.setFileTime(otherTime, QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(FileTimeText(path, FileTime::Accessed, m_us), expected);
    QCOMPARE(FileTimeText(path, FileTime::Modified, m_us), QStringLiteral("2/2/2020 3:02:02 AM"));
}

void TestFileDates::createdTime()
{
    const QString path = writeBytes(QStringLiteral("created.jpg"), "picture");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(
        QDateTime(QDate(2019, 5, 5), QTime(10, 0, 0), Qt::UTC), QFileDevice::FileModificationTime));
    file.close();
    const QString created = FileTimeText(path, FileTime::Created, m_us);
    if (QFileInfo(path).birthTime().isValid()) {
        // Just written: born today, whatever the modification time says.
        QVERIFY2(created.startsWith(m_us.date(QDate::currentDate()) + QLatin1Char(' ')),
            qPrintable(created));
    } else {
        QCOMPARE(created, QStringLiteral("5/5/2019 12:00:00 PM"));
    }
}

void TestFileDates::missingFile()
{
    const QString missing = m_dir.filePath(QStringLiteral("deleted.jpg"));
    QCOMPARE(FileTimeText(missing, FileTime::Created, m_us), QString());
    QCOMPARE(FileTimeText(missing, FileTime::Modified, m_us), QString());
    QCOMPARE(FileTimeText(missing, FileTime::Accessed, m_us), QString());
    QCOMPARE(FileTimeText(QString(), FileTime::Modified, m_us), QString());
}

QTEST_GUILESS_MAIN(TestFileDates)
#include "tst_filedates.moc"
