// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace kalvora {

/// The work surface's 32-bit pixels as libjpeg-turbo names their byte order: 0xffRRGGBB words.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
inline constexpr J_COLOR_SPACE kSurfaceColorSpace = JCS_EXT_BGRX;
#else
inline constexpr J_COLOR_SPACE kSurfaceColorSpace = JCS_EXT_XRGB;
#endif

/// Rows handed to libjpeg per call; enough to cover the tallest block row.
inline constexpr int kRowBatch = 16;

/// How the JPEG code hears from libjpeg. Fatal errors go through error_exit, which must not
/// return: it jumps back to the setjmp of the stage that called libjpeg. Warnings (corrupt data
/// libjpeg recovers from by filling in grey) are collected, since they mean the picture is
/// damaged and must not be stamped and written over.
struct JpegErrors
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool damaged;
    char damage[JMSG_LENGTH_MAX];
};

/// Sets \a errors up for a fresh libjpeg object.
void initJpegErrors(JpegErrors &errors);

/// Throws the failure of a picture whose data libjpeg reported as damaged.
[[noreturn]] void throwJpegDamaged(const QString &shownPath, const JpegErrors &errors);

/// Throws the failure of a picture whose data are damaged for \a reason.
[[noreturn]] void throwJpegDamaged(const QString &shownPath, const QString &reason);

/// Throws the failure of a picture libjpeg could not read at all.
[[noreturn]] void throwJpegUnreadable(const QString &shownPath, const JpegErrors &errors);

} // namespace kalvora
