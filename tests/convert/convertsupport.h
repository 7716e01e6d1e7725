// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the converter tests share: running the built kalvora-convert, pictures made on the spot,
// and a look at the files it leaves.

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QTest>

struct RunResult
{
    int exitCode = -1;
    QByteArray errorOutput;
};

// Runs the converter in `folder`, so that tests can hand it relative names such as "-a.png".
inline RunResult runConverter(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(
        QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-convert"), arguments);
    RunResult result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.errorOutput = process.readAllStandardError();
    return result;
}

// A picture with far more than 256 colours: smooth ramps, as in a sky.
inline QImage gradientPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                qRgb(x * 255 / qMax(1, width - 1), y * 255 / qMax(1, height - 1),
                    (x + 2 * y) * 255 / qMax(1, width + 2 * height - 3)));
    }
    return image;
}

// Writes a bitmap whatever the file's extension, as the stamping program does before a
// conversion.
inline void writeBitmap(const QString &path, const QImage &image)
{
    QImageWriter writer(path, "bmp");
    QVERIFY2(writer.write(image), qPrintable(writer.errorString()));
}

struct ReadBack
{
    QByteArray format;
    QImage image;
};

inline ReadBack readByContent(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    ReadBack result;
    result.format = reader.format();
    result.image = reader.read();
    return result;
}
