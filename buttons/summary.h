// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plain-language summary of a button: entries of a label directly followed by its value,
// each ending with an empty line. Plain text, so nothing is escaped.
#pragma once

#include "buttons/wordcopy.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace ravelin::buttons {

class Summary {
public:
    // Every summary opens with the account entry.
    explicit Summary(std::string_view account) : text_(kUsualLength + account.size(), '\0') {
        add("PayPal Account: ", account);
    }

    // Inlined where it is called, where the label's length is known.
    [[gnu::always_inline]] void add(std::string_view label, std::string_view value = {}) {
        constexpr std::string_view kEntryEnd = "\r\n\r\n";
        const std::size_t length = label.size() + value.size() + kEntryEnd.size();
        if (text_.size() - used_ < length) {
            text_.resize(std::max(2 * text_.size(), used_ + length));
        }
        char* out = text_.data() + used_;
        out = detail::copyBytes(out, label);
        out = detail::copyBytes(out, value);
        std::memcpy(out, kEntryEnd.data(), kEntryEnd.size());
        used_ += length;
    }

    std::string text() const& { return text_.substr(0, used_); }
    std::string text() && {
        text_.resize(used_);
        return std::move(text_);
    }

private:
    // Room for the summary of answers of usual length, made once; the text is written into it
    // and grows only past it. Small enough for the allocator's quickest sizes.
    static constexpr std::size_t kUsualLength = 768;

    std::string text_;
    std::size_t used_ = 0;
};

} // namespace ravelin::buttons
