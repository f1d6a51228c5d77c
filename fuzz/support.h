// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the fuzz harnesses share: a check that stops the run with a message, an exact decimal
// rounding of prices written independently of the money format, and a reading of the hidden
// fields of a written button.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravelin::fuzz {

// Stops the run, so that libFuzzer keeps the input, when an invariant does not hold.
inline void require(bool holds, const char* invariant, std::string_view detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n%.*s\n", invariant,
                     static_cast<int>(std::min<std::size_t>(detail.size(), 2000)), detail.data());
        std::abort();
    }
}

// A price rounded to `places` decimals, half away from zero, by adding half a unit of the last
// kept place to the magnitude and cutting the rest off, all in decimal digits; written as the
// money format writes it ("#.00", or a whole number with "0" for zero when `places` is 0).
// Nothing when the text is not a number: optional blanks (space, tab), an optional sign, and
// digits with at most one "." and at least one digit.
inline std::optional<std::string> referenceRounding(std::string_view text, std::size_t places) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::vector<int> digits; // most significant first, the whole part and every decimal
    std::size_t decimals = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits.push_back(c - '0');
            decimals += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    // Scale to `places` + 1 decimals, add 5 in the last of them, and drop it.
    while (decimals < places + 1) {
        digits.push_back(0);
        ++decimals;
    }
    digits.resize(digits.size() - (decimals - places - 1));
    digits.insert(digits.begin(), 0); // room for a carry
    int carry = 5;
    for (auto it = digits.rbegin(); it != digits.rend() && carry != 0; ++it) {
        const int sum = *it + carry;
        *it = sum % 10;
        carry = sum / 10;
    }
    digits.pop_back();
    const std::size_t wholeDigits = digits.size() - places;
    std::string whole;
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (!whole.empty() || digits[i] != 0) {
            whole += static_cast<char>('0' + digits[i]);
        }
    }
    std::string fraction;
    bool zero = whole.empty();
    for (std::size_t i = wholeDigits; i < digits.size(); ++i) {
        fraction += static_cast<char>('0' + digits[i]);
        zero = zero && digits[i] == 0;
    }
    std::string result = negative && !zero ? "-" : "";
    result += whole.empty() && places == 0 ? "0" : whole;
    if (places > 0) {
        result += '.' + fraction;
    }
    return result;
}

// The documented shape of an amount: "-"? (a whole number without leading zeros)? "." two
// digits, or for a currency without minor units "-"? a whole number ("0" for zero); zero never
// carries a sign.
inline bool hasAmountShape(std::string_view amount, bool whole) {
    if (amount.starts_with('-')) {
        amount.remove_prefix(1);
        if (amount == ".00" || amount == "0") {
            return false;
        }
    }
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole) {
        return !amount.empty() && digits(amount) && (amount == "0" || amount[0] != '0');
    }
    const std::size_t point = amount.size() >= 3 ? amount.size() - 3 : std::string_view::npos;
    return point != std::string_view::npos && amount[point] == '.' &&
           digits(amount.substr(point + 1)) && digits(amount.substr(0, point)) &&
           (point == 0 || amount[0] != '0');
}

// The hidden fields of a button's HTML, their values decoded. Every attribute value is checked
// on the way: no raw quote, "<" or ">", and every "&" starts one of the four entities the
// renderer writes.
inline std::vector<std::pair<std::string, std::string>> hiddenFields(std::string_view html) {
    std::vector<std::pair<std::string, std::string>> fields;
    const auto decode = [&](std::string_view raw) {
        require(raw.find('<') == std::string_view::npos && raw.find('>') == std::string_view::npos,
                "an attribute value holds a raw < or >", html);
        std::string value;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                value += raw[i];
                continue;
            }
            bool known = false;
            for (const auto& [entity, character] : {std::pair<std::string_view, char>{"&amp;", '&'},
                                                    {"&quot;", '"'},
                                                    {"&lt;", '<'},
                                                    {"&gt;", '>'}}) {
                if (raw.substr(i).starts_with(entity)) {
                    value += character;
                    i += entity.size() - 1;
                    known = true;
                    break;
                }
            }
            require(known, "an attribute value holds a raw &", html);
        }
        return value;
    };
    constexpr std::string_view kOpen = "<input type=\"hidden\" name=\"";
    std::size_t at = 0;
    while ((at = html.find(kOpen, at)) != std::string_view::npos) {
        at += kOpen.size();
        const std::size_t nameEnd = html.find('"', at);
        require(nameEnd != std::string_view::npos, "a field name without its closing quote", html);
        const std::string name = decode(html.substr(at, nameEnd - at));
        constexpr std::string_view kValue = "\" value=\"";
        require(html.substr(nameEnd).starts_with(kValue), "a field without a value", html);
        const std::size_t valueStart = nameEnd + kValue.size();
        const std::size_t valueEnd = html.find('"', valueStart);
        require(valueEnd != std::string_view::npos, "a field value without its closing quote",
                html);
        const std::string_view after = html.substr(valueEnd);
        require(after.starts_with("\">\r\n") || after.starts_with("\" > \r\n"),
                "a field element that does not end where its value does", html);
        fields.emplace_back(name, decode(html.substr(valueStart, valueEnd - valueStart)));
        at = valueEnd;
    }
    return fields;
}

// The value of the first field named `name`, or nothing.
inline std::optional<std::string>
fieldValue(const std::vector<std::pair<std::string, std::string>>& fields, std::string_view name) {
    for (const auto& [field, value] : fields) {
        if (field == name) {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace ravelin::fuzz
