// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/handpointer.h"

#include "base/runtimefailure.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>
#include <QtEndian>

namespace {

constexpr int kPathNotFound = 76;
constexpr int kBadFormat = 481; // "Invalid picture"

// A cursor file is an icon file whose type word is 2 and whose first entry holds the hot spot
// where an icon keeps its planes and bit count.
constexpr qsizetype kHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr quint16 kCursorType = 2;
constexpr quint16 kIconType = 1;

[[noreturn]] void fail(const QString &path, const QString &reason, int number)
{
    throw RuntimeFailure(QStringLiteral("Cannot load the pointer %1: %2")
                             .arg(QDir::toNativeSeparators(path), reason),
        number);
}

} // namespace

QCursor loadHandPointer(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString(), kPathNotFound);
    QByteArray bytes = file.readAll();
    if (bytes.size() < kHeaderSize + kEntrySize
        || qFromLittleEndian<quint16>(bytes.constData()) != 0
        || qFromLittleEndian<quint16>(bytes.constData() + 2) != kCursorType
        || qFromLittleEndian<quint16>(bytes.constData() + 4) == 0)
        fail(path, QStringLiteral("it is not a cursor file"), kBadFormat);
    const int hotX = qFromLittleEndian<quint16>(bytes.constData() + kHeaderSize + 4);
    const int hotY = qFromLittleEndian<quint16>(bytes.constData() + kHeaderSize + 6);

    // Qt's icon reader takes the picture once the file calls itself an icon.
    qToLittleEndian<quint16>(kIconType, bytes.data() + 2);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    if (image.isNull())
        fail(path, reader.errorString(), kBadFormat);
    if (hotX >= image.width() || hotY >= image.height())
        fail(path, QStringLiteral("its hot spot lies outside the picture"), kBadFormat);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

void applyHandPointer(const QCursor &pointer, const QList<QWidget *> &buttons)
{
    for (QWidget *button : buttons)
        button->setCursor(pointer);
}
