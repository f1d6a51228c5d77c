// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plain-language summary of a button: entries of a label directly followed by its value,
// each ending with an empty line. Plain text, so nothing is escaped.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace ravelin::buttons {

class Summary {
public:
    // Every summary opens with the account entry.
    explicit Summary(std::string_view account) { add("PayPal Account: ", account); }

    void add(std::string_view label, std::string_view value = {}) {
        text_ += label;
        text_ += value;
        text_ += "\r\n\r\n";
    }

    const std::string& text() const& { return text_; }
    std::string text() && { return std::move(text_); }

private:
    std::string text_;
};

} // namespace ravelin::buttons
