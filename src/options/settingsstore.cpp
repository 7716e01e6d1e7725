// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/settingsstore.h"

#include "base/runtimefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>

#include <cmath>
#include <limits>

namespace {

constexpr auto kOrganization = "Vendrel";
constexpr auto kApplication = "Kalvora";
constexpr auto kSection = "Kalvora";

// How long a write waits for another copy of the program to finish its own. A lock left by a
// copy that died is taken over at once, whatever its age.
constexpr int kLockWaitMs = 10000;

// The failure numbers of the classic run-time: 13 for a text that is no value of the wanted
// type, 6 for a number out of range, 75 for a file that cannot be used.
constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;
constexpr int kFileAccessError = 75;

double numberOf(const QString &text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw RuntimeFailure(
            //: A stored number that is not a number.
            QCoreApplication::translate("SettingsStore", "Type mismatch"), kTypeMismatch);
    return number;
}

template <typename Integer> Integer roundedInteger(const QString &text)
{
    // nearbyint rounds halves to the even neighbour under the default rounding mode.
    const double rounded = std::nearbyint(numberOf(text));
    if (rounded < double(std::numeric_limits<Integer>::min())
        || rounded > double(std::numeric_limits<Integer>::max()))
        throw RuntimeFailure(QCoreApplication::translate("SettingsStore", "Overflow"), kOverflow);
    return Integer(rounded);
}

QString section()
{
    return QLatin1String(kSection);
}

// The file's whole content, or nothing for a file that does not exist yet.
QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return {};
        throw RuntimeFailure(
            QCoreApplication::translate("SettingsStore", "Cannot read the settings file %1: %2")
                .arg(QDir::toNativeSeparators(fileName), file.errorString()),
            kFileAccessError);
    }
    return file.readAll();
}

[[noreturn]] void failToWrite(const QString &fileName, const QString &reason)
{
    throw RuntimeFailure(
        QCoreApplication::translate("SettingsStore", "Cannot save the settings file %1: %2")
            .arg(QDir::toNativeSeparators(fileName), reason),
        kFileAccessError);
}

} // namespace

SettingsStore::SettingsStore()
    // Qt's own settings name the per-user file of this address on every platform.
    : SettingsStore(QSettings(QSettings::IniFormat, QSettings::UserScope,
        QLatin1String(kOrganization), QLatin1String(kApplication))
                        .fileName())
{ }

SettingsStore::SettingsStore(const QString &iniFile)
    : m_fileName(iniFile)
{ }

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName() const
{
    return m_fileName;
}

const IniDocument &SettingsStore::current() const
{
    // Another copy of the program may have written since our last look. Comparing the content,
    // not the time stamp, catches a write that lands within the same clock tick at the same size.
    QByteArray bytes = contentOf(m_fileName);
    if (bytes != m_bytes) {
        m_document = IniDocument(bytes);
        m_bytes = std::move(bytes);
    }
    return m_document;
}

QString SettingsStore::ReadSetting(const QString &key, const QString &defaultText) const
{
    return current().value(section(), key).value_or(defaultText);
}

void SettingsStore::WriteSetting(const QString &key, const QString &text)
{
    const QFileInfo info(m_fileName);
    if (!QDir().mkpath(info.absolutePath()))
        failToWrite(m_fileName,
            QCoreApplication::translate("SettingsStore", "its folder cannot be created"));

    QLockFile lock(m_fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        failToWrite(m_fileName,
            lock.error() == QLockFile::LockFailedError
                ? QCoreApplication::translate("SettingsStore", "another program keeps it locked")
                : QCoreApplication::translate("SettingsStore", "its lock file cannot be created"));

    // Under the lock nobody else writes: start from the file as it is now.
    IniDocument document(contentOf(m_fileName));
    document.setValue(section(), key, text);
    const QByteArray bytes = document.bytes();

    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        failToWrite(m_fileName, file.errorString());
    m_bytes = bytes;
    m_document = std::move(document);
}

QString SettingsStore::read(const SettingKey &key) const
{
    return ReadSetting(key.readKey(), key.defaultValue());
}

QString SettingsStore::read(const SettingKey &key, const QString &defaultText) const
{
    return ReadSetting(key.readKey(), defaultText);
}

bool SettingsStore::contains(const SettingKey &key) const
{
    return current().value(section(), key.readKey()).has_value();
}

void SettingsStore::write(const SettingKey &key, const QString &text)
{
    WriteSetting(key.writtenKey(), text);
}

QString settingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString settingText(int value)
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
