// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Drives the wizard window as a user does, by control name: clicks, typing, tab selection, and
// the walk through a button type's pages giving a set of answers. The screenshot tool and the
// tests use it. Each call returns false, changing nothing, when the user could not do it (no
// such control, or the control is disabled).
#pragma once

#include "buttons/buttontypes.h"
#include "common/result.h"
#include "wizard/tabs.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// One answer as a user gives it: text typed into a box, or (no text) a click on a control.
struct Answer {
    std::string control;
    std::optional<QString> text;
};

// The control a user clicks to select option `index` of the option group `group`: the picture
// of a standard button image, else the option itself.
std::string optionControl(std::string_view group, int index);

// The answers a user gives to get `answers` from a window with its design defaults, in page
// order: every box whose text differs from its default is typed, every option group whose
// selection differs is clicked. (An option group left with nothing selected cannot be given.)
template <typename Type> std::vector<Answer> answersFor(const typename Type::Answers& answers) {
    const typename Type::Answers defaults;
    std::vector<Answer> given;
    for (const auto& key : Type::kKeys) {
        if (key.text != nullptr) {
            if (answers.*key.text != defaults.*key.text) {
                given.push_back({std::string(key.name), QString::fromStdString(answers.*key.text)});
            }
        } else if (const auto& option = answers.*key.option;
                   option && option != defaults.*key.option) {
            given.push_back({optionControl(key.name, *option), std::nullopt});
        }
    }
    return given;
}

// Gives one answer: types its text or clicks its control.
bool give(QWidget& window, const Answer& answer);

// Closes a dialog the window shows with its OK (`keep`) or its Cancel button.
bool closeDialog(QWidget& dialog, bool keep);

// Walks the button type of `tab`, whose first page the window shows, to its result page: on
// each page it gives those of `answers` whose controls the page shows, or the dialog that a push
// button of the page opens (opened by it and closed with OK), calls `onPage` with the page
// number (1 for the first page) and presses Next. Fails, saying what went wrong, when an
// answer could not be given or a page not reached.
common::Result<void> walk(QWidget& window, const ButtonTab& tab, const std::vector<Answer>& answers,
                          const std::function<void(int page)>& onPage = {});

} // namespace ravelin::wizard::driver
