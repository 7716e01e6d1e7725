// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "ui_form1.h"

#include "app/form1.h"
#include "app/mainmodule.h"
#include "base/applicationtitle.h"
#include "base/clock.h"
#include "base/filehelpers.h"
#include "base/programfiles.h"
#include "base/randomdraw.h"
#include "base/runtimefailure.h"
#include "options/settingsstore.h"
#include "options/stampoptionsmodel.h"
#include "options/storedoptions.h"
#include "preview/handpointer.h"
#include "ui/errorreport.h"
#include "ui/optionspanel.h"
#include "ui/samplebox.h"
#include "ui/trappedprocedure.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSignalBlocker>
#include <QUrl>

namespace {

// A file kept beside the program: in the program's folder, or in the installed data folder.
QString dataFile(const QString &programFolder, const QString &name)
{
    return findProgramFile(name, programFileFolders(ProgramFileKind::Data, programFolder));
}

// The list column is 7000 twips wide, 15 twips to a pixel.
constexpr int kListColumnWidth = qRound(7000 / 15.0);

// Sets a control without its own signal and then runs its handler once, so a restore writes
// its value back exactly once, whether or not the value changed.
template <typename Control, typename Set>
void restore(Control *control, Set &&set, OptionsPanel &panel, void (OptionsPanel::*handler)())
{
    {
        const QSignalBlocker quiet(control);
        set();
    }
    (panel.*handler)();
}

// An option button restored to "set" runs its click handler; restored to "not set" it only
// changes its state, as clicking is the only way to set one.
void restoreOption(
    QRadioButton *button, bool set, OptionsPanel &panel, void (OptionsPanel::*handler)())
{
    if (set) {
        restore(
            button, [&] { button->setChecked(true); }, panel, handler);
        return;
    }
    const QSignalBlocker quiet(button);
    button->setChecked(false);
}

// Fills a list with no item selected; the model's field, which has no handler to tell it, is
// set to match.
template <typename Field>
void fillList(QComboBox *list, const QStringList &captions, StampOptionsModel &model,
    Field StampOptions::*field)
{
    {
        const QSignalBlocker quiet(list);
        list->clear();
        // Shown in the user's language; the English caption, which the settings store and
        // match, rides along as the item's data.
        for (const QString &caption : captions)
            list->addItem(
                QCoreApplication::translate("StampOptions", caption.toUtf8().constData()), caption);
        list->setCurrentIndex(-1);
    }
    model.set(field, Field::None);
}

} // namespace

StartUp::StartUp(Form1 &window, SettingsStore &settings, Dialogs &dialogs, const Clock &clock,
    const DateTexts &texts, const StartUpSeams &seams)
    : m_window(window)
    , m_settings(settings)
    , m_stored(settings)
    , m_dialogs(dialogs)
    , m_clock(clock)
    , m_texts(texts)
    , m_seams(seams)
{ }

void StartUp::Form_Load()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kFormLoad));
    prepareWindow(procedure);
    restoreLists(procedure);
    restoreSources(procedure);
    restoreFont(procedure);
    restoreOutput(procedure);
    // The stamp's looks and the date and run choices, which the "Stamp Style" dialog edits.
    procedure.run(232, [&] {
        StampOptionsModel &model = m_window.optionsModel();
        model.set(&StampOptions::look, m_stored.loadLook());
        model.set(&StampOptions::dates, m_stored.loadDates());
        model.set(&StampOptions::skipStamped, m_stored.loadSkipStamped());
        model.set(&StampOptions::keepFolders, m_stored.loadKeepFolders());
        model.set(&StampOptions::keepQuality, m_stored.loadKeepQuality());
    });
}

