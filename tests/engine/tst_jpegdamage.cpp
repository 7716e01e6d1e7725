// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What counts as a damaged JPEG, the same on the whole-picture path and the block path, and
// crafted tables the block path must not turn into other pixels.
#include "base/runtimefailure.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/jpegblockstamp.h"
#include "jpegblocksupport.h"

#include <QTest>

#include <functional>

namespace {

enum class Path { Whole, Blocks };

// Where the entropy-coded data of the first scan starts.
qsizetype scanStart(const QByteArray &jpeg)
{
    const qsizetype sos = jpeg.indexOf("\xFF\xDA");
    return sos + 2 + (quint8(jpeg[sos + 2]) << 8 | quint8(jpeg[sos + 3]));
}

// A point inside the scan, a given share of the way through it, that is not part of a marker.
qsizetype insideScan(const QByteArray &jpeg, int percent)
{
    const qsizetype start = scanStart(jpeg);
    qsizetype at = start + (jpeg.size() - 2 - start) * percent / 100;
    while (quint8(jpeg[at - 1]) == 0xFF || quint8(jpeg[at]) == 0xFF)
        ++at;
    return at;
}

using Damage = std::function<QByteArray(QByteArray)>;

// A photo written with libjpeg (restart markers every row of blocks, so a restart can be put
// out of turn), then changed as named.
QByteArray changed(const Damage &damage, J_COLOR_SPACE space = JCS_YCbCr)
{
    Layout layout;
    layout.space = space;
    layout.restartRows = 1;
    return damage(plainJpeg(photo(320, 240), 90, layout));
}

// A 64 x 64 photo whose quantization steps are all \a step (16-bit ones above 255), written as
// coefficients: every luma block's DC is \a dc, everything else 0.
QByteArray craftedTablesJpeg(unsigned int step, int dc)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    errors.emit_message = [](j_common_ptr, int) {}; // steps too coarse for baseline, as meant
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 64;
    info.image_height = 64;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    unsigned int steps[DCTSIZE2];
    std::fill(std::begin(steps), std::end(steps), step);
    jpeg_add_quant_table(&info, 0, steps, 100, FALSE);
    jpeg_add_quant_table(&info, 1, steps, 100, FALSE);
    jvirt_barray_ptr arrays[3];
    for (int ci = 0; ci < 3; ++ci) {
        const int blocks = ci == 0 ? 8 : 4;
        arrays[ci] = info.mem->request_virt_barray(reinterpret_cast<j_common_ptr>(&info),
            JPOOL_IMAGE, TRUE, JDIMENSION(blocks), JDIMENSION(blocks),
            JDIMENSION(info.comp_info[ci].v_samp_factor));
    }
    info.mem->realize_virt_arrays(reinterpret_cast<j_common_ptr>(&info));
    for (int ci = 0; ci < 3; ++ci)
        for (int row = 0; row < (ci == 0 ? 8 : 4); ++row) {
            JBLOCKARRAY blocks = info.mem->access_virt_barray(
                reinterpret_cast<j_common_ptr>(&info), arrays[ci], JDIMENSION(row), 1, TRUE);
            for (int column = 0; column < (ci == 0 ? 8 : 4); ++column) {
                std::fill_n(blocks[0][column], DCTSIZE2, JCOEF(0));
                blocks[0][column][0] = JCOEF(ci == 0 ? dc : 0);
            }
        }
    jpeg_write_coefficients(&info, arrays);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// The luma DC coefficient of the block at \a column, \a row of the JPEG \a data.
int lumaDc(const QByteArray &data, int column, int row)
{
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
        static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    jvirt_barray_ptr *coefficients = jpeg_read_coefficients(&info);
    const JBLOCKARRAY blocks = info.mem->access_virt_barray(
        reinterpret_cast<j_common_ptr>(&info), coefficients[0], JDIMENSION(row), 1, FALSE);
    const int dc = blocks[0][column][0];
    jpeg_destroy_decompress(&info);
    return dc;
}

} // namespace

