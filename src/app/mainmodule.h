// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStandardPaths>
#include <QString>

#include <functional>

class QUrl;
class QWidget;
class RandomDraw;

/// The maker's home page. While it names a reserved example domain no visit is made: the visit
/// and the address switch on together the day a real address is known.
inline constexpr auto kHomePage = "https://www.vendrel.example/";

/// The optional skin, a Qt style sheet, relative to the program's folder.
inline constexpr auto kSkinFile = "x/o.cjs";

/// The background of \a window and of its option buttons, check boxes, frames and labels set to
/// the desktop's button-face colour; the widgets in \a keep (a colour swatch) are left alone.
void ApplyFaceColour(QWidget &window, const QList<const QWidget *> &keep = {});

/// With a skin at \a skinFile (a plain, visible file), paints the panels in the face colour and
/// applies the skin's style sheet to \a window. Throws RuntimeFailure naming the file when it
/// cannot be read. Without the file nothing changes.
void ApplySkin(QWidget &window, const QString &skinFile, const QList<const QWidget *> &keep);

/// Makes the short product name the title of message boxes without one of their own.
void SetShortTitle();

/// Whether \a url is one of the names reserved for examples and tests (".example", ".test",
/// ".invalid", ".localhost", example.com, .net and .org), which lead to no real page.
bool isReservedAddress(const QUrl &url);

/// On about one start in a hundred (a draw r with int(r * 100) + 1 equal to 7) opens the maker's
/// home page \a address through \a open, without waiting. Answers whether a visit was made: never
/// for a reserved address. Throws RuntimeFailure when the page cannot be opened.
bool HomePageVisit(
    RandomDraw &draw, const QString &address, const std::function<bool(const QUrl &)> &open);

/// The path of a standard folder as the desktop names it, or the empty text when it has none.
QString SpecialFolderPath(QStandardPaths::StandardLocation folder);

/// The desktop folder \a special with one trailing separator. Throws RuntimeFailure when the
/// desktop folder could not be named (\a special is empty).
QString DesktopFolderPath(const QString &special);
