// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"
#include "base/runtimefailure.h"
#include "engine/render/filedates.h"
#include "engine/render/sourcefile.h"
#include "options/stampoptions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace kalvora;

// Runs with TZ=Europe/Berlin: summer and winter differ by an hour there.
class TestFileDates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dateTaken_data();
    void dateTaken();
    void dateTakenLocale();
    void dateTakenFailures();
    void nameLikeAStream();
    void noPicture();
    void fileTimes_data();
    void fileTimes();
    void createdTime();
    void missingFile();

private:
    QString writeBytes(const QString &name, const QByteArray &bytes);
    QString taggedPicture(const QByteArray &format, const QStringList &tags);
    QTemporaryDir m_dir;
    QString m_attributePacket;
    const DateTexts m_us {QLocale(QStringLiteral("en_US"))};
};

void TestFileDates::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArray("Europe/Berlin"));
    // ExifTool writes XMP properties as elements; this packet, copied as it is, holds its date
    // as an attribute of the description.
    m_attributePacket = writeBytes(QStringLiteral("attributes.xmp"),
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
        "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
        "<rdf:Description rdf:about='' xmlns:exif='http://ns.adobe.com/exif/1.0/' "
        "exif:DateTimeOriginal='2021-08-31T13:23:45'/>\n"
        "</rdf:RDF></x:xmpmeta>\n<?xpacket end='w'?>");
}

QString TestFileDates::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString TestFileDates::taggedPicture(const QByteArray &format, const QStringList &tags)
{
    const QString path = m_dir.filePath(QStringLiteral("tagged.") + QString::fromLatin1(format));
    QFile::remove(path);
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    if (!picture.save(path, format.constData()))
        qFatal("cannot write %s", qPrintable(path));
    if (tags.isEmpty())
        return path;
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"),
        QStringList {QStringLiteral("-q"), QStringLiteral("-overwrite_original")} + tags
            + QStringList {path});
    if (!exiftool.waitForFinished(60000) || exiftool.exitCode() != 0)
        qFatal("exiftool cannot tag %s: %s", qPrintable(path),
            exiftool.readAllStandardError().constData());
    return path;
}

void TestFileDates::dateTaken_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("expected");

    const QString original = QStringLiteral("-DateTimeOriginal=2021:08:31 13:23:45");
    const QString taken = QStringLiteral("8/31/2021 1:23:45 PM");
    const QString bigEndian = QStringLiteral("-ExifByteOrder=MM");
    const QString littleEndian = QStringLiteral("-ExifByteOrder=II");
    // As cameras write it: resolution rationals, then the modification and original dates. In
    // big-endian order the rationals' last byte (the denominator's 1) sits right before a date.
    const QStringList camera {QStringLiteral("-XResolution=72"), QStringLiteral("-YResolution=72"),
        QStringLiteral("-ResolutionUnit=inches"), QStringLiteral("-ModifyDate=2021:08:31 13:23:45"),
        original};
    for (const char *format : {"jpeg", "png", "webp"}) {
        QTest::addRow("%s big-endian", format)
            << QByteArray(format) << QStringList {bigEndian} + camera << taken;
        QTest::addRow("%s little-endian", format)
            << QByteArray(format) << QStringList {littleEndian} + camera << taken;
    }
    QTest::newRow("tiff") << QByteArray("tiff") << QStringList {original} << taken;
    QTest::newRow("model and software holding colons")
        << QByteArray("jpeg")
        << QStringList {bigEndian, QStringLiteral("-Make=Cam: Co"),
               QStringLiteral("-Model=X:100 12:30"), QStringLiteral("-Software=Editor 2:1"),
               original}
        << taken;
    QTest::newRow("date stored after the first kilobyte")
        << QByteArray("jpeg")
        << QStringList {QStringLiteral("-ImageDescription=") + QString(3000, QLatin1Char('d')),
               original}
        << taken;

    const QString created = QStringLiteral("-CreateDate=2022:01:02 03:04:05");
    const QString modified = QStringLiteral("-ModifyDate=2023:11:12 20:21:22");
    QTest::newRow("edited photo: taken, created and modified")
        << QByteArray("jpeg") << QStringList {modified, created, original} << taken;
    QTest::newRow("created and modified")
        << QByteArray("jpeg") << QStringList {modified, created} << "1/2/2022 3:04:05 AM";
    QTest::newRow("modified only")
        << QByteArray("tiff") << QStringList {modified} << "11/12/2023 8:21:22 PM";

    const QString zeros = QStringLiteral("-DateTimeOriginal#=0000:00:00 00:00:00");
    QTest::newRow("invalid date") << QByteArray("jpeg") << QStringList {zeros} << "";
    QTest::newRow("invalid date, valid modification")
        << QByteArray("jpeg") << QStringList {zeros, modified} << "11/12/2023 8:21:22 PM";
    QTest::newRow("blank date") << QByteArray(
        "jpeg") << QStringList {QStringLiteral("-DateTimeOriginal#=    :  :     :  :  ")}
                                << "";
    QTest::newRow("no EXIF") << QByteArray("jpeg") << QStringList {} << "";
    QTest::newRow("EXIF without dates")
        << QByteArray("png") << QStringList {QStringLiteral("-Model=Cam: 1")} << "";

    // Organizers keep the date in XMP alone; EXIF's dates come first where there are any.
    const QString xmpOriginal = QStringLiteral("-XMP-exif:DateTimeOriginal=2021:08:31 13:23:45");
    for (const char *format : {"jpeg", "png", "tiff", "webp"})
        QTest::addRow("%s, XMP only", format)
            << QByteArray(format) << QStringList {xmpOriginal} << taken;
    QTest::newRow("XMP with fractions and a zone")
        << QByteArray("jpeg")
        << QStringList {QStringLiteral("-XMP-exif:DateTimeOriginal=2021:08:31 13:23:45.5+05:00")}
        << taken;
    const QString xmpCreated = QStringLiteral("-XMP-photoshop:DateCreated=2022:01:02 03:04:05");
    const QString xmpCreate = QStringLiteral("-XMP-xmp:CreateDate=2023:11:12 20:21:22");
    QTest::newRow("XMP, all three")
        << QByteArray("png") << QStringList {xmpCreate, xmpCreated, xmpOriginal} << taken;
    QTest::newRow("XMP, created and create date")
        << QByteArray("jpeg") << QStringList {xmpCreate, xmpCreated} << "1/2/2022 3:04:05 AM";
    QTest::newRow("XMP create date")
        << QByteArray("webp") << QStringList {xmpCreate} << "11/12/2023 8:21:22 PM";
    QTest::newRow("XMP, a date alone")
        << QByteArray("jpeg")
        << QStringList {QStringLiteral("-XMP-photoshop:DateCreated=2022:01:02")} << "1/2/2022";
    QTest::newRow("EXIF before XMP")
        << QByteArray("jpeg") << QStringList {modified, xmpOriginal} << "11/12/2023 8:21:22 PM";
    QTest::newRow("XMP written as attributes")
        << QByteArray("jpeg") << QStringList {QStringLiteral("-xmp<=") + m_attributePacket}
        << taken;
}

