// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QString>

#include <optional>

class DateTexts;

namespace kalvora {

/// The literal stamped when a file has no date taken. Its items are cut at "|", so the time
/// part is a single blank.
inline constexpr auto kNoDateTakenText = "There is no date taken associated with this file.||";

/// The date text of the file for the chosen date kind: FileTimeText or DateTakenText. Throws
/// what DateTakenText throws; answers the empty text for no kind.
QString fileDateText(FileDateKind fileDateKind, const QString &path, const DateTexts &texts);

/// The stamp text for one file, given the file's date text as FileDateText answered it (an
/// empty date text of the date-taken kind stands for "no date taken"). Answers no text at all
/// when nothing is to be drawn: no format or no date kind selected. Throws
/// RuntimeFailure when a date text holds no time.
std::optional<QString> ComposeStampText(const StampOptions &options, const QString &dateText);

/// Reads the file's date as the options ask and composes its stamp text.
std::optional<QString> ComposeStampText(
    const StampOptions &options, const QString &path, const DateTexts &texts);

} // namespace kalvora
