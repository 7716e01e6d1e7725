// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/stampmark.h"

#include <QByteArrayView>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace kalvora {

namespace {

constexpr auto kRdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr auto kTextProperty = "StampText";
constexpr auto kDateProperty = "StampDate";
constexpr auto kVersionProperty = "StampVersion";

// A packet of the mark alone, for a result whose source had no XMP.
constexpr auto kEmptyPacket
    = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
      "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
      " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
      "  <rdf:Description rdf:about=\"\"/>\n"
      " </rdf:RDF>\n"
      "</x:xmpmeta>\n"
      "<?xpacket end=\"w\"?>";

bool inMarkNamespace(QStringView uri)
{
    return uri == QLatin1String(kMarkNamespace);
}

// XML 1.0 has no place for most control characters, not even as references.
bool allowedInXml(QChar c)
{
    return c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r';
}

QString withoutControls(QString text)
{
    text.removeIf([](QChar c) { return !allowedInXml(c); });
    return text;
}

QString attributeValue(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (!allowedInXml(c))
            continue;
        switch (c.unicode()) {
        case '&':
            escaped += QLatin1String("&amp;");
            break;
        case '<':
            escaped += QLatin1String("&lt;");
            break;
        // Legal as it is, but simple readers of XMP (ExifTool's among them) take it for the end
        // of the tag.
        case '>':
            escaped += QLatin1String("&gt;");
            break;
        case '"':
            escaped += QLatin1String("&quot;");
            break;
        // Line breaks and tabs in an attribute are read as blanks unless written as references.
        case '\n':
            escaped += QLatin1String("&#xA;");
            break;
        case '\r':
            escaped += QLatin1String("&#xD;");
            break;
        case '\t':
            escaped += QLatin1String("&#x9;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Where a packet can take the mark, as one reading of it found it.
struct PacketLayout
{
    bool wellFormed = false; // read to the root's end, with an rdf:RDF in it
    bool rdfSeen = false;
    QString rdfName; // the qualified name of rdf:RDF
    // The first rdf:Description in rdf:RDF: its qualified name, how many elements of that name
    // start before it, and whether it carries the mark.
    QString descriptionName;
    int descriptionOrdinal = -1;
    bool descriptionMarked = false;
    bool marked = false; // a property of the mark's namespace is there
    QSet<QString> markPrefixes; // the prefixes bound to the mark's namespace
    QSet<QString> prefixes; // every prefix declared
};

// Reads \a text up to the end of its root element (padding and the packet's end after it are no
// concern of the mark).
PacketLayout layoutOf(const QString &text)
{
    PacketLayout layout;
    QXmlStreamReader reader(text);
    QList<QString> open; // the namespace and name of each open element, joined
    QHash<QString, int> started; // elements started so far, by qualified name
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            for (const QXmlStreamNamespaceDeclaration &declaration :
                reader.namespaceDeclarations()) {
                layout.prefixes.insert(declaration.prefix().toString());
                if (inMarkNamespace(declaration.namespaceUri()))
                    layout.markPrefixes.insert(declaration.prefix().toString());
            }
            bool markedHere = inMarkNamespace(reader.namespaceUri());
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                markedHere = markedHere || inMarkNamespace(attribute.namespaceUri());
            layout.marked = layout.marked || markedHere;
            const bool inRdf = !open.isEmpty() && open.last() == QLatin1String("rdf RDF");
            const bool rdfNamespace = reader.namespaceUri() == QLatin1String(kRdfNamespace);
            const QString name = reader.qualifiedName().toString();
            if (rdfNamespace && reader.name() == u"RDF") {
                layout.rdfSeen = true;
                layout.rdfName = name;
            }
            if (inRdf && rdfNamespace && reader.name() == u"Description"
                && layout.descriptionOrdinal < 0) {
                layout.descriptionName = name;
                layout.descriptionOrdinal = started.value(name);
                layout.descriptionMarked = markedHere;
            }
            ++started[name];
            open.append(rdfNamespace ? QStringLiteral("rdf ") + reader.name().toString()
                                     : QStringLiteral("other"));
        } else if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
            if (open.isEmpty()) {
                layout.wellFormed = layout.rdfSeen;
                return layout;
            }
        }
    }
    return layout;
}

// Where the start tag of the \a ordinal-th element named \a name begins in \a text, found by
// its text; -1 when a comment or a CDATA section before it could hold such text too.
qsizetype startTagOf(const QString &text, const QString &name, int ordinal)
{
    const QString tag = QLatin1Char('<') + name;
    for (qsizetype at = text.indexOf(tag); at >= 0; at = text.indexOf(tag, at + 1)) {
        const qsizetype after = at + tag.size();
        if (after < text.size() && !QStringView(u" \t\r\n/>").contains(text.at(after)))
            continue;
        if (ordinal-- > 0)
            continue;
        const QStringView before = QStringView(text).left(at);
        return before.contains(u"<!--") || before.contains(u"<![CDATA[") ? -1 : at;
    }
    return -1;
}

// \a text without the mark's properties and the declarations of its namespace, wherever their
// prefixes put them.
QString withoutMark(QString text, const QSet<QString> &prefixes)
{
    const QString uri = QRegularExpression::escape(QLatin1String(kMarkNamespace));
    for (const QString &prefix : prefixes) {
        const QString p = QRegularExpression::escape(prefix);
        text.remove(QRegularExpression(
            QStringLiteral("\\s*<%1:([\\w.-]+)(\\s[^>]*)?(/>|>[\\s\\S]*?</%1:\\1\\s*>)").arg(p)));
        text.remove(QRegularExpression(
            QStringLiteral("\\s+%1:[\\w.-]+\\s*=\\s*(\"[^\"]*\"|'[^']*')").arg(p)));
        text.remove(
            QRegularExpression(QStringLiteral("\\s+xmlns:%1\\s*=\\s*(\"%2\"|'%2')").arg(p, uri)));
    }
    return text;
}

// A prefix for the mark that the packet does not use for anything else.
QString freePrefix(const QSet<QString> &taken)
{
    QString prefix = QLatin1String(kMarkPrefix);
    for (int n = 2; taken.contains(prefix); ++n)
        prefix = QLatin1String(kMarkPrefix) + QString::number(n);
    return prefix;
}

// Gives up padding (the blanks before the packet's end) until \a packet is no longer than
// \a largest bytes, or there is none left.
void shrinkPadding(QByteArray &packet, qsizetype largest)
{
    const qsizetype end = packet.lastIndexOf("<?xpacket end");
    if (end < 0 || packet.size() <= largest)
        return;
    qsizetype padding = 0;
    while (padding < end && QByteArrayView(" \t\r\n").contains(packet.at(end - padding - 1)))
        ++padding;
    const qsizetype given = std::min(padding, packet.size() - largest);
    packet.remove(end - given, given);
}

} // namespace

