// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegmetadatasupport.h"
#include "stampfailures.h"
#include "stampjobsupport.h"

#include <QFileInfo>

using namespace TestImages;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

void append32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

// The APP2 payload of a multi-picture index of two images, the first the file's own picture
// and the second a preview ("large thumbnail"), little-endian.
QByteArray mpfPayload(quint32 primarySize, quint32 previewSize, quint32 previewOffset)
{
    QByteArray p("MPF\0II*\0", 8);
    append32(p, 8);
    const auto entry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
        p.append(char(tag & 0xFF)).append(char(tag >> 8)).append(char(type)).append('\0');
        append32(p, count);
        append32(p, value);
    };
    p.append('\3').append('\0');
    entry(0xB000, 7, 4, qFromLittleEndian<quint32>("0100"));
    entry(0xB001, 4, 1, 2);
    entry(0xB002, 7, 32, 50);
    append32(p, 0);
    for (const quint32 value :
        {0x20030000u, primarySize, 0u, 0u, 0x00010001u, previewSize, previewOffset, 0u})
        append32(p, value);
    return p;
}

// Where IFD1's entries lie in an EXIF APP1 segment, read the test's own way.
std::pair<qsizetype, qsizetype> ifd1Entries(const QByteArray &exif)
{
    const char *tiff = exif.constData() + 10;
    const bool big = tiff[0] == 'M';
    const auto u16 = [&](quint32 at) {
        return big ? qFromBigEndian<quint16>(tiff + at) : qFromLittleEndian<quint16>(tiff + at);
    };
    const auto u32 = [&](quint32 at) {
        return big ? qFromBigEndian<quint32>(tiff + at) : qFromLittleEndian<quint32>(tiff + at);
    };
    const quint32 ifd1 = u32(u32(4) + 2 + 12 * u16(u32(4)));
    return {10 + ifd1, 10 + ifd1 + 2 + 12 * u16(ifd1)};
}

// A smaller copy of the picture shows the stamp: where the stamp lies on the picture (scaled
// to the copy) it differs clearly, everywhere else it is the same but for encoding noise.
void expectStampOn(const QImage &before, const QImage &after, const QRect &stamp)
{
    QVERIFY(!before.isNull());
    QCOMPARE(after.size(), before.size());
    const double scale = double(before.width()) / kWidth;
    const QRect region = QRectF(stamp.x() * scale, stamp.y() * scale, stamp.width() * scale,
                             stamp.height() * scale)
                             .toAlignedRect()
                             .adjusted(-2, -2, 2, 2)
        & before.rect();
    QVERIFY(compare(before, after, region).count > 2);
    const Difference elsewhere = compare(before, after, before.rect(), region);
    QVERIFY2(elsewhere.largest < 24 && elsewhere.mean < 3,
        qPrintable(QStringLiteral("%1 %2").arg(elsewhere.largest).arg(elsewhere.mean)));
}

} // namespace

class TestJpegMetadata : public QObject, private StampJobFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startTools(); }
    void init() { emptyFolders(); }
    void carriesEverySegment_data();
    void carriesEverySegment();
    void stampsTheMultiPicturePreview();

private:
    void makeSource(const QString &path, bool grey);
    void makeNewSource(const QString &path, bool grey);
    QString stampOne(const QString &source, int pointSize);

    QTemporaryDir m_made;
};

// A camera-like source: a comment, a vendor's APP11 block, a colour profile (in colour), EXIF
// with a Canon maker note, GPS and a thumbnail, IPTC in UTF-8, XMP with a namespace of its own
// and an extension in further segments.
void TestJpegMetadata::makeSource(const QString &path, bool grey)
{
    // Made once for each kind and copied, since ExifTool takes its time.
    const QString made = m_made.filePath(grey ? "grey.jpg" : "colour.jpg");
    if (QFile::exists(made)) {
        QVERIFY(QFile::copy(made, path));
        return;
    }
    makeNewSource(made, grey);
    QVERIFY(QFile::copy(made, path));
}

