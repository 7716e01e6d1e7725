// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvorastampfixture.h"
#include "stampmeasure.h"

#include <QFont>
#include <QImage>
#include <QTest>

using namespace KalvoraStampTest;
using namespace StampMeasure;

/// Kalvora-stamp's look flags reach the drawing: measured on the photos it writes.
class TestStampLooks : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void sizeInPercentOfALargePhoto();
    void boxWithinAMarginInPercent();

private:
    // Stamps a uniform grey JPEG of \a size with \a flags; answers the source as decoded and
    // the result, or null pictures when kalvora-stamp fails.
    std::pair<QImage, QImage> stamped(const QSize &size, const QStringList &flags);
};

std::pair<QImage, QImage> TestStampLooks::stamped(const QSize &size, const QStringList &flags)
{
    QImage grey(size, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    const QString path = source(QStringLiteral("photo.jpg"));
    if (!grey.save(path, "jpeg", 90))
        return {};
    const Outcome outcome = runStamp(flags + QStringList {"--output", m_output->path(), path});
    if (outcome.code != 0) {
        qWarning("%s", qPrintable(outcome.errors));
        return {};
    }
    return {QImage(path), QImage(output(QStringLiteral("photo.jpg")))};
}

// One line of the stamp is 4 % of the shorter side of a 24-megapixel photo: its digits' ink
// is that share of the font's own ink per line height (bold Arial, the stamp's default font).
void TestStampLooks::sizeInPercentOfALargePhoto()
{
    const QString text = QStringLiteral("2026-12-08 13:14");
    const auto [plain, result] = stamped(QSize(6000, 4000),
        {"--size-percent", "4", "--text", text, "--position", "Center", "--quality", "90"});
    QVERIFY(!result.isNull());
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    const double expected = 0.04 * inkPerLineHeight(font, text);
    const double measured = inkExtent(result, plain, Qt::Horizontal) / 4000.0;
    QVERIFY2(qAbs(measured / expected - 1) < 0.03,
        qPrintable(QStringLiteral("%1 against %2").arg(measured).arg(expected)));
}

// An opaque box of the chosen colour, one line of 4 % of 1200 pixels and a fifth of a line
// above and below it, kept 5 % of 1200 pixels from the lower right corner.
void TestStampLooks::boxWithinAMarginInPercent()
{
    const auto [plain, result] = stamped(QSize(1600, 1200),
        {"--size-percent", "4", "--style", "box", "--box-opacity", "100", "--style-color",
            "#0000FF", "--margin-percent", "5", "--position", "Lower-Right", "--text", "Bled"});
    QVERIFY(!result.isNull());
    const QRect box = strongBounds(result, plain);
    QVERIFY2(qAbs(box.height() - 1.4 * 48) <= 3, qPrintable(QString::number(box.height())));
    QVERIFY2(qAbs(box.right() - (1600 - 60 - 1)) <= 2, qPrintable(QString::number(box.right())));
    QVERIFY2(qAbs(box.bottom() - (1200 - 60 - 1)) <= 2, qPrintable(QString::number(box.bottom())));
    const QRgb inside = result.pixel(box.topLeft() + QPoint(3, 3));
    QVERIFY2(qBlue(inside) > 210 && qRed(inside) < 40 && qGreen(inside) < 40,
        qPrintable(QString::number(inside, 16)));
}

QTEST_MAIN(TestStampLooks)
#include "tst_stamplooks.moc"