void StartUp::prepareWindow(TrappedProcedure &procedure)
{
    Ui::Form1 &ui = m_window.ui();
    const QString programFolder = m_seams.programFolder.isEmpty()
        ? QCoreApplication::applicationDirPath()
        : m_seams.programFolder;

    procedure.run(100, [&] {
        ApplySkin(m_window, dataFile(programFolder, QLatin1String(kSkinFile)), {ui.Picture2});
    });
    procedure.run(102, [&] {
        m_window.setWindowTitle(QLatin1String(kProductName));
        m_window.setWindowIcon(QIcon::fromTheme(
            QStringLiteral("example.vendrel.Kalvora"), QGuiApplication::windowIcon()));
        SetShortTitle();
    });

    const QString handFile = dataFile(programFolder, QLatin1String(kHandPointerFile));
    if (procedure.test(104, [&] { return FileExists(handFile); })) {
        procedure.run(106, [&] {
            applyHandPointer(loadHandPointer(handFile),
                {ui.PushButton1, ui.PushButton2, ui.PushButton3, ui.PushButton4, ui.PushButton5,
                    ui.PushButton6, ui.PushButton7, ui.PushButton8, ui.PushButton9,
                    ui.PushButton10});
        });
    }

    procedure.run(108, [&] {
        const auto open = m_seams.openUrl ? m_seams.openUrl : [](const QUrl &url) {
            return QDesktopServices::openUrl(url);
        };
        if (m_seams.homePageDraw) {
            HomePageVisit(*m_seams.homePageDraw, QLatin1String(kHomePage), open);
            return;
        }
        // Seeded from the seconds since midnight, so two starts in one second draw alike.
        SeededRandomDraw draw(quint32(m_clock.now().time().msecsSinceStartOfDay() / 1000));
        HomePageVisit(draw, QLatin1String(kHomePage), open);
    });

    const auto takeSnapshot = [&] {
        if (m_seams.takeSampleSnapshot)
            m_seams.takeSampleSnapshot();
    };
    if (procedure.test(108, [&] { return m_settings.read(Keys::kSnapshot).isEmpty(); }))
        procedure.run(108, takeSnapshot);
    // A samples folder without files leaves the record empty; try once more.
    if (procedure.test(126, [&] { return m_settings.read(Keys::kSnapshot).isEmpty(); }))
        procedure.run(126, takeSnapshot);

    procedure.run(128, [&] {
        ui.ListView1->setHeaderLabels({QCoreApplication::translate("ImageList", "Image File(s)")});
    });
    procedure.run(130, [&] { ui.ListView1->setColumnWidth(0, kListColumnWidth); });

    OptionsPanel &panel = m_window.optionsPanel();
    procedure.run(132, [&] {
        const int quality = m_stored.loadJpegQuality();
        restore(
            ui.Slider1, [&] { ui.Slider1->setValue(quality); }, panel,
            &OptionsPanel::Slider1_Change);
    });
    procedure.run(
        134, [&] { ui.Frame1->setTitle(OptionsPanel::qualityCaption(ui.Slider1->value())); });
    // Steps 136 and 138 sized a hidden picture box; the stamp run and the preview now make a
    // work surface of each picture's own size.
}

void StartUp::restoreLists(TrappedProcedure &procedure)
{
    Ui::Form1 &ui = m_window.ui();
    OptionsPanel &panel = m_window.optionsPanel();

    StampOptionsModel &model = m_window.optionsModel();

    procedure.run(
        140, [&] { fillList(ui.Combo1, stampFormatCaptions(), model, &StampOptions::format); });
    procedure.run(148, [&] {
        const int item = int(m_stored.loadFormat());
        restore(
            ui.Combo1, [&] { ui.Combo1->setCurrentIndex(item); }, panel,
            &OptionsPanel::Combo1_Click);
    });

    procedure.run(
        150, [&] { fillList(ui.Combo2, stampPositionCaptions(), model, &StampOptions::position); });
    procedure.run(168, [&] {
        const int item = int(m_stored.loadPosition());
        restore(
            ui.Combo2, [&] { ui.Combo2->setCurrentIndex(item); }, panel,
            &OptionsPanel::Combo2_Click);
    });

    procedure.run(170, [&] {
        const QString date = m_stored.loadUserDate(m_texts.date(m_clock.now().date()));
        restore(
            ui.Text1, [&] { ui.Text1->setText(date); }, panel, &OptionsPanel::Text1_Change);
    });
    procedure.run(172, [&] {
        const QString time = m_stored.loadUserTime(m_texts.time(m_clock.now().time()));
        restore(
            ui.Text2, [&] { ui.Text2->setText(time); }, panel, &OptionsPanel::Text2_Change);
    });

    procedure.run(174,
        [&] { fillList(ui.Combo4, fileDateKindCaptions(), model, &StampOptions::fileDateKind); });
    procedure.run(182, [&] {
        const int item = int(m_stored.loadFileDateKind());
        restore(
            ui.Combo4, [&] { ui.Combo4->setCurrentIndex(item); }, panel,
            &OptionsPanel::Combo4_Click);
    });
}

