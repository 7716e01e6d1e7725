// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegerrors.h"

#include "base/runtimefailure.h"

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

// Warnings that say nothing about the pixels: an unusual header field or a broken colour
// profile, which the picture decodes well without.
bool harmlessWarning(int code)
{
    return code == JWRN_ADOBE_XFORM || code == JWRN_JFIF_MAJOR || code == JWRN_BOGUS_ICC;
}

void emitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages
    auto *errors = reinterpret_cast<JpegErrors *>(info->err);
    ++errors->base.num_warnings;
    if (errors->damaged || harmlessWarning(errors->base.msg_code))
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
    throw RuntimeFailure(
        QStringLiteral("The picture %1 is damaged (%2); it is left as it is.")
            .arg(QDir::toNativeSeparators(shownPath), QString::fromLocal8Bit(errors.damage)),
        481);
}

void throwJpegUnreadable(const QString &shownPath, const JpegErrors &errors)
{
    const QString reason = errors.message[0]
        ? QString::fromLocal8Bit(errors.message)
        : QStringLiteral("the picture is too large for the memory");
    throw RuntimeFailure(QStringLiteral("Cannot load the picture %1: %2")
                             .arg(QDir::toNativeSeparators(shownPath), reason),
        481);
}

} // namespace kalvora
