// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/storedoptions.h"

#include "base/runtimefailure.h"
#include "options/settingsstore.h"

#include <QCoreApplication>

namespace {

// The failure number of the classic run-time for a value a control does not take.
constexpr int kInvalidPropertyValue = 380;

const SettingKey &sourceKey(StampSource source)
{
    switch (source) {
    case StampSource::FileDate:
        return Keys::kSourceFileDate;
    case StampSource::UserDateTime:
        return Keys::kSourceUserDateTime;
    case StampSource::CustomText:
        break;
    }
    return Keys::kSourceCustomText;
}

const SettingKey &saveKey(SaveOption option)
{
    return option == SaveOption::OriginalFolder ? Keys::kSaveOriginalFolder
                                                : Keys::kSaveChosenFolder;
}

// A stored caption as the list item it names; a caption of no item cannot be restored.
template <typename Value> Value listItem(const QString &text, Value (*named)(const QString &))
{
    const Value value = named(text);
    if (value == Value::None)
        throwInvalidValue(
            QCoreApplication::translate("SettingsStore", "\"%1\" is not an item of the list")
                .arg(text));
    return value;
}

} // namespace

void throwInvalidValue(const QString &what)
{
    throw RuntimeFailure(
        QCoreApplication::translate("SettingsStore", "Invalid property value: %1").arg(what),
        kInvalidPropertyValue);
}

StoredOptions::StoredOptions(SettingsStore &settings)
    : m_reader(settings)
    , m_writer(&settings)
{ }

StoredOptions::StoredOptions(const SettingsStore &settings)
    : m_reader(settings)
{ }

SettingsStore &StoredOptions::writer()
{
    if (!m_writer)
        throw RuntimeFailure(QCoreApplication::translate(
            "SettingsStore", "The settings were opened for reading only."));
    return *m_writer;
}

StampOptions StoredOptions::load(const StampOptions &firstStart) const
{
    StampOptions options = firstStart;
    options.source = loadSource(firstStart.source);
    options.fileDateKind = loadFileDateKind();
    options.userDate = loadUserDate(firstStart.userDate);
    options.userTime = loadUserTime(firstStart.userTime);
    options.customText = loadCustomText();
    options.format = loadFormat();
    options.position = loadPosition();
    if (const QString name = loadFontName(); !name.isEmpty())
        options.font.name = name;
    options.font.pointSize = loadFontSize();
    options.font.bold = loadFontBold();
    options.font.italic = loadFontItalic();
    options.font.underline = loadFontUnderline();
    options.font.strikeOut = loadFontStrikethru();
    options.color = loadColor();
    options.jpegQuality = loadJpegQuality();
    // As for the source: the first set button wins, in the order they are restored.
    if (loadSaveChosen(SaveOption::ChosenFolder))
        options.saveOption = SaveOption::ChosenFolder;
    else if (loadSaveChosen(SaveOption::OriginalFolder))
        options.saveOption = SaveOption::OriginalFolder;
    options.outputFolder = loadOutputFolder([&] { return firstStart.outputFolder; });
    options.sampleText = loadSampleText();
    options.look = loadLook();
    options.dates = loadDates();
    options.dates.localeName = firstStart.dates.localeName;
    options.skipStamped = loadSkipStamped();
    options.keepFolders = loadKeepFolders();
    options.keepQuality = loadKeepQuality();
    return options;
}

bool StoredOptions::loadSourceChosen(StampSource source) const
{
    return BooleanByConversion(m_reader.read(sourceKey(source)));
}

StampSource StoredOptions::loadSource(StampSource none) const
{
    for (const StampSource each :
        {StampSource::CustomText, StampSource::FileDate, StampSource::UserDateTime}) {
        if (loadSourceChosen(each))
            return each;
    }
    return none;
}

FileDateKind StoredOptions::loadFileDateKind() const
{
    const qint16 item = SmallInteger(m_reader.read(Keys::kFileDateKind));
    // -1 is a valid position: no item selected.
    if (item != -1 && fileDateKindAt(item) == FileDateKind::None)
        throwInvalidValue(
            //: A stored value that is not valid, shown in "Invalid property value: %1".
            QCoreApplication::translate("SettingsStore", "list position %1").arg(item));
    return fileDateKindAt(item);
}

