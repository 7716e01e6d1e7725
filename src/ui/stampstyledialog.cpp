// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stampstyledialog.h"

#include "base/clock.h"
#include "options/stampoptionsmodel.h"
#include "ui/dialogs.h"
#include "ui_stampstyledialog.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

QColor colorOf(quint32 value)
{
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

} // namespace

StampStyleDialog::StampStyleDialog(StampOptionsModel &model, SettingsStore &settings,
    Dialogs &dialogs, const Clock &clock, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::StampStyleDialog>())
    , m_model(model)
    , m_stored(settings)
    , m_dialogs(dialogs)
    , m_clock(clock)
{
    m_ui->setupUi(this);
    // Shapes on the way to a shift ("-1d", "+02:") may be typed; only whole ones are taken.
    m_ui->timeShiftEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[+-]?(\\d{0,5}d)?\\d{0,3}(:\\d{0,2})?")), this));
    showOptions();

    const auto look = [this] { lookEdited(); };
    connect(m_ui->sizeModeBox, &QComboBox::currentIndexChanged, this, look);
    connect(m_ui->sizePercentSpin, &QDoubleSpinBox::valueChanged, this, look);
    connect(m_ui->styleBox, &QComboBox::currentIndexChanged, this, look);
    connect(m_ui->automaticColorCheck, &QCheckBox::toggled, this, look);
    connect(m_ui->outlineWidthSpin, &QSpinBox::valueChanged, this, look);
    connect(m_ui->boxOpacitySpin, &QSpinBox::valueChanged, this, look);
    connect(m_ui->marginModeBox, &QComboBox::currentIndexChanged, this, look);
    connect(m_ui->marginPercentSpin, &QDoubleSpinBox::valueChanged, this, look);
    connect(
        m_ui->styleColorButton, &QPushButton::clicked, this, &StampStyleDialog::chooseStyleColor);
    const auto dates = [this] { datesEdited(); };
    connect(m_ui->datePatternEdit, &QLineEdit::textEdited, this, dates);
    connect(m_ui->noDateTakenBox, &QComboBox::currentIndexChanged, this, dates);
    connect(m_ui->timeShiftEdit, &QLineEdit::textEdited, this, dates);
    const auto runs = [this] { runsEdited(); };
    connect(m_ui->skipStampedCheck, &QCheckBox::toggled, this, runs);
    connect(m_ui->keepFoldersCheck, &QCheckBox::toggled, this, runs);
    connect(m_ui->keepQualityCheck, &QCheckBox::toggled, this, runs);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    // The font colour decides the automatic style colour.
    connect(&m_model, &StampOptionsModel::optionsChanged, this, &StampStyleDialog::showDependents);
}

StampStyleDialog::~StampStyleDialog() = default;

void StampStyleDialog::showOptions()
{
    m_showing = true;
    const StampOptions &options = m_model.options();
    const StampLook &look = options.look;
    m_ui->sizeModeBox->setCurrentIndex(int(look.sizeMode));
    m_ui->sizePercentSpin->setValue(look.sizePercent);
    m_ui->styleBox->setCurrentIndex(int(look.style));
    m_ui->automaticColorCheck->setChecked(!look.styleColor);
    m_ui->outlineWidthSpin->setValue(look.outlineWidth);
    m_ui->boxOpacitySpin->setValue(look.boxOpacity);
    m_ui->marginModeBox->setCurrentIndex(int(look.marginMode));
    m_ui->marginPercentSpin->setValue(look.marginPercent);
    m_ui->datePatternEdit->setText(options.dates.pattern);
    m_ui->noDateTakenBox->setCurrentIndex(int(options.dates.noDateTaken));
    m_ui->timeShiftEdit->setText(options.dates.timeShiftMinutes == 0
            ? QString()
            : timeShiftText(options.dates.timeShiftMinutes));
    m_ui->skipStampedCheck->setChecked(options.skipStamped);
    m_ui->keepFoldersCheck->setChecked(options.keepFolders);
    m_ui->keepQualityCheck->setChecked(options.keepQuality);
    m_showing = false;
    showDependents();
}

