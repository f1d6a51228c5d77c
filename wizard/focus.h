// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where the keyboard focus may go in the wizard window. Its panels lie over one another (a
// type's later pages over its first page, the pages over the tab strip, the tab strip over
// the advertising panel), so a control can be shown and still lie out of sight under another
// panel; the focus only goes where the user can see it.
#pragma once

#include <span>

class QWidget;

namespace ravelin::wizard::focus {

// Whether the user can see `control`: it is shown, and no other part of its window lies over
// its middle.
bool inSight(const QWidget& control);

// Whether Tab may stop at `control`: in sight, enabled and taking the focus by Tab; of a group
// of options only the selected one (any of them while none is selected).
bool isTabStop(const QWidget& control);

// The stop Tab (`forward`) or Shift+Tab leads to from the focus in `window`, or nullptr.
QWidget* nextStop(const QWidget& window, bool forward);

// The first field of `page`, where the focus goes when the page is shown: its first stop in
// Tab order; for a group of options, the selected option. nullptr when the page has none.
QWidget* firstField(const QWidget& page);

// Puts the focus on the first field of `page`; false when it has none.
bool focusFirstField(const QWidget& page);

// Makes Tab go through `controls` in this order (their stops before and after are kept).
void chain(std::span<QWidget* const> controls);

} // namespace ravelin::wizard::focus
