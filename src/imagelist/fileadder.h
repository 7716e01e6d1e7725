// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Dialogs;
class EventPump;
class SettingsStore;

namespace FileAdderTexts {
inline constexpr auto kAddFilesTitle
    = QT_TRANSLATE_NOOP("FileAdder", "Add File(s) - Hold Ctrl or Shift to select multiple files");
/// The filter in the classic "description|patterns|" form; the application's dialogs turn it
/// into the toolkit's own.
inline constexpr auto kPictureFilter = QT_TRANSLATE_NOOP("FileAdder",
    "All Pictures (*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;"
    "*.avif)"
    "|*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif|");
inline constexpr auto kExtensionPrompt = QT_TRANSLATE_NOOP("FileAdder",
    "Enter file extension to load:\r\r"
    "(* for all files, txt for all txt files, doc for all "
    "doc files, etc.)");
inline constexpr auto kFolderPrompt = QT_TRANSLATE_NOOP("FileAdder", "Please select folder:");
} // namespace FileAdderTexts

/// What the main window lends the two add handlers.
struct FileAdderContext
{
    Dialogs &dialogs;
    SettingsStore &settings;
    EventPump &events;
    /// ImageList::append: a path and the folder whose walk found it (empty for a chosen file).
    std::function<void(const QString &, const QString &)> append;
    std::function<void(bool)> setBusy; // busy pointer on/off
};

/// "Add Image File(s)": asks for files and appends them. One chosen file is appended as the
/// dialog gave it; several are each normalised.
void addImageFiles(FileAdderContext &context);

/// "Add All File(s) In Folder": asks for an extension and a folder, remembers both, and appends
/// every matching file of the folder and the folders below it while the window shows busy.
/// Cancelling either question ends the command with nothing stored or appended after it.
void addAllFilesInFolder(FileAdderContext &context);
