// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where a window of the add-in opens: over the window it belongs to.
#pragma once

class QWidget;

namespace ravelin::common {

// Before `window` is first shown: moves it so that its centre lies over the centre of `owner`
// (frames included, kept on the owner's screen), and has the window manager keep it above
// `owner` while both are shown: `window` becomes a dialog-type window (the type window managers
// keep above another) whose transient parent is `owner`. It stays modeless and without a
// parent widget: it lives on when `owner` closes. Nothing happens without an owner.
void placeOver(QWidget* window, QWidget* owner);

} // namespace ravelin::common
