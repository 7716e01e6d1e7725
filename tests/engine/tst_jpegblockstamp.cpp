// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegcodec.h"
#include "engine/codecs/worksurface.h"
#include "engine/render/jpegblockstamp.h"
#include "engine/render/overlaytext.h"
#include "jpegblocksupport.h"
#include "options/stampoptions.h"

#include <QColorSpace>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

using namespace kalvora;

Q_DECLARE_METATYPE(TextStyle)

namespace {

struct Header
{
    std::vector<std::vector<int>> tables; // per component, natural order
    std::vector<int> sampling; // h, v per component
    bool progressive = false;
    int densityUnit = 0;
    int xDensity = 0;
    QByteArray icc;
};

Header headerOf(const QByteArray &bytes)
{
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    Header header;
    for (int ci = 0; ci < info.num_components; ++ci) {
        const JQUANT_TBL *table = info.quant_tbl_ptrs[info.comp_info[ci].quant_tbl_no];
        header.tables.emplace_back(std::begin(table->quantval), std::end(table->quantval));
        header.sampling.push_back(info.comp_info[ci].h_samp_factor);
        header.sampling.push_back(info.comp_info[ci].v_samp_factor);
    }
    header.progressive = info.progressive_mode;
    header.densityUnit = info.density_unit;
    header.xDensity = info.X_density;
    JOCTET *icc = nullptr;
    unsigned int length = 0;
    if (jpeg_read_icc_profile(&info, &icc, &length))
        header.icc = QByteArray(reinterpret_cast<const char *>(icc), int(length));
    std::free(icc);
    jpeg_destroy_decompress(&info);
    return header;
}

// The block-stamped result of \a source.
QByteArray blockStamped(const QByteArray &source, const QString &text, const QString &position,
    int quality, int orientation = 1)
{
    auto stamper = JpegBlockStamper::open(source, QStringLiteral("test.jpg"));
    if (!stamper)
        return {};
    stamper->setStamp(text, position, stampFont(), kInk, orientation);
    return stamper->encode(quality);
}

} // namespace

class TestJpegBlockStamp : public QObject
{
    Q_OBJECT

private slots:
    // Against the whole decode, draw and encode at the same quality: the picture outside the
    // stamp within rounding, the stamp itself where the plain path draws it.
    void matchesThePlainPath_data()
    {
        QTest::addColumn<int>("lumaH");
        QTest::addColumn<int>("lumaV");
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<int>("sourceQuality");
        QTest::addColumn<int>("quality");
        QTest::addColumn<QString>("position");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextStyle>("style");
        QTest::addColumn<double>("sizePercent"); // 0: the font's size in points
        QTest::newRow("4:2:0 lower right")
            << 2 << 2 << false << 92 << 85 << QStringLiteral("Lower-Right") << 1
            << QStringLiteral("2023-07-14 10:23") << TextStyle::Plain << 0.0;
        QTest::newRow("4:2:0 upper left, finer quality")
            << 2 << 2 << false << 75 << 95 << QStringLiteral("Upper-Left") << 1
            << QStringLiteral("Holiday") << TextStyle::Plain << 0.0;
        QTest::newRow("4:2:0 centre, two lines, coarse")
            << 2 << 2 << false << 92 << 30 << QStringLiteral("Center") << 1
            << QStringLiteral("one\r\ntwo lines") << TextStyle::Plain << 0.0;
        QTest::newRow("4:2:2 centre bottom")
            << 2 << 1 << false << 90 << 85 << QStringLiteral("Center-Bottom") << 1
            << QStringLiteral("10:23:07") << TextStyle::Plain << 0.0;
        QTest::newRow("4:4:4 upper right")
            << 1 << 1 << false << 90 << 85 << QStringLiteral("Upper-Right") << 1
            << QStringLiteral("10:23:07") << TextStyle::Plain << 0.0;
        QTest::newRow("progressive source")
            << 2 << 2 << true << 92 << 85 << QStringLiteral("Lower-Left") << 1
            << QStringLiteral("2023-07-14") << TextStyle::Plain << 0.0;
        QTest::newRow("turned a quarter clockwise")
            << 2 << 2 << false << 92 << 85 << QStringLiteral("Lower-Right") << 6
            << QStringLiteral("2023-07-14 10:23") << TextStyle::Plain << 0.0;
        QTest::newRow("turned half round")
            << 2 << 2 << false << 92 << 85 << QStringLiteral("Upper-Left") << 3
            << QStringLiteral("2023-07-14 10:23") << TextStyle::Plain << 0.0;
        QTest::newRow("same quality as the source")
            << 2 << 2 << false << 85 << 85 << QStringLiteral("Center-Right") << 1
            << QStringLiteral("x") << TextStyle::Plain << 0.0;
        // The styles reach past the glyphs, the shadow is blurred over its own layer, and a size in
        // percent draws scaled glyphs: the blocks get them all as the whole picture does.
        QTest::newRow("outline, 4:2:0 lower right")
            << 2 << 2 << false << 92 << 85 << QStringLiteral("Lower-Right") << 1
            << QStringLiteral("2023-07-14 10:23") << TextStyle::Outline << 0.0;
        QTest::newRow("shadow, turned a quarter clockwise")
            << 2 << 2 << false << 92 << 85 << QStringLiteral("Lower-Right") << 6
            << QStringLiteral("2023-07-14 10:23") << TextStyle::Shadow << 0.0;
        QTest::newRow("box at 6 % of the shorter side, two lines")
            << 2 << 2 << false << 92 << 85 << QStringLiteral("Upper-Left") << 1
            << QStringLiteral("one\r\ntwo lines") << TextStyle::Box << 6.0;
    }

