// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Text measures as the wizard's text boxes see them: the boxes hold UTF-16, the writers UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

namespace ravelin::buttons {

// The number of UTF-16 code units of a UTF-8 text: one per character, two for a character
// outside the Basic Multilingual Plane. A malformed byte counts as one replacement character.
std::size_t utf16Length(std::string_view utf8);

// The not-empty test: the box holds at least one character.
inline bool isNotEmpty(std::string_view text) {
    return !text.empty();
}

// The seven-character test: the box does not hold exactly seven characters, the length of
// "http://", the default text of the return and cancel boxes.
inline bool isNotSevenCharacters(std::string_view text) {
    return utf16Length(text) != 7;
}

// The first character of a UTF-8 text (all of its bytes), or the empty text for an empty text.
std::string_view firstCharacter(std::string_view utf8);

} // namespace ravelin::buttons
