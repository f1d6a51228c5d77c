// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The worked example of each button type: one set of answers per type, written here once, and a
// Buy Now button with item options. The
// writers' tests check each writer's output for them to the character, the wizard's walk tests
// and the add-in's test type them into the window, ravelin-button's tests hand them over as an
// answers file, ravelin-screens draws their result pages and the benchmarks time them.
#pragma once

#include "buttons/answers.h"
#include "buttons/buttontypes.h"

namespace ravelin::buttons {

// The answers of the worked example of `Type`; fields not set keep the window's design defaults.
template <typename Type> typename Type::Answers workedExample() = delete;

template <> inline BuyNowAnswers workedExample<BuyNow>() {
    BuyNowAnswers a;
    a.txtItemNameBN = "Garden Gnome";
    a.txtItemIDBN = "GN-7";
    a.txtPriceBN = "25";
    a.cmbCurrencyBN = "Euro (EUR)";
    a.optExtraBN = 0;
    a.txtBaseShippingBN = "5.00";
    a.txtHandlingBN = "1.50";
    return a;
}

template <> inline AddToCartAnswers workedExample<AddToCart>() {
    AddToCartAnswers a;
    a.optImageButtonATC = 2;
    a.txtItemNameATC = "Blue Mug";
    a.txtItemIDATC = "MUG-01";
    a.txtPriceATC = "12.5";
    a.cmbCurrencyATC = "Euro (EUR)";
    a.optNoteATC = 0;
    a.txtNoteATC = "Gift message";
    a.txtWebSiteSuccessATC = "thanks.htm";
    return a;
}

template <> inline ViewCartAnswers workedExample<ViewCart>() {
    ViewCartAnswers a;
    a.optVC = 1;
    return a;
}

template <> inline DonateAnswers workedExample<Donate>() {
    DonateAnswers a;
    a.optDON = 3;
    a.txtItemNameDON = "Roof Fund";
    a.txtItemIDDON = "RF-1";
    a.txtPriceDON = "";
    a.cmbCurrencyDON = "British Pound Sterling (£)";
    a.optNoteDON = 1;
    a.txtWebSiteSuccessATC = "thanks.htm";
    return a;
}

template <> inline SubscribeAnswers workedExample<Subscribe>() {
    SubscribeAnswers a;
    a.txtItemNameSUB = "Monthly Newsletter";
    a.txtItemIDSUB = "NL1";
    a.cmbCurrencySUB = "Euro (EUR)";
    a.txtPriceSUB = "9.5";
    a.cmbNumberSUB = "1";
    a.cmbTermSUB = "Months(s)";
    a.optRecurSUB = 0;
    a.cmbStopSUB = "-";
    a.txtPrice2SUB = "0";
    a.cmbNumber2SUB = "1";
    a.cmbTerm2SUB = "Months(s)";
    a.optSUB = 0;
    return a;
}

// A Buy Now button with item options and an advanced variable: a T-shirt in three sizes at three
// prices, given by the first menu, and two colours, with a name to print typed by the buyer and
// the address of the seller's payment notifications.
inline BuyNowAnswers tShirtExample() {
    BuyNowAnswers a;
    a.txtItemNameBN = "T-Shirt";
    a.txtItemIDBN = "TS-1";
    a.cmbCurrencyBN = "Swiss Franc (CHF)";
    a.txtOption1NameBN = "Size";
    a.txtOption1ChoicesBN = "Small = 10\nMedium = 11.5\nLarge = 12.50";
    a.txtOption2NameBN = "Colour";
    a.txtOption2ChoicesBN = "Red\nBlue";
    a.txtText1NameBN = "Name to print";
    a.txtAdvancedBN = "notify_url=https://shop.example.com/ipn";
    return a;
}

} // namespace ravelin::buttons
