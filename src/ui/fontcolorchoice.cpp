// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fontcolorchoice.h"

#include "options/settingsstore.h"
#include "options/stampoptions.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"
#include "ui/samplebox.h"
#include "ui/trappedprocedure.h"

namespace {

// The font dialog's own defaults, which differ from those the window starts with: before a font
// has ever been saved the dialog opens at these.
QString dialogDefault(const SettingKey &key)
{
    return key.otherDefault ? key.otherDefaultValue() : key.defaultValue();
}

// Decimal with a point and no grouping, whatever the locale: "12", "10.5". Sizes never reach the
// magnitude where an exponent would appear.
QString sizeText(double points)
{
    return QString::number(points);
}

} // namespace

FontColorChoice::FontColorChoice(SampleBox &sample, SettingsStore &settings, Dialogs &dialogs)
    : m_sample(sample)
    , m_settings(settings)
    , m_dialogs(dialogs)
{ }

void FontColorChoice::PushButton6_Click()
{
    using namespace Keys;
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kChangeFont));
    FontChoice &font = m_dialogFont;
    const auto read
        = [this](const SettingKey &key) { return m_settings.read(key, dialogDefault(key)); };

    procedure.run(100, [&] { font.name = read(kFontName); });
    procedure.run(102, [&] { font.bold = BooleanByComparison(read(kFontBold)); });
    procedure.run(104, [&] { font.italic = BooleanByComparison(read(kFontItalic)); });
    procedure.run(106, [&] { font.pointSize = SmallInteger(read(kFontSize)); });
    procedure.run(108, [&] { font.strikeOut = BooleanByComparison(read(kFontStrikethru)); });
    procedure.run(110, [&] { font.underline = BooleanByComparison(read(kFontUnderline)); });

    procedure.run(112, [&] {
        const FontChoice preset = font;
        font = m_dialogs.chooseFont(preset);
        // No effects section: these two are never the person's choice.
        font.strikeOut = preset.strikeOut;
        font.underline = preset.underline;
    });
    procedure.run(114, [&] {
        if (font.pointSize > kLargestSize)
            font.pointSize = kLargestSize;
    });

    procedure.run(116, [&] { m_settings.write(kFontName, font.name); });
    procedure.run(118, [&] { m_settings.write(kFontBold, settingText(font.bold)); });
    procedure.run(120, [&] { m_settings.write(kFontItalic, settingText(font.italic)); });
    procedure.run(122, [&] { m_settings.write(kFontSize, sizeText(font.pointSize)); });
    procedure.run(124, [&] { m_settings.write(kFontStrikethru, settingText(font.strikeOut)); });
    procedure.run(126, [&] { m_settings.write(kFontUnderline, settingText(font.underline)); });

    procedure.run(128, [&] { m_sample.setFontName(font.name); });
    procedure.run(130, [&] { m_sample.setBold(font.bold); });
    procedure.run(132, [&] { m_sample.setItalic(font.italic); });
    procedure.run(134, [&] { m_sample.setSize(font.pointSize); });
    procedure.run(136, [&] { m_sample.setStrikethru(font.strikeOut); });
    procedure.run(138, [&] { m_sample.setUnderline(font.underline); });
}

void FontColorChoice::PushButton10_Click()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kChangeColor));
    procedure.run(100, [&] { m_dialogColor = m_sample.swatchColor(); });
    procedure.run(102, [&] { m_dialogColor = m_dialogs.chooseColor(m_dialogColor); });
    procedure.run(104, [&] { m_sample.setSwatchColor(m_dialogColor); });
    procedure.run(
        106, [&] { m_settings.write(Keys::kFontColor, settingText(int(m_sample.swatchColor()))); });
    procedure.run(108, [&] { m_sample.setTextColor(m_sample.swatchColor()); });
    procedure.run(110, [&] { m_sample.setBackgroundFor(m_sample.textColor()); });
}