void StartUp::restoreSources(TrappedProcedure &procedure)
{
    Ui::Form1 &ui = m_window.ui();
    OptionsPanel &panel = m_window.optionsPanel();
    const struct
    {
        int step;
        QRadioButton *button;
        StampSource source;
    } sources[] = {{184, ui.Option3, StampSource::CustomText},
        {186, ui.Option1, StampSource::FileDate}, {188, ui.Option2, StampSource::UserDateTime}};
    for (const auto &each : sources) {
        procedure.run(each.step, [&] {
            restoreOption(each.button, m_stored.loadSourceChosen(each.source), panel,
                &OptionsPanel::SourceButtons_Click);
        });
    }
}

void StartUp::restoreFont(TrappedProcedure &procedure)
{
    SampleBox &sample = m_window.sampleBox();

    QString name;
    procedure.run(190, [&] { name = m_stored.loadFontName(); });
    if (procedure.test(192, [&] { return !name.isEmpty(); }))
        procedure.run(194, [&] { sample.setFontName(name); });

    procedure.run(196, [&] { sample.setSwatchColor(m_stored.loadColor()); });
    procedure.run(198, [&] { sample.setTextColor(sample.swatchColor()); });
    const bool white = procedure.test(200, [&] { return sample.textColor() == kWhite; });
    procedure.run(white ? 202 : 204, [&] { sample.setBackgroundFor(sample.textColor()); });

    procedure.run(206, [&] { sample.setBold(m_stored.loadFontBold()); });
    procedure.run(208, [&] { sample.setItalic(m_stored.loadFontItalic()); });
    procedure.run(210, [&] { sample.setSize(m_stored.loadFontSize()); });
    procedure.run(212, [&] { sample.setStrikethru(m_stored.loadFontStrikethru()); });
    procedure.run(214, [&] { sample.setUnderline(m_stored.loadFontUnderline()); });
}

void StartUp::restoreOutput(TrappedProcedure &procedure)
{
    Ui::Form1 &ui = m_window.ui();
    OptionsPanel &panel = m_window.optionsPanel();

    procedure.run(216, [&] {
        const QString folder = m_stored.loadOutputFolder([&] {
            return DesktopFolderPath(m_seams.desktopFolder
                    ? m_seams.desktopFolder()
                    : SpecialFolderPath(QStandardPaths::DesktopLocation));
        });
        restore(
            ui.Text6, [&] { ui.Text6->setText(folder); }, panel, &OptionsPanel::Text6_Change);
    });
    procedure.run(218, [&] {
        const QString text = m_stored.loadSampleText();
        restore(
            ui.Text4, [&] { ui.Text4->setPlainText(text); }, panel, &OptionsPanel::Text4_Change);
    });
    procedure.run(220, [&] {
        const QString text = m_stored.loadCustomText();
        restore(
            ui.Text5, [&] { ui.Text5->setPlainText(text); }, panel, &OptionsPanel::Text5_Change);
    });

    procedure.run(222, [&] {
        restoreOption(ui.Option4, m_stored.loadSaveChosen(SaveOption::ChosenFolder), panel,
            &OptionsPanel::SaveButtons_Click);
    });
    procedure.run(224, [&] {
        restoreOption(ui.Option5, m_stored.loadSaveChosen(SaveOption::OriginalFolder), panel,
            &OptionsPanel::SaveButtons_Click);
    });
    const bool chosenFolder = procedure.test(226, [&] { return ui.Option4->isChecked(); });
    procedure.run(chosenFolder ? 228 : 230, [&] { ui.Frame6->setEnabled(chosenFolder); });
}