void StampStyleDialog::showDependents()
{
    const StampOptions &options = m_model.options();
    const StampLook &look = options.look;
    m_ui->sizePercentSpin->setEnabled(look.sizeMode == SizeMode::Percent);
    m_ui->marginPercentSpin->setEnabled(look.marginMode == MarginMode::Percent);
    const bool styled = look.style != TextStyle::Plain;
    m_ui->automaticColorCheck->setEnabled(styled);
    m_ui->styleColorButton->setEnabled(styled);
    m_ui->outlineWidthSpin->setEnabled(look.style == TextStyle::Outline);
    m_ui->boxOpacitySpin->setEnabled(look.style == TextStyle::Box);
    QPalette swatch = m_ui->styleColorSwatch->palette();
    swatch.setColor(QPalette::Window, colorOf(styleColorFor(look, options.color)));
    m_ui->styleColorSwatch->setPalette(swatch);
    const QString pattern = options.dates.pattern;
    m_ui->patternExampleLabel->setText(
        pattern.isEmpty() ? QString() : QLocale().toString(m_clock.now(), pattern));
}

void StampStyleDialog::lookEdited()
{
    if (m_showing)
        return;
    StampLook look = m_model.options().look;
    look.sizeMode = SizeMode(m_ui->sizeModeBox->currentIndex());
    look.sizePercent = m_ui->sizePercentSpin->value();
    look.style = TextStyle(m_ui->styleBox->currentIndex());
    if (m_ui->automaticColorCheck->isChecked())
        look.styleColor.reset();
    else if (!look.styleColor)
        look.styleColor = styleColorFor(look, m_model.options().color);
    look.outlineWidth = m_ui->outlineWidthSpin->value();
    look.boxOpacity = m_ui->boxOpacitySpin->value();
    look.marginMode = MarginMode(m_ui->marginModeBox->currentIndex());
    look.marginPercent = m_ui->marginPercentSpin->value();
    m_model.set(&StampOptions::look, look);
    m_stored.saveLook(look);
    showDependents();
}

void StampStyleDialog::chooseStyleColor()
{
    StampLook look = m_model.options().look;
    const quint32 chosen = m_dialogs.chooseColor(styleColorFor(look, m_model.options().color));
    look.styleColor = chosen;
    m_model.set(&StampOptions::look, look);
    m_stored.saveLook(look);
    m_showing = true;
    m_ui->automaticColorCheck->setChecked(false);
    m_showing = false;
    showDependents();
}

void StampStyleDialog::datesEdited()
{
    if (m_showing)
        return;
    DateChoices dates = m_model.options().dates;
    dates.pattern = m_ui->datePatternEdit->text();
    dates.noDateTaken = NoDateTaken(m_ui->noDateTakenBox->currentIndex());
    const QString shiftText = m_ui->timeShiftEdit->text();
    const std::optional<int> shift
        = shiftText.trimmed().isEmpty() ? std::optional<int>(0) : timeShiftMinutesOf(shiftText);
    QPalette palette = m_ui->timeShiftEdit->palette();
    palette.setColor(QPalette::Text, shift ? this->palette().color(QPalette::Text) : Qt::red);
    m_ui->timeShiftEdit->setPalette(palette);
    if (shift)
        dates.timeShiftMinutes = *shift;
    m_model.set(&StampOptions::dates, dates);
    m_stored.saveDates(dates);
    showDependents();
}

void StampStyleDialog::runsEdited()
{
    if (m_showing)
        return;
    m_model.set(&StampOptions::skipStamped, m_ui->skipStampedCheck->isChecked());
    m_model.set(&StampOptions::keepFolders, m_ui->keepFoldersCheck->isChecked());
    m_stored.saveSkipStamped(m_ui->skipStampedCheck->isChecked());
    m_stored.saveKeepFolders(m_ui->keepFoldersCheck->isChecked());
    m_model.set(&StampOptions::keepQuality, m_ui->keepQualityCheck->isChecked());
    m_stored.saveKeepQuality(m_ui->keepQualityCheck->isChecked());
}
