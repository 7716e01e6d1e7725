// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/heifboxes.h"
#include "engine/codecs/failuretexts.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace kalvora {

namespace {

// A box of the ISO base media file format: its type, where its content starts (after the
// header) and where it ends.
struct Box
{
    QByteArray type;
    qint64 body = 0;
    qint64 end = 0;
};

quint32 u32At(const QByteArray &bytes, qint64 pos)
{
    return qFromBigEndian<quint32>(bytes.constData() + pos);
}

quint16 u16At(const QByteArray &bytes, qint64 pos)
{
    return qFromBigEndian<quint16>(bytes.constData() + pos);
}

quint8 u8At(const QByteArray &bytes, qint64 pos)
{
    return quint8(bytes.at(pos));
}

// The box at \a pos of a container that ends at \a limit; none when its header or its size
// does not fit there. A size of 0 runs to the end of the container.
std::optional<Box> boxAt(const QByteArray &bytes, qint64 pos, qint64 limit)
{
    if (pos + 8 > limit)
        return std::nullopt;
    quint64 size = u32At(bytes, pos);
    qint64 header = 8;
    if (size == 1) {
        if (pos + 16 > limit)
            return std::nullopt;
        size = qFromBigEndian<quint64>(bytes.constData() + pos + 8);
        header = 16;
    } else if (size == 0) {
        size = quint64(limit - pos);
    }
    if (size < quint64(header) || size > quint64(limit - pos))
        return std::nullopt;
    return Box {bytes.mid(pos + 4, 4), pos + header, pos + qint64(size)};
}

// The boxes inside [from, to), up to the first that does not fit.
QList<Box> childrenOf(const QByteArray &bytes, qint64 from, qint64 to)
{
    QList<Box> boxes;
    qint64 pos = from;
    while (const std::optional<Box> box = boxAt(bytes, pos, to)) {
        boxes << *box;
        pos = box->end;
    }
    return boxes;
}

std::optional<Box> childNamed(const QList<Box> &boxes, const char *type)
{
    const auto found = std::find_if(
        boxes.cbegin(), boxes.cend(), [&](const Box &box) { return box.type == type; });
    return found == boxes.cend() ? std::nullopt : std::optional<Box>(*found);
}

// The item associations of an ipma box: each item with the (1-based) indices of its
// properties. Stops where an entry would run past the box.
QList<std::pair<quint32, QList<int>>> associationsOf(const QByteArray &bytes, const Box &ipma)
{
    QList<std::pair<quint32, QList<int>>> items;
    if (ipma.body + 8 > ipma.end)
        return items;
    const int version = u8At(bytes, ipma.body);
    const bool wideIndex = u8At(bytes, ipma.body + 3) & 1;
    const quint32 count = u32At(bytes, ipma.body + 4);
    qint64 pos = ipma.body + 8;
    for (quint32 i = 0; i < count; ++i) {
        const int idSize = version < 1 ? 2 : 4;
        if (pos + idSize + 1 > ipma.end)
            break;
        const quint32 item = idSize == 2 ? u16At(bytes, pos) : u32At(bytes, pos);
        const int associations = u8At(bytes, pos + idSize);
        pos += idSize + 1;
        if (pos + associations * (wideIndex ? 2 : 1) > ipma.end)
            break;
        QList<int> indices;
        for (int a = 0; a < associations; ++a) {
            indices << (wideIndex ? u16At(bytes, pos) & 0x7fff : u8At(bytes, pos) & 0x7f);
            pos += wideIndex ? 2 : 1;
        }
        items.append({item, indices});
    }
    return items;
}

// The chroma subsampling a coding configuration names.
QByteArray chromaOf(const QByteArray &bytes, const Box &config)
{
    if (config.type == "hvcC" && config.body + 17 <= config.end) {
        static const std::array<const char *, 4> kNames {"400", "420", "422", "444"};
        return kNames.at(u8At(bytes, config.body + 16) & 3);
    }
    if (config.type == "av1C" && config.body + 3 <= config.end) {
        const int flags = u8At(bytes, config.body + 2);
        if (flags & 0x10)
            return "400";
        const bool halfAcross = flags & 0x08;
        const bool halfDown = flags & 0x04;
        return halfAcross ? (halfDown ? "420" : "422") : "444";
    }
    return "420";
}

void readProperties(const QByteArray &bytes, const Box &iprp, quint32 primary, HeifLayout &layout)
{
    const QList<Box> children = childrenOf(bytes, iprp.body, iprp.end);
    const std::optional<Box> ipco = childNamed(children, "ipco");
    if (!ipco)
        return;
    const QList<Box> properties = childrenOf(bytes, ipco->body, ipco->end);
    const auto isConfig = [](const Box &box) { return box.type == "hvcC" || box.type == "av1C"; };
    std::optional<Box> config;
    for (const Box &ipma : children) {
        if (ipma.type != "ipma")
            continue;
        for (const auto &[item, indices] : associationsOf(bytes, ipma)) {
            for (int index : indices) {
                if (index < 1 || index > properties.size())
                    continue;
                const Box &property = properties.at(index - 1);
                if ((property.type == "irot" || property.type == "imir")
                    && !layout.turned.contains(item))
                    layout.turned << item;
                if (item == primary && isConfig(property))
                    config = property;
            }
        }
    }
    // A grid has no coding of its own: its tiles share the file's configuration.
    if (!config) {
        const auto found = std::find_if(properties.cbegin(), properties.cend(), isConfig);
        if (found != properties.cend())
            config = *found;
    }
    if (config) {
        layout.coding = config->type == "hvcC" ? HeifCoding::Hevc : HeifCoding::Av1;
        layout.chroma = chromaOf(bytes, *config);
    }
}

} // namespace