void TestJpegMetadata::makeNewSource(const QString &path, bool grey)
{
    const QImage picture = darkPhoto(kWidth, kHeight);
    QVERIFY(writeFile(path, libjpegFile(picture, grey)));
    const QString thumbnail = m_work.filePath("thumb.jpg");
    const QString xmp = m_work.filePath("extra.xmp");
    const QString data = m_work.filePath("data.txt");
    const QString note = m_work.filePath("note.bin");
    QVERIFY(writeFile(thumbnail,
        plainJpeg(picture.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 90)));
    QVERIFY(writeFile(xmp, xmpPacket().toUtf8()));
    QByteArray random(70000, '\0');
    for (qsizetype i = 0; i < random.size(); ++i)
        random[i] = char(i * 7919 % 251);
    QVERIFY(writeFile(data, random.toBase64()));
    QVERIFY(runExifTool({"-XMP<=" + xmp, path}));
    QVERIFY(runExifTool({"-Make=Canon", "-Model=Canon EOS 80D", "-FNumber=1.7411",
        "-ExposureTime=1/250", "-DateTimeOriginal=2023:07:14 10:23:07", "-GPSLatitude=48.85837",
        "-GPSLatitudeRef=N", "-GPSLongitude=2.294481", "-GPSLongitudeRef=E", "-GPSAltitude=35",
        "-IPTC:CodedCharacterSet=UTF8", "-IPTC:Keywords=Überfahrt", "-IPTC:Keywords=東京",
        "-XMP-dc:Title=Tour", "-ThumbnailImage<=" + thumbnail, path}));
    QVERIFY(runExifTool(
        {"-XMP-GImage:ImageData<=" + data, "-XMP-GImage:ImageMimeType=image/jpeg", path}));
    // The note is written once to learn where it lands, then with offsets that point there.
    QVERIFY(writeFile(note, canonNote(0)));
    QVERIFY(runExifTool({"-MakerNotes<=" + note, path}));
    const QByteArray file = contents(path);
    const qsizetype at = file.indexOf(canonNote(0).left(14));
    QVERIFY(writeFile(note, canonNote(quint32(at - file.indexOf("Exif") - 6))));
    QVERIFY(runExifTool({"-MakerNotes<=" + note, path}));
    QCOMPARE(exifTag("Canon:OwnerName", path), QStringLiteral("Ann Example"));
    QCOMPARE(exifTag("Warning", path), QString());
    QVERIFY(exifTag("XMP:HasExtendedXMP", path).size() == 32);
}

QString TestJpegMetadata::stampOne(const QString &source, int pointSize)
{
    StampOptions options = customText(SaveOption::ChosenFolder);
    options.font.pointSize = pointSize;
    options.position = StampPosition::LowerRight;
    options.jpegQuality = 95;
    const StampJobResult result = stamp(source, options);
    if (!result.failures.isEmpty())
        qWarning("%s", qPrintable(describe(result.failures)));
    return result.outcome == StampFileOutcome::Stamped
        ? m_output.filePath(QFileInfo(source).fileName())
        : QString();
}

void TestJpegMetadata::carriesEverySegment_data()
{
    QTest::addColumn<bool>("grey");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("padded");
    QTest::newRow("stamped in the blocks") << false << 28 << false;
    QTest::newRow("stamped whole: a stamp over most of the picture") << false << 150 << false;
    QTest::newRow("stamped whole: a grey source") << true << 28 << false;
    QTest::newRow("thumbnail followed by other data") << false << 28 << true;
}