void TestFileDates::dateTaken()
{
    QFETCH(QByteArray, format);
    QFETCH(QStringList, tags);
    QFETCH(QString, expected);
    const QString path = taggedPicture(format, tags);
    QCOMPARE(DateTakenText(path, m_us), expected);
    // The file read once parses the same EXIF from memory.
    const auto source = kalvora::readSourceFile(path);
    QVERIFY(source);
    QCOMPARE(kalvora::fileDateText(FileDateKind::DateTaken, *source, m_us), expected);
    if (tags.join(' ').contains(QLatin1String("attributes.xmp")))
        QVERIFY(source->bytes.contains("exif:DateTimeOriginal='2021-08-31T13:23:45'"));
}

void TestFileDates::dateTakenLocale()
{
    const QString path
        = taggedPicture("jpeg", {QStringLiteral("-DateTimeOriginal=2021:08:31 09:05:07")});
    QCOMPARE(DateTakenText(path, DateTexts(QLocale(QStringLiteral("de_DE")))),
        QStringLiteral("31.08.2021 9:05:07 AM"));
}

void TestFileDates::dateTakenFailures()
{
    // Only a file that cannot be read at all is a failure, and it says which file and why.
    const QString missing = m_dir.filePath(QStringLiteral("missing.jpg"));
    try {
        DateTakenText(missing, m_us);
        QFAIL("no failure for a missing file");
    } catch (const RuntimeFailure &failure) {
        QVERIFY2(failure.description().contains(missing), qPrintable(failure.description()));
    }
    const QString empty = writeBytes(QStringLiteral("empty.jpg"), {});
    QVERIFY_THROWS_EXCEPTION(RuntimeFailure, DateTakenText(empty, m_us));
    // Read once, an empty file is a failure only where its date taken is asked for.
    const auto source = kalvora::readSourceFile(empty);
    QVERIFY(source);
    QVERIFY_THROWS_EXCEPTION(RuntimeFailure, kalvora::dateTakenText(*source, m_us));
    QVERIFY(!kalvora::fileDateText(FileDateKind::DateModified, *source, m_us).isEmpty());
    QVERIFY(!kalvora::readSourceFile(missing));
}

void TestFileDates::nameLikeAStream()
{
    // Names that exiv2 would read as standard input or a web address are plain files.
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(QDir().mkpath(QStringLiteral("http:")));
    for (const QString &path : {QStringLiteral("-"), QStringLiteral("http://x.jpg")}) {
        QFile::remove(path);
        QVERIFY(QFile::copy(
            taggedPicture("jpeg", {QStringLiteral("-DateTimeOriginal=2021:08:31 13:23:45")}),
            path));
        QCOMPARE(DateTakenText(path, m_us), QStringLiteral("8/31/2021 1:23:45 PM"));
    }
}

void TestFileDates::noPicture()
{
    // Text that looks like a date in a file that is no picture is no date taken.
    const char bytes[] = "\xFF\xD8\xFF\xE1"
                         "Exif\0\0MM 2021:08:31 13:23:45";
    const QString path = writeBytes(QStringLiteral("notes.jpg"), QByteArray(bytes, sizeof bytes));
    QCOMPARE(DateTakenText(path, m_us), QString());
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
    // Read once, the file keeps the times it had before this program read it.
    const auto source = kalvora::readSourceFile(path);
    QVERIFY(source);
    QCOMPARE(kalvora::fileDateText(FileDateKind::DateModified, *source, m_us), expected);
    QCOMPARE(kalvora::fileDateText(FileDateKind::DateAccessed, *source, m_us),
        QStringLiteral("2/2/2020 3:02:02 AM"));

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
