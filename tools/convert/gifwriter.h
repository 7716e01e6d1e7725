// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Encodes `image` as a single-frame GIF of at most `maxColors` colours (2 to 256). The palette
// is chosen by libimagequant; with `dither` the picture is remapped onto it with
// Floyd-Steinberg error diffusion, which keeps smooth skies and skin free of bands. The alpha
// channel is ignored: lay a transparent picture onto its background first.
// Answers the whole file, or nothing with the reason in `error`.
std::optional<QByteArray> EncodeGif(
    const QImage &image, int maxColors, bool dither, QString *error);
