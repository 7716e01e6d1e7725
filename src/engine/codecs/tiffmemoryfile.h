// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

#include <tiffio.h>

#include <memory>

namespace kalvora {

/// A TIFF file in memory for libtiff's client procedures: read from `input`, or written into
/// `output`; the errors libtiff reports while it works on the file are kept in `errors`.
struct MemoryFile
{
    const QByteArray *input = nullptr;
    QByteArray *output = nullptr;
    qint64 position = 0;
    QStringList errors;

    qint64 size() const { return input ? input->size() : output->size(); }
};

struct TiffCloser
{
    void operator()(TIFF *tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

/// libtiff opened over \a file with \a mode ("r" or "w"), its errors recorded in the file, and
/// its warnings ignored (an unknown tag, a field libtiff mends say nothing about the pixels)
/// but for a tag whose value could not be read, which says the file is cut short. Empty when
/// libtiff refuses the file.
TiffHandle openTiff(MemoryFile *file, const char *mode);

} // namespace kalvora
