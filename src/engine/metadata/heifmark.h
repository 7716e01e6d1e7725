// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/picture.h"
#include "engine/metadata/stampmark.h"

#include <optional>

namespace kalvora {

/// \a picture, a HEIF picture, with \a mark in the XMP item of its primary picture (see
/// markedXmpPacket), an item of the mark alone added when it has none; every other item as it
/// was. None when its XMP cannot take the mark (not well-formed).
std::optional<Picture> withHeifMark(const Picture &picture, const StampMark &mark);

} // namespace kalvora
