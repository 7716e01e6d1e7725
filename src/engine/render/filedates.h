// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QString>

class DateTexts;

namespace kalvora {

struct SourceFile;

/// Which of a file's own times is read.
enum class FileTime { Created, Modified, Accessed };

/// The chosen time of the file as a date, a blank and a time in the user's locale, converted to
/// local time with the offset that was in force at that time (a summer photo keeps its summer
/// hour in winter). The empty text when the file cannot be found. Where the file system keeps
/// no creation time, Created answers the last-modified time.
QString FileTimeText(const QString &path, FileTime which, const DateTexts &texts);

/// The date a camera recorded, read from the picture's EXIF wherever the format stores it:
/// DateTimeOriginal, else CreateDate, else ModifyDate, the first that holds a valid date and
/// time. Answers the locale's short date, a blank and a 12-hour time, or the empty text ("no
/// date taken") when none does: a picture without EXIF, or with a date such as
/// "0000:00:00 00:00:00", is not an error. Throws RuntimeFailure, naming the file and the reason,
/// only when the file cannot be read or is empty.
QString DateTakenText(const QString &path, const DateTexts &texts);

/// FileTimeText for a file read once.
QString fileTimeText(const SourceFile &source, FileTime which, const DateTexts &texts);

/// DateTakenText for a file read once. Throws the failure met when its EXIF was read.
QString dateTakenText(const SourceFile &source, const DateTexts &texts);

/// The date text of a file read once for the chosen date kind (a FileDateKind): its creation,
/// modification or access time, or its date taken. Throws what dateTakenText throws; answers the
/// empty text for a kind that is not in the list. The composer (ComposeStampText) takes it.
QString fileDateText(FileDateKind kind, const SourceFile &source, const DateTexts &texts);

} // namespace kalvora
