// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "ui_form1.h"

#include "errorreport.h"
#include "fileadder.h"
#include "imagelist.h"
#include "listdrop.h"
#include "overlaytext.h"
#include "samplefiles.h"
#include "stampcontroller.h"
#include "stampoptions.h"
#include "stamppreview.h"
#include "trappedprocedure.h"

#include <QApplication>

Form1::Form1(Dialogs &dialogs, SettingsStore &settings, EventPump &events, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form1>())
    , m_dialogs(dialogs)
    , m_settings(settings)
    , m_events(events)
{
    m_ui->setupUi(this);
    setFixedSize(size());
    paintPanelsWhite();
    m_imageList = std::make_unique<ImageList>(m_ui->ListView1, [this] { return m_busy; });

    m_ui->Combo4->addItems(FileDateKindCaptions());
    m_ui->Combo1->addItems(StampFormatCaptions());
    m_ui->Combo2->addItems(StampPositionCaptions());
    showFirstStartValues();

    connect(m_ui->PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(m_ui->PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(m_ui->PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);

    m_stamp = std::make_unique<StampController>(*this, m_dialogs, m_events, m_texts);
    connect(m_ui->PushButton8, &QPushButton::clicked, this, &Form1::PushButton8_Click);

    // Sample files, the stamp preview and files dropped onto the list.
    connect(m_ui->PushButton5, &QPushButton::clicked, this, [this] {
        SampleFilesContext context {
            m_settings, m_dialogs, *m_imageList, QtYesNoQuestion(this), SamplesFolder()};
        LoadSampleFiles(context);
    });
    m_preview = std::make_unique<StampPreview>(
        *this, *m_stamp, m_dialogs, m_events, [this] { return m_busy; });
    connect(
        m_ui->PushButton9, &QPushButton::clicked, this, [this] { m_preview->PushButton9_Click(); });
    m_drop = std::make_unique<ListDrop>(*m_imageList, m_events, m_dialogs);
}

Form1::~Form1()
{
    // The list is destroyed before the widgets it watches, which go with this window.
    setBusy(false);
}

void Form1::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// The design gives the frames, option buttons and labels a white background on the window's
// face colour; an optional skin later takes that back.
void Form1::paintPanelsWhite()
{
    QList<QWidget *> panels;
    for (QGroupBox *frame : findChildren<QGroupBox *>())
        panels << frame;
    for (QRadioButton *option : findChildren<QRadioButton *>())
        panels << option;
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label != m_ui->Picture2)
            panels << label;
    }
    for (QWidget *panel : std::as_const(panels)) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, Qt::white);
        panel->setPalette(palette);
        panel->setBackgroundRole(QPalette::Window);
        panel->setAutoFillBackground(true);
    }
}

QString Form1::QualityCaption(int quality)
{
    return QStringLiteral("JPG Image Quality: %1%").arg(quality);
}

// What the window shows before anything has been chosen: custom text as the source, the first
// item of each list, quality 85, results saved to a chosen folder, and the stamp font, Arial 14
// bold, white on a black sample.
void Form1::showFirstStartValues()
{
    const StampOptions options;
    m_ui->Combo4->setCurrentIndex(options.fileDateKind);
    m_ui->Combo1->setCurrentText(options.format);
    m_ui->Combo2->setCurrentText(options.position);
    m_ui->Option3->setChecked(options.source == StampSource::CustomText);
    m_ui->Slider1->setValue(options.jpegQuality);
    m_ui->Frame1->setTitle(QualityCaption(m_ui->Slider1->value()));
    m_ui->Option4->setChecked(options.saveOption == SaveOption::ChosenFolder);
    m_ui->Option5->setChecked(options.saveOption == SaveOption::OriginalFolder);
    m_ui->Frame6->setEnabled(m_ui->Option4->isChecked());

    m_ui->Text4->setFont(StampFont(options));
    const QColor color = StampColor(options.color);
    QPalette sample = m_ui->Text4->palette();
    sample.setColor(QPalette::Text, color);
    sample.setColor(QPalette::Base, options.color == kWhite ? Qt::black : Qt::white);
    m_ui->Text4->setPalette(sample);
    m_ui->Text4->setPlainText(options.sampleText);

    QPalette swatch = m_ui->Picture2->palette();
    swatch.setColor(QPalette::Window, color);
    m_ui->Picture2->setPalette(swatch);
}

FileAdderContext Form1::adderContext()
{
    return FileAdderContext {m_dialogs, m_settings, m_events,
        [this](const QString &path) { m_imageList->Append(path); },
        [this](bool busy) { setBusy(busy); }};
}

void Form1::PushButton2_Click()
{
    FileAdderContext context = adderContext();
    AddImageFiles(context);
}

void Form1::PushButton3_Click()
{
    FileAdderContext context = adderContext();
    AddAllFilesInFolder(context);
}

void Form1::PushButton8_Click()
{
    m_stamp->start();
}

void Form1::PushButton4_Click()
{
    TrappedProcedure procedure(m_dialogs, QString::fromLatin1(Location::kClearList));
    procedure.run(100, [this] { m_imageList->RequestClear(); });
}
