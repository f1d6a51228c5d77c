// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the worked example of each button type (buttons/examples.h) writes, line by line. ACCOUNT
// and BUILD stand for the account address and the build code.
#pragma once

#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <string>
#include <string_view>

namespace ravelin::buttons::testing {

// What the worked example of `Type` (buttons/examples.h) writes, for the account and build
// code given.
template <typename Type>
Button exampleButton(std::string_view account = "ACCOUNT",
                     std::string_view build = "BUILD") = delete;

// Puts the account and build code in place of ACCOUNT and BUILD.
inline Button withValues(Button button, std::string_view account, std::string_view build) {
    const auto replace = [](std::string& text, std::string_view from, std::string_view to) {
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + to.size())) {
            text.replace(at, from.size(), to);
        }
    };
    for (std::string* text : {&button.html, &button.summary}) {
        replace(*text, "ACCOUNT", account);
        replace(*text, "BUILD", build);
    }
    return button;
}

// The Buy Now worked example.
template <> inline Button exampleButton<BuyNow>(std::string_view account, std::string_view build) {
    return withValues(
        Button{
            .summary =
                summaryEntries({"PayPal Account: ACCOUNT", "Item Name/Service: Garden Gnome",
                                "Item ID/Number: GN-7", "Item Price: €25", "Currency: Euro (EUR)",
                                "Customer Note: Yes", "Base Shipping: 5.00", "Handling: 1.50"}),
            .html = htmlLines({
                "Item Name: Garden Gnome<br>",
                "",
                "Item Number: GN-7<br>",
                "",
                "Price: €25<br>",
                "",
                kFormLine,
                R"(<input type="hidden" name="bn" value="BUILD">)",
                R"(<input type="hidden" name="cmd" value="_xclick">)",
                R"(<input type="hidden" name="business" value="ACCOUNT" > )",
                R"(<input type="hidden" name="item_name" value="Garden Gnome">)",
                R"(<input type="hidden" name="item_number" value="GN-7">)",
                R"(<input type="hidden" name="amount" value="25.00">)",
                R"(<input type="hidden" name="currency_code" value="EUR">)",
                R"(<input type="hidden" name="undefined_quantity" value="1">)",
                R"(<input type="hidden" name="shipping" value="5.00">)",
                R"(<input type="hidden" name="handling" value="1.50">)",
                R"(<input type="image" src="http://images.paypal.com/images/x-click-butcc.gif" border="0" name="submit">)",
                "</form>",
            })},
        account, build);
}

// The Add to Cart worked example.
template <>
inline Button exampleButton<AddToCart>(std::string_view account, std::string_view build) {
    return withValues(
        Button{
            .summary = summaryEntries({"PayPal Account: ACCOUNT", "Item Name/Service: Blue Mug",
                                       "Item ID/Number: MUG-01", "Item Price: €12.5",
                                       "Currency: Euro (EUR)", "Customer Note: Yes, Gift message",
                                       "Return URL: thanks.htm"}),
            .html = htmlLines({
                "Item Name: Blue Mug<br>",
                "",
                "Item Number: MUG-01<br>",
                "",
                "Price: €12.5<br>",
                "",
                kFormLine,
                R"(<input type="hidden" name="bn" value="BUILD">)",
                R"(<input type="hidden" name="cmd" value="_cart">)",
                R"(<input type="hidden" name="add" value="1">)",
                R"(<input type="hidden" name="business" value="ACCOUNT" > )",
                R"(<input type="hidden" name="item_name" value="Blue Mug">)",
                R"(<input type="hidden" name="item_number" value="MUG-01">)",
                R"(<input type="hidden" name="amount" value="12.50">)",
                R"(<input type="hidden" name="currency_code" value="EUR">)",
                R"(<input type="hidden" name="cn" value="Gift message">)",
                R"(<input type="hidden" name="no_shipping" value="0">)",
                R"(<input type="hidden" name="undefined_quantity" value="0">)",
                R"(<input type="hidden" name="return" value="thanks.htm">)",
                R"(<input type="image" src="http://images.paypal.com/images/sc-but-03.gif" border="0" name="submit">)",
                "</form>",
            })},
        account, build);
}

