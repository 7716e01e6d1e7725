// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the output tests share: pictures made on the spot, a look at files and their tags, and
// one file taken through the engine as a stamp job takes it.

#include "base/datetexts.h"
#include "base/runtimefailure.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/metadata/metadatacopy.h"
#include "engine/output/imageoutput.h"
#include "engine/output/placement.h"
#include "engine/output/toolrunner.h"
#include "engine/render/overlaytext.h"
#include "engine/run/stampjob.h"
#include "testimages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace kalvora;

using namespace TestImages;

// A JPEG carrying a date taken, a GPS position, an IPTC keyword and an XMP title.
inline void makeTaggedJpeg(const QString &path)
{
    QVERIFY(writeTaggedJpeg(path));
}

inline QString failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeFailure &failure) {
        return failure.description();
    }
    return {};
}

/// A test folder holding "pics" (the sources), "out" (a chosen folder) and "link" (a symbolic
/// link to "pics"), emptied before each test function.
class OutputFolders
{
public:
    void reset()
    {
        pics = dir.filePath(QStringLiteral("pics"));
        out = dir.filePath(QStringLiteral("out"));
        QDir(pics).removeRecursively();
        QDir(out).removeRecursively();
        QVERIFY(QDir().mkpath(pics));
        QVERIFY(QDir().mkpath(out));
        QFile::remove(dir.filePath(QStringLiteral("link")));
        QVERIFY(QFile::link(pics, dir.filePath(QStringLiteral("link"))));
    }

    QTemporaryDir dir;
    QString pics;
    QString out;
};

// One file through the engine as a stamp job takes it: load, stamp a yellow date in the
// middle, write, copy the tags, and put the result in place. Throws the first failure.
inline OutputTarget stampFile(const QString &source, SaveOption option, const QString &folder,
    ToolRunner &tools, int quality = 85)
{
    StampOptions options;
    options.customText = QStringLiteral("2021-08-31");
    options.position = StampPosition::Center;
    options.color = colorValue(255, 255, 0);
    options.jpegQuality = quality;
    options.saveOption = option;
    options.outputFolder = folder;
    ExifToolSession exifTool(tools.exifTool());
    const DateTexts texts;
    QTemporaryDir work;
    const StampJobResult result
        = runStampJob(stampJobFor(source, options, work.path()), {tools, exifTool, texts});
    if (!result.failures.isEmpty())
        throw RuntimeFailure(result.failures.first().description);
    const OutputTarget target = OutputPathFor(source, option, folder);
    return target.replaceSource ? OutputTarget {source, true} : target;
}

/// What each output test class holds: its folders, an event pump that runs nothing, and the
/// one-file stamp of stampFile.
class OutputTestCase : public QObject
{
protected:
    OutputFolders m_folders;
    const QString &m_pics = m_folders.pics;
    const QString &m_out = m_folders.out;
    QTemporaryDir &m_dir = m_folders.dir;

    OutputTarget stamp(const QString &source, SaveOption option, const QString &folder,
        ToolRunner &tools, int quality = 85)
    {
        return stampFile(source, option, folder, tools, quality);
    }
};
