// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The stamp's looks, the date choices and the run's choices as the settings keep them.
#include "options/settingsstore.h"
#include "options/storedoptions.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// A stored name of a value; a name of no value cannot be restored.
template <typename Value>
Value namedValue(const QString &text, std::optional<Value> (*named)(const QString &))
{
    const std::optional<Value> value = named(text);
    if (!value)
        throwInvalidValue(QStringLiteral("\"%1\"").arg(text));
    return *value;
}

// A stored percent within [least, most], written with a dot whatever the locale.
double percent(const QString &text, double least, double most)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || value < least || value > most)
        throwInvalidValue(QCoreApplication::translate("SettingsStore", "percent \"%1\"").arg(text));
    return value;
}

int smallWithin(const QString &text, int least, int most)
{
    const int value = SmallInteger(text);
    if (value < least || value > most)
        throwInvalidValue(QStringLiteral("%1").arg(value));
    return value;
}

QString percentText(double value)
{
    return QLocale::c().toString(value, 'g', 6);
}

} // namespace

StampLook StoredOptions::loadLook() const
{
    StampLook look;
    look.sizeMode = namedValue(m_reader.read(Keys::kSizeMode), &sizeModeNamed);
    look.sizePercent = percent(m_reader.read(Keys::kSizePercent), StampLook::kLeastSizePercent,
        StampLook::kMostSizePercent);
    look.style = namedValue(m_reader.read(Keys::kTextStyle), &textStyleNamed);
    // -1: the colour that suits the text's.
    const qint32 color = LongInteger(m_reader.read(Keys::kStyleColor));
    if (color < -1 || color > qint32(kWhite))
        throwInvalidValue(QCoreApplication::translate("SettingsStore", "colour %1").arg(color));
    if (color >= 0)
        look.styleColor = quint32(color);
    look.outlineWidth = smallWithin(m_reader.read(Keys::kOutlineWidth), 1, 25);
    look.boxOpacity = smallWithin(m_reader.read(Keys::kBoxOpacity), 0, 100);
    look.marginMode = namedValue(m_reader.read(Keys::kMarginMode), &marginModeNamed);
    look.marginPercent = percent(m_reader.read(Keys::kMarginPercent), 0, 25);
    return look;
}

DateChoices StoredOptions::loadDates() const
{
    DateChoices dates;
    dates.pattern = m_reader.read(Keys::kDatePattern);
    dates.noDateTaken = namedValue(m_reader.read(Keys::kNoDateTaken), &noDateTakenNamed);
    const QString shift = m_reader.read(Keys::kTimeShift);
    const std::optional<int> minutes = timeShiftMinutesOf(shift);
    if (!minutes)
        throwInvalidValue(
            QCoreApplication::translate("SettingsStore", "time shift \"%1\"").arg(shift));
    dates.timeShiftMinutes = *minutes;
    return dates;
}

bool StoredOptions::loadSkipStamped() const
{
    return BooleanByComparison(m_reader.read(Keys::kSkipStamped));
}

bool StoredOptions::loadKeepFolders() const
{
    return BooleanByComparison(m_reader.read(Keys::kKeepFolders));
}

bool StoredOptions::loadKeepQuality() const
{
    return BooleanByComparison(m_reader.read(Keys::kKeepQuality));
}

void StoredOptions::saveLook(const StampLook &look)
{
    SettingsStore &store = writer();
    store.write(Keys::kSizeMode, nameOf(look.sizeMode));
    store.write(Keys::kSizePercent, percentText(look.sizePercent));
    store.write(Keys::kTextStyle, nameOf(look.style));
    store.write(Keys::kStyleColor, settingText(look.styleColor ? int(*look.styleColor) : -1));
    store.write(Keys::kOutlineWidth, settingText(look.outlineWidth));
    store.write(Keys::kBoxOpacity, settingText(look.boxOpacity));
    store.write(Keys::kMarginMode, nameOf(look.marginMode));
    store.write(Keys::kMarginPercent, percentText(look.marginPercent));
}

void StoredOptions::saveDates(const DateChoices &dates)
{
    SettingsStore &store = writer();
    store.write(Keys::kDatePattern, dates.pattern);
    store.write(Keys::kNoDateTaken, nameOf(dates.noDateTaken));
    store.write(Keys::kTimeShift, timeShiftText(dates.timeShiftMinutes));
}

void StoredOptions::saveSkipStamped(bool skip)
{
    writer().write(Keys::kSkipStamped, settingText(skip));
}

void StoredOptions::saveKeepFolders(bool keep)
{
    writer().write(Keys::kKeepFolders, settingText(keep));
}

void StoredOptions::saveKeepQuality(bool keep)
{
    writer().write(Keys::kKeepQuality, settingText(keep));
}
