// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/fileadder.h"

#include "base/applicationtitle.h"
#include "base/filehelpers.h"
#include "folderwalk/folderwalk.h"
#include "imagelist/addfolder.h"
#include "options/settingsstore.h"
#include "ui/dialogs.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <QCoreApplication>
#include <QStringList>

using namespace FileAdderTexts;

void addImageFiles(FileAdderContext &context)
{
    TrappedProcedure procedure(context.dialogs, QLatin1String(Location::kAddFiles));

    QStringList files;
    procedure.run(100, [&] {
        files
            = context.dialogs.chooseFiles(QCoreApplication::translate("FileAdder", kAddFilesTitle),
                QCoreApplication::translate("FileAdder", kPictureFilter));
    });
    if (files.isEmpty())
        return;

    procedure.run(102, [&] {
        // A single choice is taken exactly as the dialog gave it; several are each tidied.
        if (files.size() == 1) {
            context.append(files.first(), QString());
            return;
        }
        EventPacer pacer(context.events);
        for (const QString &file : std::as_const(files)) {
            pacer.pumpWhenDue();
            context.append(NormalizePath(file), QString());
        }
    });
}

void addAllFilesInFolder(FileAdderContext &context)
{
    TrappedProcedure procedure(context.dialogs, QLatin1String(Location::kAddFolder));

    QString extension;
    procedure.run(100, [&] {
        extension = context.dialogs.askText(shortTitle(),
            QCoreApplication::translate("FileAdder", kExtensionPrompt),
            context.settings.read(Keys::kExtension));
    });
    if (extension.isEmpty())
        return;
    procedure.run(102, [&] { context.settings.write(Keys::kExtension, extension); });

    QString folder;
    procedure.run(104, [&] {
        folder
            = PickFolder(context.dialogs, QCoreApplication::translate("FileAdder", kFolderPrompt),
                context.settings.read(Keys::kLastFolder));
    });
    if (folder.isEmpty())
        return;
    procedure.run(106, [&] { context.settings.write(Keys::kLastFolder, folder); });

    procedure.run(108, [&] { context.setBusy(true); });
    FolderWalk walk;
    procedure.run(110, [&] {
        walk = scanFolder(folder, extension, context.events);
        reportWalkProblems(context.dialogs, walk.problems);
    });
    procedure.run(112, [&] {
        EventPacer pacer(context.events);
        for (const QString &file : std::as_const(walk.files)) {
            pacer.pumpWhenDue();
            context.append(file, folder);
        }
    });
    // Reached whatever failed above, so the window never stays busy.
    procedure.run(114, [&] { context.setBusy(false); });
    if (walk.undecodable > 0)
        procedure.run(116, [&] {
            context.dialogs.showMessage(
                shortTitle(), undecodableNamesNote(walk.undecodable), Dialogs::Icon::Exclamation);
        });
}
