// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The message box of the window controls: a modal box with a prompt, a style value and an
// optional title. Every message the add-in shows goes through MsgBox, so that tests can answer
// it without a modal loop.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ravelin::common {

// Style values: buttons, icon and default button, added together.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256; // the second button (No) is the default

// Buttons pressed.
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Shows the box and returns the button pressed. Without a title the product name is shown.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {},
           QWidget* parent = nullptr);

// Replaces the box for tests: the handler receives prompt, style and the title shown, and
// returns the button "pressed". An empty handler restores the real box.
using MsgBoxHandler = std::function<int(const QString& prompt, int style, const QString& title)>;
void setMsgBoxHandler(MsgBoxHandler handler);

} // namespace ravelin::common
