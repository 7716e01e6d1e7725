// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A JPEG stamped in its own quality: every block the stamp leaves alone keeps its coefficients,
// the photo keeps its tables and sampling, and the restore data give back the original file.
#include "engine/codecs/jpeg/jpegrestore.h"
#include "engine/codecs/jpeg/jpegrestoredata.h"
#include "engine/render/ownqualitystamp.h"
#include "jpegblocksupport.h"
#include "stampfailures.h"
#include "stampjobsupport.h"
#include "testimages.h"

#include <QCryptographicHash>
#include <QProcess>

#include <vector>

Q_DECLARE_METATYPE(Layout)

using TestImages::contents;

namespace {

// The pixels libjpeg decodes, as the stamper decodes them (accurate DCT, smooth chroma).
QImage pixelsOf(const QByteArray &file)
{
    Reader reader(file);
    jpeg_decompress_struct &info = reader.info;
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    QImage image(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    image.setDotsPerMeterX(kSurfaceDotsPerMeter);
    image.setDotsPerMeterY(kSurfaceDotsPerMeter);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return image;
}

TextStamp testStamp(const QString &position, int pixelSize, bool box = false)
{
    QFont font = stampFont();
    font.setPixelSize(pixelSize);
    TextStamp stamp {QStringLiteral("Kept 12:34\nquality"), position, font, kInk, {}};
    if (box)
        stamp.look.style = TextStyle::Box;
    return stamp;
}

QByteArray ownQualityStamped(const QByteArray &source, const TextStamp &stamp)
{
    auto stamper = OwnQualityStamper::open(source, QStringLiteral("test.jpg"));
    stamper->setStamp(stamp);
    return stamper->write({});
}

} // namespace

class TestOwnQuality : public QObject, private StampJobFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { startTools(); }
    void init() { emptyFolders(); }

    void keepsEveryBlockTheStampLeaves_data();
    void keepsEveryBlockTheStampLeaves();
    void restoreTellsAnEditedResult_data();
    void restoreTellsAnEditedResult();
    void refusesWhatCannotKeepItsQuality_data();
    void refusesWhatCannotKeepItsQuality();
};

void TestOwnQuality::keepsEveryBlockTheStampLeaves_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pixelSize");
    const QList<std::pair<const char *, Layout>> layouts {{"4:4:4", {1, 1}}, {"4:2:2", {2, 1}},
        {"4:2:0", {2, 2}}, {"4:2:0 restarts", {2, 2, false, false, JCS_YCbCr, 0, 3}},
        {"4:4:4 restarts", {1, 1, false, false, JCS_YCbCr, 2, 0}}};
    for (const auto &[name, layout] : layouts)
        for (const QString &position : stampPositionCaptions())
            QTest::addRow("%s %s", name, qPrintable(position))
                << layout << position << QSize(645, 483) << 22;
    Layout optimized {2, 2};
    optimized.optimize = true;
    for (const char *position : {"Upper-Left", "Center", "Lower-Right"})
        QTest::addRow("tables made for the photo, %s", position)
            << optimized << QString(position) << QSize(645, 483) << 22;
    const Layout grey {1, 1, false, false, JCS_GRAYSCALE};
    QTest::newRow("grey") << grey << "Center-Right" << QSize(645, 483) << 22;
    QTest::newRow("RGB stored as is")
        << Layout {1, 1, false, false, JCS_RGB} << "Center" << QSize(203, 131) << 22;
    QTest::newRow("a stamp over the whole picture")
        << Layout {2, 2} << "Center" << QSize(77, 45) << 60;
}