StampMark stampMarkOf(const QString &text, const QDateTime &time)
{
    const QDateTime withOffset = time.toOffsetFromUtc(time.offsetFromUtc());
    return {
        withoutControls(text), withOffset.toString(Qt::ISODate), QStringLiteral(KALVORA_VERSION)};
}

std::optional<StampMark> readStampMark(const QByteArray &packet)
{
    if (packet.isEmpty() || !packet.contains(kMarkNamespace))
        return std::nullopt;
    QXmlStreamReader reader(packet.mid(std::max<qsizetype>(0, packet.indexOf('<'))));
    StampMark mark;
    bool found = false;
    const auto take = [&](QStringView name, const QString &value) {
        found = true;
        if (name == QLatin1String(kTextProperty))
            mark.text = value;
        else if (name == QLatin1String(kDateProperty))
            mark.date = value;
        else if (name == QLatin1String(kVersionProperty))
            mark.version = value;
    };
    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::Invalid) {
        if (reader.tokenType() != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute &attribute : reader.attributes())
            if (inMarkNamespace(attribute.namespaceUri()))
                take(attribute.name(), attribute.value().toString());
        if (inMarkNamespace(reader.namespaceUri())) {
            const QString name = reader.name().toString();
            take(name, reader.readElementText(QXmlStreamReader::IncludeChildElements));
        }
    }
    return found ? std::optional(mark) : std::nullopt;
}

