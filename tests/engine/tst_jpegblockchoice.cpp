// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Which pictures and stamps the block stamper takes, and which it leaves to the plain path.
#include "base/runtimefailure.h"
#include "engine/codecs/jpeg/jpegblockstages.h"
#include "engine/render/jpegblockstamp.h"
#include "engine/render/sourcepicture.h"
#include "jpegblocksupport.h"

#include <QTemporaryDir>
#include <QTest>

class TestJpegBlockChoice : public QObject
{
    Q_OBJECT

private slots:
    void blockPathReadsWhatLibjpegReads_data();
    void blockPathReadsWhatLibjpegReads();
    // Pictures that are not the usual camera JPEG are left to the plain path.
    void leavesUnusualPicturesToThePlainPath_data()
    {
        QTest::addColumn<int>("space");
        QTest::addColumn<bool>("arithmetic");
        QTest::addColumn<int>("lumaH");
        QTest::newRow("grey") << int(JCS_GRAYSCALE) << false << 1;
        QTest::newRow("CMYK") << int(JCS_CMYK) << false << 1;
        QTest::newRow("RGB stored as is") << int(JCS_RGB) << false << 1;
        QTest::newRow("arithmetic coding") << int(JCS_YCbCr) << true << 2;
        QTest::newRow("luma at a quarter") << int(JCS_YCbCr) << false << 4;
    }

    void leavesUnusualPicturesToThePlainPath()
    {
        QFETCH(int, space);
        QFETCH(bool, arithmetic);
        QFETCH(int, lumaH);
        Layout layout;
        layout.space = J_COLOR_SPACE(space);
        layout.arithmetic = arithmetic;
        layout.lumaH = lumaH;
        layout.lumaV = 1;
        const QByteArray source = plainJpeg(photo(120, 80), 90, layout);
        QVERIFY(!source.isEmpty());
        QVERIFY(!JpegBlockStamper::open(source, QStringLiteral("odd.jpg")));
    }

    // A stamp over most of the picture goes the plain way too.
    void bigStampsAreTooLarge()
    {
        const QByteArray source = plainJpeg(photo(160, 48), 90);
        auto stamper = JpegBlockStamper::open(source, QStringLiteral("test.jpg"));
        QVERIFY(stamper);
        stamper->setStamp(QStringLiteral("x"), QStringLiteral("Upper-Left"), stampFont(), kInk);
        QVERIFY(!stamper->stampTooLarge());
        stamper->setStamp(
            QStringLiteral("2023-07-14 10:23:07"), QStringLiteral("Upper-Left"), stampFont(), kInk);
        QVERIFY(stamper->stampTooLarge());
    }

    // Damage is reported with the plain decoder's words and nothing is made.
    void damagedPicturesFail_data()
    {
        QTest::addColumn<int>("keep");
        QTest::addColumn<QString>("words");
        QTest::newRow("cut short in the scan") << 60 << QStringLiteral("is damaged");
        QTest::newRow("cut short in the header")
            << 400 << QStringLiteral("Cannot load the picture");
    }

    void damagedPicturesFail()
    {
        QFETCH(int, keep);
        QFETCH(QString, words);
        const QByteArray whole = plainJpeg(photo(), 90);
        const QByteArray cut
            = keep < 100 ? whole.left(whole.size() * keep / 100) : whole.left(keep);
        try {
            JpegBlockStamper::open(cut, QStringLiteral("/photos/cut.jpg"));
            QFAIL("a damaged picture was taken");
        } catch (const RuntimeFailure &failure) {
            QVERIFY2(failure.description().contains(words), qPrintable(failure.description()));
            QVERIFY(failure.description().contains(QStringLiteral("cut.jpg")));
        }
    }

    // A stamp run loads a colour JPEG in its blocks only when the result is a JPEG; the
    // preview, other results and other pictures get pixels.
    void sourcesAreHeldInBlocksOnlyForJpegResults_data()
    {
        QTest::addColumn<QString>("resultExt");
        QTest::addColumn<int>("space");
        QTest::addColumn<bool>("inBlocks");
        QTest::newRow("JPEG result") << QStringLiteral("jpg") << int(JCS_YCbCr) << true;
        QTest::newRow("JPEG result, capitals") << QStringLiteral("JPEG") << int(JCS_YCbCr) << true;
        QTest::newRow("preview") << QString() << int(JCS_YCbCr) << false;
        QTest::newRow("bitmap result") << QStringLiteral("bmp") << int(JCS_YCbCr) << false;
        QTest::newRow("grey photo") << QStringLiteral("jpg") << int(JCS_GRAYSCALE) << false;
    }

    void sourcesAreHeldInBlocksOnlyForJpegResults()
    {
        QFETCH(QString, resultExt);
        QFETCH(int, space);
        QFETCH(bool, inBlocks);
        QTemporaryDir folder;
        Layout layout;
        layout.space = J_COLOR_SPACE(space);
        const QString path = folder.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(writeFile(path, plainJpeg(photo(160, 120), 90, layout)));
        const std::optional<SourcePicture> picture = loadSource(path, resultExt);
        QVERIFY(picture);
        QCOMPARE(bool(picture->blocks), inBlocks);
        QCOMPARE(picture->surface.isNull(), inBlocks);
        if (!inBlocks)
            QCOMPARE(picture->surface.size(), QSize(160, 120));
    }

    // A stamp over most of a photo held in its blocks is drawn on its pixels instead, and the
    // result is still the stamped photo.
    void bigStampOnASourceIsDrawnOnItsPixels()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("strip.jpg"));
        const QByteArray bytes = plainJpeg(photo(160, 48), 90);
        QVERIFY(writeFile(path, bytes));
        std::optional<SourcePicture> picture = loadSource(path, QStringLiteral("jpg"));
        QVERIFY(picture && picture->blocks);
        picture->stamp({QStringLiteral("2023-07-14 10:23:07"), QStringLiteral("Upper-Left"),
                           stampFont(), kInk, {}},
            path);
        QVERIFY(!picture->blocks);
        QCOMPARE(picture->surface.size(), QSize(160, 48));
        const Difference d = compare(picture->surface, decoded(bytes), QRect(0, 0, 160, 48));
        QVERIFY2(d.count > 100 && d.box.left() < 10 && d.box.top() < 10,
            qPrintable(QStringLiteral("%1 pixels changed").arg(d.count)));
    }
};

void TestJpegBlockChoice::blockPathReadsWhatLibjpegReads_data()
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
void TestJpegBlockChoice::blockPathReadsWhatLibjpegReads()
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

QTEST_MAIN(TestJpegBlockChoice)
#include "tst_jpegblockchoice.moc"
