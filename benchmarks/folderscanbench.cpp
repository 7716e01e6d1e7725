// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
//
// folderscanbench [FILES [FOLDERS]]: builds a folder tree of FILES files (default 10,000) spread
// over FOLDERS subfolders (default 4) in a temporary folder, then times the folder scan of
// "Add All File(s) In Folder" and reports how often it let window events run and the longest
// stretch without doing so: that stretch is how long the window would stay frozen. Then it
// runs the whole command, the questions answered, into the image list's own widget.
#include "base/eventpump.h"
#include "folderwalk/folderwalk.h"
#include "imagelist/fileadder.h"
#include "imagelist/imagelist.h"
#include "options/settingsstore.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>

#include <algorithm>

namespace {

// Answers the extension question with "*" and the folder question with \a folder.
class SilentDialogs final : public Dialogs
{
public:
    int messages = 0;
    QString folder;
    void showMessage(const QString &, const QString &, Icon) override { ++messages; }
    QString askText(const QString &, const QString &, const QString &) override
    {
        return QStringLiteral("*");
    }
    QStringList chooseFiles(const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return folder; }
    FontChoice chooseFont(const FontChoice &preset) override { return preset; }
    quint32 chooseColor(quint32 preset) override { return preset; }
};

// Counts the pump calls and measures the gaps between them (and from the start to the first,
// and from the last to the end).
class TimingPump final : public EventPump
{
public:
    void start() { m_clock.start(); }
    void processEvents() override
    {
        ++calls;
        note();
    }
    void finish() { note(); }

    int calls = 0;
    qint64 longestGapNs = 0;

private:
    void note()
    {
        const qint64 now = m_clock.nsecsElapsed();
        longestGapNs = std::max(longestGapNs, now - m_last);
        m_last = now;
    }

    QElapsedTimer m_clock;
    qint64 m_last = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int fileCount = args.size() > 1 ? args.at(1).toInt() : 10000;
    const int folderCount = std::max(1, args.size() > 2 ? args.at(2).toInt() : 4);
    QTextStream out(stdout);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        out << "cannot create a temporary folder\n";
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < fileCount; ++i) {
        // A quarter of the files lie in the chosen folder itself, the rest below it.
        const int folder = i % (folderCount + 1);
        const QString sub = folder == 0 ? QString() : QStringLiteral("day %1/").arg(folder);
        if (i <= folderCount && !sub.isEmpty())
            QDir(dir.path()).mkpath(sub);
        QFile file(
            dir.filePath(sub + QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly)) {
            out << "cannot create " << file.fileName() << "\n";
            return 1;
        }
    }
    out << "created " << fileCount << " files in " << folderCount << " subfolders and the top in "
        << clock.elapsed() << " ms\n";

    for (const char *extension : {"*", "jpg", "png"}) {
        TimingPump pump;
        pump.start();
        clock.restart();
        const FolderWalk walk = scanFolder(dir.path(), QString::fromLatin1(extension), pump);
        const qint64 elapsedUs = clock.nsecsElapsed() / 1000;
        pump.finish();
        out << "extension " << extension << ": " << walk.files.size() << " files in "
            << elapsedUs / 1000.0 << " ms; event pump ran " << pump.calls << " times, longest gap "
            << pump.longestGapNs / 1.0e6 << " ms"
            << (walk.problems.isEmpty() ? "" : ", with error reports") << "\n";
    }

    // The whole command into the list widget, the way the window's button runs it.
    QTreeWidget view;
    ImageList list(&view);
    view.resize(520, 170);
    view.show();
    QTemporaryDir settingsDir;
    SettingsStore settings(settingsDir.filePath(QStringLiteral("settings.ini")));
    SilentDialogs dialogs;
    dialogs.folder = dir.path();
    TimingPump pump;
    FileAdderContext context {dialogs, settings, pump,
        [&list](
            const QString &path, const QString &walkedFolder) { list.append(path, walkedFolder); },
        [](bool) {}};
    pump.start();
    clock.restart();
    addAllFilesInFolder(context);
    const qint64 elapsedUs = clock.nsecsElapsed() / 1000;
    pump.finish();
    out << "Add All File(s) In Folder: " << list.count() << " entries listed in "
        << elapsedUs / 1000.0 << " ms; event pump ran " << pump.calls << " times, longest gap "
        << pump.longestGapNs / 1.0e6 << " ms\n";
    return 0;
}
