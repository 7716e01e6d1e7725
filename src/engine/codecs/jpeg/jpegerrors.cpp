// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegerrors.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"

#include <QDir>

#include <jerror.h>

namespace kalvora {

namespace {

void errorExit(j_common_ptr info)
{
    auto *errors = reinterpret_cast<JpegErrors *>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Whether a warning means the pixels are not the ones the file was written with. Damage is data
// libjpeg had to make up or could not place: a file or a scan that ends early, a code that
// decodes to nothing, restart markers out of turn, bytes a scan left unread (its decoding went
// astray before them), scans that refine what no earlier scan set, and any warning a later
// libjpeg may add. Harmless are header details the picture decodes well without: an unusual
// JFIF version or Adobe transform code, a broken colour profile, scan parameters a sequential
// picture does not use (some encoders write zeros there), and stray bytes between the header's
// segments, before the first scan.
bool damagesPixels(j_common_ptr info, int code)
{
    switch (code) {
    case JWRN_ADOBE_XFORM:
    case JWRN_JFIF_MAJOR:
    case JWRN_BOGUS_ICC:
    case JWRN_NOT_SEQUENTIAL:
        return false;
    case JWRN_EXTRANEOUS_DATA:
        return !info->is_decompressor
            || reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > 0;
    default:
        return true;
    }
}

void emitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages
    auto *errors = reinterpret_cast<JpegErrors *>(info->err);
    ++errors->base.num_warnings;
    if (errors->damaged || !damagesPixels(info, errors->base.msg_code))
        return;
    errors->damaged = true;
    errors->base.format_message(info, errors->damage);
}

} // namespace

void initJpegErrors(JpegErrors &errors)
{
    jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.emit_message = emitMessage;
    errors.message[0] = '\0';
    errors.damaged = false;
    errors.damage[0] = '\0';
}

void throwJpegDamaged(const QString &shownPath, const JpegErrors &errors)
{
    throwJpegDamaged(shownPath, QString::fromLocal8Bit(errors.damage));
}

void throwJpegDamaged(const QString &shownPath, const QString &reason)
{
    throw RuntimeFailure(PictureFailures::tr("The picture %1 is damaged (%2); it is left as it is.")
                             .arg(QDir::toNativeSeparators(shownPath), reason),
        481);
}

void throwJpegUnreadable(const QString &shownPath, const JpegErrors &errors)
{
    const QString reason = errors.message[0]
        ? QString::fromLocal8Bit(errors.message)
        : PictureFailures::tr("the picture is too large for the memory");
    throw RuntimeFailure(PictureFailures::tr("Cannot load the picture %1: %2")
                             .arg(QDir::toNativeSeparators(shownPath), reason),
        481);
}

} // namespace kalvora
