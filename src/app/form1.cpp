// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "ui_form1.h"

#include "app/removestamp.h"
#include "app/stampcontroller.h"
#include "engine/render/overlaytext.h"
#include "imagelist/addfolder.h"
#include "imagelist/fileadder.h"
#include "imagelist/imagelist.h"
#include "imagelist/listdrop.h"
#include "imagelist/samplefiles.h"
#include "options/stampoptionsmodel.h"
#include "preview/stamppreview.h"
#include "ui/errorreport.h"
#include "ui/fontcolorchoice.h"
#include "ui/optionspanel.h"
#include "ui/samplebox.h"
#include "ui/stampstyledialog.h"
#include "ui/trappedprocedure.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>

using namespace kalvora;

Form1::Form1(Dialogs &dialogs, SettingsStore &settings, EventPump &events, QWidget *parent)
    : Form1(dialogs, settings, events, StartUpSeams {}, parent)
{ }

Form1::Form1(Dialogs &dialogs, SettingsStore &settings, EventPump &events, StartUpSeams seams,
    QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form1>())
    , m_dialogs(dialogs)
    , m_settings(settings)
    , m_events(events)
    , m_seams(std::move(seams))
    , m_clock(m_seams.clock ? *m_seams.clock : m_systemClock)
    , m_texts(m_seams.dateTexts.value_or(DateTexts()))
{
    m_ui->setupUi(this);
    setFixedSize(size());
    paintPanelsWhite();
    m_imageList = std::make_unique<ImageList>(m_ui->ListView1, [this] { return m_busy; });

    const Ui::Form1 &ui = *m_ui;
    m_options = std::make_unique<StampOptionsModel>();
    m_sample = std::make_unique<SampleBox>(*ui.Text4, *ui.Picture2, m_options.get());
    m_panel = std::make_unique<OptionsPanel>(
        OptionsPanelControls {ui.Option1, ui.Option2, ui.Option3, ui.Combo4, ui.Combo1, ui.Combo2,
            ui.Text1, ui.Text2, ui.Text5, ui.Text4, ui.Text6, ui.Slider1, ui.Frame1, ui.Option4,
            ui.Option5, ui.Frame6, ui.PushButton7, ui.PushButton1},
        *m_options, m_settings, m_dialogs, m_clock, m_texts,
        [this](const QString &prompt, const QString &initial) {
            return PickFolder(m_dialogs, prompt, initial);
        });
    m_fontColor = std::make_unique<FontColorChoice>(*m_sample, m_settings, m_dialogs);
    connect(m_ui->PushButton6, &QPushButton::clicked, this,
        [this] { m_fontColor->PushButton6_Click(); });
    connect(m_ui->PushButton10, &QPushButton::clicked, this,
        [this] { m_fontColor->PushButton10_Click(); });

    connect(m_ui->PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(m_ui->PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(m_ui->PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);

    m_stamp = std::make_unique<StampController>(*this, m_dialogs, m_events, m_texts);
    connect(m_ui->PushButton8, &QPushButton::clicked, this, &Form1::PushButton8_Click);
    // The list's context menu: the stamps of the selected entries removed, their originals put
    // back. Not while the window is busy, and no stamp run starts while it works.
    m_removeStamp = std::make_unique<RemoveStamp>(*m_stamp, m_dialogs, m_events, m_stamp->tools());
    m_removeStampAction = new QAction(tr("Remove Stamp"), m_ui->ListView1);
    m_removeStampAction->setObjectName(QStringLiteral("removeStampAction"));
    m_ui->ListView1->addAction(m_removeStampAction);
    m_ui->ListView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_removeStampAction, &QAction::triggered, this, [this] {
        if (!m_busy && !m_stamp->isRunning())
            m_removeStamp->start(m_imageList->selectedPaths());
    });

    // Sample files, the stamp preview and files dropped onto the list.
    connect(m_ui->PushButton5, &QPushButton::clicked, this, [this] {
        SampleFilesContext context {
            m_settings, m_dialogs, *m_imageList, qtYesNoQuestion(this), samplesFolder()};
        LoadSampleFiles(context);
    });
    m_preview = std::make_unique<StampPreview>(
        *this, *m_stamp, m_dialogs, m_events, [this] { return m_busy; });
    connect(
        m_ui->PushButton9, &QPushButton::clicked, this, [this] { m_preview->PushButton9_Click(); });
    m_drop = std::make_unique<ListDrop>(*m_imageList, m_events, m_dialogs);
    connect(m_ui->styleButton, &QPushButton::clicked, this, [this] {
        StampStyleDialog &dialog = stampStyleDialog();
        dialog.show();
        dialog.raise();
        dialog.activateWindow();
    });

    StartUp(*this, m_settings, m_dialogs, m_clock, m_texts, m_seams).Form_Load();
}

StampStyleDialog &Form1::stampStyleDialog()
{
    if (!m_styleDialog)
        m_styleDialog = new StampStyleDialog(*m_options, m_settings, m_dialogs, m_clock, this);
    return *m_styleDialog;
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
    if (m_removeStampAction)
        m_removeStampAction->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// The design gives the frames, option buttons and labels a white background on the window's
// face colour; an optional skin later takes that back. On a dark desktop, where the text is
// light, white would hide it: the panels take the desktop's own field colour and text colour.
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
    const QPalette desktop = QApplication::palette();
    const bool dark = desktop.color(QPalette::WindowText).lightness()
        > desktop.color(QPalette::Window).lightness();
    for (QWidget *panel : std::as_const(panels)) {
        QPalette palette = panel->palette();
        palette.setColor(
            QPalette::Window, dark ? desktop.color(QPalette::Base) : QColor(Qt::white));
        if (dark)
            palette.setColor(QPalette::WindowText, desktop.color(QPalette::Text));
        panel->setPalette(palette);
        panel->setBackgroundRole(QPalette::Window);
        panel->setAutoFillBackground(true);
    }
}

QString Form1::qualityCaption(int quality)
{
    return OptionsPanel::qualityCaption(quality);
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_removeStamp->requestStop();
    // Closing the main window ends the program: every other window goes with it, without its
    // own close handling, and with no window left the application quits.
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other != this && other->isVisible())
            other->hide();
    }
    QWidget::closeEvent(event);
}

FileAdderContext Form1::adderContext()
{
    return FileAdderContext {m_dialogs, m_settings, m_events,
        [this](const QString &path, const QString &walkedFolder) {
            m_imageList->append(path, walkedFolder);
        },
        [this](bool busy) { setBusy(busy); }};
}

void Form1::PushButton2_Click()
{
    FileAdderContext context = adderContext();
    addImageFiles(context);
}

void Form1::PushButton3_Click()
{
    FileAdderContext context = adderContext();
    addAllFilesInFolder(context);
}

void Form1::PushButton8_Click()
{
    // Files whose stamp is being removed are not stamped at the same time.
    if (m_removeStamp->isRunning())
        return;
    m_stamp->start();
}

void Form1::PushButton4_Click()
{
    TrappedProcedure procedure(m_dialogs, QString::fromLatin1(Location::kClearList));
    procedure.run(100, [this] { m_imageList->requestClear(); });
}
