// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The undo of a stamp that kept the photo's own quality: PNG, TIFF and lossless WebP photos
// stamped in place by the real job (ExifTool included) come back with their source's pixels and
// tags, as Qt, libtiff and ExifTool read them; a result changed after its stamp, one that lost
// or damaged its restore data, a read-only one and a lossy WebP are left byte for byte.
#include "engine/codecs/jpeg/jpegrestore.h"
#include "engine/codecs/picturecodec.h"
#include "engine/codecs/restorechunk.h"
#include "engine/run/stampundo.h"
#include "picturefiles.h"
#include "stampjobsupport.h"
#include "taggedphotos.h"
#include "webpfiles.h"

#include <QFile>

using namespace PictureFiles;

namespace {

// A photo's smooth light with a sensor's grain, in \a format, of every channel's full depth.
QImage photoLike(int width, int height, QImage::Format format, int seed = 0)
{
    QImage image(width, height, format);
    const auto level = [](int value) { return quint16(qBound(0, value, 65535)); };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            quint32 n = quint32(x) * 0x9e3779b1u ^ quint32(y) * 0x85ebca77u ^ quint32(seed);
            n = (n ^ (n >> 15)) * 0x2c1b3c6du;
            const int grain = int((n ^ (n >> 12)) % 1537) - 768;
            const int alpha = image.hasAlphaChannel() ? 65535 - (x * 40 + y * 3) % 65536 : 65535;
            image.setPixelColor(x, y,
                QColor::fromRgba64(qRgba64(level(x * 65535 / width + grain),
                    level(y * 65535 / height + grain), level(30000 + grain), quint16(alpha))));
        }
    return image;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes a source of \a kind at \a path, straight with Qt, libtiff or libwebp.
bool writeSource(const QString &kind, const QString &path)
{
    const int w = 800;
    const int h = 600;
    if (kind == u"png")
        return photoLike(w, h, QImage::Format_RGB32).save(path, "png");
    if (kind == u"png16a")
        return photoLike(w, h, QImage::Format_RGBA64).save(path, "png");
    if (kind == u"tif")
        return writeTiff(path, {photoLike(w, h, QImage::Format_RGB32)}, COMPRESSION_NONE);
    if (kind == u"tif16a")
        return writeTiff(path,
            {photoLike(w, h, QImage::Format_RGBA64), photoLike(w, h, QImage::Format_RGBA64, 1)});
    if (kind == u"webpanim") {
        const QList<QImage> frames {photoLike(w, h, QImage::Format_ARGB32),
            photoLike(w, h, QImage::Format_ARGB32, 1), photoLike(w, h, QImage::Format_ARGB32, 2)};
        return writeBytes(path, WebpFiles::webpFile(frames, true, {80, 120, 160}, 0, {}));
    }
    const bool lossy = kind == u"webplossy";
    const QImage still
        = photoLike(w, h, kind == u"webpa" ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return writeBytes(path, WebpFiles::webpFile({still}, !lossy, {}, -1, {}));
}

// Every frame of \a path as Qt reads it, and as the program's strict reader keeps it (straight
// alpha), in one list.
QList<QImage> pixelsOf(const QString &path)
{
    QList<QImage> frames;
    for (const QImage &frame : framesOf(path))
        frames << frame.convertToFormat(QImage::Format_RGBA64);
    for (const PictureFrame &frame : loadPicture(path).frames)
        frames << frame.image;
    return frames;
}

// What the tag comparison leaves out: what a new encoding changes, but not the mark, which an
// undo must take away.
QStringList changedByEncoding()
{
    QStringList changed = TaggedPhotos::kChangedByEncoding;
    changed.removeAll(QStringLiteral("XMP-kalvora:*"));
    // The second page's strips as the first's, the encoder's predictor, and the size a
    // transparent WebP's extended header names beside its picture's, with its flags.
    changed << QStringLiteral("IFD1:StripOffsets") << QStringLiteral("IFD1:StripByteCounts")
            << QStringLiteral("IFD1:RowsPerStrip") << QStringLiteral("IFD0:Predictor")
            << QStringLiteral("IFD1:Predictor") << QStringLiteral("RIFF:ImageWidth")
            << QStringLiteral("RIFF:ImageHeight") << QStringLiteral("RIFF:WebP_Flags");
    return changed;
}

PictureFormat formatOf(const QString &path)
{
    return pictureFormatOf(TestImages::contents(path)).value_or(PictureFormat::Gif);
}

// \a path with its restore data replaced by \a payload.
bool replaceRestoreData(const QString &path, const QByteArray &payload)
{
    QString error;
    const QByteArray bytes
        = withRestoreChunk(TestImages::contents(path), formatOf(path), payload, &error);
    return !bytes.isEmpty() && writeBytes(path, bytes);
}

// A change made to the stamped file at \a path after its stamp, by another program or a user.
bool change(const QString &how, const QString &path)
{
    const std::optional<QByteArray> data
        = restoreChunkOf(TestImages::contents(path), formatOf(path));
    if (how == u"pixels") {
        // A byte of the last row of an uncompressed TIFF, far from the stamp: nothing else moves.
        QByteArray bytes = TestImages::contents(path);
        TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
        const uint32_t last = TIFFNumberOfStrips(tiff) - 1;
        const quint64 at = TIFFGetStrileOffset(tiff, last) + TIFFGetStrileByteCount(tiff, last) - 2;
        TIFFClose(tiff);
        bytes[qsizetype(at)] = char(bytes[qsizetype(at)] ^ 0x55);
        return writeBytes(path, bytes);
    }
    if (how == u"xmp")
        return TestImages::exifTool({QStringLiteral("-overwrite_original"),
                   QStringLiteral("-XMP-dc:Title=Edited"), path})
            == 0;
    if (how == u"saved again")
        return QImage(path).save(path, "png");
    if (how == u"read-only")
        return QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    if (how == u"garbage")
        return replaceRestoreData(path, "KalvoraRestore\x01 not what it says");
    if (how == u"cut short")
        return data && replaceRestoreData(path, data->chopped(9));
    if (how == u"outside") {
        std::optional<RestoreData> moved = parseRestoreData(data.value_or(QByteArray()));
        if (!moved)
            return false;
        moved->regions.first().rect.translate(5000, 0);
        return replaceRestoreData(path, serializeRestoreData(*moved));
    }
    return how == u"none";
}

} // namespace

class TestStampUndo : public QObject, public StampJobFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startTools(); }
    void init() { emptyFolders(); }
    void undoGivesBackTheSource_data();
    void undoGivesBackTheSource();
    void leftAsItIs_data();
    void leftAsItIs();
    void jpegComesBackByteForByte();

