// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/optionspanel.h"

#include "base/applicationtitle.h"
#include "base/clock.h"
#include "base/datetexts.h"
#include "base/runtimefailure.h"
#include "options/settingsstore.h"
#include "options/stampoptionsmodel.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// The chosen item's English caption, which the options are named by and the settings store: a
// list filled with translated captions keeps it as the item's data.
QString storedCaption(const QComboBox *list)
{
    const QVariant caption = list->currentData();
    return caption.isValid() ? caption.toString() : list->currentText();
}

} // namespace

OptionsPanel::OptionsPanel(const OptionsPanelControls &controls, StampOptionsModel &model,
    SettingsStore &settings, Dialogs &dialogs, const Clock &clock, const DateTexts &texts,
    FolderPicker pickFolder)
    : m_controls(controls)
    , m_model(model)
    , m_settings(settings)
    , m_stored(settings)
    , m_dialogs(dialogs)
    , m_clock(clock)
    , m_texts(texts)
    , m_pickFolder(std::move(pickFolder))
{
    adoptControls();
    connectHandlers();
}

void OptionsPanel::adoptControls()
{
    const OptionsPanelControls &c = m_controls;
    adoptSource();
    adoptSaveOption();
    m_model.set(&StampOptions::fileDateKind, fileDateKindAt(c.Combo4->currentIndex()));
    m_model.set(&StampOptions::format, stampFormatNamed(storedCaption(c.Combo1)));
    m_model.set(&StampOptions::position, stampPositionNamed(storedCaption(c.Combo2)));
    m_model.set(&StampOptions::userDate, c.Text1->text());
    m_model.set(&StampOptions::userTime, c.Text2->text());
    m_model.set(&StampOptions::customText, c.Text5->toPlainText());
    m_model.set(&StampOptions::sampleText, c.Text4->toPlainText());
    m_model.set(&StampOptions::outputFolder, c.Text6->text());
    m_model.set(&StampOptions::jpegQuality, c.Slider1->value());
}

void OptionsPanel::adoptSource()
{
    const OptionsPanelControls &c = m_controls;
    StampSource source = StampSource::CustomText;
    if (c.Option1->isChecked())
        source = StampSource::FileDate;
    else if (c.Option2->isChecked())
        source = StampSource::UserDateTime;
    m_model.set(&StampOptions::source, source);
}

void OptionsPanel::adoptSaveOption()
{
    m_model.set(&StampOptions::saveOption,
        m_controls.Option5->isChecked() ? SaveOption::OriginalFolder : SaveOption::ChosenFolder);
}

void OptionsPanel::connectHandlers()
{
    const OptionsPanelControls &c = m_controls;
    // Option buttons answer clicks (mouse, space bar, arrow keys), like a person's choice; a
    // click on the button already set refreshes the sample too.
    for (QRadioButton *source : {c.Option1, c.Option2, c.Option3})
        QObject::connect(
            source, &QRadioButton::clicked, &m_connections, [this] { SourceButtons_Click(); });
    for (QRadioButton *save : {c.Option4, c.Option5})
        QObject::connect(
            save, &QRadioButton::clicked, &m_connections, [this] { SaveButtons_Click(); });
    // A button set by the program rather than clicked is saved by no handler, but the options
    // still read as it shows.
    for (QRadioButton *source : {c.Option1, c.Option2, c.Option3})
        QObject::connect(source, &QRadioButton::toggled, &m_connections, [this] { adoptSource(); });
    for (QRadioButton *save : {c.Option4, c.Option5})
        QObject::connect(
            save, &QRadioButton::toggled, &m_connections, [this] { adoptSaveOption(); });
    QObject::connect(
        c.Combo4, &QComboBox::currentIndexChanged, &m_connections, [this] { Combo4_Click(); });
    QObject::connect(
        c.Combo1, &QComboBox::currentIndexChanged, &m_connections, [this] { Combo1_Click(); });
    QObject::connect(
        c.Combo2, &QComboBox::currentIndexChanged, &m_connections, [this] { Combo2_Click(); });
    QObject::connect(c.Text1, &QLineEdit::textChanged, &m_connections, [this] { Text1_Change(); });
    QObject::connect(c.Text2, &QLineEdit::textChanged, &m_connections, [this] { Text2_Change(); });
    QObject::connect(c.Text6, &QLineEdit::textChanged, &m_connections, [this] { Text6_Change(); });
    QObject::connect(
        c.Text5, &QPlainTextEdit::textChanged, &m_connections, [this] { Text5_Change(); });
    QObject::connect(
        c.Text4, &QPlainTextEdit::textChanged, &m_connections, [this] { Text4_Change(); });
    QObject::connect(
        c.Slider1, &QSlider::valueChanged, &m_connections, [this] { Slider1_Change(); });
    QObject::connect(
        c.PushButton7, &QPushButton::clicked, &m_connections, [this] { PushButton7_Click(); });
    QObject::connect(
        c.PushButton1, &QPushButton::clicked, &m_connections, [this] { PushButton1_Click(); });
}

template <typename Save> void OptionsPanel::persist(Save &&save)
{
    // These handlers carry no error trap; a settings file that cannot be written must still not
    // pass unnoticed, since the choice would be lost at the next start.
    try {
        save();
        m_writeFailureShown = false;
    } catch (const RuntimeFailure &failure) {
        if (m_writeFailureShown)
            return;
        m_writeFailureShown = true;
        m_dialogs.showMessage(shortTitle(), failure.description(), Dialogs::Icon::Exclamation);
    }
}

