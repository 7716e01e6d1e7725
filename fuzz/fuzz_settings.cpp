// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file as the programs read and change it. The input is the file's content:
//
// - every option is loaded from it through the settings store, as the window's start-up and
//   kalvora-stamp --from-settings do; a value that cannot be read is a failure the caller
//   reports, anything else is a fault;
// - one key of the table is then changed in it to the input's last bytes: the changed file must
//   read that very text back, and every other key of the table as it read before, so a change
//   never damages or drops the user's other choices.

#include "fuzzsupport.h"

#include "base/runtimefailure.h"
#include "options/inidocument.h"
#include "options/settingskeys.h"
#include "options/settingsstore.h"
#include "options/storedoptions.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kSection = QStringLiteral("Kalvora");

void loadEveryOption(const QByteArray &bytes)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Kalvora.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        FuzzSupport::fail("cannot write the settings file");
    file.close();
    const SettingsStore store(path);
    const StampOptions firstStart = StampOptions::firstStart(
        QStringLiteral("2021-08-31"), QStringLiteral("13:23:45"), QStringLiteral("/desktop/"));
    try {
        const StampOptions options = StoredOptions(store).load(firstStart);
        if (options.jpegQuality < StoredOptions::kLowestQuality
            || options.jpegQuality > StoredOptions::kHighestQuality || options.font.pointSize <= 0)
            FuzzSupport::fail("options loaded outside what their controls take");
    } catch (const RuntimeFailure &) {
        // a value that cannot be read: reported by the caller
    }
}

void checkChange(const QByteArray &bytes, const SettingKey &key, const QString &text)
{
    const IniDocument before(bytes);
    IniDocument changed(bytes);
    changed.setValue(kSection, key.writtenKey(), text);
    const IniDocument after(changed.bytes());
    if (after.value(kSection, key.readKey()) != text)
        FuzzSupport::fail("a changed key does not read back its text");
    for (const SettingKey &other : allSettingKeys()) {
        if (other.readKey().compare(key.readKey(), Qt::CaseInsensitive) == 0)
            continue;
        if (after.value(kSection, other.readKey()) != before.value(kSection, other.readKey()))
            FuzzSupport::fail("changing one key changed another");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    loadEveryOption(bytes);
    const auto keys = allSettingKeys();
    if (size == 0)
        return 0;
    const SettingKey &key = keys[data[size - 1] % keys.size()];
    checkChange(bytes, key, QString::fromUtf8(bytes.right(24)));
    return 0;
}
