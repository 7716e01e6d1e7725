// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A JPEG stamped in its own quality: every block the stamp leaves alone keeps its coefficients,
// the photo keeps its tables and sampling, and the restore data give back the original file.
#include "engine/codecs/jpeg/jpegblockstages.h"
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

// A JPEG as libjpeg reads it: per component its sampling, its quantization table and its
// blocks of coefficients (the picture's blocks, not the MCUs' padding).
struct Coefficients
{
    int maxH = 1;
    int maxV = 1;
    std::vector<std::array<int, 4>> layout; // h, v, blocks across, blocks down
    std::vector<std::vector<int>> tables;
    std::vector<std::vector<JCOEF>> blocks;
};

// libjpeg reading a file held in memory, up to its first scan.
struct Reader
{
    explicit Reader(const QByteArray &file)
    {
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(file.constData()),
            static_cast<unsigned long>(file.size()));
        jpeg_read_header(&info, TRUE);
    }
    ~Reader() { jpeg_destroy_decompress(&info); }
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
};

Coefficients coefficientsOf(const QByteArray &file)
{
    Reader reader(file);
    jpeg_decompress_struct &info = reader.info;
    jvirt_barray_ptr *arrays = jpeg_read_coefficients(&info);
    Coefficients c;
    c.maxH = info.max_h_samp_factor;
    c.maxV = info.max_v_samp_factor;
    for (int ci = 0; ci < info.num_components; ++ci) {
        const jpeg_component_info &comp = info.comp_info[ci];
        const int across = int(comp.width_in_blocks);
        const int down = int(comp.height_in_blocks);
        c.layout.push_back({comp.h_samp_factor, comp.v_samp_factor, across, down});
        c.tables.emplace_back(
            std::begin(comp.quant_table->quantval), std::end(comp.quant_table->quantval));
        std::vector<JCOEF> blocks;
        for (int row = 0; row < down; ++row) {
            JBLOCKROW r = info.mem->access_virt_barray(
                reinterpret_cast<j_common_ptr>(&info), arrays[ci], JDIMENSION(row), 1, FALSE)[0];
            blocks.insert(blocks.end(), r[0], r[0] + qsizetype(across) * DCTSIZE2);
        }
        c.blocks.push_back(std::move(blocks));
    }
    jpeg_finish_decompress(&info);
    return c;
}

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
    void blockPathReadsWhatLibjpegReads_data();
    void blockPathReadsWhatLibjpegReads();
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
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("said");
    QTest::newRow("progressive") << Layout {2, 2, true} << false << "a progressive JPEG cannot";
    QTest::newRow("arithmetic") << Layout {2, 2, false, true} << false
                                << "an arithmetic-coded JPEG";
    QTest::newRow("CMYK") << Layout {1, 1, false, false, JCS_CMYK} << false << "a CMYK JPEG cannot";
    QTest::newRow("scan cut short") << Layout {2, 2} << true << "is damaged";
}

// A JPEG that cannot keep its own quality, or whose scan the walk finds damaged, fails,
// naming the file and the reason, and is left as it was; nothing is written in its place.
void TestOwnQuality::refusesWhatCannotKeepItsQuality()
{
    QFETCH(Layout, layout);
    QFETCH(bool, cut);
    QFETCH(QString, said);
    const QString path = sourcePath("refused.jpg");
    QByteArray source = plainJpeg(photo(), 85, layout);
    if (cut)
        source = source.left(source.size() * 2 / 3) + "\xFF\xD9";
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
void TestOwnQuality::blockPathReadsWhatLibjpegReads_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("spoil");
    QTest::newRow("4:2:0") << Layout {2, 2} << QString();
    QTest::newRow("4:2:2") << Layout {2, 1} << QString();
    QTest::newRow("4:4:4") << Layout {1, 1} << QString();
    QTest::newRow("restart markers every 3 MCUs")
        << Layout {2, 2, false, false, JCS_YCbCr, 0, 3} << QString();
    QTest::newRow("optimized tables")
        << Layout {2, 1, false, false, JCS_YCbCr, 0, 0, true} << QString();
    QTest::newRow("progressive, left to libjpeg") << Layout {2, 2, true} << QString();
    QTest::newRow("scan cut short, left to libjpeg") << Layout {2, 2} << "cut";
    QTest::newRow("bytes flipped in the scan") << Layout {1, 1} << "flip";
}

// The block path reads a photo's coefficients with the scan walker where it can, and they are
// the ones libjpeg reads, its tables latched as libjpeg latches them; a scan it cannot read
// clean is left to libjpeg, which tells it damaged.
void TestOwnQuality::blockPathReadsWhatLibjpegReads()
{
    QFETCH(Layout, layout);
    QFETCH(QString, spoil);
    QByteArray file = plainJpeg(photo(), 90, layout);
    if (spoil == "cut")
        file = file.left(file.size() * 2 / 3) + "\xFF\xD9";
    for (qsizetype at = file.size() / 2; spoil == "flip" && at < file.size() / 2 + 64; ++at)
        if (uchar(file[at]) < 0xFE && uchar(file[at - 1]) != 0xFF)
            file[at] = char(file[at] ^ 1);
    const Coefficients expected = coefficientsOf(file);
    Reader reference(file);
    jpeg_read_coefficients(&reference.info);

    JpegBlocks b;
    b.data = file;
    JOCTET *icc = nullptr;
    unsigned int iccLength = 0;
    QCOMPARE(
        int(jpegblocks::readCoefficients(b, &icc, &iccLength)), int(jpegblocks::ReadResult::Read));
    std::free(icc);
    QCOMPARE(b.errors.damaged, reference.errors.num_warnings > 0);
    for (int ci = 0; ci < b.source.num_components; ++ci) {
        const jpeg_component_info &comp = b.source.comp_info[ci];
        QVERIFY(std::equal(std::begin(comp.quant_table->quantval),
            std::end(comp.quant_table->quantval), expected.tables[std::size_t(ci)].begin()));
        const int across = expected.layout[std::size_t(ci)][2];
        for (int row = 0; row < expected.layout[std::size_t(ci)][3]; ++row) {
            JBLOCKROW r
                = b.source.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&b.source),
                    b.coefficients[ci], JDIMENSION(row), 1, FALSE)[0];
            const JCOEF *want
                = expected.blocks[std::size_t(ci)].data() + qsizetype(row) * across * DCTSIZE2;
            QVERIFY2(std::equal(r[0], r[0] + qsizetype(across) * DCTSIZE2, want),
                qPrintable(QStringLiteral("component %1, row %2").arg(ci).arg(row)));
        }
    }
}

#include "tst_ownquality.moc"