class TestJpegDamage : public QObject
{
    Q_OBJECT

private slots:
    // Each kind of damage libjpeg warns about is judged by what it does to the pixels, and the
    // same on both paths: damaged pictures are refused naming the file, harmless oddities of
    // the header are read as the undamaged picture.
    void judgedAlikeOnBothPaths_data()
    {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::addColumn<bool>("damaged");

        const QList<std::tuple<const char *, Damage, bool>> kinds {
            {"cut short in the scan", [](QByteArray j) { return j.left(insideScan(j, 60)); }, true},
            {"an end marker inside the scan",
                [](QByteArray j) { return j.replace(insideScan(j, 50), 2, "\xFF\xD9"); }, true},
            {"sixteen one bits inside the scan",
                [](QByteArray j) {
                    return j.replace(insideScan(j, 40), 4, QByteArray("\xFF\x00\xFF\x00", 4));
                },
                true},
            {"a restart marker out of turn",
                [](QByteArray j) {
                    const qsizetype at = j.indexOf("\xFF\xD2", scanStart(j));
                    j[at + 1] = char(0xD6);
                    return j;
                },
                true},
            {"bytes the scan left unread",
                [](QByteArray j) { return j.insert(j.size() - 2, QByteArray(20, 'U')); }, true},
            {"stray bytes between header segments",
                [](QByteArray j) { return j.insert(j.indexOf("\xFF\xDB"), QByteArray(5, '\0')); },
                false},
            {"zeros in the scan header's unused fields",
                [](QByteArray j) {
                    const qsizetype sos = j.indexOf("\xFF\xDA");
                    const int components = quint8(j[sos + 4]);
                    j[sos + 5 + 2 * components + 1] = '\0'; // the last coefficient, 63
                    return j;
                },
                false},
            {"an unknown JFIF version",
                [](QByteArray j) {
                    j[j.indexOf("JFIF") + 5] = '\x02';
                    return j;
                },
                false},
        };
        for (const auto &[name, damage, damaged] : kinds) {
            QTest::addRow("%s, whole", name) << changed(damage) << damaged;
            QTest::addRow("%s, blocks", name) << changed(damage) << damaged;
        }
        // CMYK photos are read by Qt's reader, which fills in what is missing.
        QTest::addRow("CMYK cut short in the scan")
            << changed([](QByteArray j) { return j.left(insideScan(j, 60)); }, JCS_CMYK) << true;
        QTest::addRow("CMYK with restarts out of turn") << changed(
            [](QByteArray j) {
                const qsizetype at = j.indexOf("\xFF\xD2", scanStart(j));
                j[at + 1] = char(0xD6);
                return j;
            },
            JCS_CMYK) << true;
    }

    void judgedAlikeOnBothPaths()
    {
        QFETCH(QByteArray, jpeg);
        QFETCH(bool, damaged);
        const Path path = QString::fromLatin1(QTest::currentDataTag()).endsWith(u"blocks")
            ? Path::Blocks
            : Path::Whole;
        const QString name = QStringLiteral("/photos/IMG_0042.jpg");
        QString failure;
        QImage picture;
        try {
            if (path == Path::Blocks) {
                const auto stamper = JpegBlockStamper::open(jpeg, name);
                QVERIFY2(stamper || damaged, "the block path did not take the photo");
            } else {
                picture = workSurfaceOf(jpeg, name);
            }
        } catch (const RuntimeFailure &error) {
            failure = error.description();
        }
        if (damaged) {
            QVERIFY2(failure.contains(QStringLiteral("IMG_0042.jpg"))
                    && failure.contains(QStringLiteral("is damaged")),
                qPrintable(failure));
            return;
        }
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        if (path == Path::Whole) {
            // Qt's reader, which reads past every warning, shows what the file holds.
            const QImage expected = decoded(jpeg);
            const Difference d = compare(picture, expected, expected.rect());
            QVERIFY2(d.largest <= 2, qPrintable(QString::number(d.largest)));
        }
    }

    // Coefficients scaled into the output's tables past what an 8-bit picture holds are held at
    // the largest value instead of failing the photo or wrapping round to another value.
    void craftedTablesAreHeldInRange_data()
    {
        QTest::addColumn<uint>("step");
        QTest::addColumn<int>("dc");
        QTest::addColumn<bool>("decoderSaturates");
        QTest::newRow("steps of 1200, brighter than white") << 1200u << 2 << true;
        QTest::newRow("steps of 600, darker than black") << 600u << -3 << true;
        QTest::newRow("steps of 32767, past what a coefficient holds") << 32767u << 2 << false;
    }

    void craftedTablesAreHeldInRange()
    {
        QFETCH(uint, step);
        QFETCH(int, dc);
        QFETCH(bool, decoderSaturates);
        const QByteArray source = craftedTablesJpeg(step, dc);
        auto stamper = JpegBlockStamper::open(source, QStringLiteral("crafted.jpg"));
        QVERIFY(stamper);
        stamper->setStamp(QStringLiteral("1"), QStringLiteral("Upper-Left"), stampFont(), kInk);
        QString error;
        // At quality 100 every step is 1, so a coefficient becomes its dequantized value.
        const QByteArray result = stamper->encode(100, &error);
        QVERIFY2(!result.isEmpty(), qPrintable(error));
        const QRect away(48, 48, 16, 16);
        QVERIFY(!stamper->stampedRegion().intersects(away));
        const int largest = (1 << 10) - 1; // ten bits, what baseline Huffman coding carries
        QCOMPARE(lumaDc(result, 7, 7), std::clamp(int(step) * dc, -largest, largest));
        if (decoderSaturates) {
            const QImage expected = decoded(source);
            const Difference d = compare(decoded(result), expected, away);
            QVERIFY2(d.largest <= 2, qPrintable(QString::number(d.largest)));
        }
    }
};

QTEST_MAIN(TestJpegDamage)
#include "tst_jpegdamage.moc"
