// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QString>
#include <QStringList>

#include <functional>

class DateTexts;

namespace kalvora {

struct ExifFields;
struct SourceFile;

/// What a file's stamp may draw on besides the options: the file read once, and its number in
/// the run (from 1, as the list numbers its entries; 0 outside a run).
struct StampSubject
{
    const SourceFile &source;
    int number = 0;
};

/// A custom text with its tokens replaced, and what could not be read on the way (each naming
/// the file and the reason).
struct ExpandedText
{
    QString text;
    QStringList failures;
};

/// Whether \a name (in lower case) names a token: taken, created, modified, accessed, filename,
/// name, folder, camera, lens, exposure, gps or n.
bool isTokenName(const QString &name);

/// Replaces the tokens of \a text. A token is written {name}, {name:PATTERN} (a date's own
/// pattern) or {a|b|...}, which takes the first alternative that has a value; names are read
/// without regard to letter case. "{{" and "}}" stand for braces. A brace that opens no token
/// (no closing brace, or a name that is no token) is kept as written, so a text without tokens
/// comes out as it went in. \a valueOf answers a token's value (empty for none) and throws
/// RuntimeFailure when it cannot be read: the token then has no value and the failure is
/// listed.
ExpandedText expandTokens(const QString &text,
    const std::function<QString(const QString &name, const QString &pattern)> &valueOf);

/// The value of token \a name with \a pattern for \a subject, file dates written and shifted as
/// \a options ask. Throws RuntimeFailure when the date taken cannot be read.
QString tokenValue(const QString &name, const QString &pattern, const StampOptions &options,
    const StampSubject &subject, const DateTexts &texts);

/// The camera of \a exif: its make and model, the make not repeated when the model starts with
/// it ("Canon" and "Canon EOS R5" give "Canon EOS R5").
QString cameraText(const ExifFields &exif);
/// The exposure of \a exif, as "1/250 s f/5.6 ISO 200", leaving out what it does not hold.
QString exposureText(const ExifFields &exif);
/// The GPS position of \a exif in degrees, as "46.3683° N, 14.1142° E"; empty without one.
QString gpsText(const ExifFields &exif);

} // namespace kalvora
