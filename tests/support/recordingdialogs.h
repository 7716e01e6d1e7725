// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QQueue>

/// The dialogs of a test: each answer is scripted beforehand, and every dialog shown is
/// recorded with what it asked. An unscripted question answers as a cancel would.
class RecordingDialogs final : public Dialogs
{
public:
    struct Shown
    {
        QString kind; // "message", "text", "files", "folder", "font", "color"
        QString title;
        QString text;
        Icon icon = Icon::None;
        QString proposed;
    };

    QList<Shown> shown;
    QQueue<QString> textAnswers;
    QQueue<QStringList> fileAnswers;
    QQueue<QString> folderAnswers;
    QQueue<FontChoice> fontAnswers;
    QQueue<quint32> colorAnswers;
    QList<FontChoice> fontPresets; // every font dialog's preset, in order
    QList<quint32> colorPresets; // every colour dialog's preset, in order

    /// The texts of the messages shown, in order.
    QStringList messages() const
    {
        QStringList texts;
        for (const Shown &s : shown)
            if (s.kind == QLatin1String("message"))
                texts << s.text;
        return texts;
    }

    void showMessage(const QString &title, const QString &text, Icon icon) override
    {
        shown.append({QStringLiteral("message"), title, text, icon, {}});
    }

    QString askText(const QString &title, const QString &prompt, const QString &proposed) override
    {
        shown.append({QStringLiteral("text"), title, prompt, Icon::None, proposed});
        return textAnswers.isEmpty() ? QString() : textAnswers.dequeue();
    }

    QStringList chooseFiles(const QString &title, const QString &filter) override
    {
        shown.append({QStringLiteral("files"), title, filter, Icon::None, {}});
        return fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
    }

    QString chooseFolder(const QString &prompt, const QString &initialFolder) override
    {
        shown.append({QStringLiteral("folder"), {}, prompt, Icon::None, initialFolder});
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }

    FontChoice chooseFont(const FontChoice &preset) override
    {
        shown.append({QStringLiteral("font"), {}, preset.name, Icon::None, {}});
        fontPresets.append(preset);
        return fontAnswers.isEmpty() ? preset : fontAnswers.dequeue();
    }

    quint32 chooseColor(quint32 preset) override
    {
        shown.append({QStringLiteral("color"), {}, QString::number(preset), Icon::None, {}});
        colorPresets.append(preset);
        return colorAnswers.isEmpty() ? preset : colorAnswers.dequeue();
    }
};
