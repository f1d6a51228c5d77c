// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The pieces every writer shares: the opening fields, the currency code, which optional fields
// are written, the item options and advanced variables, the image choice and the finished
// button. The answer checker asks the same questions of the answers here, so that it looks at
// exactly the fields a writer writes.
#pragma once

#include "buttons/answers.h"
#include "buttons/buttontypes.h"
#include "buttons/currency.h"
#include "buttons/form.h"
#include "buttons/summary.h"
#include "buttons/text.h"
#include "buttons/writers.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

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

// ---- Item options ---------------------------------------------------------------------------

// The lines of a box that holds one entry a line, each without the blanks (spaces and tabs)
// around it; lines left empty are skipped. A line ends at CR LF, CR or LF.
std::vector<std::string_view> boxLines(std::string_view text);

// A box of an Item options dialog: its control and what it holds.
struct OptionBox {
    std::string_view control;
    std::string_view text;
};

// The boxes of a type's Item options dialog, as its answers hold them.
struct ItemOptionBoxes {
    std::array<OptionBox, kMenuCount> menuNames;
    std::array<OptionBox, kMenuCount> menuChoices;
    std::array<OptionBox, kTextBoxCount> textBoxNames;
    bool pricedFirstMenu = false;
};

template <HasItemOptions Type> ItemOptionBoxes itemOptionBoxes(const typename Type::Answers& a) {
    const auto& keys = Type::kItemOptions;
    ItemOptionBoxes boxes;
    for (std::size_t i = 0; i < kMenuCount; ++i) {
        boxes.menuNames[i] = {controlName<Type>(keys.menuNames[i]), a.*keys.menuNames[i]};
        boxes.menuChoices[i] = {controlName<Type>(keys.menuChoices[i]), a.*keys.menuChoices[i]};
    }
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        boxes.textBoxNames[i] = {controlName<Type>(keys.textBoxNames[i]), a.*keys.textBoxNames[i]};
    }
    boxes.pricedFirstMenu = keys.pricedFirstMenu;
    return boxes;
}

// One choice of a menu: its line, or on a priced menu the text before the line's last "=" as
// the choice and the text after it as its price, each without blanks around it.
struct MenuChoice {
    std::string_view line;
    std::string_view name;
    std::optional<std::string_view> price;
};

// An option the button carries: a menu (its name and choices boxes) or a text box the buyer
// fills (its name box alone).
struct ItemOption {
    OptionBox name;
    std::optional<OptionBox> choicesBox; // a menu's
    std::vector<MenuChoice> choices;     // a menu's, one a line of its box
    // The first menu, on a type that prices its choices, when a line of it holds "=": the
    // price comes from the choice.
    bool priced = false;
};

// The options the answers give, in the order of their numbers (on0 and os0 for the first): each
// menu whose name or choices box holds something, then each text box whose name box does.
std::vector<ItemOption> itemOptions(const ItemOptionBoxes& boxes);

template <typename Type> std::vector<ItemOption> itemOptions(const typename Type::Answers& a) {
    if constexpr (HasItemOptions<Type>) {
        return itemOptions(itemOptionBoxes<Type>(a));
    } else {
        return {};
    }
}

// The menu that gives the item its prices, or nullptr.
const ItemOption* pricedMenu(std::span<const ItemOption> options);

// The item price, `amount`: written always, except when it is left empty beside a priced menu,
// whose choices give the price.
bool writesItemPrice(std::string_view price, std::span<const ItemOption> options);

// ---- Advanced variables -------------------------------------------------------------------

// One line of an Advanced variables box: the name before its first "=" and the value after it,
// each without blanks around it; no value when the line has no "=".
struct AdvancedVariable {
    std::string_view line;
    std::string_view name;
    std::optional<std::string_view> value;
};

std::vector<AdvancedVariable> advancedVariables(std::string_view box);

// A variable is written when its line has a name and an "=".
inline bool writesVariable(const AdvancedVariable& v) {
    return v.value.has_value() && !v.name.empty();
}

// What a picture option group selects: options 0 to `standardPictures` - 1 the standard
// pictures, the one after them the custom picture; no option, or any other index, nothing.
enum class PictureChoice { None, Standard, Custom };
PictureChoice pictureChoice(OptionIndex selected, std::size_t standardPictures);

// ---- Payment links -------------------------------------------------------------------------

// The hosts and the path of PayPal's payment links: https://HOST/ncp/payment/ID.
inline constexpr std::string_view kPaymentLinkHost = "www.paypal.com";
inline constexpr std::string_view kSandboxPaymentLinkHost = "www.sandbox.paypal.com";
inline constexpr std::string_view kPaymentLinkPath = "/ncp/payment/";

// An address cut into its parts the way RFC 3986 reads it: the scheme before the first ":"
// (empty when there is none), the authority after "//" up to the next "/", "?" or "#", the path,
// then the query after "?" and the fragment after "#", each absent when its sign is.
struct AddressParts {
    std::string_view scheme;
    std::optional<std::string_view> authority;
    std::string_view path;
    std::optional<std::string_view> query;
    std::optional<std::string_view> fragment;
};

AddressParts addressParts(std::string_view address);

// Whether two texts are the same, letter case aside, as schemes and host names compare.
bool equalCaseAside(std::string_view a, std::string_view b);

// Whether a payment link leads to PayPal's test host: its summary then opens with
// "Sandbox: Yes".
bool isSandboxLink(std::string_view address);

// ---- Writing them -------------------------------------------------------------------------

// The currency answer `text`, standing for `currency`: the summary entry "Currency: " with the
// text as typed (a bare code as its caption), and `currency_code` (empty for no currency).
void writeCurrency(Form& form, Summary& summary, std::string_view text, const Currency* currency);

// The return and cancel addresses, each when writesAddress: "Return URL: " and `return`, then
// "Cancel URL: " and `cancel_return`.
void writeReturnAddresses(Form& form, Summary& summary, std::string_view returnAddress,
                          std::string_view cancelAddress);

// The item options, after the type's own fields: the priced menu's `option_select` and
// `option_amount` pairs (each amount in the money format of `currency`, a currency code) and
// `option_index`, then each option in the form above the picture; a summary entry each, such as
// "Option Size: Small - 10.00 EUR, Large - 12.50 EUR" or "Option Name: typed by the buyer".
void writeItemOptions(Form& form, Summary& summary, std::span<const ItemOption> options,
                      std::string_view currency);

// The advanced variables, in their order, after the item options: a hidden field and a summary
// entry "Variable NAME: VALUE" each.
void writeAdvancedVariables(Form& form, Summary& summary, std::string_view box);

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