void TestJpegMetadata::carriesEverySegment()
{
    QFETCH(bool, grey);
    QFETCH(int, pointSize);
    QFETCH(bool, padded);
    const QString source = sourcePath("IMG_0001.JPG");
    makeSource(source, grey);
    if (QTest::currentTestFailed())
        return;
    QByteArray before = contents(source);
    if (padded) {
        // Bytes after the thumbnail inside the EXIF block, which no tag points to.
        const Segment exif = exifSegment(before);
        QByteArray grown = exif.bytes + QByteArray(16, '\xAB');
        grown[2] = char((grown.size() - 2) >> 8);
        grown[3] = char((grown.size() - 2) & 0xFF);
        before.replace(exif.offset, exif.bytes.size(), grown);
        QVERIFY(writeFile(source, before));
    }
    const QString output = stampOne(source, pointSize);
    QVERIFY(!output.isEmpty());
    const QByteArray after = contents(output);

    // Every APPn and COM segment byte for byte, in order, but for the EXIF thumbnail; a grey
    // source's colour profile is not one of the result's colours.
    QList<Segment> expected = headerSegments(before);
    if (grey)
        expected.removeIf([](const Segment &s) { return s.bytes.mid(4, 11) == "ICC_PROFILE"; });
    const QList<Segment> got = headerSegments(after);
    QCOMPARE(got.size(), expected.size());
    qsizetype exifAt = -1;
    for (qsizetype i = 0; i < got.size(); ++i) {
        QCOMPARE(got[i].marker, expected[i].marker);
        if (got[i].bytes.mid(4, 6) == QByteArray("Exif\0\0", 6))
            exifAt = i;
        else
            QCOMPARE(got[i].bytes, expected[i].bytes);
    }
    QVERIFY(exifAt >= 0);

    // The EXIF block differs only in the thumbnail's data and IFD1's entries.
    const Segment &oldExif = expected[exifAt];
    const Segment &newExif = got[exifAt];
    const auto [oldAt, oldLength] = thumbnailPlace(source);
    const auto [newAt, newLength] = thumbnailPlace(output);
    const auto [ifd1, ifd1End] = ifd1Entries(newExif.bytes);
    const auto inOld = [&](qsizetype p) {
        return p >= oldAt - oldExif.offset && p < oldAt - oldExif.offset + oldLength;
    };
    const auto inNew = [&](qsizetype p) {
        return p >= newAt - newExif.offset && p < newAt - newExif.offset + newLength;
    };
    for (qsizetype p = 4; p < std::max(oldExif.bytes.size(), newExif.bytes.size()); ++p) {
        if (inOld(p) || inNew(p) || (p >= ifd1 && p < ifd1End))
            continue;
        QVERIFY2(p < oldExif.bytes.size() && p < newExif.bytes.size()
                && oldExif.bytes[p] == newExif.bytes[p],
            qPrintable(QStringLiteral("EXIF byte %1 changed").arg(p)));
    }

    // The thumbnail shows the stamp and is a JPEG ExifTool reads.
    const QRect stamp = changedArea(decoded(before), decoded(after), 60);
    QVERIFY(!stamp.isEmpty());
    expectStampOn(decoded(extracted("ThumbnailImage", source)),
        decoded(extracted("ThumbnailImage", output)), stamp);

    // ExifTool reads every tag alike, numbers to the last digit, but for what tells where the
    // thumbnail lies and how the new picture is coded.
    const QJsonObject a = allTags(source);
    const QJsonObject b = allTags(output);
    const QStringList encoding {"SourceFile", "IFD1:ThumbnailOffset", "IFD1:ThumbnailLength",
        "IFD1:ThumbnailImage", "File:ColorComponents", "File:YCbCrSubSampling",
        "File:EncodingProcess"};
    QStringList keys = a.keys() + b.keys();
    keys.removeDuplicates();
    for (const QString &key : std::as_const(keys)) {
        if (key.startsWith("System:") || encoding.contains(key))
            continue;
        QVERIFY2(a.value(key) == b.value(key), qPrintable(key));
    }
    QCOMPARE(b.value("ExifIFD:FNumber").toDouble(), 1.7411);
}

// A preview after the picture, indexed by an MPF segment, shows the stamp too and stays where
// the index says.
void TestJpegMetadata::stampsTheMultiPicturePreview()
{
    const QString source = sourcePath("DSC_0002.JPG");
    makeSource(source, false);
    if (QTest::currentTestFailed())
        return;
    const QByteArray primary = contents(source);
    const QByteArray preview
        = plainJpeg(darkPhoto(kWidth, kHeight)
                        .scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            90);
    const Segment exif = exifSegment(primary);
    const qsizetype at = exif.offset + exif.bytes.size();
    const quint32 primarySize = quint32(primary.size() + 4 + mpfPayload(0, 0, 0).size());
    const QByteArray payload
        = mpfPayload(primarySize, quint32(preview.size()), quint32(primarySize - at - 8));
    QVERIFY(writeFile(source, withSegment(primary, at, 0xE2, payload) + preview));
    QCOMPARE(extracted("MPImage2:PreviewImage", source), preview);

    const QString output = stampOne(source, 28);
    QVERIFY(!output.isEmpty());
    const QRect stamp = changedArea(decoded(contents(source)), decoded(contents(output)), 60);
    QVERIFY(!stamp.isEmpty());
    expectStampOn(decoded(preview), decoded(extracted("MPImage2:PreviewImage", output)), stamp);
    QCOMPARE(exifTag("Warning", output), QString());
}

QTEST_MAIN(TestJpegMetadata)
#include "tst_jpegmetadata.moc"