std::optional<QByteArray> markedXmpPacket(
    const QByteArray &packet, const StampMark &mark, qsizetype largest)
{
    const QByteArray source = packet.isEmpty() ? QByteArray(kEmptyPacket) : packet;
    // What comes before the first tag (a byte-order mark, blanks) is kept aside as it is.
    const qsizetype first = source.indexOf('<');
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(QByteArrayView(source).sliced(std::max<qsizetype>(first, 0)));
    if (first < 0 || decoder.hasError())
        return std::nullopt;

    PacketLayout layout = layoutOf(text);
    if (layout.wellFormed && layout.marked) {
        text = withoutMark(text, layout.markPrefixes);
        layout = layoutOf(text);
    }
    if (!layout.wellFormed || layout.marked)
        return std::nullopt;

    const QString prefix = freePrefix(layout.prefixes);
    QString properties
        = QStringLiteral(" xmlns:%1=\"%2\"").arg(prefix, QLatin1String(kMarkNamespace));
    const std::pair<const char *, const QString *> values[] = {{kTextProperty, &mark.text},
        {kDateProperty, &mark.date}, {kVersionProperty, &mark.version}};
    for (const auto &[name, value] : values)
        properties += QStringLiteral(" %1:%2=\"%3\"")
                          .arg(prefix, QLatin1String(name), attributeValue(*value));
    if (layout.descriptionOrdinal >= 0) {
        const qsizetype at = startTagOf(text, layout.descriptionName, layout.descriptionOrdinal);
        if (at < 0)
            return std::nullopt;
        text.insert(at + 1 + layout.descriptionName.size(), properties);
    } else {
        // An rdf:RDF without a description gets one, before its end tag.
        const QString end = QStringLiteral("</") + layout.rdfName;
        const qsizetype at = text.indexOf(end);
        const QString rdfPrefix = layout.rdfName.section(QLatin1Char(':'), 0, -2);
        if (at < 0 || text.indexOf(end, at + 1) >= 0 || rdfPrefix.isEmpty())
            return std::nullopt;
        text.insert(
            at, QStringLiteral("<%1:Description %1:about=\"\"%2/>").arg(rdfPrefix, properties));
    }

    QByteArray marked = source.left(first) + text.toUtf8();
    shrinkPadding(marked, largest);
    // The packet is read again as a reader of the mark would: what is written is what was meant,
    // on the description that was meant.
    const PacketLayout written = layoutOf(QString::fromUtf8(marked.sliced(first)));
    if (marked.size() > largest || !written.wellFormed || !written.descriptionMarked
        || readStampMark(marked) != StampMark {withoutControls(mark.text), mark.date, mark.version})
        return std::nullopt;
    return marked;
}

QByteArray gifXmpPacket(const QByteArray &file)
{
    if (!file.startsWith("GIF8"))
        return {};
    // An application extension named "XMP DataXMP" holds the packet as it is, then a trailer
    // of bytes that lets decoders skip it.
    static const QByteArray kHeader("\x21\xFF\x0BXMP DataXMP", 14);
    const qsizetype header = file.indexOf(kHeader);
    if (header < 0)
        return {};
    const qsizetype start = header + kHeader.size();
    const qsizetype endMark = file.indexOf("<?xpacket end", start);
    const qsizetype end = endMark < 0 ? -1 : file.indexOf("?>", endMark);
    if (end < 0)
        return {};
    return file.mid(start, end + 2 - start);
}

QStringList stampMarkAssignments(const StampMark &mark)
{
    // With -ec, "\\" is a backslash and "\xHH" the byte HH; a blank right after "=" would be
    // taken away by ExifTool's reading of its argument lines.
    const auto escaped = [](const QString &value) {
        QString text;
        for (const QChar c : value) {
            if (c == u'\\')
                text += QLatin1String("\\\\");
            else if (c.unicode() < 0x20 || (c == u' ' && text.isEmpty()))
                text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                text += c;
        }
        return text;
    };
    return {
        QStringLiteral("-XMP-kalvora:%1=%2").arg(QLatin1String(kTextProperty), escaped(mark.text)),
        QStringLiteral("-XMP-kalvora:%1=%2").arg(QLatin1String(kDateProperty), escaped(mark.date)),
        QStringLiteral("-XMP-kalvora:%1=%2")
            .arg(QLatin1String(kVersionProperty), escaped(mark.version))};
}

QByteArray stampMarkExifToolConfig()
{
    return QByteArrayLiteral("%Image::ExifTool::UserDefined = (\n"
                             "    'Image::ExifTool::XMP::Main' => {\n"
                             "        kalvora => { SubDirectory => { TagTable => "
                             "'Image::ExifTool::UserDefined::kalvora' } },\n"
                             "    },\n"
                             ");\n"
                             "%Image::ExifTool::UserDefined::kalvora = (\n"
                             "    GROUPS => { 0 => 'XMP', 1 => 'XMP-kalvora', 2 => 'Image' },\n"
                             "    NAMESPACE => { 'kalvora' => '")
        + QByteArray(kMarkNamespace)
        + QByteArrayLiteral("' },\n"
                            "    WRITABLE => 'string',\n"
                            "    StampText => { },\n"
                            "    StampDate => { },\n"
                            "    StampVersion => { },\n"
                            ");\n"
                            "1;\n");
}

} // namespace kalvora