    void matchesThePlainPath()
    {
        QFETCH(int, lumaH);
        QFETCH(int, lumaV);
        QFETCH(bool, progressive);
        QFETCH(int, sourceQuality);
        QFETCH(int, quality);
        QFETCH(QString, position);
        QFETCH(int, orientation);
        QFETCH(QString, text);
        QFETCH(TextStyle, style);
        QFETCH(double, sizePercent);
        TextStamp drawn {text, position, stampFont(), kInk, {}};
        drawn.look.style = style;
        if (sizePercent > 0) {
            drawn.look.sizeMode = SizeMode::Percent;
            drawn.look.sizePercent = sizePercent;
        }
        const QByteArray source
            = plainJpeg(photo(), sourceQuality, Layout {lumaH, lumaV, progressive});

        // The plain path: the source decoded by Qt, stamped whole, encoded by libjpeg alone.
        QImage whole = decoded(source);
        whole.setDotsPerMeterX(kSurfaceDotsPerMeter);
        whole.setDotsPerMeterY(kSurfaceDotsPerMeter);
        const QByteArray unstampedPlain = plainJpeg(whole, quality, Layout {lumaH, lumaV});
        OverlayText(whole, drawn, orientation);
        const QImage expected = decoded(plainJpeg(whole, quality, Layout {lumaH, lumaV}));

        auto stamper = JpegBlockStamper::open(source, QStringLiteral("test.jpg"));
        QVERIFY(stamper);
        stamper->setStamp(drawn, orientation);
        const QRect region = stamper->stampedRegion();
        const QByteArray bytes = stamper->encode(quality);
        QVERIFY(!bytes.isEmpty());
        const QImage result = decoded(bytes);
        QCOMPARE(result.size(), expected.size());

        // Outside the stamp: what a re-encode at that quality gives, within rounding.
        const QRect all(QPoint(0, 0), result.size());
        const Difference outside = compare(result, expected, all, region);
        QVERIFY2(outside.mean < 1.5, qPrintable(QString::number(outside.mean)));
        QVERIFY2(outside.largest <= 24, qPrintable(QString::number(outside.largest)));

        // The stamp: its strongly changed pixels are those the plain path changes.
        const Difference drawnPlain = compare(expected, decoded(unstampedPlain), all);
        const Difference drawnHere = compare(result, decoded(unstampedPlain), all);
        QVERIFY(drawnPlain.count > 20);
        QVERIFY2(std::abs(drawnHere.count - drawnPlain.count) <= drawnPlain.count / 10,
            qPrintable(QStringLiteral("%1 against %2").arg(drawnHere.count).arg(drawnPlain.count)));
        QVERIFY(region.contains(drawnHere.box));
        QVERIFY(std::abs(drawnHere.box.left() - drawnPlain.box.left()) <= 1);
        QVERIFY(std::abs(drawnHere.box.bottom() - drawnPlain.box.bottom()) <= 1);
        const Difference stamp = compare(result, expected, region);
        QVERIFY2(stamp.mean < 2.0, qPrintable(QString::number(stamp.mean)));
        // Only a small part of the picture was decoded and encoded again.
        QVERIFY(region.width() * region.height() * 4 < all.width() * all.height());

        // The quality keeps its meaning: the tables and the sampling of a plain encode.
        const Header header = headerOf(bytes);
        const Header plain = headerOf(unstampedPlain);
        QCOMPARE(header.tables, plain.tables);
        QCOMPARE(header.sampling, plain.sampling);
        QVERIFY(!header.progressive);
    }

