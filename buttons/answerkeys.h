// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where an answer comes from: the wizard control whose name keys it. Each button type's table of
// keys, in page order, is part of its description (buttons/buttontypes.h); the wizard reads its
// controls through it and ravelin-button reads its answers files through it, so both know the
// same keys.
#pragma once

#include "buttons/answers.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ravelin::buttons {

// One answer key: a text box or combo box (a string), or an option group (an index or none).
template <typename Answers> struct AnswerKey {
    std::string_view name;
    std::string Answers::*text = nullptr;
    OptionIndex Answers::*option = nullptr;
    int options = 0;   // an option group's number of options
    int maxLength = 0; // a box's limit in characters; 0 for none
};

template <typename Answers>
constexpr AnswerKey<Answers> textKey(std::string_view name, std::string Answers::*member,
                                     int maxLength = 0) {
    return {name, member, nullptr, 0, maxLength};
}

template <typename Answers>
constexpr AnswerKey<Answers> optionKey(std::string_view name, OptionIndex Answers::*member,
                                       std::size_t options) {
    return {name, nullptr, member, static_cast<int>(options), 0};
}

} // namespace ravelin::buttons
