// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The backslash escapes that quoted strings of JSON and of our INI files share.
#pragma once

#include <string_view>

namespace ravelin::common {

// The two-character escape of `c` when it is a double quote, a backslash, a line feed, a
// carriage return or a tab; empty for any other character.
constexpr std::string_view backslashEscape(char32_t c) {
    switch (c) {
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return {};
    }
}

} // namespace ravelin::common
