// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/stampoptions.h"

#include <QList>
#include <QString>

class ProgressBar;

/// One entry of the image list: its path, the identity it keeps however the list is
/// reordered, never given to another entry, and the folder whose walk found it (empty for a
/// file added by itself).
struct ListedImage
{
    QString path;
    quint64 identity = 0;
    QString walkedFolder;
};

/// What the stamp run and the preview need of the main window: the image list, the options as
/// the controls read at this moment, the progress bar and the busy pointer.
class StampRunWindow
{
public:
    virtual ~StampRunWindow() = default;

    /// The number of listed images, and the path of entry \a number (from 1).
    virtual int imageCount() const = 0;
    virtual QString imagePath(int number) const = 0;
    /// Every listed entry in list order, each with its identity.
    virtual QList<ListedImage> listedImages() const = 0;
    /// Whether the entry with \a identity is still listed.
    virtual bool isListed(quint64 identity) const = 0;

    /// The stamp options as the controls show them now, font and colour included. Read once
    /// for each file, as it is handed out.
    virtual StampOptions currentOptions() const = 0;

    virtual ProgressBar &progressBar() = 0;
    virtual void setBusy(bool busy) = 0;
    /// Whether the user has the window in front: a run that ends while they work elsewhere
    /// tells them through a desktop notification.
    virtual bool isActive() const { return true; }
};
