// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files and lists for the tests that build folder trees.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTest>

namespace TestFiles {

/// Creates a small file at \a path, and the folders it lies in.
inline void makeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("x");
}

inline QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace TestFiles
