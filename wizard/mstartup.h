// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard's module operations: they bind the window's controls, found by name, to the
// button writers and the answer checker, and reset the page area. They read and write widgets
// but decide nothing of the buttons' content or of what is wrong with the answers: that is the
// writers' and the checker's alone.
#pragma once

#include "buttons/answers.h"
#include "buttons/check.h"
#include "buttons/reader.h"
#include "buttons/writers.h"
#include "wizard/tabs.h"

#include <QString>
#include <string_view>

class QPlainTextEdit;
class QWidget;

namespace ravelin::wizard::mstartup {

// The control of the window with this name, or nullptr when there is none.
QWidget* control(const QWidget& window, std::string_view name);

// The text of a text box or combo box (as the user sees it), or of a result box.
QString controlText(const QWidget& window, std::string_view name);

// The index of the selected option of the group NAME_0 .. NAME_(count - 1), or empty when none
// of them is selected.
buttons::OptionIndex selectedOption(const QWidget& window, std::string_view group, int count);

// Runs the writer of a button tab's type over the answers read from the window's controls.
buttons::Button makeButton(const ButtonTab& tab, const QWidget& window,
                           const buttons::Context& context);

// Fills a button tab's result boxes with `button`, in the tab's order.
void showButton(const ButtonTab& tab, QWidget& window, const buttons::Button& button);

// makeButton, then showButton.
void writeButton(const ButtonTab& tab, QWidget& window, const buttons::Context& context);

// The findings of the checker of a button tab's type on the answers read from the window's
// controls and on the account address. The answers are only read.
buttons::Findings checkButton(const ButtonTab& tab, const QWidget& window,
                              std::string_view account);

// Puts a button's answers into the controls that key them, each as the user could have given
// it; the answers of no type change nothing.
void showAnswers(QWidget& window, const buttons::ReadAnswers& answers);

// Hides the Setup page and every page panel of every button type. A missing panel is skipped.
void pageReset(QWidget& window);

// A result box holds its text as a Windows text box does, line separators included: the text
// read back is exactly the text put in, until the user edits the box; after an edit each line
// break reads as CR LF.
void setBoxText(QPlainTextEdit& box, const QString& text);
QString boxText(const QPlainTextEdit& box);

} // namespace ravelin::wizard::mstartup