private:
    StampJobResult stampKeepingQuality(const QString &path);
};

StampJobResult TestStampUndo::stampKeepingQuality(const QString &path)
{
    StampOptions options = customText(SaveOption::OriginalFolder);
    options.customText = QStringLiteral("2024-05-06 07:08");
    options.keepQuality = true;
    return stamp(path, options);
}

void TestStampUndo::undoGivesBackTheSource_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("tagged");
    const auto row = [](const char *name, const char *file, const char *kind, bool tagged) {
        QTest::newRow(name) << QString::fromLatin1(file) << QString::fromLatin1(kind) << tagged;
    };
    row("PNG with every kind of tag", "a.png", "png", true);
    row("PNG of 16 bits with alpha", "b.png", "png16a", true);
    // The mark made the only XMP it has: the undo takes it away again.
    row("PNG without tags", "c.png", "png", false);
    row("TIFF with every kind of tag", "d.tif", "tif", true);
    row("TIFF of two 16-bit pages with alpha", "e.tif", "tif16a", true);
    row("lossless WebP with tags", "f.webp", "webp", true);
    row("lossless WebP with alpha", "g.webp", "webpa", false);
    row("lossless WebP animation", "h.webp", "webpanim", false);
}

void TestStampUndo::undoGivesBackTheSource()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, tagged);
    const QString path = sourcePath(name);
    const QString original = m_output.filePath(name);
    QVERIFY(writeSource(kind, path));
    QString error;
    QVERIFY2(
        !tagged || TaggedPhotos::writeRichTags(path, m_work.path(), &error), qPrintable(error));
    QVERIFY(QFile::copy(path, original));

    const StampJobResult stamped = stampKeepingQuality(path);
    QVERIFY2(stamped.outcome == StampFileOutcome::Stamped,
        qPrintable(stamped.failures.value(0).description));
    QVERIFY2(!stamped.notes.join(u' ').contains(u"cannot be undone"), qPrintable(name));
    QVERIFY(pixelsOf(path) != pixelsOf(original));
    // A reader that goes by the header's flags sees the transparency the source has.
    QCOMPARE(QImage(path).hasAlphaChannel(), QImage(original).hasAlphaChannel());
    // What the undo needs is small beside the photo.
    const QByteArray result = TestImages::contents(path);
    const std::optional<QByteArray> data = restoreChunkOf(result, formatOf(path));
    QVERIFY(data);
    const double share = double(data->size()) / result.size();
    qInfo("%s: restore data %lld of %lld bytes (%.2f %%)", qPrintable(name),
        qlonglong(data->size()), qlonglong(result.size()), share * 100);
    QVERIFY2(share < 0.05, qPrintable(QString::number(share)));

    // The original takes the stamped file's place with its permissions.
    constexpr auto kMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, kMode));
    const UndoResult undone = undoStamp(path, *m_exifTool, m_work.path());
    QCOMPARE(undone.finding, UndoFinding::Restored);
    // Owner, group and others: the "user" flags are the program's own view of them.
    QCOMPARE(QFile::permissions(path) & QFile::Permissions(0x7077), kMode);
    QCOMPARE(undone.sentence, path + QStringLiteral(": restored"));
    QCOMPARE(filesIn(m_sources), QStringList {name});
    QCOMPARE(pixelsOf(path), pixelsOf(original));
    // Every tag as the source had it, and none more: the mark is gone with the stamp.
    const QStringList lost = TaggedPhotos::lostTags(original, path, changedByEncoding());
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join(u'\n')));
    const QStringList added = TaggedPhotos::lostTags(path, original, changedByEncoding());
    QVERIFY2(added.isEmpty(), qPrintable(added.join(u'\n')));
    QVERIFY(!restoreChunkOf(TestImages::contents(path), formatOf(path)));
    QCOMPARE(undoStamp(path, *m_exifTool, m_work.path()).finding, UndoFinding::NotStamped);
}

