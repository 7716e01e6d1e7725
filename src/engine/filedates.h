// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DateTexts;

/// Which of a file's own times is read.
enum class FileTime { Created, Modified, Accessed };

/// The chosen time of the file as a date, a blank and a time in the user's locale, converted to
/// local time with the offset that was in force at that time (a summer photo keeps its summer
/// hour in winter). The empty text when the file cannot be found. Where the file system keeps
/// no creation time, Created answers the last-modified time.
QString FileTimeText(const QString &path, FileTime which, const DateTexts &texts);

/// How many leading bytes of a file are searched for the date taken.
inline constexpr qint64 kDateTakenScanBytes = 1024;

/// The date a camera recorded, found in the file's first 1024 bytes: the first field (the bytes
/// between two zero bytes) holding a colon after the first field holding "Exif". Answers the
/// locale's short date, a blank and a 12-hour time, or the empty text when there is no such
/// field. Throws RuntimeFailure when the file cannot be read or is empty, when the field has no
/// second word, or when its words are not a date and a time.
QString DateTakenText(const QString &path, const DateTexts &texts);
