// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvorastampfixture.h"
#include "taggedphotos.h"

#include <QTest>

using namespace KalvoraStampTest;
using TaggedPhotos::kChangedByEncoding;

/// The tags a JPEG, PNG or TIFF result keeps, as ExifTool itself reads source and result, and the
/// warnings about a source's own tags that are notes rather than failures.
class TestStampTags : public KalvoraStampFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }

    void everyTagKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("jpeg") << QStringLiteral("rich.jpg") << QStringList();
        QTest::newRow("png") << QStringLiteral("rich.png") << QStringList();
        QTest::newRow("tiff") << QStringLiteral("rich.tif") << QStringList();
        QTest::newRow("webp") << QStringLiteral("rich.webp") << QStringList();
        QTest::newRow("jpeg in its own quality")
            << QStringLiteral("rich.jpg") << QStringList {QStringLiteral("--keep-quality")};
    }
    void everyTagKept()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, flags);
        const QString path = source(name);
        QVERIFY(darkGray(64, 48).save(path));
        QString error;
        QVERIFY2(TaggedPhotos::writeRichTags(path, m_output->path(), &error), qPrintable(error));
        const Outcome outcome = runStamp(flags
            + QStringList {QStringLiteral("--text"), QStringLiteral("Kept"),
                QStringLiteral("--output"), m_output->path(), path});
        QCOMPARE(outcome.errors, QString());
        QCOMPARE(outcome.code, 0);
        const QStringList lost = TaggedPhotos::lostTags(path, output(name), kChangedByEncoding);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
        // Qt's writer no longer carries the XMP packet a second time, as a text chunk.
        const QMultiMap<QString, QString> tags = TaggedPhotos::allTags(output(name));
        QVERIFY(!tags.contains(QStringLiteral("PNG:XML_com_adobe_xmp")));
        // The mark of the stamp is added, once, beside them all (in a JPEG, in the standard XMP
        // packet that names the extended one, whose digest still holds: its text was read above).
        QCOMPARE(tags.values(QStringLiteral("XMP-kalvora:StampText")), QStringList {"Kept"});
        // In its own quality a JPEG keeps its quantization tables, byte for byte.
        if (!flags.isEmpty()) {
            QFile in(path);
            QFile out(output(name));
            QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::ReadOnly));
            const QByteArray sourceBytes = in.readAll();
            const qsizetype tables = sourceBytes.indexOf("\xFF\xDB");
            QVERIFY(tables > 0);
            const int length
                = (uchar(sourceBytes[tables + 2]) << 8) | uchar(sourceBytes[tables + 3]);
            QVERIFY(out.readAll().contains(sourceBytes.mid(tables, length + 2)));
        }
    }

    // A source ExifTool warns about while copying its tags is stamped, the warning told once as
    // a note that names the file; the exit status stays 0. A source whose tags cannot be
    // written still fails.
    void warningsAreNotes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        QTest::newRow("stale IPTC digest")
            << QStringLiteral("digest.tif")
            << QStringList {QStringLiteral("-IPTC:Keywords=one"),
                   QStringLiteral("-Photoshop:IPTCDigest=0123456789abcdef0123456789abcdef")}
            << 0 << QStringLiteral("IPTCDigest is not current");
        QTest::newRow("long IPTC field")
            << QStringLiteral("long.png")
            << QStringList {QStringLiteral("-IPTC:ObjectName=") + QString(70, QLatin1Char('x'))}
            << 0 << QString();
        QTest::newRow("short subject reference")
            << QStringLiteral("subject.tif")
            << QStringList {QStringLiteral("-IPTC:SubjectReference=IPTC:1")} << 0 << QString();
    }
    void warningsAreNotes()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, tags);
        QFETCH(int, code);
        QFETCH(QString, said);
        const QString path = source(name);
        QVERIFY(darkGray(64, 48).save(path));
        QString error;
        QVERIFY2(!TaggedPhotos::exifTool(
                     QStringList {QStringLiteral("-m"), QStringLiteral("-overwrite_original")}
                         + tags + QStringList {path},
                     &error)
                      .isNull(),
            qPrintable(error));
        const Outcome outcome = runStamp({QStringLiteral("--text"), QStringLiteral("Noted"),
            QStringLiteral("--output"), m_output->path(), path});
        QCOMPARE(outcome.code, code);
        // One note line naming the file and what ExifTool said, or nothing.
        const QStringList lines = outcome.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), said.isEmpty() ? 0 : 1);
        if (!said.isEmpty()) {
            QVERIFY2(lines.first().startsWith(QLatin1String("note: ")), qPrintable(lines.first()));
            QVERIFY2(lines.first().contains(name) && lines.first().contains(said),
                qPrintable(lines.first()));
        }
        QVERIFY(QFileInfo::exists(output(name)));
        const QStringList lost = TaggedPhotos::lostTags(path, output(name), kChangedByEncoding);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestStampTags)
#include "tst_stamptags.moc"
