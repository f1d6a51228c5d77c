// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The money format against an exact decimal rounding written apart from it: a number comes
// out rounded half away from zero in the documented shape, anything else as typed.
#include "buttons/money.h"

#include "fuzz/support.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace ravelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string price(reinterpret_cast<const char*>(data), size);
    const std::string money = buttons::formatAmount(price, "USD");
    const std::string whole = buttons::formatAmount(price, "JPY");

    const std::optional<std::string> cents = fuzz::referenceRounding(price, 2);
    const std::optional<std::string> units = fuzz::referenceRounding(price, 0);
    if (price.empty()) {
        fuzz::require(money.empty() && whole.empty(), "the empty price stays empty");
    } else if (cents) {
        fuzz::require(money == *cents, "#.00 matches the exact decimal rounding",
                      price + " -> " + money);
        fuzz::require(whole == *units, "whole money matches the exact decimal rounding",
                      price + " -> " + whole);
        fuzz::require(fuzz::hasAmountShape(money, false), "#.00 has its shape", money);
        fuzz::require(fuzz::hasAmountShape(whole, true), "whole money has its shape", whole);
    } else {
        fuzz::require(money == price && whole == price, "a text that is no number stays as typed",
                      price);
    }
    fuzz::require(buttons::formatAmount(price, "EUR") == money, "euros have cents");
    fuzz::require(buttons::formatAmount(price, "HUF") == whole, "forints have no decimals");
    return 0;
}
