// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The keys every desktop window answers, for the add-in's windows that are not dialogs.
#pragma once

class QWidget;

namespace ravelin::common {

// Makes the top-level `window` answer:
//   Escape closes it (as its close box does);
//   Enter and Return press the push button that has the keyboard focus; elsewhere, in a one-line
//   text box (an editable combo box's too) and on any control that does not answer them itself
//   (an option, a check box), they press the window's default push button
//   (QPushButton::isDefault) while it is shown and enabled, as in a dialog; a multi-line box
//   takes them as line breaks and a link opens;
//   Tab and Shift+Tab move the focus out of every multi-line box of the window (those there
//   now: call it when the window has been built);
//   Alt and a character that no shown, enabled control takes as its access key (its button is
//   disabled or hidden, or no control has it) does nothing, in the window and in the dialogs it
//   owns: left alone, it would type the character into the box with the focus.
// The window shows where the keyboard focus is from the start, not only after the first Tab,
// and a multi-line box with the focus has a frame in the highlight colour.
// A further call for the same window does nothing.
void useDesktopKeys(QWidget* window);

} // namespace ravelin::common
