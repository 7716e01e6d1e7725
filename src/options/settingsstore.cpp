// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "runtimefailure.h"

#include <QSettings>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

constexpr auto kOrganization = "Vendrel";
constexpr auto kApplication = "Kalvora";
constexpr auto kSection = "Kalvora";

// The failure numbers of the classic run-time: 13 for a text that is no value of the wanted
// type, 6 for a number out of range.
constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;

QString storedText(const QVariant &value)
{
    // A hand-edited line such as "a, b" reads back as a list; keep it as the text it was.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

double numberOf(const QString &text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw RuntimeFailure(QStringLiteral("Type mismatch"), kTypeMismatch);
    return number;
}

template <typename Integer> Integer roundedInteger(const QString &text)
{
    // nearbyint rounds halves to the even neighbour under the default rounding mode.
    const double rounded = std::nearbyint(numberOf(text));
    if (rounded < double(std::numeric_limits<Integer>::min())
        || rounded > double(std::numeric_limits<Integer>::max()))
        throw RuntimeFailure(QStringLiteral("Overflow"), kOverflow);
    return Integer(rounded);
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
        QLatin1String(kOrganization), QLatin1String(kApplication)))
{
    m_settings->beginGroup(QLatin1String(kSection));
}

SettingsStore::SettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
    m_settings->beginGroup(QLatin1String(kSection));
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString SettingsStore::storedKey(const QString &key) const
{
    // The exact spelling wins; otherwise the first spelling that differs only in case.
    const QStringList keys = m_settings->childKeys();
    if (keys.contains(key))
        return key;
    for (const QString &candidate : keys)
        if (candidate.compare(key, Qt::CaseInsensitive) == 0)
            return candidate;
    return {};
}

QString SettingsStore::ReadSetting(const QString &key, const QString &defaultText) const
{
    // Another copy of the program may have written since our last look.
    m_settings->sync();
    const QString stored = storedKey(key);
    if (stored.isEmpty())
        return defaultText;
    return storedText(m_settings->value(stored));
}

void SettingsStore::WriteSetting(const QString &key, const QString &text)
{
    m_settings->sync();
    const QString stored = storedKey(key);
    const QString target = stored.isEmpty() ? key : stored;
    // A hand-edited file may hold one key in several spellings; keep only the one we write, so
    // that every later read finds this value.
    for (const QString &candidate : m_settings->childKeys())
        if (candidate != target && candidate.compare(key, Qt::CaseInsensitive) == 0)
            m_settings->remove(candidate);
    m_settings->setValue(target, text);
    m_settings->sync();
}

QString SettingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString SettingText(int value)
{
    return QString::number(value);
}

bool BooleanByConversion(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return numberOf(trimmed) != 0.0;
}

bool BooleanByComparison(const QString &text)
{
    return text == QLatin1String("True");
}

qint16 SmallInteger(const QString &text)
{
    return roundedInteger<qint16>(text);
}

qint32 LongInteger(const QString &text)
{
    return roundedInteger<qint32>(text);
}
