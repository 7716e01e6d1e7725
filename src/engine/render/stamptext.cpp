// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render/stamptext.h"

#include "base/runtimefailure.h"
#include "engine/codecs/failuretexts.h"
#include "engine/render/datewriter.h"
#include "engine/render/filedates.h"
#include "engine/render/sourcefile.h"

#include <QDir>
#include <QFileInfo>

namespace kalvora {

namespace {

QString noDateTakenSentence()
{
    return QString::fromLatin1(kNoDateTakenText).section(QLatin1Char('|'), 0, 0);
}

// The sentence as it was always laid out (its time part a single blank), or alone with a
// pattern.
std::optional<QString> sentenceText(const StampOptions &options)
{
    if (!options.dates.pattern.isEmpty())
        return noDateTakenSentence();
    return ComposeStampText(options, QString());
}

// A photo without a date taken, as the options choose: the sentence, the date its name holds
// or its modified date (the sentence when it has neither), or skipped.
void composeWithoutDateTaken(const StampOptions &options, const SourceFile &source,
    const DateTexts &texts, ComposedStamp &composed)
{
    std::optional<FileDate> stand;
    switch (options.dates.noDateTaken) {
    case NoDateTaken::Sentence:
        break;
    case NoDateTaken::FileName:
        stand = fileNameDate(QFileInfo(source.path).fileName());
        break;
    case NoDateTaken::Modified:
        stand = fileTime(source, FileTime::Modified);
        break;
    case NoDateTaken::Skip:
        composed.skipped = true;
        composed.note = StampFailures::tr("%1 has no date taken: it was left as it is.")
                            .arg(QDir::toNativeSeparators(source.path));
        return;
    }
    composed.text = stand
        ? DateWriter(options, texts).write(shifted(*stand, options.dates.timeShiftMinutes))
        : sentenceText(options);
}

void composeFileDate(const StampOptions &options, const SourceFile &source, const DateTexts &texts,
    ComposedStamp &composed)
{
    if (options.fileDateKind == FileDateKind::None)
        return;
    std::optional<FileDate> date;
    try {
        date = fileDate(options.fileDateKind, source);
    } catch (const RuntimeFailure &failure) {
        // Stamped as a photo without a date taken, and told.
        composed.failures << failure.description();
    }
    if (date) {
        composed.text
            = DateWriter(options, texts).write(shifted(*date, options.dates.timeShiftMinutes));
    } else if (options.fileDateKind == FileDateKind::DateTaken) {
        composeWithoutDateTaken(options, source, texts, composed);
    } else {
        throw RuntimeFailure(StampFailures::tr("The %1 of %2 is not known.")
                                 .arg(caption(options.fileDateKind).toLower(),
                                     QDir::toNativeSeparators(source.path)),
            9);
    }
}

// Each failure ends with what its file got instead, so the report shows the stamp as drawn.
void tellWhatWasStamped(ComposedStamp &composed)
{
    if (composed.skipped)
        return;
    const QString outcome = composed.text && !composed.text->isEmpty()
        //: Added to the end of a failure sentence: keep the space in front.
        ? StampFailures::tr(" It was stamped \"%1\".").arg(*composed.text)
        : StampFailures::tr(" Nothing was stamped on it.");
    for (QString &failure : composed.failures)
        failure += outcome;
}

} // namespace

std::optional<QString> ComposeStampText(const StampOptions &options, const QString &dateText)
{
    if (options.source == StampSource::UserDateTime)
        return options.userDate + QLatin1Char(' ') + options.userTime;
    if (options.source == StampSource::CustomText)
        return options.customText;
    if (caption(options.fileDateKind).isEmpty())
        return std::nullopt;
    const bool noDateTaken = options.fileDateKind == FileDateKind::DateTaken && dateText.isEmpty();
    const QStringList items = noDateTaken
        ? QString::fromLatin1(kNoDateTakenText).split(QLatin1Char('|'))
        : dateText.split(QLatin1Char(' '));
    if (items.size() < 2)
        throw RuntimeFailure(
            StampFailures::tr("The file date \"%1\" holds no time.").arg(dateText), 9);
    QString timePart = items[1];
    if (items.size() > 2)
        timePart += QLatin1Char(' ') + items[2];
    return layOut(options.format, items[0], timePart);
}

ComposedStamp ComposeStampText(
    const StampOptions &options, const StampSubject &subject, const DateTexts &texts)
{
    ComposedStamp composed;
    switch (options.source) {
    case StampSource::FileDate:
        composeFileDate(options, subject.source, texts, composed);
        break;
    case StampSource::UserDateTime:
        composed.text = options.userDate + QLatin1Char(' ') + options.userTime;
        break;
    case StampSource::CustomText: {
        ExpandedText expanded
            = expandTokens(options.customText, [&](const QString &name, const QString &pattern) {
                  return tokenValue(name, pattern, options, subject, texts);
              });
        composed.text = expanded.text;
        composed.failures = expanded.failures;
        break;
    }
    }
    tellWhatWasStamped(composed);
    return composed;
}

std::optional<QString> ComposeStampText(
    const StampOptions &options, const QString &path, const DateTexts &texts, int number)
{
    std::optional<SourceFile> source = readSourceFile(path);
    if (!source)
        source = SourceFile {path, {}, {}, {}, {}, {}, {}};
    const ComposedStamp composed = ComposeStampText(options, {*source, number}, texts);
    return composed.skipped ? std::nullopt : composed.text;
}

} // namespace kalvora
