// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist/samplefiles.h"

#include "base/applicationtitle.h"
#include "base/filehelpers.h"
#include "base/programfiles.h"
#include "base/runtimefailure.h"
#include "folderwalk/folderwalk.h"
#include "imagelist/imagelist.h"
#include "options/settingsstore.h"
#include "ui/errorreport.h"
#include "ui/trappedprocedure.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace {

constexpr QChar kPathSeparator = QLatin1Char('|');
constexpr int kOverflow = 6; // the classic run-time's number for a count out of range
constexpr int kInvalidCall = 5;

// Adds (\a direction 1) or takes away (-1) the key's codes, keeping every code within 1 to 255.
QString shiftCodes(const QString &text, const QString &key, int direction)
{
    if (text.size() > kSnapshotMaxLength)
        throw RuntimeFailure(QCoreApplication::translate("SampleFiles",
                                 "Overflow: the sample snapshot is longer than %1 "
                                 "characters.")
                                 .arg(kSnapshotMaxLength),
            kOverflow);
    if (key.isEmpty())
        throw RuntimeFailure(
            QCoreApplication::translate("SampleFiles", "The snapshot key is empty."), kInvalidCall);
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = text.at(i).unicode();
        if (code < 1 || code > 255)
            throw RuntimeFailure(QCoreApplication::translate("SampleFiles",
                                     "The sample snapshot holds a character (code %1) "
                                     "that cannot be coded.")
                                     .arg(code),
                kInvalidCall);
        int value = code + direction * key.at(i % key.size()).unicode();
        if (value >= 256)
            value -= 255;
        else if (value <= 0)
            value += 255;
        result[i] = QChar(value);
    }
    return result;
}

} // namespace

QString samplesFolder()
{
    return programFile(ProgramFileKind::Data, QStringLiteral("Samples"));
}

QString EncodeSnapshot(const QString &text, const QString &key)
{
    return shiftCodes(text, key, 1);
}

QString DecodeSnapshot(const QString &text, const QString &key)
{
    return shiftCodes(text, key, -1);
}

void TakeSampleSnapshot(SettingsStore &settings, const QString &folder)
{
    QStringList paths;
    const QString listed = folder.endsWith(kSeparator) ? folder.chopped(1) : folder;
    for (const QString &name : ListFilesInFolder(listed, QStringLiteral("*.*")))
        paths << listed + kSeparator + name;
    // The coding works on codes 1 to 255: each path is carried as its UTF-8 bytes, which leaves
    // plain ASCII paths as they are and lets names in any script through.
    const QString snapshot = QString::fromLatin1(paths.join(kPathSeparator).toUtf8());
    settings.write(Keys::kSnapshot, EncodeSnapshot(snapshot));
}

YesNoQuestion qtYesNoQuestion(QWidget *owner)
{
    return [owner](const QString &title, const QString &question) {
        QMessageBox box(
            QMessageBox::NoIcon, title, question, QMessageBox::Yes | QMessageBox::No, owner);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    };
}

void LoadSampleFiles(SampleFilesContext &context)
{
    TrappedProcedure procedure(context.dialogs, QLatin1String(Location::kLoadSamples));

    QStringList paths;
    // An absent setting reads as "False", which decodes to no file.
    if (!procedure.run(100, [&] {
            const QString coded
                = context.settings.read(Keys::kSnapshot, Keys::kSnapshot.otherDefaultValue());
            paths = QString::fromUtf8(DecodeSnapshot(coded).toLatin1()).split(kPathSeparator);
        }))
        return;
    if (!procedure.run(102, [&] {
            for (const QString &path : std::as_const(paths)) {
                if (FileExists(path) && !context.list.contains(path))
                    context.list.append(path);
            }
        }))
        return;

    bool show = false;
    if (!procedure.run(104, [&] {
            show = context.askYesNo(shortTitle(),
                QCoreApplication::translate("SampleFiles", SampleTexts::kOpenFolderQuestion));
        }))
        return;
    if (!show)
        return;
    procedure.run(106, [&] {
        const QString folder = context.samplesFolder;
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder + kSeparator)))
            throw RuntimeFailure(QCoreApplication::translate(
                "SampleFiles", "Cannot show the folder %1 in the file manager.")
                                     .arg(QDir::toNativeSeparators(folder)));
    });
}
