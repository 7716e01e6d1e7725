// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later

// The sample snapshot as "Load Sample/Example Files" reads it: the stored text (the input, as
// the settings file holds it in UTF-8) decoded and split into paths. A text the decoder takes
// must code back to itself, and the paths recorded from any folder must decode to themselves.

#include "fuzzsupport.h"

#include "base/runtimefailure.h"
#include "imagelist/samplefiles.h"

namespace {

void checkDecodes(const QString &coded)
{
    QString decoded;
    try {
        decoded = DecodeSnapshot(coded);
    } catch (const RuntimeFailure &) {
        return; // reported by the command's trap
    }
    if (decoded.size() != coded.size() || EncodeSnapshot(decoded) != coded)
        FuzzSupport::fail("a decoded snapshot does not code back to its text");
    // What the command lists: each path from its UTF-8 bytes.
    const QStringList paths = QString::fromUtf8(decoded.toLatin1()).split(QLatin1Char('|'));
    if (paths.isEmpty())
        FuzzSupport::fail("a snapshot without a single entry");
}

void checkRecords(const QString &paths)
{
    // Paths are recorded as their UTF-8 bytes, one character per byte.
    const QString recorded = QString::fromLatin1(paths.toUtf8());
    QString coded;
    try {
        coded = EncodeSnapshot(recorded);
    } catch (const RuntimeFailure &) {
        if (recorded.size() <= kSnapshotMaxLength && !recorded.contains(QChar(0)))
            FuzzSupport::fail("a snapshot of paths that the coding takes is refused");
        return;
    }
    if (DecodeSnapshot(coded) != recorded)
        FuzzSupport::fail("a recorded snapshot does not decode to its paths");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    checkDecodes(QString::fromUtf8(bytes));
    checkDecodes(QString::fromLatin1(bytes));
    checkRecords(QString::fromUtf8(bytes));
    return 0;
}
