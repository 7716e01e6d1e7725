// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/stampmark.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;

namespace {

const QByteArray kHead = "<?xpacket begin='\xEF\xBB\xBF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                         "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                         "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n";
const QByteArray kTail = "</rdf:RDF>\n</x:xmpmeta>\n";
const QByteArray kEnd = "<?xpacket end='w'?>";

QByteArray packet(const QByteArray &descriptions, const QByteArray &padding = "\n")
{
    return kHead + descriptions + kTail + padding + kEnd;
}

// Every XMP tag ExifTool reads from \a packet, as "Group:Tag" and its value (a list of values
// joined with "|").
QVariantMap exifToolTags(const QByteArray &packet)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("packet.xmp")));
    if (!file.open(QIODevice::WriteOnly) || file.write(packet) != packet.size())
        return {};
    file.close();
    QProcess tool;
    tool.start(QStringLiteral("exiftool"),
        {QStringLiteral("-j"), QStringLiteral("-G1"), QStringLiteral("-api"),
            QStringLiteral("XMPAutoConv=0"), QStringLiteral("-XMP:all"), file.fileName()});
    if (!tool.waitForFinished(60000))
        return {};
    const QJsonArray files = QJsonDocument::fromJson(tool.readAllStandardOutput()).array();
    QVariantMap tags = files.isEmpty() ? QVariantMap() : files.first().toObject().toVariantMap();
    for (auto it = tags.begin(); it != tags.end(); ++it)
        if (it->typeId() == QMetaType::QVariantList)
            *it = it->toStringList().join(QLatin1Char('|'));
    return tags;
}

} // namespace

/// The mark of a stamp in an XMP packet, as ExifTool reads the packets it is put in.
class TestStampMark : public QObject
{
    Q_OBJECT

private slots:
    // The mark lands in the packet once, whatever its layout, and everything else stays.
    void marked_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keptTag");
        QTest::addColumn<QString>("keptValue");

        QTest::newRow("no packet")
            << QByteArray() << QStringLiteral("2024-05-06 07:08") << QString() << QString();
        QTest::newRow("ExifTool's layout")
            << packet("<rdf:Description rdf:about=''\n xmlns:dc='http://purl.org/dc/elements/1.1/'>"
                      "\n <dc:title><rdf:Alt><rdf:li xml:lang='x-default'>Lake</rdf:li></rdf:Alt>"
                      "</dc:title>\n</rdf:Description>\n")
            << QStringLiteral("Lake day") << QStringLiteral("XMP-dc:Title")
            << QStringLiteral("Lake");
        QTest::newRow("properties as attributes, no end tag")
            << packet("<rdf:Description rdf:about='uuid:1' xmlns:xmp='http://ns.adobe.com/xap/1.0/'"
                      " xmp:CreatorTool='Cam 1'/>\n")
            << QStringLiteral("x") << QStringLiteral("XMP-xmp:CreatorTool")
            << QStringLiteral("Cam 1");
        QTest::newRow("an earlier mark as elements")
            << packet("<rdf:Description rdf:about='' xmlns:aux='http://ns.adobe.com/exif/1.0/aux/'"
                      ">\n <aux:OwnerName>Ann</aux:OwnerName>\n</rdf:Description>\n"
                      "<rdf:Description rdf:about=''\n"
                      "  xmlns:kalvora='http://ns.vendrel.example/kalvora/1.0/'>\n"
                      "  <kalvora:StampText>old</kalvora:StampText>\n"
                      "  <kalvora:StampDate>2001-01-01T00:00:00Z</kalvora:StampDate>\n"
                      "</rdf:Description>\n")
            << QStringLiteral("new") << QStringLiteral("XMP-aux:OwnerName")
            << QStringLiteral("Ann");
        QTest::newRow("an earlier mark under another prefix")
            << packet("<rdf:Description rdf:about='' xmlns:kv=\"http://ns.vendrel.example/kalvora/"
                      "1.0/\" kv:StampText='old' kv:StampVersion='0.0.1'\n"
                      " xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmp:Rating='3'/>\n")
            << QStringLiteral("new") << QStringLiteral("XMP-xmp:Rating") << QStringLiteral("3");
        QTest::newRow("markup, quotes, line breaks and blanks")
            << packet("<rdf:Description rdf:about=''/>\n")
            << QStringLiteral(" <b>Tom & \"Jo's\"</b>\nline two\ttab ") << QString() << QString();
    }
    void marked()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, text);
        QFETCH(QString, keptTag);
        QFETCH(QString, keptValue);
        const StampMark mark {
            text, QStringLiteral("2026-03-04T05:06:07+01:00"), QStringLiteral("9.8.7")};

        const std::optional<QByteArray> marked = markedXmpPacket(source, mark);
        QVERIFY(marked);
        const QVariantMap tags = exifToolTags(*marked);
        // Written once: ExifTool would give two values of a property written twice.
        QCOMPARE(tags.value(QStringLiteral("XMP-kalvora:StampText")).toString(), text);
        QCOMPARE(tags.value(QStringLiteral("XMP-kalvora:StampDate")).toString(), mark.date);
        QCOMPARE(tags.value(QStringLiteral("XMP-kalvora:StampVersion")).toString(), mark.version);
        if (!keptTag.isEmpty())
            QCOMPARE(tags.value(keptTag).toString(), keptValue);
        QCOMPARE(readStampMark(*marked), std::optional(mark));
        // The packet's end stays, so a reader finds it whole.
        QVERIFY(marked->endsWith(source.isEmpty() ? QByteArray("<?xpacket end=\"w\"?>") : kEnd));
    }

    // A JPEG's standard packet has a limit: the padding gives room, or the packet is refused;
    // so is a packet that is no XMP.
    void refusedOrFitted_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<bool>("fits");

        const QByteArray description = "<rdf:Description rdf:about='' "
                                       "xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:source>"
            + QByteArray(60000, 'x') + "</dc:source></rdf:Description>\n";
        const QByteArray full = packet(description);
        const QByteArray padding(kLargestJpegXmpPacket - full.size(), ' ');
        QTest::newRow("padding gives room") << packet(description, "\n" + padding) << true;
        QTest::newRow("full, no padding")
            << packet(description + QByteArray(kLargestJpegXmpPacket - full.size(), '\n')) << false;
        QTest::newRow("not XML") << QByteArray("<x:xmpmeta><rdf:RDF></x:xmpmeta>") << false;
        QTest::newRow("no rdf:RDF")
            << QByteArray("<x:xmpmeta xmlns:x='adobe:ns:meta/'></x:xmpmeta>") << false;
    }
    void refusedOrFitted()
    {
        QFETCH(QByteArray, source);
        QFETCH(bool, fits);
        const StampMark mark {
            QStringLiteral("Fits"), QStringLiteral("2026-03-04T05:06:07Z"), QStringLiteral("1")};
        const std::optional<QByteArray> marked
            = markedXmpPacket(source, mark, kLargestJpegXmpPacket);
        QCOMPARE(marked.has_value(), fits);
        if (fits) {
            QVERIFY(marked->size() <= kLargestJpegXmpPacket);
            QCOMPARE(exifToolTags(*marked).value(QStringLiteral("XMP-kalvora:StampText")),
                QVariant(QStringLiteral("Fits")));
            QCOMPARE(exifToolTags(*marked).value(QStringLiteral("XMP-dc:Source")).toString().size(),
                60000);
        }
    }
};

QTEST_GUILESS_MAIN(TestStampMark)
#include "tst_stampmark.moc"
