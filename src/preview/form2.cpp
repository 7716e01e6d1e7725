// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/form2.h"
#include "ui_form2.h"

#include "base/applicationtitle.h"
#include "base/filehelpers.h"
#include "base/programfiles.h"
#include "base/runtimefailure.h"
#include "preview/handpointer.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

Form2::Form2(std::function<QImage()> surface, QWidget *mainWindow, Dialogs &dialogs,
    const QString &programFolder)
    : m_ui(std::make_unique<Ui::Form2>())
    , m_surface(std::move(surface))
    , m_mainWindow(mainWindow)
    , m_dialogs(dialogs)
    , m_programFolder(programFolder)
{
    m_ui->setupUi(this);
    // The layout's own size first; a person may make the window larger, or maximise it.
    resize(kClientSize);
    setMinimumSize(kClientSize / 2);
    // A close request lets the window go; the next preview makes a new one.
    setAttribute(Qt::WA_DeleteOnClose);
    QFont backFont(QStringLiteral("Arial"));
    backFont.setPointSizeF(11.25);
    backFont.setBold(true);
    m_ui->PushButton1->setFont(backFont);

    // The viewport shows the window colour where no picture lies; the picture box is white.
    m_ui->PicView->setBackgroundRole(QPalette::Base);
    m_ui->PicView->setAutoFillBackground(true);
    QPalette white = m_ui->PicOrg->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_ui->PicOrg->setPalette(white);
    m_ui->PicOrg->setAutoFillBackground(true);

    // The picture slides under the viewport: each bar's value is how far it has moved.
    connect(m_ui->VscrPic, &QScrollBar::valueChanged, this,
        [this](int value) { m_ui->PicOrg->move(m_ui->PicOrg->x(), -value); });
    connect(m_ui->HscrPic, &QScrollBar::valueChanged, this,
        [this](int value) { m_ui->PicOrg->move(-value, m_ui->PicOrg->y()); });
    m_ui->PicView->installEventFilter(this);
    m_ui->PicOrg->installEventFilter(this);
    connect(m_ui->PushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);

    // The picture's context menu offers what the keys do.
    const struct
    {
        const char *text;
        int key;
    } views[] = {{QT_TRANSLATE_NOOP("Form2", "Fit to Window\tF"), Qt::Key_F},
        {QT_TRANSLATE_NOOP("Form2", "Actual Size\t1"), Qt::Key_1},
        {QT_TRANSLATE_NOOP("Form2", "Zoom In\t+"), Qt::Key_Plus},
        {QT_TRANSLATE_NOOP("Form2", "Zoom Out\t-"), Qt::Key_Minus}};
    m_ui->PicView->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto &view : views) {
        auto *action = new QAction(QCoreApplication::translate("Form2", view.text), m_ui->PicView);
        connect(action, &QAction::triggered, this, [this, key = view.key] { viewKey(key); });
        m_ui->PicView->addAction(action);
    }

    const QScreen *screen
        = m_mainWindow ? m_mainWindow->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

Form2::~Form2() = default;

void Form2::Form_Load()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kPreviewLoad));
    procedure.run(100, [this] { setWindowTitle(shortTitle()); });
    procedure.run(102, [this] {
        setWindowIcon(m_mainWindow ? m_mainWindow->windowIcon() : QApplication::windowIcon());
    });
    procedure.run(104, [this] {
        QPalette face = palette();
        face.setColor(QPalette::Window, face.color(QPalette::Button));
        setPalette(face);
        setAutoFillBackground(true);
    });
    procedure.run(106, [this] {
        const QString handFile = findProgramFile(QStringLiteral("HAND-M.CUR"),
            programFileFolders(ProgramFileKind::Data, m_programFolder));
        if (!FileExists(handFile))
            return;
        // A damaged pointer file was reported when the main window started; here the button
        // just keeps the default pointer.
        try {
            m_ui->PushButton1->setCursor(loadHandPointer(handFile));
        } catch (const RuntimeFailure &) { }
    });
    procedure.run(108, [this] { showPicture(m_surface()); });
}

void Form2::Form_Activate()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kPreviewActivate));
    procedure.run(100, [this] { showPicture(m_surface()); });
}

void Form2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Shown by the program, not restored by the window system.
    if (!event->spontaneous())
        Form_Activate();
}

bool Form2::back(TrappedProcedure &procedure)
{
    procedure.run(100, [this] {
        if (!m_mainWindow)
            throw RuntimeFailure(QStringLiteral("The main window is gone."));
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    });
    // This window stays when the main window could not be shown: one of them must be visible.
    if (!m_mainWindow || !m_mainWindow->isVisible())
        return false;
    procedure.run(102, [this] { hide(); });
    return true;
}

void Form2::PushButton1_Click()
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kPreviewBack));
    back(procedure);
}

void Form2::closeEvent(QCloseEvent *event)
{
    TrappedProcedure procedure(m_dialogs, QLatin1String(Location::kPreviewQueryUnload));
    if (back(procedure))
        event->accept();
    else
        event->ignore();
}