void OptionsPanel::setSample(const QString &text)
{
    {
        const QSignalBlocker quiet(m_controls.Text4);
        m_controls.Text4->setPlainText(text);
    }
    Text4_Change();
}

void OptionsPanel::SourceButtons_Click()
{
    const OptionsPanelControls &c = m_controls;
    adoptSource();
    const std::pair<StampSource, QRadioButton *> buttons[] {{StampSource::CustomText, c.Option3},
        {StampSource::FileDate, c.Option1}, {StampSource::UserDateTime, c.Option2}};
    // Not a structured binding: clang before 16 cannot capture one in a lambda.
    for (const auto &entry : buttons) {
        const StampSource source = entry.first;
        const bool chosen = entry.second->isChecked();
        persist([&] { m_stored.saveSourceChosen(source, chosen); });
    }

    if (c.Option1->isChecked()) {
        setSample(m_texts.dateTime(m_clock.now()));
    } else if (c.Option2->isChecked()) {
        if (!(c.Text1->text() + c.Text2->text()).isEmpty())
            setSample(c.Text1->text() + QLatin1Char(' ') + c.Text2->text());
    } else if (c.Option3->isChecked()) {
        const QString custom = c.Text5->toPlainText();
        if (!custom.isEmpty())
            setSample(custom);
    }
}

void OptionsPanel::Combo4_Click()
{
    const FileDateKind kind = fileDateKindAt(m_controls.Combo4->currentIndex());
    m_model.set(&StampOptions::fileDateKind, kind);
    persist([&] { m_stored.saveFileDateKind(kind); });
}

void OptionsPanel::Combo1_Click()
{
    const StampFormat format = stampFormatNamed(storedCaption(m_controls.Combo1));
    m_model.set(&StampOptions::format, format);
    persist([&] { m_stored.saveFormat(format); });
}

void OptionsPanel::Combo2_Click()
{
    const StampPosition position = stampPositionNamed(storedCaption(m_controls.Combo2));
    m_model.set(&StampOptions::position, position);
    persist([&] { m_stored.savePosition(position); });
}

void OptionsPanel::Text1_Change()
{
    const QString text = m_controls.Text1->text();
    m_model.set(&StampOptions::userDate, text);
    persist([&] { m_stored.saveUserDate(text); });
}

void OptionsPanel::Text2_Change()
{
    const QString text = m_controls.Text2->text();
    m_model.set(&StampOptions::userTime, text);
    persist([&] { m_stored.saveUserTime(text); });
}

void OptionsPanel::Text5_Change()
{
    const QString custom = m_controls.Text5->toPlainText();
    m_model.set(&StampOptions::customText, custom);
    persist([&] { m_stored.saveCustomText(custom); });
    // Deleting the whole text keeps the last sample: an empty sample would show nothing.
    if (m_controls.Option3->isChecked() && !custom.isEmpty())
        setSample(custom);
}

void OptionsPanel::Text4_Change()
{
    const QString text = m_controls.Text4->toPlainText();
    m_model.set(&StampOptions::sampleText, text);
    persist([&] { m_stored.saveSampleText(text); });
}

void OptionsPanel::Text6_Change()
{
    const QString text = m_controls.Text6->text();
    m_model.set(&StampOptions::outputFolder, text);
    persist([&] { m_stored.saveOutputFolder(text); });
}

void OptionsPanel::Slider1_Change()
{
    const int quality = m_controls.Slider1->value();
    m_controls.Frame1->setTitle(qualityCaption(quality));
    m_model.set(&StampOptions::jpegQuality, quality);
    persist([&] { m_stored.saveJpegQuality(quality); });
}

void OptionsPanel::SaveButtons_Click()
{
    adoptSaveOption();
    const bool chosenFolder = m_controls.Option4->isChecked();
    const bool originalFolder = m_controls.Option5->isChecked();
    persist([&] { m_stored.saveSaveChosen(SaveOption::ChosenFolder, chosenFolder); });
    persist([&] { m_stored.saveSaveChosen(SaveOption::OriginalFolder, originalFolder); });
    m_controls.Frame6->setEnabled(m_controls.Option4->isChecked());
}

void OptionsPanel::PushButton7_Click()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kOutputFolder));
    QString folder;
    procedure.run(100, [&] {
        folder = m_pickFolder(
            QCoreApplication::translate("OptionsPanel", OptionsPanelTexts::kFolderPrompt),
            QString());
    });
    if (folder.isEmpty())
        return;
    procedure.run(102, [&] { m_settings.write(Keys::kLastFolderDot, folder); });
    procedure.run(104, [&] {
        {
            const QSignalBlocker quiet(m_controls.Text6);
            m_controls.Text6->setText(withTrailingSeparator(folder));
        }
        Text6_Change();
    });
}

void OptionsPanel::PushButton1_Click()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kDateTakenInfo));
    procedure.run(100, [&] {
        m_dialogs.showMessage(shortTitle(),
            QCoreApplication::translate("OptionsPanel", OptionsPanelTexts::kDateTakenExplanation),
            Dialogs::Icon::None);
    });
}

QString OptionsPanel::qualityCaption(int quality)
{
    return QCoreApplication::translate("OptionsPanel", "JPG Image Quality: %1%").arg(quality);
}

QString OptionsPanel::withTrailingSeparator(const QString &folder)
{
    const QString native = QDir::toNativeSeparators(folder);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}
