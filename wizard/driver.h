// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Drives the wizard window as a user does, by control name: clicks, typing, tab selection. The
// screenshot tool and the tests use it. Each call returns false, changing nothing, when the user
// could not do it (no such control, or the control is disabled).
#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace ravelin::wizard::driver {

// Clicks a push button, an option button or a picture/link label.
bool click(QWidget& window, std::string_view name);

// Puts `text` into a text box, or into a combo box (picking the list item of that caption when
// there is one, typing it otherwise).
bool type(QWidget& window, std::string_view name, const QString& text);

// Clicks the tab of TabStrip1 with this 1-based index, and lets the window handle the click.
bool selectTab(QWidget& window, int index);

// Lets the window handle what is waiting (posted events, such as a tab selection).
void settle();

} // namespace ravelin::wizard::driver
