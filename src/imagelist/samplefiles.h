// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Dialogs;
class ImageList;
class QWidget;
class SettingsStore;

namespace SampleTexts {
inline constexpr auto kOpenFolderQuestion = QT_TRANSLATE_NOOP("SampleFiles",
    "Would you like this software to open the folder where these sample files are stored (so "
    "that you can view them before working with them)?");
} // namespace SampleTexts

/// The key the sample snapshot is coded with: eight lower-case letters.
inline constexpr auto kSnapshotCodingKey = "kvmzrtqy";

/// The longest text the snapshot coding takes; its length is counted in 16 bits.
inline constexpr int kSnapshotMaxLength = 32767;

/// The folder of example pictures: "Samples" beside the program when it is there (a build tree,
/// a relocated copy), otherwise the one in the installed data folder. Without either, the one
/// beside the program, which then holds nothing.
QString samplesFolder();

/// Codes \a text (character codes 1 to 255) by adding the codes of \a key's letters in turn,
/// wrapping above 255 by 255. Throws RuntimeFailure for a text longer than kSnapshotMaxLength
/// or holding a character outside 1 to 255.
QString EncodeSnapshot(const QString &text, const QString &key = QLatin1String(kSnapshotCodingKey));
/// The reverse of EncodeSnapshot, with the same failures.
QString DecodeSnapshot(const QString &text, const QString &key = QLatin1String(kSnapshotCodingKey));

/// Records which files \a folder holds, hidden ones included, as the coded "Snapshot"
/// setting: their full paths joined by "|". A folder that is missing or empty records the empty
/// text, so the start-up takes the snapshot again next time. Paths are carried as their UTF-8
/// bytes, so a folder under any name is recorded. Failures are thrown as RuntimeFailure for the
/// caller's trap.
void TakeSampleSnapshot(SettingsStore &settings, const QString &folder = samplesFolder());

/// Asks a question with the buttons Yes and No; answers true for Yes.
using YesNoQuestion = std::function<bool(const QString &title, const QString &question)>;

/// The question as a Qt message box over \a owner.
YesNoQuestion qtYesNoQuestion(QWidget *owner);

/// What "Load Sample/Example Files" needs of the window.
struct SampleFilesContext
{
    SettingsStore &settings;
    Dialogs &dialogs; // failures are reported through it
    ImageList &list;
    YesNoQuestion askYesNo;
    QString samplesFolder;
};

/// "Load Sample/Example Files": appends every file of the snapshot that still exists and is not
/// listed yet, then asks whether to show the samples folder in the file manager (even when
/// nothing was appended) and shows it on Yes. A failure is reported and ends the command; what
/// was appended stays.
void LoadSampleFiles(SampleFilesContext &context);