StampFormat StoredOptions::loadFormat() const
{
    return listItem(m_reader.read(Keys::kFormat), &stampFormatNamed);
}

StampPosition StoredOptions::loadPosition() const
{
    return listItem(m_reader.read(Keys::kPosition), &stampPositionNamed);
}

QString StoredOptions::loadUserDate(const QString &today) const
{
    return m_reader.read(Keys::kUserDate, today);
}

QString StoredOptions::loadUserTime(const QString &timeNow) const
{
    return m_reader.read(Keys::kUserTime, timeNow);
}

QString StoredOptions::loadCustomText() const
{
    return m_reader.read(Keys::kCustomText);
}

QString StoredOptions::loadSampleText() const
{
    return m_reader.read(Keys::kSampleText);
}

int StoredOptions::loadJpegQuality() const
{
    const qint32 quality = LongInteger(m_reader.read(Keys::kJpegQuality));
    if (quality < kLowestQuality || quality > kHighestQuality)
        throwInvalidValue(QCoreApplication::translate("SettingsStore", "quality %1").arg(quality));
    return quality;
}

bool StoredOptions::loadSaveChosen(SaveOption option) const
{
    return BooleanByConversion(m_reader.read(saveKey(option)));
}

QString StoredOptions::loadOutputFolder(const std::function<QString()> &desktopFolder) const
{
    // The desktop folder is only worked out when it is needed: a desktop that cannot be named
    // must not keep a stored output folder from being restored.
    return m_reader.contains(Keys::kOutputFolder) ? m_reader.read(Keys::kOutputFolder)
                                                  : desktopFolder();
}

QString StoredOptions::loadFontName() const
{
    return m_reader.read(Keys::kFontName);
}

double StoredOptions::loadFontSize() const
{
    const qint16 size = SmallInteger(m_reader.read(Keys::kFontSize));
    if (size <= 0)
        throwInvalidValue(QCoreApplication::translate("SettingsStore", "font size %1").arg(size));
    return size;
}

bool StoredOptions::loadFontBold() const
{
    return BooleanByComparison(m_reader.read(Keys::kFontBold));
}

bool StoredOptions::loadFontItalic() const
{
    return BooleanByComparison(m_reader.read(Keys::kFontItalic));
}

bool StoredOptions::loadFontStrikethru() const
{
    return BooleanByComparison(m_reader.read(Keys::kFontStrikethru));
}

bool StoredOptions::loadFontUnderline() const
{
    return BooleanByComparison(m_reader.read(Keys::kFontUnderline));
}

quint32 StoredOptions::loadColor() const
{
    const qint32 color = LongInteger(m_reader.read(Keys::kFontColor));
    if (color < qint32(kBlack) || color > qint32(kWhite))
        throwInvalidValue(QCoreApplication::translate("SettingsStore", "colour %1").arg(color));
    return quint32(color);
}

void StoredOptions::saveSourceChosen(StampSource source, bool chosen)
{
    writer().write(sourceKey(source), settingText(chosen));
}

void StoredOptions::saveFileDateKind(FileDateKind kind)
{
    writer().write(Keys::kFileDateKind, settingText(int(kind)));
}

void StoredOptions::saveFormat(StampFormat format)
{
    writer().write(Keys::kFormat, caption(format));
}

void StoredOptions::savePosition(StampPosition position)
{
    writer().write(Keys::kPosition, caption(position));
}

void StoredOptions::saveUserDate(const QString &date)
{
    writer().write(Keys::kUserDate, date);
}

void StoredOptions::saveUserTime(const QString &time)
{
    writer().write(Keys::kUserTime, time);
}

void StoredOptions::saveCustomText(const QString &text)
{
    writer().write(Keys::kCustomText, text);
}

void StoredOptions::saveSampleText(const QString &text)
{
    writer().write(Keys::kSampleText, text);
}

void StoredOptions::saveJpegQuality(int quality)
{
    writer().write(Keys::kJpegQuality, settingText(quality));
}

void StoredOptions::saveSaveChosen(SaveOption option, bool chosen)
{
    writer().write(saveKey(option), settingText(chosen));
}

void StoredOptions::saveOutputFolder(const QString &folder)
{
    writer().write(Keys::kOutputFolder, folder);
}
