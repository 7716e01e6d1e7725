// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the stamp job tests share: dark pictures the white stamp shows on, and the folders, tools
// and options a job runs with.

#include "base/datetexts.h"
#include "engine/codecs/worksurface.h"
#include "engine/metadata/exiftoolsession.h"
#include "engine/output/toolrunner.h"
#include "engine/run/stampjob.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kalvora;

inline QImage darkGray(int width = 320, int height = 240)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(60, 60, 60));
    return picture;
}

// A dark photo with fine detail, so its JPEG is mostly scan data.
inline QImage detailed()
{
    QImage picture(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y * 3) % 90, (x * y) % 80, (x ^ y) % 70));
    return picture;
}

// The folders and tools of a stamp job test; the test's initTestCase() starts the tools and its
// init() empties the folders.
class StampJobFixture
{
protected:
    void startTools()
    {
        configureImageReading();
        m_exifTool = std::make_unique<ExifToolSession>(m_converter.exifTool());
    }

    void emptyFolders()
    {
        for (QTemporaryDir *dir : {&m_sources, &m_output}) {
            QDir folder(dir->path());
            for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
                QVERIFY(folder.remove(name));
        }
    }

    QString sourcePath(const QString &name) const { return m_sources.filePath(name); }
    StampJobResult stamp(const QString &path, const StampOptions &options);
    StampOptions customText(SaveOption save) const;
    QStringList filesIn(const QTemporaryDir &dir) const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    ToolRunner m_converter;
    std::unique_ptr<ExifToolSession> m_exifTool;
    const DateTexts m_texts {QLocale(QStringLiteral("en_US"))};
    QTemporaryDir m_work;
    QTemporaryDir m_sources;
    QTemporaryDir m_output;
};

inline StampOptions StampJobFixture::customText(SaveOption save) const
{
    StampOptions options;
    options.source = StampSource::CustomText;
    options.customText = QStringLiteral("HELLO");
    options.font.pointSize = 28;
    options.saveOption = save;
    options.outputFolder = m_output.path() + QLatin1Char('/');
    return options;
}

inline StampJobResult StampJobFixture::stamp(const QString &path, const StampOptions &options)
{
    return runStampJob(
        stampJobFor(path, options, m_work.path()), {m_converter, *m_exifTool, m_texts});
}
