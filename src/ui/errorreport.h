// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Dialogs;

/// Where a reported failure happened: the texts the "Application Error" dialog names, one for
/// each procedure that traps its failures.
namespace Location {
inline constexpr auto kFormLoad = "in Kalvorim2021/08/31.Form1.Form_Load ";
inline constexpr auto kDateTakenInfo = "in Kalvorim2021/08/31.Form1.PushButton1_Click ";
inline constexpr auto kAddFiles = "in Kalvorim2021/08/31.Form1.PushButton2_Click ";
inline constexpr auto kAddFolder = "in Kalvorim2021/08/31.Form1.PushButton3_Click ";
inline constexpr auto kClearList = "in Kalvorim2021/08/31.Form1.PushButton4_Click ";
inline constexpr auto kLoadSamples = "in Kalvorim2021/08/31.Form1.PushButton5_Click ";
inline constexpr auto kChangeFont = "in Kalvorim2021/08/31.Form1.PushButton6_Click ";
inline constexpr auto kOutputFolder = "in Kalvorim2021/08/31.Form1.PushButton7_Click ";
inline constexpr auto kStartStamping = "in Kalvorim2021/08/31.Form1.PushButton8_Click ";
inline constexpr auto kPreviewStamp = "in Kalvorim2021/08/31.Form1.PushButton9_Click ";
inline constexpr auto kChangeColor = "in Kalvorim2021/08/31.Form1.PushButton10_Click ";
inline constexpr auto kFolderWalk = "in Morvane2021/08/31.AddFolder.GetSubDirectories2016 ";
inline constexpr auto kOverlayText = "in Kalvorim2021/08/31.Stamp.OverlayText ";
inline constexpr auto kPreviewLoad = "in Kalvorim2021/08/31.Form2.Form_Load ";
inline constexpr auto kPreviewActivate = "in Kalvorim2021/08/31.Form2.Form_Activate ";
inline constexpr auto kPreviewQueryUnload = "in Kalvorim2021/08/31.Form2.Form_QueryUnload ";
inline constexpr auto kPreviewBack = "in Kalvorim2021/08/31.Form2.PushButton1_Click ";
} // namespace Location

inline constexpr auto kErrorReportTitle = QT_TRANSLATE_NOOP("ErrorReport", "Application Error");
inline constexpr auto kSupportAddress = "support@vendrel.example";

/// The text of the "Application Error" dialog: the failure, the place and step where it
/// happened, and the request to send a screenshot to support.
QString errorReportText(const QString &location, int step, const QString &description);

/// Shows the "Application Error" dialog (exclamation icon, OK button) and returns when the user
/// has dismissed it.
void ErrorReport(Dialogs &dialogs, const QString &location, int step, const QString &description);
