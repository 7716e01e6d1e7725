// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampcontroller.h"

#include "app/form1.h"
#include "imagelist/imagelist.h"
#include "options/stampoptionsmodel.h"
#include "ui/errorreport.h"
#include "ui_form1.h"

#include <QEvent>

using namespace kalvora;

int WidgetProgressBar::value() const
{
    return m_bar.value();
}

void WidgetProgressBar::setValue(int value)
{
    m_bar.setValue(value);
}

QString WidgetProgressBar::text() const
{
    return m_bar.format();
}

void WidgetProgressBar::setText(const QString &text)
{
    m_bar.setFormat(text);
}

StampController::StampController(
    Form1 &window, Dialogs &dialogs, EventPump &events, const DateTexts &texts)
    : m_window(window)
    , m_bar(*window.ui().ProgressBar1)
    , m_run(*this, dialogs, events, m_tools, m_temp, texts,
          QString::fromLatin1(Location::kStartStamping))
{
    window.installEventFilter(this);
}

bool StampController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && m_run.isRunning())
        m_run.requestStop();
    return QObject::eventFilter(watched, event);
}

int StampController::imageCount() const
{
    return m_window.imageList().count();
}

QString StampController::imagePath(int number) const
{
    return m_window.imageList().pathAt(number);
}

QList<ListedImage> StampController::listedImages() const
{
    const ImageList &list = m_window.imageList();
    QList<ListedImage> images;
    images.reserve(list.count());
    for (int number = 1; number <= list.count(); ++number)
        images.append({list.pathAt(number), list.identityAt(number), list.walkedFolderAt(number)});
    return images;
}

bool StampController::isListed(quint64 identity) const
{
    return m_window.imageList().holds(identity);
}

StampOptions StampController::currentOptions() const
{
    return m_window.optionsModel().options();
}

bool StampController::isActive() const
{
    return m_window.isActiveWindow();
}

void StampController::setBusy(bool busy)
{
    m_window.setBusy(busy);
}
