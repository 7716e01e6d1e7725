// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

/// A picture with camera-like detail, so the JPEG codec works as hard as on a real photo.
inline QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb((x / 7 + y / 5) % 256, (x * y / 97) % 256, (x ^ y) % 256);
    }
    return image;
}
