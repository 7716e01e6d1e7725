// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"

#include <QPointer>
#include <QWidget>

/// The program's dialogs, shown with Qt's own: message box, input box, open-file dialog, folder
/// browser, font and colour dialogs. Each is modal over the owner window once one is set with
/// setOwner(); the main window needs the dialogs before it exists, so the owner comes later.
///
/// Message texts keep their carriage returns in the calls and show them as line breaks. The font
/// dialog has no effects section: strikethrough and underline are not the person's to choose
/// there, so they come back as preset.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget *owner = nullptr);

    void setOwner(QWidget *owner) { m_owner = owner; }
    QWidget *owner() const { return m_owner; }

    void showMessage(const QString &title, const QString &text, Icon icon) override;
    QString askText(const QString &title, const QString &prompt, const QString &proposed) override;
    QStringList chooseFiles(const QString &title, const QString &filter) override;
    QString chooseFolder(const QString &prompt, const QString &initialFolder) override;
    FontChoice chooseFont(const FontChoice &preset) override;
    quint32 chooseColor(quint32 preset) override;

private:
    QPointer<QWidget> m_owner;
};

/// Turns a filter written as "description|patterns|description|patterns|" (patterns separated by
/// ";") into Qt's "description (patterns)" entries joined by ";;". A pattern list already shown
/// in the description is not repeated. A filter without "|" is taken as Qt's form already. Each
/// lower-case pattern is joined by its upper-case twin, because the file systems here tell case
/// apart and cameras name their files "IMG_0001.JPG".
QString qtFileFilter(const QString &filter);