    // The stamp's region is where the layout puts the text, found here from the font's own
    // measures: the margins of the stamp's layout at 15 twips to a pixel.
    void regionCoversTheText_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("bottom");
        QTest::newRow("upper left") << QStringLiteral("Upper-Left") << false << false;
        QTest::newRow("lower right") << QStringLiteral("Lower-Right") << true << true;
        QTest::newRow("lower left") << QStringLiteral("Lower-Left") << false << true;
    }

    void regionCoversTheText()
    {
        QFETCH(QString, position);
        QFETCH(bool, right);
        QFETCH(bool, bottom);
        const QByteArray source = plainJpeg(photo(1000, 700), 90);
        auto stamper = JpegBlockStamper::open(source, QStringLiteral("test.jpg"));
        QVERIFY(stamper);
        const QString text = QStringLiteral("2023-07-14 10:23");
        stamper->setStamp(text, position, stampFont(), kInk);
        const QRect region = stamper->stampedRegion();
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(kSurfaceDotsPerMeter);
        device.setDotsPerMeterY(kSurfaceDotsPerMeter);
        const QFontMetricsF metrics(stampFont(), &device);
        const double left = right ? 1000 - metrics.horizontalAdvance(text) - 70 / 15.0 : 10 / 15.0;
        const double top = bottom ? 700 - metrics.height() - 30 / 15.0 : 10 / 15.0;
        const QRectF text_(left, top, metrics.horizontalAdvance(text), metrics.height());
        QVERIFY(region.contains(text_.toAlignedRect()));
        // Whole 16-pixel blocks of the 4:2:0 sampling, or the picture's edge.
        QCOMPARE(region.left() % 16, 0);
        QCOMPARE(region.top() % 16, 0);
        QVERIFY((region.right() + 1) % 16 == 0 || region.right() == 999);
        QVERIFY((region.bottom() + 1) % 16 == 0 || region.bottom() == 699);
        QVERIFY(region.width() < text_.width() + 4 * metrics.height() + 32);
        QVERIFY(region.height() < text_.height() + 4 * metrics.height() + 32);
    }

    // What the plain writer writes beside the pixels stays: 96 dots per inch and the profile.
    void keepsDensityAndProfile()
    {
        QImage picture = photo(200, 120);
        picture.setColorSpace(QColorSpace::DisplayP3);
        QByteArray source = plainJpeg(picture, 90);
        // The test writer leaves the profile out; a plain encode of the decoded picture adds it.
        QImage withProfile = decoded(source);
        withProfile.setColorSpace(QColorSpace::DisplayP3);
        source = encodeJpeg(withProfile, 90);
        const QByteArray profile = headerOf(source).icc;
        QVERIFY(!profile.isEmpty());

        const QByteArray bytes
            = blockStamped(source, QStringLiteral("a"), QStringLiteral("Center"), 80);
        const Header header = headerOf(bytes);
        QCOMPARE(header.icc, profile);
        QCOMPARE(header.densityUnit, 1);
        QCOMPARE(header.xDensity, 96);
        QVERIFY(decoded(bytes).colorSpace() == QColorSpace(QColorSpace::DisplayP3));
    }

    // No text: the picture is only brought to the chosen quality.
    void withoutStampOnlyRequantizes()
    {
        const QByteArray source = plainJpeg(photo(), 92);
        auto stamper = JpegBlockStamper::open(source, QStringLiteral("test.jpg"));
        QVERIFY(stamper);
        QVERIFY(stamper->stampedRegion().isEmpty());
        const QByteArray bytes = stamper->encode(70);
        const QImage expected = decoded(plainJpeg(decoded(source), 70));
        const QImage result = decoded(bytes);
        const Difference d = compare(result, expected, QRect(QPoint(0, 0), result.size()));
        QVERIFY2(d.mean < 1.5, qPrintable(QString::number(d.mean)));
        QCOMPARE(headerOf(bytes).tables, headerOf(plainJpeg(photo(8, 8), 70)).tables);
    }
};

QTEST_MAIN(TestJpegBlockStamp)
#include "tst_jpegblockstamp.moc"
