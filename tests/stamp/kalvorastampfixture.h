// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace KalvoraStampTest {

struct Outcome
{
    int code = -1;
    QString errors;
    QString output;
};

inline Outcome runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardError()),
        QString::fromLocal8Bit(process.readAllStandardOutput())};
}

inline Outcome runStamp(const QStringList &arguments)
{
    return runProgram(
        QCoreApplication::applicationDirPath() + QStringLiteral("/kalvora-stamp"), arguments);
}

inline QImage darkGray(int width = 320, int height = 240)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(60, 60, 60));
    return picture;
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace KalvoraStampTest

/// A fresh folder of source pictures and a fresh output folder for each test of kalvora-stamp.
class KalvoraStampFixture : public QObject
{
protected:
    void setUp()
    {
        m_sources = std::make_unique<QTemporaryDir>();
        m_output = std::make_unique<QTemporaryDir>();
    }
    QString source(const QString &name) const { return m_sources->filePath(name); }
    QString output(const QString &name) const { return m_output->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_sources;
    std::unique_ptr<QTemporaryDir> m_output;
};
