// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The pieces every writer shares: the opening fields, the currency code, which optional fields
// are written, the image choice and the finished button. The answer checker asks the same
// questions of the answers here, so that it looks at exactly the fields a writer writes.
#pragma once

#include "buttons/answers.h"
#include "buttons/currency.h"
#include "buttons/form.h"
#include "buttons/summary.h"
#include "buttons/text.h"
#include "buttons/writers.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

namespace ravelin::buttons {

// The opening fields: `bn` = build code, `cmd` = command, the fields of `beforeBusiness`, then
// the spaced `business` = account address.
void writeOpeningFields(
    Form& form, const Context& context, std::string_view command,
    std::initializer_list<std::pair<std::string_view, std::string_view>> beforeBusiness = {});

// The code of a currency box's currency (buttons/currency.h); the empty code for a text that is
// no currency.
inline std::string_view codeOf(const Currency* currency) {
    return currency != nullptr ? currency->code : std::string_view{};
}

// A typed price as the price labels show it: after the currency's sign ("€12.50"), or followed
// by a blank and the code for a currency without one ("12.50 CHF"; an empty price stays empty);
// after "$" for a text that is no currency, as those labels have always read.
std::string shownPrice(const Currency* currency, std::string_view price);

// ---- Which optional fields are written ----------------------------------------------------

// The company logo, `image_url`: Buy Now and Add to Cart write it when their box is not empty,
// Donations and Subscriptions under the seven-character test, so that an empty box is written
// with an empty value.
inline bool writesLogo(const BuyNowAnswers& a) {
    return isNotEmpty(a.txtLogoBN);
}
inline bool writesLogo(const AddToCartAnswers& a) {
    return isNotEmpty(a.txtLogoATC);
}
inline bool writesLogo(const DonateAnswers& a) {
    return isNotSevenCharacters(a.txtLogoATC);
}
inline bool writesLogo(const SubscribeAnswers& a) {
    return isNotSevenCharacters(a.txtLogoBN);
}

// A return or cancel address, under the seven-character test: a box left at its "http://" is
// not written.
inline bool writesAddress(std::string_view address) {
    return isNotSevenCharacters(address);
}

// A Buy Now shipping or handling amount, when its box is not empty.
inline bool writesShippingAmount(std::string_view amount) {
    return isNotEmpty(amount);
}

// Buy Now's `undefined_quantity`: the buyer may choose how many to buy (option 0, "Yes").
inline bool letsBuyerChooseQuantity(const BuyNowAnswers& a) {
    return a.optExtraBN == 0;
}

// The note label, `cn`, while the note option "Yes" (0) is chosen.
inline bool writesNote(const AddToCartAnswers& a) {
    return a.optNoteATC == 0;
}
inline bool writesNote(const DonateAnswers& a) {
    return a.optNoteDON == 0;
}

// Subscriptions' `src`, while either way of charging is chosen, and `srt`, the number of
// payments, with "Stop charging after" (1).
inline bool recurs(const SubscribeAnswers& a) {
    return a.optRecurSUB == 0 || a.optRecurSUB == 1;
}
inline bool stopsAfter(const SubscribeAnswers& a) {
    return a.optRecurSUB == 1;
}

// The trial period or set-up fee (`a1`, `p1`, `t1`), only with a trial price.
inline bool writesTrial(const SubscribeAnswers& a) {
    return isNotEmpty(a.txtPrice2SUB);
}

// What a picture option group selects: options 0 to `standardPictures` - 1 the standard
// pictures, the one after them the custom picture; no option, or any other index, nothing.
enum class PictureChoice { None, Standard, Custom };
PictureChoice pictureChoice(OptionIndex selected, std::size_t standardPictures);

// ---- Writing them -------------------------------------------------------------------------

// The currency answer `text`, standing for `currency`: the summary entry "Currency: " with the
// text as typed (a bare code as its caption), and `currency_code` (empty for no currency).
void writeCurrency(Form& form, Summary& summary, std::string_view text, const Currency* currency);

// The return and cancel addresses, each when writesAddress: "Return URL: " and `return`, then
// "Cancel URL: " and `cancel_return`.
void writeReturnAddresses(Form& form, Summary& summary, std::string_view returnAddress,
                          std::string_view cancelAddress);

// The image choice, run after all other fields. `imageNames` are the standard pictures by
// option index; the custom image's address is written as typed and gets the summary entry
// "Custom Button: ".
void chooseImage(Form& form, Summary& summary, OptionIndex selected,
                 std::span<const std::string_view> imageNames, std::string_view folder,
                 std::string_view customAddress);

// The finished button: the summary, opened by "Sandbox: Yes" for the test environment, and
// the HTML rendered from the form posting to the context's endpoint.
Button finishButton(Form form, Summary summary, const Context& context);

} // namespace ravelin::buttons