// The coefficients of every block that covers no pixel the stamp changes are the source's,
// for every sampling and position, with and without restart markers, and the result is the
// stamped picture; its tables are the source's and it restores to the source byte for byte.
// Which blocks may change is told by the test's own stamp on libjpeg's decode of the source.
void TestOwnQuality::keepsEveryBlockTheStampLeaves()
{
    QFETCH(Layout, layout);
    QFETCH(QString, position);
    QFETCH(QSize, size);
    QFETCH(int, pixelSize);
    const QByteArray source = plainJpeg(photo(size.width(), size.height()), 90, layout);
    // A box to cover a picture whole; plain glyphs leave most blocks of their lines alone.
    const TextStamp stamp = testStamp(position, pixelSize, size.width() < 100);
    const QByteArray result = ownQualityStamped(source, stamp);
    QVERIFY(!result.isEmpty());

    const QImage plain = pixelsOf(source);
    QImage expected = plain;
    OverlayText(expected, stamp);
    const Coefficients before = coefficientsOf(source);
    const Coefficients after = coefficientsOf(result);
    QCOMPARE(after.layout, before.layout);
    QCOMPARE(after.tables, before.tables);
    int changedBlocks = 0;
    for (std::size_t ci = 0; ci < before.layout.size(); ++ci) {
        const auto [h, v, across, down] = before.layout[ci];
        const int w = DCTSIZE * before.maxH / h;
        const int d = DCTSIZE * before.maxV / v;
        for (int by = 0; by < down; ++by)
            for (int bx = 0; bx < across; ++bx) {
                const QRect covered = QRect(bx * w, by * d, w, d) & plain.rect();
                bool stamped = false;
                for (int y = covered.top(); y <= covered.bottom() && !stamped; ++y)
                    for (int x = covered.left(); x <= covered.right() && !stamped; ++x)
                        stamped = plain.pixel(x, y) != expected.pixel(x, y);
                const qsizetype at = (qsizetype(by) * across + bx) * DCTSIZE2;
                const bool same = std::equal(before.blocks[ci].begin() + at,
                    before.blocks[ci].begin() + at + DCTSIZE2, after.blocks[ci].begin() + at);
                changedBlocks += same ? 0 : 1;
                QVERIFY2(same || stamped,
                    qPrintable(QStringLiteral("component %1 block %2,%3").arg(ci).arg(bx).arg(by)));
            }
    }
    QVERIFY(changedBlocks > 0);
    // The stamp is as close to the stamped picture as a plain encode of it in the photo's
    // tables; Huffman tables made for the photo alone code no large coefficient, so its
    // strongest edges come out softer.
    const double stampDifference = compare(pixelsOf(result), expected, plain.rect()).mean;
    const double plainDifference
        = compare(pixelsOf(plainJpeg(expected, 90, layout)), expected, plain.rect()).mean;
    QVERIFY2(stampDifference <= plainDifference * (layout.optimize ? 3 : 1) + 0.02,
        qPrintable(QStringLiteral("%1 against %2").arg(stampDifference).arg(plainDifference)));

    const JpegRestore restored = restoreJpeg(result);
    QCOMPARE(int(restored.finding), int(RestoreFinding::Restored));
    QVERIFY(restored.original == source);
}

void TestOwnQuality::restoreTellsAnEditedResult_data()
{
    QTest::addColumn<QStringList>("tool");
    QTest::addColumn<bool>("stamped");
    QTest::addColumn<int>("finding");
    QTest::newRow("stamped twice: the first result, then the original")
        << QStringList {"again"} << true << int(RestoreFinding::Restored);
    QTest::newRow("tags rewritten by ExifTool")
        << QStringList {"exiftool", "-q", "-overwrite_original", "-Artist=x"} << true
        << int(RestoreFinding::Mismatch);
    QTest::newRow("scan rewritten by jpegtran") << QStringList {"jpegtran", "-copy", "all",
        "-outfile"} << true << int(RestoreFinding::Mismatch);
    QTest::newRow("a bit of its scan data flipped")
        << QStringList {"flip"} << true << int(RestoreFinding::Mismatch);
    QTest::newRow("never stamped") << QStringList() << false << int(RestoreFinding::NotStamped);
    QTest::newRow("restore data unreadable")
        << QStringList {"spoil"} << true << int(RestoreFinding::Damaged);
    QTest::newRow("restore data of the first format, with SHA-256 digests")
        << QStringList {"sha256"} << true << int(RestoreFinding::Restored);
}

// \a file with its restore data written again in the first format: the same recipe, with
// SHA-256 digests.
QByteArray inFirstFormat(const QByteArray &file, const QByteArray &original)
{
    const FoundRestoreData found = findRestoreData(file);
    if (!found.recipe)
        return {};
    RestoreRecipe recipe = *found.recipe;
    recipe.digest = RestoreRecipe::Digest::Sha256;
    recipe.originalDigest = QCryptographicHash::hash(original, QCryptographicHash::Sha256);
    const QByteArray outside = found.result.left(qsizetype(recipe.resultScanStart))
        + found.result.mid(qsizetype(recipe.resultScanEnd));
    recipe.resultDigest = QCryptographicHash::hash(outside, QCryptographicHash::Sha256);
    QList<JpegSegment> restore = jpegHeaderSegments(file);
    restore.removeIf([&](const JpegSegment &s) { return !isRestoreSegment(file, s); });
    const qsizetype from = restore.first().offset;
    return QByteArray(file).replace(from, restore.last().end() - from, restoreSegments(recipe));
}

