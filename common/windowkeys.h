// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The keys every desktop window answers, for the add-in's windows that are not dialogs.
#pragma once

class QWidget;

namespace ravelin::common {

// Makes the top-level `window` answer:
//   Escape closes it (as its close box does);
//   Enter and Return press the push button that has the keyboard focus;
//   Tab and Shift+Tab move the focus out of every multi-line box of the window (those there
//   now: call it when the window has been built).
// The window shows where the keyboard focus is from the start, not only after the first Tab,
// and a multi-line box with the focus has a frame in the highlight colour.
// A further call for the same window does nothing.
void useDesktopKeys(QWidget* window);

} // namespace ravelin::common