void TestStampUndo::leftAsItIs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("stamped");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<UndoFinding>("finding");
    QTest::addColumn<QString>("says");
    const auto row = [](const char *name, const char *file, const char *kind, bool stamped,
                         const char *changed, UndoFinding finding, const char *says) {
        QTest::newRow(name) << QString::fromLatin1(file) << QString::fromLatin1(kind) << stamped
                            << QString::fromLatin1(changed) << finding << QString::fromUtf8(says);
    };
    const char *edited = "was changed after the stamp; left as it is";
    const char *damaged = "its restore data is damaged; left as it is";
    const char *markOnly = "carries the mark of a stamp but no restore data (it was stamped "
                           "without keeping the photo's own quality, or saved again since); left "
                           "as it is";
    row("never stamped", "a.png", "png", false, "none", UndoFinding::NotStamped,
        "carries no restore data (it was not stamped with the photo's own quality)");
    row("pixels changed", "b.tif", "tif", true, "pixels", UndoFinding::Edited, edited);
    row("XMP changed", "c.png", "png", true, "xmp", UndoFinding::Edited, edited);
    row("saved again by Qt", "d.png", "png", true, "saved again", UndoFinding::NotStamped,
        markOnly);
    row("read-only", "e.png", "png", true, "read-only", UndoFinding::Failed,
        "is read-only: left as it is");
    row("restore data of another kind", "f.tif", "tif", true, "garbage", UndoFinding::Failed,
        damaged);
    row("restore data cut short", "g.webp", "webp", true, "cut short", UndoFinding::Failed,
        damaged);
    row("pixels outside the picture", "h.png", "png", true, "outside", UndoFinding::Failed,
        damaged);
    // Stamped as usual, with a note: a lossy WebP cannot give its pixels back.
    row("lossy WebP", "i.webp", "webplossy", true, "none", UndoFinding::NotStamped, markOnly);
}

void TestStampUndo::leftAsItIs()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, stamped);
    QFETCH(QString, changed);
    QFETCH(UndoFinding, finding);
    QFETCH(QString, says);
    const QString path = sourcePath(name);
    QVERIFY(writeSource(kind, path));
    if (stamped) {
        const StampJobResult result = stampKeepingQuality(path);
        QCOMPARE(result.outcome, StampFileOutcome::Stamped);
        QCOMPARE(result.notes.join(u' ').contains(u"cannot be undone"), kind == u"webplossy");
    }
    QVERIFY(change(changed, path));
    const QByteArray before = TestImages::contents(path);

    const UndoResult undone = undoStamp(path, *m_exifTool, m_work.path());

    QCOMPARE(undone.finding, finding);
    QCOMPARE(undone.sentence, path + QStringLiteral(": ") + says);
    QCOMPARE(TestImages::contents(path), before);
    QCOMPARE(filesIn(m_sources), QStringList {name});
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

// The JPEG's restore data is the own-quality path's; its undo gives the source back byte for
// byte through the same entry.
void TestStampUndo::jpegComesBackByteForByte()
{
    const QString path = sourcePath(QStringLiteral("a.jpg"));
    QVERIFY(TestImages::writeTaggedJpeg(path, detailed()));
    const QByteArray original = TestImages::contents(path);
    QCOMPARE(stampKeepingQuality(path).outcome, StampFileOutcome::Stamped);
    if (!hasJpegRestoreData(TestImages::contents(path)))
        QSKIP("JPEG results carry no restore data yet");
    QCOMPARE(undoStamp(path, *m_exifTool, m_work.path()).finding, UndoFinding::Restored);
    QCOMPARE(TestImages::contents(path), original);
}

QTEST_MAIN(TestStampUndo)
#include "tst_stampundo.moc"