bool looksLikeHeif(const QByteArray &bytes)
{
    static const std::array<QByteArrayView, 13> kBrands {"heic", "heix", "heim", "heis", "hevc",
        "hevx", "hevm", "hevs", "mif1", "msf1", "mif2", "avif", "avis"};
    const std::optional<Box> ftyp = boxAt(bytes, 0, bytes.size());
    if (!ftyp || ftyp->type != "ftyp" || ftyp->body + 8 > ftyp->end)
        return false;
    // The major brand, the minor version (skipped), then the compatible brands.
    for (qint64 pos = ftyp->body; pos + 4 <= ftyp->end; pos += pos == ftyp->body ? 8 : 4) {
        const QByteArrayView brand(bytes.constData() + pos, 4);
        if (std::find(kBrands.cbegin(), kBrands.cend(), brand) != kBrands.cend())
            return true;
    }
    return false;
}

QString heifDamage(const QByteArray &bytes)
{
    qint64 pos = 0;
    while (pos < bytes.size()) {
        const std::optional<Box> box = boxAt(bytes, pos, bytes.size());
        if (!box && pos + 8 > bytes.size())
            return PictureFailures::tr("the file is cut short in a box header (%1 bytes)")
                .arg(bytes.size());
        const QString type = QString::fromLatin1(bytes.mid(pos + 4, 4).toPercentEncoding());
        // A size of 1 is followed by a 64-bit size, which did not fit either.
        const quint32 size = u32At(bytes, pos);
        if (!box && (size == 1 || size > quint64(bytes.size() - pos)))
            return PictureFailures::tr(
                "the file is cut short: its %1 box runs past its end (%2 bytes)")
                .arg(type)
                .arg(bytes.size());
        if (!box)
            return PictureFailures::tr("its %1 box has a size of %2 bytes, less than its header")
                .arg(type)
                .arg(size);
        pos = box->end;
    }
    return {};
}

std::optional<HeifLayout> readHeifLayout(const QByteArray &bytes)
{
    static const QList<QByteArray> kTopLevel {"ftyp", "meta", "mdat", "free", "skip"};
    static const QList<QByteArray> kMetaBoxes {
        "hdlr", "dinf", "pitm", "iloc", "iinf", "iref", "iprp", "idat", "free", "skip"};
    HeifLayout layout;
    std::optional<Box> meta;
    for (const Box &box : childrenOf(bytes, 0, bytes.size())) {
        if (box.type == "meta")
            meta = box;
        else if (!kTopLevel.contains(box.type))
            layout.unwritable << box.type;
    }
    // The meta box is a full box: a version and flags come before its boxes.
    if (!meta || meta->body + 4 > meta->end)
        return std::nullopt;
    const QList<Box> boxes = childrenOf(bytes, meta->body + 4, meta->end);
    for (const Box &box : boxes)
        if (!kMetaBoxes.contains(box.type))
            layout.unwritable << box.type;
    const std::optional<Box> pitm = childNamed(boxes, "pitm");
    const std::optional<Box> iprp = childNamed(boxes, "iprp");
    if (!pitm || !iprp || pitm->body + 6 > pitm->end)
        return std::nullopt;
    const bool wideId = u8At(bytes, pitm->body) != 0;
    if (wideId && pitm->body + 8 > pitm->end)
        return std::nullopt;
    const quint32 primary = wideId ? u32At(bytes, pitm->body + 4) : u16At(bytes, pitm->body + 4);
    readProperties(bytes, *iprp, primary, layout);
    return layout;
}

} // namespace kalvora
