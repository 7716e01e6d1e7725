// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

namespace kalvora {

/// The namespace of the mark in a result's XMP, and the prefix it is written with.
inline constexpr auto kMarkNamespace = "http://ns.vendrel.example/kalvora/1.0/";
inline constexpr auto kMarkPrefix = "kalvora";

/// The largest XMP packet the standard XMP segment of a JPEG holds (its APP1 payload less the
/// namespace that names it).
inline constexpr qsizetype kLargestJpegXmpPacket = 65502;

/// The mark this program leaves in the XMP of every result it stamped: the text drawn
/// (property StampText), when it was drawn as ISO 8601 with the offset from UTC (StampDate,
/// "2026-05-06T07:08:09+02:00") and the program's version (StampVersion). A later run that
/// skips stamped photos looks for it.
struct StampMark
{
    QString text;
    QString date;
    QString version;

    friend bool operator==(const StampMark &, const StampMark &) = default;
};

/// The mark of \a text drawn at \a time by this version of the program.
StampMark stampMarkOf(const QString &text, const QDateTime &time);

/// The mark the XMP packet \a packet carries: the properties of the mark's namespace, written
/// as attributes or as elements anywhere in it. None when the packet is empty, holds none of
/// them, or is not XML up to where they would be.
std::optional<StampMark> readStampMark(const QByteArray &packet);

/// \a packet, an XMP packet, with \a mark in it: its properties put on the packet's first
/// rdf:Description (the namespace declared there), in place of an earlier mark, and everything
/// else as it was, byte for byte. An empty \a packet gives a packet of the mark alone. When the
/// result would be longer than \a largest bytes, the padding before the packet's end gives room
/// first. Answers nothing when the packet is not well-formed UTF-8 XMP (no rdf:RDF) or cannot
/// be made to fit.
std::optional<QByteArray> markedXmpPacket(const QByteArray &packet, const StampMark &mark,
    qsizetype largest = std::numeric_limits<qsizetype>::max());

/// The XMP packet of the GIF file \a file, from its XMP application extension; empty when it
/// has none.
QByteArray gifXmpPacket(const QByteArray &file);

/// ExifTool's assignments of the mark's tags (group XMP-kalvora), with C escapes, so they are
/// read with -ec: a line break or a leading blank of the text survives ExifTool's argument
/// stream.
QStringList stampMarkAssignments(const StampMark &mark);

/// The ExifTool configuration that defines the mark's namespace, which ExifTool must be given
/// with -config as its first argument to write the mark's tags.
QByteArray stampMarkExifToolConfig();

} // namespace kalvora
