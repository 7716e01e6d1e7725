// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/metadata/heifmark.h"

#include <algorithm>

namespace kalvora {

std::optional<Picture> withHeifMark(const Picture &picture, const StampMark &mark)
{
    if (picture.format != PictureFormat::Heif || picture.heif.primary >= picture.heif.images.size())
        return std::nullopt;
    // The frames' pixels are shared, not copied.
    Picture marked = picture;
    QList<HeifMetadata> &items = marked.heif.images[marked.heif.primary].metadata;
    // XMP is a MIME item of its own content type.
    const auto xmp = std::find_if(items.begin(), items.end(), [](const HeifMetadata &item) {
        return item.type == "mime" && item.contentType == "application/rdf+xml";
    });
    const std::optional<QByteArray> packet
        = markedXmpPacket(xmp == items.end() ? QByteArray() : xmp->data, mark);
    if (!packet)
        return std::nullopt;
    if (xmp == items.end())
        items << HeifMetadata {"mime", "application/rdf+xml", *packet};
    else
        xmp->data = *packet;
    return marked;
}

} // namespace kalvora
