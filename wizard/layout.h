// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where the elements of the wizard window lie, in twips, relative to the window's client area
// (frmMain's two start buttons and the advertising panel relative to frmMain).
#pragma once

#include "wizard/twips.h"

namespace ravelin::wizard::layout {

// The window's outer size, frame included. The client area is what remains inside a fixed
// single border (3 pixels a side) and a caption bar of 26 pixels; whatever decorations the
// window manager draws, the client area keeps this size.
inline constexpr int kOuterWidth = 7350;
inline constexpr int kOuterHeight = 7900;
inline constexpr int kBorder = 45;
inline constexpr int kCaption = 390;
inline constexpr int kClientWidth = kOuterWidth - 2 * kBorder;
inline constexpr int kClientHeight = kOuterHeight - kCaption - 2 * kBorder;

inline constexpr TwipsRect kTitle{1890, 45, 5280, 375};       // lblTitle
inline constexpr TwipsRect kSubtitle{5355, 405, 1770, 285};   // Label26
inline constexpr TwipsRect kLogo{0, 90, 1665, 555};           // Image1
inline constexpr TwipsRect kWelcome{0, 990, 7845, 4920};      // frmMain
inline constexpr TwipsRect kFirstTime{945, 0, 2400, 1140};    // btnFirstTime, in frmMain
inline constexpr TwipsRect kStart{3735, 0, 2400, 1140};       // btnStart, in frmMain
inline constexpr TwipsRect kAdvertising{0, 1530, 6990, 3420}; // grpPage_0, in frmMain
// The free line between the start buttons and the tab strip: what is wrong on a step left with
// Next, and the way back to it.
inline constexpr TwipsRect kStepProblem{45, 2160, 5670, 285}; // lblStepProblem
inline constexpr TwipsRect kGoToStep{5760, 2160, 1455, 285};  // lblGoToStep
inline constexpr TwipsRect kTabStrip{45, 2475, 7215, 4650};   // TabStrip1
inline constexpr int kExamplesLeft = 0;                       // frmExamples, as wide as
inline constexpr int kExamplesTop = 2475;                     // the window
inline constexpr int kExamplesHeight = 3345;
inline constexpr int kPageLeft = 135;                              // the Setup page and every
inline constexpr int kPageTop = 2880;                              // page panel
inline constexpr TwipsRect kPleaseDonate{45, 7155, 2295, 240};     // btnPleaseDonate
inline constexpr TwipsRect kMerchantSignup{2385, 7155, 2295, 240}; // btnAbout
inline constexpr TwipsRect kOtherSoftware{4815, 7155, 2295, 240};  // btnOther

} // namespace ravelin::wizard::layout
