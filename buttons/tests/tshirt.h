// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the T-shirt example (tShirtExample in buttons/examples.h) writes, line by line. ACCOUNT
// and BUILD stand for the account address and the build code.
#pragma once

#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <string_view>

namespace ravelin::buttons::testing {

inline Button tShirtButton(std::string_view account = "ACCOUNT", std::string_view build = "BUILD") {
    return withValues(
        Button{
            .summary = summaryEntries(
                {"PayPal Account: ACCOUNT", "Item Name/Service: T-Shirt", "Item ID/Number: TS-1",
                 "Item Price: ", "Currency: Swiss Franc (CHF)", "Customer Note: Yes",
                 "Option Size: Small - 10.00 CHF, Medium - 11.50 CHF, Large - 12.50 CHF",
                 "Option Colour: Red, Blue", "Option Name to print: typed by the buyer",
                 "Variable notify_url: https://shop.example.com/ipn"}),
            .html = htmlLines({
                "Item Name: T-Shirt<br>",
                "",
                "Item Number: TS-1<br>",
                "",
                "Price: <br>",
                "",
                kFormLine,
                R"(<input type="hidden" name="bn" value="BUILD">)",
                R"(<input type="hidden" name="cmd" value="_xclick">)",
                R"(<input type="hidden" name="business" value="ACCOUNT" > )",
                R"(<input type="hidden" name="item_name" value="T-Shirt">)",
                R"(<input type="hidden" name="item_number" value="TS-1">)",
                R"(<input type="hidden" name="currency_code" value="CHF">)",
                R"(<input type="hidden" name="undefined_quantity" value="1">)",
                R"(<input type="hidden" name="option_select0" value="Small">)",
                R"(<input type="hidden" name="option_amount0" value="10.00">)",
                R"(<input type="hidden" name="option_select1" value="Medium">)",
                R"(<input type="hidden" name="option_amount1" value="11.50">)",
                R"(<input type="hidden" name="option_select2" value="Large">)",
                R"(<input type="hidden" name="option_amount2" value="12.50">)",
                R"(<input type="hidden" name="option_index" value="0">)",
                R"(<input type="hidden" name="notify_url" value="https://shop.example.com/ipn">)",
                R"(<input type="hidden" name="on0" value="Size">)",
                "<label>Size<br>",
                R"(<select name="os0">)",
                R"(<option value="Small">Small - 10.00 CHF</option>)",
                R"(<option value="Medium">Medium - 11.50 CHF</option>)",
                R"(<option value="Large">Large - 12.50 CHF</option>)",
                "</select></label><br>",
                R"(<input type="hidden" name="on1" value="Colour">)",
                "<label>Colour<br>",
                R"(<select name="os1">)",
                R"(<option value="Red">Red</option>)",
                R"(<option value="Blue">Blue</option>)",
                "</select></label><br>",
                R"(<input type="hidden" name="on2" value="Name to print">)",
                "<label>Name to print<br>",
                R"(<input type="text" name="os2" maxlength="200"></label><br>)",
                R"(<input type="image" src="http://images.paypal.com/images/x-click-butcc.gif" border="0" name="submit">)",
                "</form>",
            })},
        account, build);
}

} // namespace ravelin::buttons::testing
