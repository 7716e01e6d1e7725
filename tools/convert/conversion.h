// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The picture formats kalvora-convert can write.
enum class OutputFormat { Jpeg, Png, Tiff, Ico, Gif, Bmp, Webp };

// How a picture is encoded. The colour settings only matter for GIF, the one format here that
// needs a palette.
struct EncodeSettings
{
    int colors = 256;
    bool dither = false;
};

// A failed step: the message names the file and the reason, ready for stderr.
struct ConversionFailure
{
    QString message;
    // The source does not exist (it may have been deleted after it was listed): the caller
    // skips such a file without a word, so it is told apart from a picture that is unreadable.
    bool sourceMissing = false;
};

// The format named by a word of the command line ("jpeg", "png", "tiff", "ico", "gif", "bmp",
// "webp", and the short spellings "jpg" and "tif"), compared without regard to letter case.
std::optional<OutputFormat> formatFromWord(const QString &word);

// The format that the extension of `path` names, for outputs given without a format word.
std::optional<OutputFormat> formatFromExtension(const QString &path);

// The word Qt's image I/O uses for the format ("jpeg", "png", ...).
QByteArray formatName(OutputFormat format);

// Reads the picture in `path`. The format is decided by the content, never by the file name:
// the stamping program writes a bitmap under the output's final name before converting it.
// Orientation tags are not applied: the caller copies the source's tags into the result, so
// turning the pixels as well would turn the picture twice.
std::optional<QImage> readPicture(const QString &path, ConversionFailure *failure);

// Encodes `image` as `format` in memory and checks that the bytes carry that format's
// signature, so that nothing but a complete file of the named format ever reaches the disk.
std::optional<QByteArray> encodePicture(const QImage &image, OutputFormat format,
    const EncodeSettings &settings, ConversionFailure *failure);

// Puts `bytes` under `path` through a temporary file in the same folder and a rename: the old
// file stays as it was until the new one is complete, and an existing file keeps its
// permissions.
bool replaceFileContents(const QString &path, const QByteArray &bytes, ConversionFailure *failure);

// Reads `source`, encodes it as `format` and writes it to `target` (which may be the source).
bool convertPicture(const QString &source, const QString &target, OutputFormat format,
    const EncodeSettings &settings, ConversionFailure *failure);
