// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifphotos.h"
#include "kalvorastampfixture.h"
#include "taggedphotos.h"

#include <QColorSpace>
#include <QTest>

using namespace KalvoraStampTest;

namespace {

/// What a HEIF result legitimately changes beside what any new encoding does: where its coded
/// pictures lie, the rotation a phone stored them with and the stored sizes it implies (the
/// result is stored upright), and the EXIF Orientation that now says so.
const QStringList kChangedInHeif = TaggedPhotos::kChangedByEncoding
    + QStringList {QStringLiteral("QuickTime:MediaDataSize"),
        QStringLiteral("QuickTime:MediaDataOffset"), QStringLiteral("QuickTime:Rotation"),
        QStringLiteral("QuickTime:ImageSpatialExtent"), QStringLiteral("Meta:MetaImageSize"),
        QStringLiteral("IFD0:Orientation")};

} // namespace

/// kalvora-stamp on a phone's HEIC and AVIF: stamped with its date taken in its own coding,
/// upright, with every tag ExifTool reads in the source kept (but what the new coding changes)
/// and the mark added, by which a later run skips it.
class TestStampHeif : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }

    void tagsKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("heic") << QStringLiteral("phone.heic");
        QTest::newRow("avif") << QStringLiteral("phone.avif");
    }
    void tagsKept()
    {
        QFETCH(QString, name);
        HeifPhotos::Photo photo;
        photo.coding
            = name.endsWith(QLatin1String("avif")) ? heif_compression_AV1 : heif_compression_HEVC;
        photo.viewed = darkGray(96, 64);
        photo.turn = 6;
        photo.exifOrientation = 6;
        photo.thumbnail = 48;
        photo.icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
        const QString path = source(name);
        QVERIFY(HeifPhotos::writeFile(path, HeifPhotos::heifFile(photo)));
        QString error;
        QVERIFY2(TaggedPhotos::writeRichTags(path, m_output->path(), &error), qPrintable(error));

        const Outcome outcome = runStamp(
            {QStringLiteral("--date"), QStringLiteral("taken"), QStringLiteral("--date-format"),
                QStringLiteral("yyyy-MM-dd"), QStringLiteral("--output"), m_output->path(), path});
        QCOMPARE(outcome.errors, QString());
        QCOMPARE(outcome.code, 0);
        const QStringList lost = TaggedPhotos::lostTags(path, output(name), kChangedInHeif);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
        const QMultiMap<QString, QString> before = TaggedPhotos::allTags(path);
        const QMultiMap<QString, QString> tags = TaggedPhotos::allTags(output(name));
        // The tags the new coding may change are still there, coded as before; the photo is
        // stored upright and says so everywhere.
        QCOMPARE(tags.value(QStringLiteral("QuickTime:MajorBrand")),
            before.value(QStringLiteral("QuickTime:MajorBrand")));
        QCOMPARE(before.value(QStringLiteral("IFD0:Orientation")), QStringLiteral("6"));
        QCOMPARE(tags.value(QStringLiteral("IFD0:Orientation")), QStringLiteral("1"));
        QVERIFY(!tags.contains(QStringLiteral("QuickTime:Rotation")));
        QCOMPARE(tags.values(QStringLiteral("XMP-kalvora:StampText")), QStringList {"2024-05-06"});
        const HeifPhotos::Shown seen = HeifPhotos::shown(HeifPhotos::readFile(output(name)));
        QCOMPARE(seen.picture.size(), QSize(96, 64));
        QCOMPARE(seen.thumbnails.size(), 1);

        const QByteArray stamped = HeifPhotos::readFile(output(name));
        const Outcome again = runStamp({QStringLiteral("--skip-stamped"), QStringLiteral("--text"),
            QStringLiteral("Again"), QStringLiteral("--in-place"), output(name)});
        QCOMPARE(again.code, 0);
        QVERIFY2(
            again.errors.contains(QStringLiteral("was stamped before")), qPrintable(again.errors));
        QCOMPARE(HeifPhotos::readFile(output(name)), stamped);
    }
};

QTEST_GUILESS_MAIN(TestStampHeif)
#include "tst_stampheif.moc"
