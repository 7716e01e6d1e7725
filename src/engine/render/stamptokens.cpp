// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/stamptokens.h"

#include "base/runtimefailure.h"
#include "engine/render/datewriter.h"
#include "engine/render/filedates.h"
#include "engine/render/sourcefile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <optional>

namespace kalvora {

namespace {

struct Alternative
{
    QString name;
    QString pattern;
};

// The alternatives of a token's body ("taken:dd MMM|modified"); none when one of them names no
// token, so the braces are kept as written.
std::optional<QList<Alternative>> alternativesOf(const QString &body)
{
    QList<Alternative> alternatives;
    for (const QString &part : body.split(QLatin1Char('|'))) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        Alternative alternative {part.left(colon < 0 ? part.size() : colon).trimmed().toLower(),
            colon < 0 ? QString() : part.mid(colon + 1)};
        if (!isTokenName(alternative.name))
            return std::nullopt;
        alternatives.append(alternative);
    }
    return alternatives;
}

std::optional<FileDateKind> dateKindNamed(const QString &name)
{
    if (name == u"taken")
        return FileDateKind::DateTaken;
    if (name == u"created")
        return FileDateKind::DateCreated;
    if (name == u"modified")
        return FileDateKind::DateModified;
    if (name == u"accessed")
        return FileDateKind::DateAccessed;
    return std::nullopt;
}

QString decimalText(double value, int decimals)
{
    QString text = QLocale::c().toString(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

// Shutter speeds below a second are written as the fractions cameras show (1/250); others,
// and fractions that are not of that kind (0.4), in seconds.
QString exposureTimeText(double seconds)
{
    if (seconds < 1) {
        const double denominator = std::round(1 / seconds);
        if (denominator >= 2 && std::abs(denominator * seconds - 1) < 0.02)
            return QStringLiteral("1/%1 s").arg(qint64(denominator));
    }
    return decimalText(seconds, 1) + QStringLiteral(" s");
}

QString coordinateText(double degrees, QChar positive, QChar negative)
{
    return QStringLiteral("%1° %2").arg(QLocale::c().toString(std::abs(degrees), 'f', 4),
        QString(degrees < 0 ? negative : positive));
}

} // namespace

bool isTokenName(const QString &name)
{
    static const QStringList names {QStringLiteral("taken"), QStringLiteral("created"),
        QStringLiteral("modified"), QStringLiteral("accessed"), QStringLiteral("filename"),
        QStringLiteral("name"), QStringLiteral("folder"), QStringLiteral("camera"),
        QStringLiteral("lens"), QStringLiteral("exposure"), QStringLiteral("gps"),
        QStringLiteral("n")};
    return names.contains(name);
}

ExpandedText expandTokens(const QString &text,
    const std::function<QString(const QString &name, const QString &pattern)> &valueOf)
{
    ExpandedText expanded;
    const auto valueOfToken = [&](const QList<Alternative> &alternatives) {
        for (const Alternative &alternative : alternatives) {
            try {
                const QString value = valueOf(alternative.name, alternative.pattern);
                if (!value.isEmpty())
                    return value;
            } catch (const RuntimeFailure &failure) {
                if (!expanded.failures.contains(failure.description()))
                    expanded.failures << failure.description();
            }
        }
        return QString();
    };
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if ((c == u'{' || c == u'}') && doubled) {
            expanded.text += c;
            i += 2;
            continue;
        }
        const qsizetype close = c == u'{' ? text.indexOf(QLatin1Char('}'), i + 1) : -1;
        const QString body = close < 0 ? QString() : text.mid(i + 1, close - i - 1);
        const auto alternatives
            = close < 0 || body.contains(QLatin1Char('{')) ? std::nullopt : alternativesOf(body);
        if (!alternatives) {
            expanded.text += c;
            ++i;
            continue;
        }
        expanded.text += valueOfToken(*alternatives);
        i = close + 1;
    }
    return expanded;
}

QString tokenValue(const QString &name, const QString &pattern, const StampOptions &options,
    const StampSubject &subject, const DateTexts &texts)
{
    const SourceFile &source = subject.source;
    if (const auto kind = dateKindNamed(name)) {
        const auto date = fileDate(*kind, source);
        if (!date)
            return {};
        return DateWriter(options, texts)
            .write(shifted(*date, options.dates.timeShiftMinutes), pattern);
    }
    const QFileInfo file(source.path);
    if (name == u"filename")
        return file.fileName();
    if (name == u"name")
        return file.completeBaseName();
    if (name == u"folder")
        return file.absoluteDir().dirName();
    if (name == u"camera")
        return cameraText(source.exif);
    if (name == u"lens")
        return source.exif.lensModel;
    if (name == u"exposure")
        return exposureText(source.exif);
    if (name == u"gps")
        return gpsText(source.exif);
    if (name == u"n")
        return subject.number > 0 ? QString::number(subject.number) : QString();
    return {};
}

QString cameraText(const ExifFields &exif)
{
    if (exif.make.isEmpty() || exif.model.isEmpty())
        return exif.model.isEmpty() ? exif.make : exif.model;
    // "NIKON CORPORATION" and "NIKON D850" share the maker's first word only.
    const QString maker = exif.make.section(QLatin1Char(' '), 0, 0);
    const bool repeated = exif.model.startsWith(maker, Qt::CaseInsensitive)
        && (exif.model.size() == maker.size() || exif.model[maker.size()] == u' ');
    return repeated ? exif.model : exif.make + QLatin1Char(' ') + exif.model;
}

QString exposureText(const ExifFields &exif)
{
    QStringList parts;
    if (exif.exposureTime > 0)
        parts << exposureTimeText(exif.exposureTime);
    if (exif.fNumber > 0)
        parts << QStringLiteral("f/") + decimalText(exif.fNumber, 1);
    if (exif.iso > 0)
        parts << QStringLiteral("ISO %1").arg(exif.iso);
    return parts.join(QLatin1Char(' '));
}

QString gpsText(const ExifFields &exif)
{
    if (!exif.latitude || !exif.longitude)
        return {};
    return coordinateText(*exif.latitude, u'N', u'S') + QStringLiteral(", ")
        + coordinateText(*exif.longitude, u'E', u'W');
}

} // namespace kalvora
