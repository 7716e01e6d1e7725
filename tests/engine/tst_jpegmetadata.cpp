// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegrestore.h"
#include "jpegmetadatasupport.h"
#include "stampfailures.h"
#include "stampjobsupport.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <array>

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

// The APP2 payload of a multi-picture index, little-endian, of images given as attribute,
// size and offset; the first is the file's own picture.
QByteArray mpfPayload(const QList<std::array<quint32, 3>> &images)
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
    entry(0xB001, 4, 1, quint32(images.size()));
    entry(0xB002, 7, quint32(16 * images.size()), 50);
    append32(p, 0);
    for (const auto &[attribute, size, offset] : images) {
        append32(p, attribute);
        append32(p, size);
        append32(p, offset);
        append32(p, 0);
    }
    return p;
}

// ExifTool reads every tag of \a output as it reads the \a source's, numbers to the last digit,
// but for the file's own and those \a changed names.
void expectSameTags(const QString &source, const QString &output, QStringList changed)
{
    const QJsonObject a = allTags(source);
    const QJsonObject b = allTags(output);
    changed << "SourceFile"
            << "IFD1:ThumbnailOffset"
            << "IFD1:ThumbnailLength"
            << "IFD1:ThumbnailImage";
    QStringList keys = a.keys() + b.keys();
    keys.removeDuplicates();
    for (const QString &key : std::as_const(keys)) {
        // The mark of the stamp is added; see carriesEverySegment.
        if (key.startsWith("System:") || key.startsWith("XMP-kalvora:") || changed.contains(key))
            continue;
        QVERIFY2(a.value(key) == b.value(key), qPrintable(key));
    }
    QVERIFY(!b.value("Canon:OwnerName").isUndefined());
    QCOMPARE(b.value("ExifIFD:FNumber").toDouble(), 1.7411);
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

// The EXIF block of \a output differs from that of \a source only in the thumbnail's data and
// IFD1's entries.
void expectOnlyThumbnailChanged(
    const Segment &oldExif, const Segment &newExif, const QString &source, const QString &output)
{
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
    void stampsTheMultiPicturePreview_data();
    void stampsTheMultiPicturePreview();
    void thumbnailThatCannotFitFailsTheFile();

private:
    void makeSource(const QString &path, const QString &kind);
    void makeNewSource(const QString &path, const QString &kind);
    QString stampOne(const QString &source, int pointSize, bool ownQuality = false);

    QTemporaryDir m_made;
};

// A camera-like source: a comment, a vendor's APP11 block, a colour profile (in colour), EXIF
// with a Canon maker note, GPS and a thumbnail, IPTC in UTF-8, XMP with a namespace of its own
// and an extension in further segments.
void TestJpegMetadata::makeSource(const QString &path, const QString &kind)
{
    // Made once for each kind and copied, since ExifTool takes its time.
    const QString made = m_made.filePath(kind + ".jpg");
    if (!QFile::exists(made))
        makeNewSource(made, kind);
    QVERIFY(QFile::copy(made, path));
}

// \a kind is "colour", "grey" or "no JFIF" (in colour).
void TestJpegMetadata::makeNewSource(const QString &path, const QString &kind)
{
    const QImage picture = darkPhoto(kWidth, kHeight);
    QVERIFY(writeFile(path, libjpegFile(picture, kind == "grey", kind != "no JFIF")));
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

QString TestJpegMetadata::stampOne(const QString &source, int pointSize, bool ownQuality)
{
    StampOptions options = customText(SaveOption::ChosenFolder);
    options.keepQuality = ownQuality;
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
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("padded");
    QTest::addColumn<bool>("ownQuality");
    QTest::newRow("stamped in the blocks") << "colour" << 28 << false << false;
    QTest::newRow("stamped whole: a stamp over most of the picture")
        << "colour" << 150 << false << false;
    QTest::newRow("stamped whole: a grey source") << "grey" << 28 << false << false;
    QTest::newRow("a source without JFIF gets none") << "no JFIF" << 28 << false << false;
    QTest::newRow("thumbnail followed by other data") << "colour" << 28 << true << false;
    QTest::newRow("own quality") << "colour" << 28 << false << true;
    QTest::newRow("own quality: a grey source keeps its profile") << "grey" << 28 << false << true;
}

void TestJpegMetadata::carriesEverySegment()
{
    QFETCH(QString, kind);
    QFETCH(int, pointSize);
    QFETCH(bool, padded);
    QFETCH(bool, ownQuality);
    const QString source = sourcePath("IMG_0001.JPG");
    makeSource(source, kind);
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
    const QString output = stampOne(source, pointSize, ownQuality);
    QVERIFY(!output.isEmpty());
    const QByteArray after = contents(output);
    // Its restore data give back the source, every byte of it.
    QCOMPARE(restoreJpeg(after).original, ownQuality ? before : QByteArray());

    // Every APPn and COM segment byte for byte, in order, but for the EXIF thumbnail and the
    // restore data; a grey source's colour profile is not one of a colour result's colours.
    QList<Segment> expected = headerSegments(before);
    if (kind == "grey" && !ownQuality)
        expected.removeIf([](const Segment &s) { return s.bytes.mid(4, 11) == "ICC_PROFILE"; });
    QList<Segment> got = headerSegments(after);
    got.removeIf([](const Segment &s) { return s.bytes.mid(4, 15) == "KALVORA-RESTORE"; });
    QCOMPARE(got.size(), expected.size());
    qsizetype exifAt = -1;
    for (qsizetype i = 0; i < got.size(); ++i) {
        QCOMPARE(got[i].marker, expected[i].marker);
        if (got[i].bytes.mid(4, 6) == QByteArray("Exif\0\0", 6)) {
            exifAt = i;
        } else if (got[i].bytes.mid(4, 29) == QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)) {
            // The standard XMP packet gains the mark of the stamp on its description, and
            // nothing else changes.
            static const QRegularExpression mark(
                QStringLiteral(" xmlns:kalvora=\"[^\"]*\"( kalvora:\\w+=\"[^\"]*\"){3}"));
            QString packet = QString::fromUtf8(got[i].bytes.mid(4));
            QCOMPARE(packet.count(mark), 1);
            QCOMPARE(packet.remove(mark).toUtf8(), expected[i].bytes.mid(4));
        } else {
            QCOMPARE(got[i].bytes, expected[i].bytes);
        }
    }
    QVERIFY(exifAt >= 0);

    expectOnlyThumbnailChanged(expected[exifAt], got[exifAt], source, output);

    // The thumbnail shows the stamp and is a JPEG ExifTool reads.
    const QRect stamp = changedArea(decoded(before), decoded(after), 60);
    QVERIFY(!stamp.isEmpty());
    expectStampOn(decoded(extracted("ThumbnailImage", source)),
        decoded(extracted("ThumbnailImage", output)), stamp);

    // ExifTool reads every tag alike, but for how the new picture is coded.
    expectSameTags(source, output,
        ownQuality ? QStringList()
                   : QStringList {
                       "File:ColorComponents", "File:YCbCrSubSampling", "File:EncodingProcess"});
}

void TestJpegMetadata::stampsTheMultiPicturePreview_data()
{
    QTest::addColumn<bool>("ownQuality");
    QTest::newRow("at the chosen quality") << false;
    QTest::newRow("in its own quality, restore data before the index") << true;
}

// A preview after the picture, indexed by an MPF segment, shows the stamp too; another image
// of the file (a disparity map) and a vendor's trailer after them stay as they were, and the
// index says where each image now lies.
void TestJpegMetadata::stampsTheMultiPicturePreview()
{
    QFETCH(bool, ownQuality);
    const QString source = sourcePath("DSC_0002.JPG");
    makeSource(source, "colour");
    if (QTest::currentTestFailed())
        return;
    const QByteArray primary = contents(source);
    // The preview carries its own attributes (MPIndividualNum 2), as a camera's does.
    QByteArray attributes("MPF\0II*\0", 8);
    append32(attributes, 8);
    attributes.append("\1\0\x01\xB1\4\0", 6); // one entry: MPIndividualNum, a LONG
    for (const quint32 value : {1u, 2u, 0u})
        append32(attributes, value);
    const QByteArray preview = withSegment(
        plainJpeg(darkPhoto(kWidth, kHeight)
                      .scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            90),
        2, 0xE2, attributes);
    const QByteArray disparity = plainJpeg(darkPhoto(80, 60), 70);
    const QByteArray trailer("VENDOR TRAILER");
    const Segment exif = exifSegment(primary);
    const qsizetype at = exif.offset + exif.bytes.size();
    const quint32 size = quint32(primary.size() + 4 + mpfPayload({{}, {}, {}}).size());
    const quint32 header = quint32(at + 8);
    const QByteArray payload
        = mpfPayload({{0x20030000, size, 0}, {0x00010001, quint32(preview.size()), size - header},
            {0x00020002, quint32(disparity.size()), quint32(size + preview.size() - header)}});
    QVERIFY(
        writeFile(source, withSegment(primary, at, 0xE2, payload) + preview + disparity + trailer));
    QCOMPARE(extracted("MPImage2:PreviewImage", source), preview);
    QCOMPARE(extracted("MPImage3:MPImage3", source), disparity);

    const QString output = stampOne(source, 28, ownQuality);
    QVERIFY(!output.isEmpty());
    const QByteArray after = contents(output);
    QCOMPARE(restoreJpeg(after).original, ownQuality ? contents(source) : QByteArray());
    const QRect stamp = changedArea(decoded(contents(source)), decoded(after), 60);
    QVERIFY(!stamp.isEmpty());
    expectStampOn(decoded(preview), decoded(extracted("MPImage2:PreviewImage", output)), stamp);
    QCOMPARE(extracted("MPImage3:MPImage3", output), disparity);
    const auto segmentsOf = [](const QByteArray &file) {
        QList<QByteArray> all;
        for (const Segment &segment : headerSegments(file))
            all << segment.bytes;
        return all;
    };
    QCOMPARE(segmentsOf(extracted("MPImage2:PreviewImage", output)), segmentsOf(preview));
    QVERIFY(after.endsWith(disparity + trailer));
    expectSameTags(source, output,
        {"MPImage1:MPImageLength", "MPImage2:MPImageLength", "MPImage2:MPImageStart",
            "MPImage3:MPImageStart", "MPImage2:PreviewImage"});
}

// An EXIF block filled to its 64 KB with a thumbnail that is as small as a JPEG gets: stamped,
// the thumbnail cannot fit even at the lowest quality, and the file fails, naming itself.
void TestJpegMetadata::thumbnailThatCannotFitFailsTheFile()
{
    const QString source = sourcePath("full.jpg");
    const QString thumbnail = m_work.filePath("flat.jpg");
    QImage flat(160, 120, QImage::Format_RGB32);
    flat.fill(qRgb(40, 40, 40));
    QVERIFY(writeFile(thumbnail, plainJpeg(flat, 1)));
    QVERIFY(writeFile(source, plainJpeg(darkPhoto(kWidth, kHeight), 90)));
    const auto fill = [&](qsizetype size) {
        return runExifTool(
            {"-UserComment=" + QString(size, 'x'), "-ThumbnailImage<=" + thumbnail, source});
    };
    QVERIFY(fill(60000));
    // One byte short of the segment's limit: ExifTool pads the block to an even size.
    QVERIFY(fill(60000 + 65535 - exifSegment(contents(source)).bytes.size() + 1));
    const Segment exif = exifSegment(contents(source));
    QVERIFY(exif.bytes.size() >= 65536);
    QCOMPARE(exifTag("Warning", source), QString());
    const auto [at, length] = thumbnailPlace(source);
    QVERIFY(at + length + 2 > exif.offset + exif.bytes.size());

    StampOptions options = customText(SaveOption::ChosenFolder);
    options.position = StampPosition::LowerRight;
    const StampJobResult result = stamp(source, options);
    QCOMPARE(result.outcome, StampFileOutcome::Failed);
    QCOMPARE(result.failures.size(), 1);
    QVERIFY2(result.failures[0].description.contains(source)
            && result.failures[0].description.contains("thumbnail"),
        qPrintable(result.failures[0].description));
    QVERIFY(filesIn(m_output).isEmpty());
}

QTEST_MAIN(TestJpegMetadata)
#include "tst_jpegmetadata.moc"