// The View Cart worked example.
template <>
inline Button exampleButton<ViewCart>(std::string_view account, std::string_view build) {
    return withValues(
        Button{
            .summary = "PayPal Account: ACCOUNT\r\n\r\n",
            .html = htmlLines({
                kFormLine,
                R"(<input type="hidden" name="bn" value="BUILD">)",
                R"(<input type="hidden" name="cmd" value="_cart">)",
                R"(<input type="hidden" name="business" value="ACCOUNT" > )",
                R"(<input type="hidden" name="display" value="1" > )",
                R"(<input type="image" src="http://images.paypal.com/images/view_cart_03.gif" border="0" name="submit">)",
                "</form>",
            })},
        account, build);
}

// The Donations worked example.
template <> inline Button exampleButton<Donate>(std::string_view account, std::string_view build) {
    return withValues(
        Button{
            .summary =
                summaryEntries({"PayPal Account: ACCOUNT", "Donation Name/Service: Roof Fund",
                                "Donation ID/Number: RF-1", "Donation Amount: £",
                                "Currency: British Pound Sterling (£)",
                                "Company Logo: ", "Return URL: thanks.htm"}),
            .html = htmlLines({
                kFormLine,
                R"(<input type="hidden" name="bn" value="BUILD">)",
                R"(<input type="hidden" name="cmd" value="_xclick">)",
                R"(<input type="hidden" name="business" value="ACCOUNT" > )",
                R"(<input type="hidden" name="item_name" value="Roof Fund">)",
                R"(<input type="hidden" name="item_number" value="RF-1">)",
                R"(<input type="hidden" name="amount" value="">)",
                R"(<input type="hidden" name="currency_code" value="GBP">)",
                R"(<input type="hidden" name="image_url" value="">)",
                R"(<input type="hidden" name="return" value="thanks.htm">)",
                R"(<input type="image" src="http://images.paypal.com/images/x-click-butcc-donate.gif" border="0" name="submit">)",
                "</form>",
            })},
        account, build);
}

// The Subscriptions worked example.
template <>
inline Button exampleButton<Subscribe>(std::string_view account, std::string_view build) {
    return withValues(
        Button{
            .summary = summaryEntries(
                {"PayPal Account: ACCOUNT", "Subscription Name/Service: Monthly Newsletter",
                 "Subscription ID/Number: NL1", "Currency: Euro (EUR)", "Subscription Price: €9.5",
                 "Billing Cycle: 1", "Billing Term: Months(s)", "Recurring: Yes",
                 "Retry on Failed: Yes", "Company Logo: ", "Trail or Setup Price: €0",
                 "Billing Cycle: 1", "Billing Term: Months(s)"}),
            .html = htmlLines({
                "Subscription Name: Monthly Newsletter<br>",
                "",
                "Reference Number: NL1<br>",
                "",
                kFormLine,
                R"(<input type="hidden" name="bn" value="BUILD">)",
                R"(<input type="hidden" name="cmd" value="_xclick-subscriptions">)",
                R"(<input type="hidden" name="business" value="ACCOUNT" > )",
                R"(<input type="hidden" name="item_name" value="Monthly Newsletter">)",
                R"(<input type="hidden" name="item_number" value="NL1">)",
                R"(<input type="hidden" name="currency_code" value="EUR">)",
                R"(<input type="hidden" name="a3" value="9.50">)",
                R"(<input type="hidden" name="p3" value="1">)",
                R"(<input type="hidden" name="t3" value="M">)",
                R"(<input type="hidden" name="src" value="1">)",
                R"(<input type="hidden" name="sra" value="1">)",
                R"(<input type="hidden" name="image_url" value="">)",
                R"(<input type="hidden" name="a1" value="0">)",
                R"(<input type="hidden" name="p1" value="1">)",
                R"(<input type="hidden" name="t1" value="M">)",
                R"(<input type="image" src="https://www.paypal.com/images/x-click-but20.gif" border="0" name="submit">)",
                "</form>",
            })},
        account, build);
}

} // namespace ravelin::buttons::testing