// A result another tool rewrote after the stamp is told apart from one as written (here stamped
// again, whose restore data hold the first's), from a JPEG never stamped and from one whose
// restore data are broken.
void TestOwnQuality::restoreTellsAnEditedResult()
{
    QFETCH(QStringList, tool);
    QFETCH(bool, stamped);
    QFETCH(int, finding);
    const QByteArray source = plainJpeg(photo(), 85);
    const QString path = sourcePath("edited.jpg");
    QByteArray file = stamped ? ownQualityStamped(source, testStamp("Lower-Left", 18)) : source;
    const QByteArray firstStamp = file;
    if (tool == QStringList {"again"})
        file = ownQualityStamped(file, testStamp("Lower-Right", 18));
    if (tool == QStringList {"sha256"}) {
        file = inFirstFormat(file, source);
        QVERIFY(file.contains("KRD1"));
    }
    if (tool == QStringList {"spoil"})
        file[file.indexOf("KALVORA-RESTORE") + 20] = 'X'; // the first byte of the data
    // A bit of a byte far into the scan data, where it neither makes nor ends a marker.
    for (qsizetype at = file.size() / 2; tool == QStringList {"flip"}; ++at)
        if (uchar(file[at - 1]) < 0xFE && uchar(file[at]) < 0xFE) {
            file[at] = char(file[at] ^ 1);
            break;
        }
    QVERIFY(writeFile(path, file));
    if (tool.size() > 1) {
        QProcess run;
        run.start(tool.first(), tool.mid(1) << path << path);
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        QFile edited(path);
        QVERIFY(edited.open(QIODevice::ReadOnly));
        file = edited.readAll();
        QVERIFY(hasJpegRestoreData(file));
    }
    QCOMPARE(hasJpegRestoreData(file), stamped);
    const JpegRestore restored = restoreJpeg(file);
    QCOMPARE(int(restored.finding), finding);
    const QByteArray expected = tool == QStringList {"again"} ? firstStamp : source;
    QCOMPARE(restored.original, finding == int(RestoreFinding::Restored) ? expected : QByteArray());
    if (tool == QStringList {"again"})
        QCOMPARE(restoreJpeg(restored.original).original, source);
}

void TestOwnQuality::refusesWhatCannotKeepItsQuality_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QString>("said");
    QTest::newRow("progressive") << Layout {2, 2, true} << ""
                                 << "a progressive JPEG cannot";
    QTest::newRow("arithmetic") << Layout {2, 2, false, true} << ""
                                << "an arithmetic-coded JPEG";
    QTest::newRow("CMYK") << Layout {1, 1, false, false, JCS_CMYK} << ""
                          << "a CMYK JPEG cannot";
    QTest::newRow("scan cut short") << Layout {2, 2} << "cut"
                                    << "is damaged";
    QTest::newRow("a restart marker out of turn")
        << Layout {2, 2, false, false, JCS_YCbCr, 0, 3} << "restart"
        << "is damaged";
    QTest::newRow("a Huffman table number past the four") << Layout {2, 2} << "table"
                                                          << "is damaged";
}

// A JPEG that cannot keep its own quality, or whose scan the walk finds damaged, fails,
// naming the file and the reason, and is left as it was; nothing is written in its place.
void TestOwnQuality::refusesWhatCannotKeepItsQuality()
{
    QFETCH(Layout, layout);
    QFETCH(QString, spoil);
    QFETCH(QString, said);
    const QString path = sourcePath("refused.jpg");
    QByteArray source = plainJpeg(photo(), 85, layout);
    if (spoil == "cut")
        source = source.left(source.size() * 2 / 3) + "\xFF\xD9";
    // The first component of the scan header asks for DC table 15 and AC table 0.
    if (spoil == "table")
        source[source.indexOf("\xFF\xDA") + 6] = char(0xF0);
    if (spoil == "restart")
        source[source.indexOf("\xFF\xD2", source.indexOf("\xFF\xDA")) + 1] = char(0xD6);
    QVERIFY(writeFile(path, source));
    StampOptions options = customText(SaveOption::OriginalFolder);
    options.keepQuality = true;
    const StampJobResult result = stamp(path, options);
    QCOMPARE(result.failures.size(), 1);
    QVERIFY2(result.failures.first().description.contains(said)
            && result.failures.first().description.contains(path),
        qPrintable(describe(result.failures)));
    QVERIFY(result.outcome != StampFileOutcome::Stamped);
    QCOMPARE(contents(path), source);
    QCOMPARE(filesIn(m_sources), QStringList {"refused.jpg"});
}

QTEST_MAIN(TestOwnQuality)
#include "tst_ownquality.moc"
