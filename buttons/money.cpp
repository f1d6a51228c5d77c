// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/money.h"

#include <algorithm>
#include <optional>

namespace ravelin::buttons {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A price text read as a number: its sign and the digits on either side of the point, as
// views into the text.
struct Decimal {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

std::optional<Decimal> parse(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    Decimal number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto allDigits = [](std::string_view part) { return std::ranges::all_of(part, isDigit); };
    if (!allDigits(whole) || !allDigits(fraction) || whole.size() + fraction.size() == 0) {
        return std::nullopt;
    }
    number.whole = whole;
    number.fraction = fraction;
    return number;
}

// Adds one to a run of decimal digits, growing it by a digit when every digit was a nine.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Rounds to `places` decimals, half away from zero, and writes the result: the whole part
// without leading zeros (or `zeroWhole` when it is zero), then "." and the decimals.
std::string format(std::string_view price, std::size_t places, std::string_view zeroWhole) {
    if (price.empty()) {
        return {};
    }
    const std::optional<Decimal> number = parse(price);
    if (!number) {
        return std::string(price);
    }
    // The kept digits as one run, whole part first, then the rounding digit decides.
    const std::string_view kept = number->fraction.substr(0, places);
    std::string digits;
    digits.reserve(number->whole.size() + places + 1);
    digits.append(number->whole).append(kept).append(places - kept.size(), '0');
    const char rounding = number->fraction.size() > places ? number->fraction[places] : '0';
    if (rounding >= '5') {
        increment(digits);
    }
    const std::string_view all = digits;
    std::string_view whole = all.substr(0, all.size() - places);
    const std::string_view decimals = all.substr(all.size() - places);
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));

    const bool zero = whole.empty() && decimals.find_first_not_of('0') == std::string_view::npos;
    std::string result;
    result.reserve(1 + std::max(whole.size(), zeroWhole.size()) + 1 + places);
    if (number->negative && !zero) {
        result += '-';
    }
    result += whole.empty() ? zeroWhole : whole;
    if (places > 0) {
        result += '.';
        result += decimals;
    }
    return result;
}

} // namespace

std::string formatMoney(std::string_view price) {
    return format(price, 2, "");
}

std::string formatWholeMoney(std::string_view price) {
    return format(price, 0, "0");
}

std::string formatAmount(std::string_view price, std::string_view currencyCode) {
    return currencyCode == "JPY" ? formatWholeMoney(price) : formatMoney(price);
}

} // namespace ravelin::buttons
