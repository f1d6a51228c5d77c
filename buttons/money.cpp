// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/money.h"

#include "buttons/currency.h"

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

// Adds one to the number written backwards from `last`, stepping over the point; the digit
// before the first nine met from the right must exist (the room left for a carry).
void increment(char* last) {
    for (char* at = last;; --at) {
        if (*at == '.') {
            continue;
        }
        if (*at != '9') {
            ++*at;
            return;
        }
        *at = '0';
    }
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
    std::string_view whole = number->whole;
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    const std::string_view fraction = number->fraction;
    const std::string_view kept = fraction.substr(0, places);

    // Written in place: room for the sign and a carry, the whole part, the point and the
    // decimals, padded with zeros; then the rounding digit decides.
    std::string text(2 + whole.size() + (places > 0 ? 1 + places : 0), '0');
    char* const wholeStart = text.data() + 2;
    whole.copy(wholeStart, whole.size());
    if (places > 0) {
        wholeStart[whole.size()] = '.';
        kept.copy(wholeStart + whole.size() + 1, kept.size());
    }
    if (fraction.size() > places && fraction[places] >= '5') {
        increment(&text.back());
    }
    const bool carried = text[1] != '0';
    const std::string_view decimals =
        places > 0 ? std::string_view(text).substr(text.size() - places) : std::string_view{};
    const bool zero =
        !carried && whole.empty() && decimals.find_first_not_of('0') == std::string_view::npos;

    std::size_t first = carried ? 1 : 2;
    if (!carried && whole.empty()) {
        text.insert(first, zeroWhole);
    }
    if (number->negative && !zero) {
        text[--first] = '-';
    }
    text.erase(0, first);
    return text;
}

} // namespace

std::string formatAmount(std::string_view price, std::string_view currencyCode) {
    const Currency* currency = findCurrency(currencyCode);
    return currency != nullptr && currency->decimals == 0 ? format(price, 0, "0")
                                                          : format(price, 2, "");
}

} // namespace ravelin::buttons
