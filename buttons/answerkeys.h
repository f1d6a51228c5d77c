// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where an answer comes from: the wizard control whose name keys it. Each button type's table of
// keys, in page order, is part of its description (buttons/buttontypes.h); the wizard reads its
// controls through it and ravelin-button reads its answers files through it, so both know the
// same keys.
#pragma once

#include "buttons/answers.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ravelin::buttons {

// One answer key: a text box or combo box (a string), or an option group (an index or none).
template <typename Answers> struct AnswerKey {
    std::string_view name;
    std::string Answers::*text = nullptr;
    OptionIndex Answers::*option = nullptr;
    int options = 0;    // an option group's number of options
    int maxLength = 0;  // a box's limit in characters; 0 for none
    bool lines = false; // a box of several lines, one entry a line
};

template <typename Answers>
constexpr AnswerKey<Answers> textKey(std::string_view name, std::string Answers::*member,
                                     int maxLength = 0) {
    return {name, member, nullptr, 0, maxLength, false};
}

template <typename Answers>
constexpr AnswerKey<Answers> linesKey(std::string_view name, std::string Answers::*member) {
    return {name, member, nullptr, 0, 0, true};
}

template <typename Answers>
constexpr AnswerKey<Answers> optionKey(std::string_view name, OptionIndex Answers::*member,
                                       std::size_t options) {
    return {name, nullptr, member, static_cast<int>(options), 0, false};
}

// The boxes of a type's Item options dialog: five drop-down menus, each a name box and a box of
// its choices one a line, and two text boxes the buyer fills, each a name box; whether the first
// menu may give its choices prices; and the most options, menus and text boxes together, that
// PayPal takes on the type's buttons.
inline constexpr std::size_t kMenuCount = 5;
inline constexpr std::size_t kTextBoxCount = 2;

template <typename Answers> struct ItemOptionKeys {
    std::array<std::string Answers::*, kMenuCount> menuNames;
    std::array<std::string Answers::*, kMenuCount> menuChoices;
    std::array<std::string Answers::*, kTextBoxCount> textBoxNames;
    bool pricedFirstMenu;
    std::size_t mostOptions;
};

} // namespace ravelin::buttons
