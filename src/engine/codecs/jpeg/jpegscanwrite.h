// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/codecs/jpeg/jpegbitwriter.h"
#include "engine/codecs/jpeg/jpegrestoredata.h"
#include "engine/codecs/jpeg/jpegscan.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace kalvora {

/// The scan of a stamped photo, in place of the original's bytes from scan.start to scan.end,
/// and what rebuilds the original's from it.
struct ScanRewrite
{
    qsizetype size = 0; ///< of the new scan data
    QList<RestorePiece> pieces; ///< the original's bytes there; offsets count from the scan's
};

/// The scan of \a file (described by the walked \a scan) with the blocks flagged in \a changed
/// (per component, one flag per block of \a window, in its order) coded anew from \a window's
/// coefficients: each MCU that holds one is coded again with the scan's own Huffman tables,
/// and so is the MCU after it, whose DC differences count from it; every other bit is the
/// original's, and restart intervals without a changed block are copied byte for byte. A
/// changed coefficient the tables hold no code for is brought to the nearest one they code
/// (the window then holds what was written). Answers nothing, with \a error set, when a block
/// cannot be coded at all. The new scan data are appended to \a into.
std::optional<ScanRewrite> rewriteJpegScan(const QByteArray &file, const JpegScan &scan,
    ScanWindow &window, const std::vector<std::vector<std::uint8_t>> &changed, QByteArray &into,
    QString *error);

} // namespace kalvora
