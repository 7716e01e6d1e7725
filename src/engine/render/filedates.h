// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QDateTime>
#include <QString>

#include <optional>

class DateTexts;

namespace kalvora {

struct ExifFields;
struct SourceFile;

/// Which of a file's own times is read.
enum class FileTime { Created, Modified, Accessed };

/// One date of a file, before it is written: either a moment the file system kept (a time shift
/// moves the moment, which is then written in local time with the offset of its own date) or a
/// clock's reading with no zone, a camera's or a file name's (held as UTC; a time shift moves
/// the reading itself, whatever the local zone does that night).
struct FileDate
{
    QDateTime moment;
    /// A camera's or file name's reading rather than a moment of the file system.
    bool reading = false;
    /// False for a date alone (a name such as IMG-20230815-WA0001, an XMP date with no time).
    bool hasTime = true;

    /// The date and time as written: a moment in local time, a reading as it is.
    QDateTime local() const { return reading ? moment : moment.toLocalTime(); }
};

/// The chosen time of the file as a date, a blank and a time in the user's locale, converted to
/// local time with the offset that was in force at that time (a summer photo keeps its summer
/// hour in winter). The empty text when the file cannot be found. Where the file system keeps
/// no creation time, Created answers the last-modified time.
QString FileTimeText(const QString &path, FileTime which, const DateTexts &texts);

/// The date a camera recorded, read from the picture's EXIF wherever the format stores it:
/// DateTimeOriginal, else CreateDate, else ModifyDate, else the XMP dates (see dateTaken), the
/// first that holds a valid date. Answers the locale's short date, a blank and a 12-hour time,
/// or the empty text ("no date taken") when none does: a picture without EXIF, or with a date
/// such as "0000:00:00 00:00:00", is not an error. Throws RuntimeFailure, naming the file and
/// the reason, only when the file cannot be read or is empty.
QString DateTakenText(const QString &path, const DateTexts &texts);

/// FileTimeText for a file read once.
QString fileTimeText(const SourceFile &source, FileTime which, const DateTexts &texts);

/// DateTakenText for a file read once. Throws the failure met when its EXIF was read.
QString dateTakenText(const SourceFile &source, const DateTexts &texts);

/// The date text of a file read once for the chosen date kind (a FileDateKind): its creation,
/// modification or access time, or its date taken. Throws what dateTakenText throws; answers the
/// empty text for a kind that is not in the list. The composer (ComposeStampText) takes it.
QString fileDateText(FileDateKind kind, const SourceFile &source, const DateTexts &texts);

/// The date taken of \a exif: EXIF's DateTimeOriginal, CreateDate and ModifyDate, then the XMP
/// dates exif:DateTimeOriginal, photoshop:DateCreated and xmp:CreateDate (their zone, when they
/// carry one, left aside: like EXIF's, the reading is the camera's local clock); the first that
/// holds a valid date. None when none does.
std::optional<FileDate> dateTaken(const ExifFields &exif);

/// The file's own time \a which, as a moment; none when the file system gave none.
std::optional<FileDate> fileTime(const SourceFile &source, FileTime which);

/// The date of \a kind for a file read once; none for no date taken or no kind. Throws the
/// failure met when its EXIF was read, for the date taken only.
std::optional<FileDate> fileDate(FileDateKind kind, const SourceFile &source);

/// The date and time a file's name holds, as phones, cameras and screenshot tools write them
/// (IMG_20230815_142233, 20230815_142233, 2023-08-15 14.22.33, PXL_20230815_142233123,
/// Screenshot from 2023-08-15 14-22-33), or the date alone (IMG-20230815-WA0001): a reading.
/// None when the name holds no valid date from 1900 to 2099.
std::optional<FileDate> fileNameDate(const QString &fileName);

/// \a date moved by \a minutes (see FileDate). A date alone moves by whole days only.
FileDate shifted(FileDate date, int minutes);

/// The date part of \a date as the four formats write it: the locale's short date.
QString datePartOf(const FileDate &date, const DateTexts &texts);
/// Its time part: a reading's on the 12-hour clock, as dates taken are written, a moment's in
/// the locale's long time; empty for a date alone.
QString timePartOf(const FileDate &date, const DateTexts &texts);

} // namespace kalvora
