// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/metadata/stampmark.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

class QProcess;
class QTemporaryFile;

namespace kalvora {

/// The mark of the stamp a result gets in the same ExifTool command that copies its tags.
struct ResultMark
{
    /// For a result whose XMP is copied as one block (see copiesXmpBlock): a file holding the
    /// source's XMP packet with the mark in it (see markedXmpPacket), written in its place.
    QString xmpFile;
    /// For the others: the mark, written as tags after the copied ones.
    std::optional<StampMark> tags;
    /// For a result that is to hold no XMP at all (the undo of a stamp whose original had
    /// none): no XMP is copied, as a block or as tags.
    bool withoutXmp = false;
};

/// Whether the result \a outputPath gets its source's XMP as one block (PNG, WebP, TIFF), which
/// ExifTool writes whole, so the mark must be in it rather than written as tags beside it.
bool copiesXmpBlock(const QString &outputPath);

/// The arguments that copy the source's tags into the output, chosen by the output's extension:
/// a PNG or WebP gets the EXIF, XMP, IPTC and ICC blocks and PNG's own text and gamma, a TIFF
/// every tag and the XMP, IPTC and ICC blocks, other formats the EXIF, GPS, IPTC and XMP tags.
/// Numbers are copied as stored. Both paths are made absolute, so neither can be read as an
/// option. \a mark adds the mark of the stamp: the XMP block from its file, or its tags.
QStringList copyMetadataArguments(
    const QString &sourcePath, const QString &outputPath, const ResultMark &mark = {});

/// True when ExifTool would take \a path for something else than the file it names: "%"
/// followed by a letter is a file-name code in a -TagsFromFile path, and a line break cannot be
/// passed through its argument stream.
bool exifToolMisreadsPath(const QString &path);

/// How long a copy waits for ExifTool's answer before it takes ExifTool for stuck, in seconds.
/// Copying the tags into a 100-megapixel TIFF (some 300 MB that ExifTool reads and writes
/// whole) takes a few seconds; this leaves room for a slow disk and a busy machine.
inline constexpr int kExifToolAnswerLimitSeconds = 120;

/// One ExifTool process kept open (-stay_open True -@ -) that copies tags file after file, so
/// Perl and ExifTool start once instead of for every file.
///
/// Each copy's answer is read up to its own end marker and judged: an error, or no file updated
/// although the source had tags, makes the copy fail; a warning with a copy that was made (about
/// the source's own data: a stale IPTC digest, an over-long IPTC field) is answered as a note.
/// When the process dies (a crash, a kill), the copy in progress fails saying so and the next
/// copy starts a new process. A process that gives no answer within the session's limit is
/// taken for stuck: it is ended (killed when it does not end when asked), the copy fails
/// saying how long it waited, and the next copy starts a new process. A session belongs to the
/// thread that uses it; only interrupt() may be called from another.
///
/// ExifTool is started with the definition of the mark's namespace (stampMarkExifToolConfig),
/// written to a private file in \a configFolder (the system's temporary folder when empty) that
/// lives as long as the session.
class ExifToolSession
{
public:
    explicit ExifToolSession(QString program, int answerLimitSeconds = kExifToolAnswerLimitSeconds,
        QString configFolder = QString());
    ~ExifToolSession();
    ExifToolSession(const ExifToolSession &) = delete;
    ExifToolSession &operator=(const ExifToolSession &) = delete;

    /// Copies the tags of \a sourcePath into \a outputPath in place (no backup file is kept).
    /// Paths ExifTool would misread are passed through links made in \a linkFolder. Throws
    /// RuntimeFailure naming both files and the reason when the copy fails. Answers ExifTool's
    /// warnings about a copy that was made, each once, without the file name it appends.
    /// \a mark is written in the same command (see copyMetadataArguments).
    QStringList copyTags(const QString &sourcePath, const QString &outputPath,
        const QString &linkFolder, const ResultMark &mark = {});

    /// Starts ExifTool now, so Perl loads while the first picture is still being worked on.
    /// Answers false (with \a error set) when it cannot be started.
    bool start(QString *error = nullptr);

    /// The process id of the running ExifTool, or 0; lets tests end it as a crash would.
    qint64 processId() const;

    /// How long a copy waits for ExifTool's answer, in seconds (at least 1).
    int answerLimitSeconds() const { return m_answerLimitSeconds; }
    void setAnswerLimitSeconds(int seconds);

    /// For a run that is to end now rather than wait for answers that may never come: the copy
    /// in progress ends within a tenth of a second, its ExifTool killed, and fails, as does every
    /// later copy. Safe to call from any thread.
    void interrupt() { m_interrupted = true; }

private:
    void stop();
    QByteArray readAnswer(
        const QByteArray &marker, const QString &sourcePath, const QString &outputPath);
    void abandon(const QString &outputPath);

    bool writeConfig(QString *error);

    QString m_program;
    int m_answerLimitSeconds;
    QString m_configFolder;
    std::unique_ptr<QTemporaryFile> m_config;
    std::unique_ptr<QProcess> m_process;
    int m_command = 0;
    std::atomic<bool> m_interrupted = false;
};

} // namespace kalvora
