// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/render/stamptokens.h"
#include "options/stampoptions.h"

#include <QString>
#include <QStringList>

#include <optional>

class DateTexts;

namespace kalvora {

/// The literal stamped when a file has no date taken. Its items are cut at "|", so the time
/// part is a single blank.
inline constexpr auto kNoDateTakenText = "There is no date taken associated with this file.||";

/// What one file of a run is to get.
struct ComposedStamp
{
    /// The text to draw; none when nothing is drawn (no format or no date kind selected).
    std::optional<QString> text;
    /// Whether the file is to be left as it is: it has no date taken, and such photos are
    /// skipped. The note names the file and says so.
    bool skipped = false;
    QString note;
    /// The dates that could not be read (a date taken of a file that cannot be read), each
    /// naming the file and the reason and ending with the text the file got instead.
    QStringList failures;
};

/// The stamp text for one file, given the file's date text as fileDateText answered it (an
/// empty date text of the date-taken kind stands for "no date taken"), laid out by the format
/// of \a options alone. Answers no text at all when nothing is to be drawn: no format or no
/// date kind selected. Throws RuntimeFailure when a date text holds no time.
std::optional<QString> ComposeStampText(const StampOptions &options, const QString &dateText);

/// What \a subject gets: a file date, written with the date pattern or laid out by the format,
/// moved by the time shift, the date taken falling back as the options choose when the photo
/// has none; the user's date and time; or the custom text with its tokens replaced (see
/// expandTokens and tokenValue). A file date that cannot be read is listed in failures and
/// taken as none. Throws RuntimeFailure when a file time the options stamp is not known.
ComposedStamp ComposeStampText(
    const StampOptions &options, const StampSubject &subject, const DateTexts &texts);

/// Reads the file at \a path once and composes its text as the run does, as entry \a number;
/// a file that is not there has no dates. Answers none when nothing is drawn or the file is to
/// be skipped.
std::optional<QString> ComposeStampText(
    const StampOptions &options, const QString &path, const DateTexts &texts, int number = 0);

} // namespace kalvora
