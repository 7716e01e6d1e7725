// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: the Qt application that drawing text needs, and the stamp a fuzz
// input chooses with its first bytes, so one input reaches every position, size, text and
// quality.

#include "engine/render/overlaytext.h"
#include "options/stampoptions.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

/// Starts the one application of a fuzz target on the offscreen platform, as the tests run, so
/// fonts resolve as they do for a stamp run.
inline void startApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kalvora-fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

/// Stops the fuzzer with \a what: the target found behaviour that is wrong without crashing
/// (a result that fails its own check), which libFuzzer then saves like a crash.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

/// The stamp an input chooses.
struct StampChoice
{
    QString text;
    QString position; // one of the nine captions, or one that draws nothing
    QFont font;
    QColor color;
    int quality = 85;
    int orientation = 1; // 0 to 8, 0 being no valid orientation
};

/// How many leading bytes of an input choose the stamp.
inline constexpr std::size_t kStampChoiceBytes = 4;

/// Takes the stamp from the first kStampChoiceBytes of \a data and moves past them: the
/// position, the size in points (0 is the toolkit's default), the text and the font's styles,
/// the quality and the orientation.
inline StampChoice takeStampChoice(const std::uint8_t *&data, std::size_t &size)
{
    static const std::array<const char *, 8> texts = {"", "8", "2021-08-31 13:23:45",
        "There is no date taken associated with this file.", "Line one\r\nLine two\nThree",
        "\xC3\x9C"
        "ber \xE6\x97\xA5\xE6\x9C\xAC \xE2\x9C\x93",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 .,;:!?", "|\t| "};
    StampChoice choice;
    const QStringList positions = stampPositionCaptions();
    choice.position = positions.value(data[0] % (positions.size() + 1));
    StampOptions options;
    options.font.name = QStringLiteral("Arial");
    options.font.pointSize = data[1] % 129;
    choice.text = QString::fromUtf8(texts[data[2] % texts.size()]);
    options.font.bold = data[2] & 0x08;
    options.font.italic = data[2] & 0x10;
    options.font.underline = data[2] & 0x20;
    options.font.strikeOut = data[2] & 0x40;
    choice.font = kalvora::stampFont(options);
    choice.color = (data[2] & 0x80) ? QColor(Qt::white) : QColor(255, 0, 255);
    choice.quality = 1 + data[3] % 100;
    choice.orientation = (data[3] / 100) * 3 + data[3] % 3; // 0 to 8
    data += kStampChoiceBytes;
    size -= kStampChoiceBytes;
    return choice;
}

/// The bytes of an input as a file's content.
inline QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace FuzzSupport
