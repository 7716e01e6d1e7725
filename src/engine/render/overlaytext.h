// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/render/textstamp.h"

#include <QColor>
#include <QFont>
#include <QString>

struct StampOptions;
class QImage;
class QPaintDevice;
class QPoint;
class QRect;
class QSize;
class QTransform;

namespace kalvora {

/// The stamp font of the options: face, size in points, bold, italic, underline and
/// strikethrough, drawn antialiased in grey levels only (colour fringes of subpixel rendering
/// would show on a photo).
QFont stampFont(const StampOptions &options);

/// The colour of a stored colour value (red in the low byte).
QColor stampColor(quint32 value);

/// The stamp of \a text that the options shape: their position, font, colour and look. The
/// run, the preview and the command line all build their stamp here.
TextStamp textStampOf(const StampOptions &options, const QString &text);

/// Draws \a stamp onto \a surface at the position that its caption names (one of the nine
/// position captions, compared exactly; any other caption draws nothing), in its font and
/// colour over the picture, antialiased, with a transparent background.
///
/// Lines are cut at "\r\n" (a lone "\n", as text boxes give, cuts too). The three left-hand
/// positions draw the first line at the position and the later ones at x = 0; the others draw
/// every line at the x of the widest line. Margins are those of the stamp's layout in twips
/// (10 left and top, 70 right, 30 bottom; 15 twips to a pixel). The layout is computed in
/// fractional pixels; each line's left edge and baseline are then rounded to whole pixels so
/// the glyphs sit on the pixel grid. Text that does not fit is clipped at the picture's edges.
///
/// The stamp's look changes this: a size in percent makes one line (ascent plus descent) that
/// share of the picture's shorter side as viewed, the glyphs drawn unhinted at that exact size;
/// a margin in percent keeps every line that share of the shorter side from each edge; and a
/// style draws an outline, a soft shadow or a box of the style colour under the glyphs, kept
/// within the margins with the text.
///
/// \a orientation is the picture's EXIF orientation (1 to 8; any other value counts as 1). The
/// surface holds the pixels as stored; the stamp is laid out on the picture as it is viewed
/// and drawn upright there, so a portrait phone photo (orientation 6) gets its stamp at the
/// chosen corner of the portrait, while the stored pixels keep their own orientation and the
/// tag stays true.
void OverlayText(QImage &surface, const TextStamp &stamp, int orientation = 1);

/// OverlayText for a plain stamp at the font's size.
void OverlayText(QImage &surface, const QString &text, const QString &positionCaption,
    const QFont &font, const QColor &color, int orientation = 1);

/// The part of a stored surface of \a surfaceSize that OverlayText with the same arguments may
/// change: the text's lines with the style's reach and a margin of a line's height all round,
/// cut to the surface. Empty when nothing would be drawn. \a resolution is a device at the
/// surface's resolution.
QRect overlayTextBounds(const QSize &surfaceSize, const QPaintDevice &resolution,
    const TextStamp &stamp, int orientation = 1);

/// Draws what OverlayText would draw on a surface of \a surfaceSize onto \a part, which holds
/// that surface's pixels from \a partOrigin on (at the same resolution): a photo can thus be
/// stamped in the small piece the stamp covers, with the same pixels as on the whole.
void overlayTextOnPart(QImage &part, const QPoint &partOrigin, const QSize &surfaceSize,
    const TextStamp &stamp, int orientation = 1);

/// Draws what OverlayText would draw on a stored surface of \a surfaceSize onto \a target, a
/// smaller copy of that surface placed by \a surfaceToTarget (a scale and a shift, no turn):
/// the same stamp at the same place and in the same proportion, as if the stamped surface had
/// been shrunk. The stamp is drawn finer than the copy and averaged down, so a few pixels of
/// text look like shrunken text rather than broken strokes. Answers whether anything was drawn.
bool overlayTextScaled(QImage &target, const QTransform &surfaceToTarget, const QSize &surfaceSize,
    const TextStamp &stamp, int orientation = 1);

/// The transform from the picture as viewed to its stored pixels, for an EXIF orientation
/// (1 to 8; any other value gives the identity) and the stored size. Its inverse turns the
/// stored pixels upright for showing.
QTransform viewedToStored(int orientation, const QSize &storedSize);

} // namespace kalvora
