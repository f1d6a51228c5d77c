// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where a window of the add-in opens: over the window it belongs to.
#pragma once

class QWidget;

namespace ravelin::common {

// Before `window` is first shown: moves it so that its centre lies over the centre of `owner`
// (frames included, kept on the owner's screen), and has the window manager keep it above
// `owner` while both are shown. `window` stays modeless and without a parent: it lives on
// when `owner` closes. Give `window` the Qt::Dialog type (the type window managers keep above
// another window). Nothing happens without an owner.
void placeOver(QWidget* window, QWidget* owner);

} // namespace ravelin::common
