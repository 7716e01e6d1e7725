// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files and lists for the tests that build folder trees.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

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

/// While it lives, this process obeys file permissions even when it runs as the superuser (as
/// tests in containers and CI often do): the capabilities that let root read and search any
/// folder are taken out of the effective set, and put back at the end.
class ObeyingPermissions
{
public:
    ObeyingPermissions()
    {
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_changed = ::syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~ObeyingPermissions()
    {
        if (m_changed)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    ObeyingPermissions(const ObeyingPermissions &) = delete;
    ObeyingPermissions &operator=(const ObeyingPermissions &) = delete;

    /// True when a folder with no permissions is now unreadable to this process.
    static bool lockedFoldersAreLocked()
    {
        QTemporaryDir probe;
        const QByteArray locked = QFile::encodeName(probe.filePath(QStringLiteral("locked")));
        if (!QDir().mkdir(probe.filePath(QStringLiteral("locked"))) || ::chmod(locked, 0) != 0)
            return false;
        // Opened for real: access() would ask with the permitted capabilities, not these.
        DIR *folder = ::opendir(locked);
        const bool unreadable = folder == nullptr;
        if (folder)
            ::closedir(folder);
        ::chmod(locked, 0700);
        return unreadable;
    }

private:
    __user_cap_header_struct m_header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] {};
    bool m_changed = false;
};

} // namespace TestFiles
