// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainmodule.h"

#include "base/applicationtitle.h"
#include "base/randomdraw.h"
#include "base/runtimefailure.h"
#include "ui/optionspanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QUrl>

namespace {

// The failure number of the classic run-time for a path it cannot find or use.
constexpr int kPathNotFound = 76;

} // namespace

void ApplyFaceColour(QWidget &window, const QList<const QWidget *> &keep)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    QList<QWidget *> panels {&window};
    for (QWidget *child : window.findChildren<QWidget *>()) {
        if (qobject_cast<QRadioButton *>(child) || qobject_cast<QCheckBox *>(child)
            || qobject_cast<QGroupBox *>(child) || qobject_cast<QLabel *>(child))
            panels << child;
    }
    for (QWidget *panel : std::as_const(panels)) {
        if (keep.contains(panel))
            continue;
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, face);
        panel->setPalette(palette);
    }
}

void ApplySkin(QWidget &window, const QString &path, const QList<const QWidget *> &keep)
{
    const QFileInfo info(path);
    // A hidden file is not found, as a directory search for normal files would not find it.
    if (!info.isFile() || info.isHidden())
        return;
    ApplyFaceColour(window, keep);
    QFile skin(path);
    if (!skin.open(QIODevice::ReadOnly))
        throw RuntimeFailure(QStringLiteral("Cannot load the skin %1: %2")
                                 .arg(QDir::toNativeSeparators(path), skin.errorString()),
            kPathNotFound);
    window.setStyleSheet(QString::fromUtf8(skin.readAll()));
}

void SetShortTitle()
{
    // Qt's application display name is left unset: on X11 and Wayland Qt appends it to every
    // window title that does not end with it ("Application Error — Kalvora").
    setApplicationTitle(shortTitle());
}

bool isReservedAddress(const QUrl &url)
{
    const QString host = url.host().toLower();
    for (const char *domain : {"example", "test", "invalid", "localhost"}) {
        const QLatin1String name(domain);
        if (host == name || host.endsWith(QLatin1Char('.') + name))
            return true;
    }
    for (const char *domain : {"example.com", "example.net", "example.org"}) {
        const QLatin1String name(domain);
        if (host == name || host.endsWith(QLatin1Char('.') + name))
            return true;
    }
    return false;
}

bool HomePageVisit(
    RandomDraw &draw, const QString &address, const std::function<bool(const QUrl &)> &open)
{
    const double r = draw.draw();
    if (int(r * 100) + 1 != 7)
        return false;
    const QUrl url(address);
    if (!url.isValid() || isReservedAddress(url))
        return false;
    if (!open(url))
        throw RuntimeFailure(QStringLiteral("Cannot open %1").arg(address), kPathNotFound);
    return true;
}

QString SpecialFolderPath(QStandardPaths::StandardLocation folder)
{
    return QStandardPaths::writableLocation(folder);
}

QString DesktopFolderPath(const QString &special)
{
    if (special.isEmpty())
        throw RuntimeFailure(QStringLiteral("The desktop folder cannot be named"), kPathNotFound);
    return OptionsPanel::withTrailingSeparator(special);
}
