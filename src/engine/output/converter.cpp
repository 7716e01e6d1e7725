// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/output/converter.h"

#include "base/eventpump.h"
#include "base/filehelpers.h"
#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/output/toolrunner.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace kalvora {

namespace {

// An absolute path never starts with "-", so the converter cannot take a file for an option.
QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

QByteArray formatOfContent(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead() ? reader.format() : QByteArray();
}

QString describe(int code, const QString &errorText)
{
    if (code == kToolNotStarted)
        return OutputFailures::tr("the converter could not be started (%1)").arg(errorText);
    if (code == kToolCrashed)
        return OutputFailures::tr("the converter crashed");
    if (code == kToolTimedOut)
        return OutputFailures::tr("the converter did not finish in %1 s")
            .arg(kToolTimeLimitSeconds);
    QString text = OutputFailures::tr("the converter ended with code %1").arg(code);
    if (!errorText.isEmpty())
        text += QStringLiteral(" (%1)").arg(errorText);
    return text;
}

} // namespace

QStringList outputFormatWords(const QString &ext)
{
    const QString lower = ext.toLower();
    if (lower == QLatin1String("gif"))
        return {QStringLiteral("gif"), QStringLiteral("-dither"), QStringLiteral("-colors"),
            QStringLiteral("256")};
    if (lower == QLatin1String("png"))
        return {QStringLiteral("png")};
    if (lower == QLatin1String("tif") || lower == QLatin1String("tiff"))
        return {QStringLiteral("tiff")};
    if (lower == QLatin1String("ico"))
        return {QStringLiteral("ico")};
    if (lower == QLatin1String("webp"))
        return {QStringLiteral("webp")};
    return {};
}

QByteArray convertedFormatOf(const QString &ext)
{
    const QStringList words = outputFormatWords(ext);
    return words.isEmpty() ? QByteArray() : words.first().toLatin1();
}

void ConvertOutput(const QString &outputPath, const QString &ext, ToolRunner &tools)
{
    const QStringList words = outputFormatWords(ext);
    const QString shown = QDir::toNativeSeparators(outputPath);
    if (words.isEmpty())
        throw RuntimeFailure(
            OutputFailures::tr("Cannot convert %1: the format \"%2\" is not supported.")
                .arg(shown, ext),
            5);
    const QString converter = tools.converter();
    QString errorText;
    const int code = tools.run(converter,
        QStringList {QStringLiteral("-out")} << words << absolute(outputPath), &errorText);

    QString failure;
    if (code != 0)
        failure = describe(code, errorText);
    else if (formatOfContent(outputPath) != convertedFormatOf(ext))
        failure = OutputFailures::tr("the converted file is not a %1 picture")
                      .arg(QString::fromLatin1(convertedFormatOf(ext)).toUpper());
    if (failure.isEmpty())
        return;
    // What is left there is bitmap data, or worse, under the target's name.
    NullEventPump noEvents;
    RemoveFile(outputPath, noEvents);
    throw RuntimeFailure(OutputFailures::tr("Cannot convert %1: %2.").arg(shown, failure), 5);
}

} // namespace kalvora
