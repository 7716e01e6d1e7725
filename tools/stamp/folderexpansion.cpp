// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderexpansion.h"

#include "base/eventpump.h"
#include "folderwalk/folderwalk.h"
#include "ui/dialogs.h"

namespace {

// The walk reports through dialogs; here nobody is there to answer, so what it would show is
// collected, and every question is answered as a cancel.
class CollectingDialogs final : public Dialogs
{
public:
    explicit CollectingDialogs(QStringList *problems)
        : m_problems(problems)
    { }
    void showMessage(const QString &, const QString &text, Icon) override
    {
        if (m_problems)
            *m_problems << text.section(QLatin1String("\r\n"), 0, 0);
    }
    QString askText(const QString &, const QString &, const QString &) override { return {}; }
    QStringList chooseFiles(const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    FontChoice chooseFont(const FontChoice &preset) override { return preset; }
    quint32 chooseColor(quint32 preset) override { return preset; }

private:
    QStringList *m_problems;
};

} // namespace

QStringList FilesInFolder(const QString &folder, const QString &extension, QStringList *problems)
{
    NullEventPump events;
    CollectingDialogs dialogs(problems);
    int undecodable = 0;
    QStringList files = ScanFolder(folder, extension, events, dialogs, &undecodable);
    if (undecodable > 0 && problems)
        *problems << UndecodableNamesNote(undecodable);
    return files;
}
