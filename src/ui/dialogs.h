// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/fontchoice.h"

#include <QString>
#include <QStringList>

/// A message text as it is shown on screen. The program's messages keep their classic line ends,
/// carriage returns with or without a line feed; every such end becomes one line break here, so
/// "a\r\rb" shows an empty line between a and b on every platform.
QString displayedText(const QString &text);

/// Every modal dialog the program shows. The application answers through Qt's dialogs; tests
/// script the answers and record what was asked. Nothing here needs a widget, so the engine can
/// report through it headless.
class Dialogs
{
public:
    enum class Icon { None, Exclamation };

    virtual ~Dialogs() = default;

    /// A modal message with a single OK button.
    virtual void showMessage(const QString &title, const QString &text, Icon icon) = 0;

    /// An input box. Cancelling answers the empty text, as does clearing the proposed answer.
    virtual QString askText(const QString &title, const QString &prompt, const QString &proposed)
        = 0;

    /// A multi-select open-file dialog: the chosen files as full paths, none when cancelled.
    virtual QStringList chooseFiles(const QString &title, const QString &filter) = 0;

    /// A folder browser that starts at \a initialFolder (or its default when that is empty):
    /// the chosen folder without a trailing separator (a root keeps its own), or the empty text
    /// when cancelled.
    virtual QString chooseFolder(const QString &prompt, const QString &initialFolder) = 0;

    /// A font dialog preset with \a preset. Cancelling answers the preset unchanged.
    virtual FontChoice chooseFont(const FontChoice &preset) = 0;

    /// A colour dialog preset with \a preset (red in the low byte). Cancelling answers the preset.
    virtual quint32 chooseColor(quint32 preset) = 0;
};
