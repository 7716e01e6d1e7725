// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace kalvora {

// The catalogue contexts of the engine's texts that reach a person: a failure's sentence or a
// reason composed into one, each translated where it is made (threads included: the
// translators are installed before any run starts). The English text is the source string.

/// Why a picture cannot be read or written, and its reasons (damage, an unsupported kind).
struct PictureFailures
{
    Q_DECLARE_TR_FUNCTIONS(PictureFailures)
};

/// Why a JPEG's blocks cannot be read, stamped or kept at the photo's own quality.
struct JpegReasons
{
    Q_DECLARE_TR_FUNCTIONS(JpegReasons)
};

/// Why a result cannot be saved, converted or put in place.
struct OutputFailures
{
    Q_DECLARE_TR_FUNCTIONS(OutputFailures)
};

/// Why the tags of a picture cannot be read or copied.
struct TagFailures
{
    Q_DECLARE_TR_FUNCTIONS(TagFailures)
};

/// A stamp's failures and notes: what a run says about one file.
struct StampFailures
{
    Q_DECLARE_TR_FUNCTIONS(StampFailures)
};

/// What undoing a stamp did to a file, or why it did not.
struct UndoReasons
{
    Q_DECLARE_TR_FUNCTIONS(UndoReasons)
};

} // namespace kalvora
