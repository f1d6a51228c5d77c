// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The answers of each button type, one plain struct per wizard tab. Members carry the names of
// the wizard controls they come from, and their initial values are the window's design
// defaults. An option group is the index of its selected option, or empty when none is
// selected. All texts are UTF-8, exactly as typed.
#pragma once

#include <optional>
#include <string>

namespace ravelin::buttons {

using OptionIndex = std::optional<int>;

struct BuyNowAnswers {
    // Button-image page: options 0 to 7 are the standard images, 8 the custom image.
    OptionIndex optBN = 5;
    std::string txtButtonURLBN = "https://";
    // Item page.
    std::string txtItemNameBN;
    std::string txtItemIDBN;
    std::string txtPriceBN;
    std::string cmbCurrencyBN = "US Dollar ($)";
    OptionIndex optExtraBN = 0; // 0 "Yes": the buyer may choose the quantity; 1 "No".
    // Item options dialog, opened from the item page: up to five drop-down menus, each a name
    // and its choices one a line (on the first menu a choice may carry its own price, as in
    // "Large = 12.50"), then two text boxes the buyer fills, each by its name.
    std::string txtOption1NameBN;
    std::string txtOption1ChoicesBN;
    std::string txtOption2NameBN;
    std::string txtOption2ChoicesBN;
    std::string txtOption3NameBN;
    std::string txtOption3ChoicesBN;
    std::string txtOption4NameBN;
    std::string txtOption4ChoicesBN;
    std::string txtOption5NameBN;
    std::string txtOption5ChoicesBN;
    std::string txtText1NameBN;
    std::string txtText2NameBN;
    // Shipping page.
    std::string txtBaseShippingBN;
    std::string txtExtraShippingBN;
    std::string txtHandlingBN;
    // Optional-settings page (also read by the Subscriptions writer).
    std::string txtLogoBN;
    std::string txtWebSiteSuccessBN = "http://";
    std::string txtCancelBN = "http://";
    // Advanced variables dialog, opened from the last answer page: further PayPal variables,
    // one name=value a line.
    std::string txtAdvancedBN;
};

struct AddToCartAnswers {
    // Button-image page: options 0 to 4 are the standard images, 5 the custom image.
    OptionIndex optImageButtonATC = 0;
    std::string txtButtonURLATC = "https://";
    // Item page.
    std::string txtItemNameATC;
    std::string txtItemIDATC;
    std::string txtPriceATC;
    std::string cmbCurrencyATC = "US Dollar ($)";
    OptionIndex optNoteATC = 1; // 0 "Yes", 1 "No".
    std::string txtNoteATC = "(optional instructions)";
    // Item options dialog, opened from the item page: up to five drop-down menus, each a name
    // and its choices one a line (on the first menu a choice may carry its own price, as in
    // "Large = 12.50"), then two text boxes the buyer fills, each by its name.
    std::string txtOption1NameATC;
    std::string txtOption1ChoicesATC;
    std::string txtOption2NameATC;
    std::string txtOption2ChoicesATC;
    std::string txtOption3NameATC;
    std::string txtOption3ChoicesATC;
    std::string txtOption4NameATC;
    std::string txtOption4ChoicesATC;
    std::string txtOption5NameATC;
    std::string txtOption5ChoicesATC;
    std::string txtText1NameATC;
    std::string txtText2NameATC;
    // Optional-settings page (also read by the Donations writer).
    std::string txtLogoATC;
    std::string txtWebSiteSuccessATC = "http://";
    std::string txtCancelATC = "http://";
    // Advanced variables dialog, opened from the last answer page: further PayPal variables,
    // one name=value a line.
    std::string txtAdvancedATC;
};

struct ViewCartAnswers {
    // Options 0 to 2 are the standard images, 3 the custom image.
    OptionIndex optVC = 0;
    std::string txtButtonURLVC = "https://";
    // Advanced variables dialog, opened from the last answer page: further PayPal variables,
    // one name=value a line.
    std::string txtAdvancedVC;
};

struct DonateAnswers {
    // Button-image page: options 0 to 3 are the standard images, 4 the custom image.
    OptionIndex optDON = 0;
    std::string txtButtonURLDON = "https://";
    // Donation page.
    std::string txtItemNameDON;
    std::string txtItemIDDON;
    std::string txtPriceDON;
    std::string cmbCurrencyDON = "US Dollar ($)";
    OptionIndex optNoteDON = 1; // 0 "Yes", 1 "No".
    std::string txtNoteDON = "(optional instructions)";
    // Borrowed from the Add to Cart optional-settings page.
    std::string txtLogoATC;
    std::string txtWebSiteSuccessATC = "http://";
    std::string txtCancelATC = "http://";
    // On that page, the Donations tab's own Advanced variables dialog.
    std::string txtAdvancedDON;
};

struct SubscribeAnswers {
    // Button-image page: options 0 to 7 are the standard images, 8 the custom image.
    OptionIndex optSUB = 0;
    std::string txtButtonURLSUB = "https://";
    // Item page.
    std::string txtItemNameSUB;
    std::string txtItemIDSUB;
    std::string cmbCurrencySUB = "US Dollar ($)";
    // Item options dialog, opened from the item page: up to five drop-down menus, each a name
    // and its choices one a line (without prices), then two text boxes the buyer fills.
    std::string txtOption1NameSUB;
    std::string txtOption1ChoicesSUB;
    std::string txtOption2NameSUB;
    std::string txtOption2ChoicesSUB;
    std::string txtOption3NameSUB;
    std::string txtOption3ChoicesSUB;
    std::string txtOption4NameSUB;
    std::string txtOption4ChoicesSUB;
    std::string txtOption5NameSUB;
    std::string txtOption5ChoicesSUB;
    std::string txtText1NameSUB;
    std::string txtText2NameSUB;
    // Billing page: the regular plan.
    std::string txtPriceSUB;
    std::string cmbNumberSUB = "1";
    std::string cmbTermSUB = "Months(s)";
    OptionIndex optRecurSUB =
        0; // 0 "Keep charging ... until they cancel", 1 "Stop charging after".
    std::string cmbStopSUB = "-";
    // Billing page: the trial period or set-up fee.
    std::string txtPrice2SUB;
    std::string cmbNumber2SUB = "1";
    std::string cmbTerm2SUB = "Day(s)";
    // Borrowed from the Buy Now optional-settings page.
    std::string txtLogoBN;
    std::string txtWebSiteSuccessBN = "http://";
    std::string txtCancelBN = "http://";
    // On that page, the Subscriptions tab's own Advanced variables dialog.
    std::string txtAdvancedSUB;
};

// A link to a payment link or button made in the PayPal account: not a wizard tab, but a
// dialog of its own beside the tabs, and a type of ravelin-button.
struct PaymentLinkAnswers {
    // The picture: options 0 to 7 are the Buy Now button's standard pictures, 8 the seller's
    // own; none for a link of text alone.
    OptionIndex optPL;
    std::string txtButtonURLPL = "https://";
    // The address PayPal gives for the link, such as https://www.paypal.com/ncp/payment/ABC123.
    std::string txtLinkURLPL;
    // The link's words: its visible text, or beside a picture the picture's alternative text.
    std::string txtLinkTextPL;
};

} // namespace ravelin::buttons
