// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/datetexts.h"
#include "engine/metadata/exifreader.h"
#include "engine/render/sourcefile.h"
#include "engine/render/stamptext.h"
#include "testimages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace kalvora;

// The tokens of a custom text, on a photo as a camera tags it and on a bare picture. Runs with
// TZ=Europe/Berlin.
class TestStampTokens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tokens_data();
    void tokens();
    void cameraTexts_data();
    void cameraTexts();
    void unreadableDate();

private:
    QString picture(const QString &name, const QStringList &tags);
    QTemporaryDir m_dir;
    QString m_tagged;
    QString m_bare;
    const DateTexts m_us {QLocale(QStringLiteral("en_US"))};
};

// A picture in the folder "Lake Bled", tagged by ExifTool with \a tags.
QString TestStampTokens::picture(const QString &name, const QStringList &tags)
{
    const QString path = m_dir.filePath(QStringLiteral("Lake Bled/") + name);
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path))
        qFatal("cannot write %s", qPrintable(path));
    const QStringList arguments {QStringLiteral("-q"), QStringLiteral("-overwrite_original")};
    if (!tags.isEmpty() && TestImages::exifTool(arguments + tags + QStringList {path}) != 0)
        qFatal("exiftool cannot tag %s", qPrintable(path));
    return path;
}

namespace {

// Dated afresh before each read: reading a file may set its access time to now.
bool dateFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(
            QDateTime(QDate(2021, 1, 15), QTime(11, 0), Qt::UTC), QFileDevice::FileModificationTime)
        && file.setFileTime(
            QDateTime(QDate(2020, 2, 2), QTime(2, 2, 2), Qt::UTC), QFileDevice::FileAccessTime);
}

} // namespace

void TestStampTokens::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_tagged = picture(QStringLiteral("IMG_0042.jpg"),
        {QStringLiteral("-Make=Canon"), QStringLiteral("-Model=Canon EOS R5"),
            QStringLiteral("-LensModel=RF24-105mm F4 L IS USM"),
            QStringLiteral("-ExposureTime=1/250"), QStringLiteral("-FNumber=5.6"),
            QStringLiteral("-ISO=200"), QStringLiteral("-GPSLatitude=46.3683"),
            QStringLiteral("-GPSLatitudeRef=N"), QStringLiteral("-GPSLongitude=14.1142"),
            QStringLiteral("-GPSLongitudeRef=E"),
            QStringLiteral("-DateTimeOriginal=2021:08:31 13:23:45")});
    m_bare = picture(QStringLiteral("photo.png"), {});
}

void TestStampTokens::tokens_data()
{
    QTest::addColumn<bool>("tagged");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    // Modified on 15 January 2021 at 12:00 and last read on 2 February 2020 at 03:02:02 in
    // Berlin. "<created>" stands for the creation time as the file system keeps it (the
    // modification time where it keeps none), written yyyy-MM-dd HH:mm:ss.
    const auto tagged = [](const char *text, const QString &expected) {
        QTest::newRow(text) << true << QString::fromUtf8(text) << 7 << expected;
    };
    tagged("{taken}", "8/31/2021 1:23:45 PM");
    tagged("{taken:yyyy-MM-dd}", "2021-08-31");
    tagged("{modified}", "1/15/2021 12:00:00 PM");
    tagged("{accessed:dd.MM.yyyy HH:mm:ss}", "02.02.2020 03:02:02");
    tagged("{created:yyyy-MM-dd HH:mm:ss}", "<created>");
    tagged("{filename}", "IMG_0042.jpg");
    tagged("{name}", "IMG_0042");
    tagged("{folder}", "Lake Bled");
    tagged("{camera}", "Canon EOS R5");
    tagged("{lens}", "RF24-105mm F4 L IS USM");
    tagged("{exposure}", "1/250 s f/5.6 ISO 200");
    tagged("{gps}", "46.3683° N, 14.1142° E");
    tagged("{n}", "7");
    tagged("{N} { name }", "7 IMG_0042");
    tagged("{lens|camera}", "RF24-105mm F4 L IS USM");
    tagged("{camera}, {taken:d MMM yyyy}\r\n{{n}} = {n}", "Canon EOS R5, 31 Aug 2021\r\n{n} = 7");
    tagged("}}{{ {{}} } {", "}{ {} } {");
    tagged("{nope} {taken|nope} {} {taken", "{nope} {taken|nope} {} {taken");
    tagged("Holiday 2021\r\nLake Bled", "Holiday 2021\r\nLake Bled");

    const auto bare = [](const char *text, int number, const QString &expected) {
        QTest::newRow(qPrintable(QStringLiteral("bare: ") + QLatin1String(text)))
            << false << QString::fromUtf8(text) << number << expected;
    };
    bare("{taken|modified}", 1, "1/15/2021 12:00:00 PM");
    bare("{taken:yyyy|modified:yyyy}", 1, "2021");
    bare("{camera|lens|name}", 1, "photo");
    bare("[{taken}{exposure}{gps}{lens}{camera}]", 1, "[]");
    bare("{n}", 0, "");
}