void Form2::showPicture(const QImage &picture)
{
    // The same photo shown again keeps the part the user scrolled to; another starts top-left.
    const bool samePlace = picture.size() == m_picture.size();
    m_picture = picture;
    if (!samePlace) {
        m_ui->VscrPic->setValue(0);
        m_ui->HscrPic->setValue(0);
    }
    showScaled();
}

double Form2::fittingScale() const
{
    const QSize room = m_ui->PicScroll->contentsRect().size();
    if (m_picture.isNull() || room.isEmpty())
        return 1;
    return std::min({1.0, double(room.width()) / m_picture.width(),
        double(room.height()) / m_picture.height()});
}

void Form2::showScaled()
{
    if (m_fitted)
        m_scale = fittingScale();
    const QSize shown = m_picture.size() * m_scale;
    m_ui->PicOrg->setPixmap(QPixmap::fromImage(m_scale == 1 || m_picture.isNull()
            ? m_picture
            : m_picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_ui->PicOrg->resize(m_picture.isNull() ? QSize() : shown);
    layoutViewport();
    m_ui->PicOrg->move(-m_ui->HscrPic->value(), -m_ui->VscrPic->value());
}

void Form2::setFitted(bool fitted)
{
    m_fitted = fitted;
    if (!fitted)
        m_scale = 1;
    showScaled();
}

void Form2::setScale(double scale)
{
    m_fitted = false;
    m_scale = std::clamp(scale, 1.0 / 32, 8.0);
    showScaled();
}

// The keys that change how the picture shows; answers whether \a key was one.
bool Form2::viewKey(int key)
{
    switch (key) {
    case Qt::Key_F:
        setFitted(true);
        break;
    case Qt::Key_1:
        setFitted(false);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setScale(m_scale * 1.25);
        break;
    case Qt::Key_Minus:
        setScale(m_scale / 1.25);
        break;
    default:
        return false;
    }
    emit viewChosen(m_fitted);
    return true;
}

void Form2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The button and the viewport keep their margins as the window grows.
    m_ui->PushButton1->setGeometry(8, 8, width() - 16, 27);
    m_ui->PicScroll->setGeometry(8, 42, width() - 16, height() - 46);
    showScaled();
}

// Each bar shows only when the picture does not fit that way; a bar that shows takes room from
// the other direction, which may make that one needed too.
void Form2::layoutViewport()
{
    const QRect inner = m_ui->PicScroll->contentsRect();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_ui->VscrPic);
    const QSize picture = m_ui->PicOrg->size();
    bool needH = picture.width() > inner.width();
    bool needV = picture.height() > inner.height();
    needV = needV || (needH && picture.height() > inner.height() - extent);
    needH = needH || (needV && picture.width() > inner.width() - extent);
    const QSize view(inner.width() - (needV ? extent : 0), inner.height() - (needH ? extent : 0));

    m_ui->PicView->setGeometry(QRect(inner.topLeft(), view));
    m_ui->VscrPic->setGeometry(inner.left() + view.width(), inner.top(), extent, view.height());
    m_ui->HscrPic->setGeometry(inner.left(), inner.top() + view.height(), view.width(), extent);
    m_ui->VscrPic->setVisible(needV);
    m_ui->HscrPic->setVisible(needH);

    m_ui->VscrPic->setRange(0, qMax(0, picture.height() - view.height()));
    m_ui->VscrPic->setPageStep(view.height());
    m_ui->VscrPic->setSingleStep(kScrollStep);
    m_ui->HscrPic->setRange(0, qMax(0, picture.width() - view.width()));
    m_ui->HscrPic->setPageStep(view.width());
    m_ui->HscrPic->setSingleStep(kScrollStep);
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    if (viewKey(event->key())) {
        event->accept();
        return;
    }
    QScrollBar *vertical = m_ui->VscrPic;
    QScrollBar *horizontal = m_ui->HscrPic;
    switch (event->key()) {
    case Qt::Key_Up:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Left:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Home:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        horizontal->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        horizontal->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_ui->PicView && watched != m_ui->PicOrg)
        return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        viewKey(m_fitted ? Qt::Key_1 : Qt::Key_F);
        return true;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    if (static_cast<QWheelEvent *>(event)->modifiers() & Qt::ControlModifier) {
        viewKey(
            static_cast<QWheelEvent *>(event)->angleDelta().y() > 0 ? Qt::Key_Plus : Qt::Key_Minus);
        return true;
    }
    // The wheel over the picture scrolls it: up and down, or sideways for a sideways wheel.
    const auto *wheel = static_cast<QWheelEvent *>(event);
    const QPoint delta = wheel->angleDelta();
    QScrollBar *bar = qAbs(delta.x()) > qAbs(delta.y()) ? m_ui->HscrPic : m_ui->VscrPic;
    QCoreApplication::sendEvent(bar, event);
    return true;
}