void TestStampTokens::tokens()
{
    QFETCH(bool, tagged);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, expected);
    const QString path = tagged ? m_tagged : m_bare;
    QVERIFY(dateFile(path));
    if (expected == u"<created>") {
        const QFileInfo info(path);
        const QDateTime created
            = info.birthTime().isValid() ? info.birthTime() : info.lastModified();
        expected = created.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = text;
    options.format = StampFormat::DatestampAndTimestamp;
    const auto source = readSourceFile(path);
    QVERIFY(source);

    const ComposedStamp composed = ComposeStampText(options, {*source, number}, m_us);

    QCOMPARE(composed.text, std::optional<QString>(expected));
    QVERIFY(composed.failures.isEmpty());
    QVERIFY(!composed.skipped);
}

void TestStampTokens::cameraTexts_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("fNumber");
    QTest::addColumn<int>("iso");
    QTest::addColumn<double>("latitude"); // NaN: no position
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QStringList>("expected"); // camera, exposure, position
    const double none = std::nan("");
    QTest::newRow("maker's first word repeated")
        << "NIKON CORPORATION"
        << "NIKON D850" << 1.0 / 3 << 8.0 << 0 << -33.85681 << -151.21529
        << QStringList {"NIKON D850", "1/3 s f/8", "33.8568° S, 151.2153° W"};
    QTest::newRow("model starting like the maker")
        << "Canon"
        << "Canonet QL17" << 2.0 << 11.0 << 100 << 0.0 << 0.0
        << QStringList {"Canon Canonet QL17", "2 s f/11 ISO 100", "0.0000° N, 0.0000° E"};
    QTest::newRow("model alone, half a position") << ""
                                                  << "X100V" << 0.4 << 0.0 << 400 << 0.5 << none
                                                  << QStringList {"X100V", "0.4 s ISO 400", ""};
}

void TestStampTokens::cameraTexts()
{
    QFETCH(QString, make);
    QFETCH(QString, model);
    QFETCH(double, seconds);
    QFETCH(double, fNumber);
    QFETCH(int, iso);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QStringList, expected);
    ExifFields exif;
    exif.make = make;
    exif.model = model;
    exif.exposureTime = seconds;
    exif.fNumber = fNumber;
    exif.iso = iso;
    if (!std::isnan(latitude))
        exif.latitude = latitude;
    if (!std::isnan(longitude))
        exif.longitude = longitude;
    QCOMPARE((QStringList {cameraText(exif), exposureText(exif), gpsText(exif)}), expected);
}

void TestStampTokens::unreadableDate()
{
    // An empty file has no readable date taken: the failure names it and tells what the file
    // got instead, whether its date was asked for by a token or stamped.
    const QString path = m_dir.filePath(QStringLiteral("empty.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const auto source = readSourceFile(path);
    QVERIFY(source);
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = QStringLiteral("{taken|name} {taken}");
    ComposedStamp composed = ComposeStampText(options, {*source, 1}, m_us);
    QCOMPARE(composed.text, std::optional<QString>(QStringLiteral("empty ")));
    QCOMPARE(composed.failures.size(), 1);
    QVERIFY2(composed.failures[0].contains(QDir::toNativeSeparators(path))
            && composed.failures[0].endsWith(QLatin1String("It was stamped \"empty \".")),
        qPrintable(composed.failures[0]));

    options.source = StampSource::FileDate;
    options.fileDateKind = FileDateKind::DateTaken;
    options.format = StampFormat::Datestamp;
    composed = ComposeStampText(options, {*source, 1}, m_us);
    const QString sentence = QStringLiteral("There is no date taken associated with this file.");
    QCOMPARE(composed.text, std::optional<QString>(sentence));
    QCOMPARE(composed.failures.size(), 1);
    QVERIFY2(composed.failures[0].endsWith(QStringLiteral("It was stamped \"%1\".").arg(sentence)),
        qPrintable(composed.failures[0]));
}

QTEST_GUILESS_MAIN(TestStampTokens)
#include "tst_stamptokens.moc"
