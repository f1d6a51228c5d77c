// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Each button type described once: its name on the command line, its title, the suffix of its
// wizard controls, its answers, the keys that read them (the wizard's control names, in page
// order), the standard pictures of its button-image page, the boxes of its Item options and
// Advanced variables dialogs, its writer and its answer checker.
// ravelin-button's type list, the wizard's tabs, its picture choices and the run of a writer or
// a check all come from here.
//
// The first two keys of every type are its button-image page: the picture option group (the
// standard pictures by index, then the custom picture) and the custom picture's address box.
#pragma once

#include "buttons/answerkeys.h"
#include "buttons/answers.h"
#include "buttons/check.h"
#include "buttons/writers.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace ravelin::buttons {

struct BuyNow {
    using Answers = BuyNowAnswers;
    static constexpr std::string_view kName = "buy-now";
    static constexpr std::string_view kTitle = "Buy Now";
    static constexpr std::string_view kSuffix = "BN";
    // Image names (the Tag of each picture) of the standard pictures, by option index.
    static constexpr std::array<std::string_view, 8> kPictures = {
        "x-click-but01.gif", "x-click-but03.gif", "x-click-but02.gif", "x-click-but23.gif",
        "x-click-but9.gif",  "x-click-butcc.gif", "x-click-but5.gif",  "x-click-but6.gif"};
    static constexpr std::array kKeys = {
        optionKey("optBN", &Answers::optBN, kPictures.size() + 1),
        textKey("txtButtonURLBN", &Answers::txtButtonURLBN),
        textKey("txtItemNameBN", &Answers::txtItemNameBN),
        textKey("txtItemIDBN", &Answers::txtItemIDBN),
        textKey("txtPriceBN", &Answers::txtPriceBN),
        textKey("cmbCurrencyBN", &Answers::cmbCurrencyBN),
        optionKey("optExtraBN", &Answers::optExtraBN, 2),
        textKey("txtOption1NameBN", &Answers::txtOption1NameBN),
        linesKey("txtOption1ChoicesBN", &Answers::txtOption1ChoicesBN),
        textKey("txtOption2NameBN", &Answers::txtOption2NameBN),
        linesKey("txtOption2ChoicesBN", &Answers::txtOption2ChoicesBN),
        textKey("txtOption3NameBN", &Answers::txtOption3NameBN),
        linesKey("txtOption3ChoicesBN", &Answers::txtOption3ChoicesBN),
        textKey("txtOption4NameBN", &Answers::txtOption4NameBN),
        linesKey("txtOption4ChoicesBN", &Answers::txtOption4ChoicesBN),
        textKey("txtOption5NameBN", &Answers::txtOption5NameBN),
        linesKey("txtOption5ChoicesBN", &Answers::txtOption5ChoicesBN),
        textKey("txtText1NameBN", &Answers::txtText1NameBN),
        textKey("txtText2NameBN", &Answers::txtText2NameBN),
        textKey("txtBaseShippingBN", &Answers::txtBaseShippingBN),
        textKey("txtExtraShippingBN", &Answers::txtExtraShippingBN),
        textKey("txtHandlingBN", &Answers::txtHandlingBN),
        textKey("txtLogoBN", &Answers::txtLogoBN),
        textKey("txtWebSiteSuccessBN", &Answers::txtWebSiteSuccessBN),
        textKey("txtCancelBN", &Answers::txtCancelBN),
        linesKey("txtAdvancedBN", &Answers::txtAdvancedBN),
    };
    // The Item options dialog's boxes; PayPal takes at most seven options on its buttons.
    static constexpr ItemOptionKeys<Answers> kItemOptions = {
        .menuNames = {&Answers::txtOption1NameBN, &Answers::txtOption2NameBN,
                      &Answers::txtOption3NameBN, &Answers::txtOption4NameBN,
                      &Answers::txtOption5NameBN},
        .menuChoices = {&Answers::txtOption1ChoicesBN, &Answers::txtOption2ChoicesBN,
                        &Answers::txtOption3ChoicesBN, &Answers::txtOption4ChoicesBN,
                        &Answers::txtOption5ChoicesBN},
        .textBoxNames = {&Answers::txtText1NameBN, &Answers::txtText2NameBN},
        .pricedFirstMenu = true,
        .mostOptions = 7};
    // The Advanced variables dialog's box.
    static constexpr auto kAdvanced = &Answers::txtAdvancedBN;
    static constexpr auto kWrite = &writeBuyNow;
    static constexpr auto kCheck = &checkBuyNow;
};

struct AddToCart {
    using Answers = AddToCartAnswers;
    static constexpr std::string_view kName = "add-to-cart";
    static constexpr std::string_view kTitle = "Add to Cart";
    static constexpr std::string_view kSuffix = "ATC";
    static constexpr std::array<std::string_view, 5> kPictures = {
        "sc-but-01.gif", "sc-but-02.gif", "sc-but-03.gif", "x-click-but10.gif",
        "x-click-but22.gif"};
    static constexpr std::array kKeys = {
        optionKey("optImageButtonATC", &Answers::optImageButtonATC, kPictures.size() + 1),
        textKey("txtButtonURLATC", &Answers::txtButtonURLATC),
        textKey("txtItemNameATC", &Answers::txtItemNameATC),
        textKey("txtItemIDATC", &Answers::txtItemIDATC),
        textKey("txtPriceATC", &Answers::txtPriceATC),
        textKey("cmbCurrencyATC", &Answers::cmbCurrencyATC),
        optionKey("optNoteATC", &Answers::optNoteATC, 2),
        textKey("txtNoteATC", &Answers::txtNoteATC, 30),
        textKey("txtOption1NameATC", &Answers::txtOption1NameATC),
        linesKey("txtOption1ChoicesATC", &Answers::txtOption1ChoicesATC),
        textKey("txtOption2NameATC", &Answers::txtOption2NameATC),
        linesKey("txtOption2ChoicesATC", &Answers::txtOption2ChoicesATC),
        textKey("txtOption3NameATC", &Answers::txtOption3NameATC),
        linesKey("txtOption3ChoicesATC", &Answers::txtOption3ChoicesATC),
        textKey("txtOption4NameATC", &Answers::txtOption4NameATC),
        linesKey("txtOption4ChoicesATC", &Answers::txtOption4ChoicesATC),
        textKey("txtOption5NameATC", &Answers::txtOption5NameATC),
        linesKey("txtOption5ChoicesATC", &Answers::txtOption5ChoicesATC),
        textKey("txtText1NameATC", &Answers::txtText1NameATC),
        textKey("txtText2NameATC", &Answers::txtText2NameATC),
        textKey("txtLogoATC", &Answers::txtLogoATC),
        textKey("txtWebSiteSuccessATC", &Answers::txtWebSiteSuccessATC),
        textKey("txtCancelATC", &Answers::txtCancelATC),
        linesKey("txtAdvancedATC", &Answers::txtAdvancedATC),
    };
    // The Item options dialog's boxes; PayPal takes at most seven options on its buttons.
    static constexpr ItemOptionKeys<Answers> kItemOptions = {
        .menuNames = {&Answers::txtOption1NameATC, &Answers::txtOption2NameATC,
                      &Answers::txtOption3NameATC, &Answers::txtOption4NameATC,
                      &Answers::txtOption5NameATC},
        .menuChoices = {&Answers::txtOption1ChoicesATC, &Answers::txtOption2ChoicesATC,
                        &Answers::txtOption3ChoicesATC, &Answers::txtOption4ChoicesATC,
                        &Answers::txtOption5ChoicesATC},
        .textBoxNames = {&Answers::txtText1NameATC, &Answers::txtText2NameATC},
        .pricedFirstMenu = true,
        .mostOptions = 7};
    // The Advanced variables dialog's box.
    static constexpr auto kAdvanced = &Answers::txtAdvancedATC;
    static constexpr auto kWrite = &writeAddToCart;
    static constexpr auto kCheck = &checkAddToCart;
};

struct ViewCart {
    using Answers = ViewCartAnswers;
    static constexpr std::string_view kName = "view-cart";
    static constexpr std::string_view kTitle = "View Cart";
    static constexpr std::string_view kSuffix = "VC";
    static constexpr std::array<std::string_view, 3> kPictures = {
        "view_cart.gif", "view_cart_03.gif", "view_cart_02.gif"};
    static constexpr std::array kKeys = {
        optionKey("optVC", &Answers::optVC, kPictures.size() + 1),
        textKey("txtButtonURLVC", &Answers::txtButtonURLVC),
        linesKey("txtAdvancedVC", &Answers::txtAdvancedVC),
    };
    // The Advanced variables dialog's box.
    static constexpr auto kAdvanced = &Answers::txtAdvancedVC;
    static constexpr auto kWrite = &writeViewCart;
    static constexpr auto kCheck = &checkViewCart;
};

struct Donate {
    using Answers = DonateAnswers;
    static constexpr std::string_view kName = "donate";
    static constexpr std::string_view kTitle = "Donations";
    static constexpr std::string_view kSuffix = "DON";
    static constexpr std::array<std::string_view, 4> kPictures = {
        "x-click-but04.gif", "x-click-but21.gif", "x-click-but11.gif", "x-click-butcc-donate.gif"};
    static constexpr std::array kKeys = {
        optionKey("optDON", &Answers::optDON, kPictures.size() + 1),
        textKey("txtButtonURLDON", &Answers::txtButtonURLDON),
        textKey("txtItemNameDON", &Answers::txtItemNameDON),
        textKey("txtItemIDDON", &Answers::txtItemIDDON),
        textKey("txtPriceDON", &Answers::txtPriceDON),
        textKey("cmbCurrencyDON", &Answers::cmbCurrencyDON),
        optionKey("optNoteDON", &Answers::optNoteDON, 2),
        textKey("txtNoteDON", &Answers::txtNoteDON),
        textKey("txtLogoATC", &Answers::txtLogoATC),
        textKey("txtWebSiteSuccessATC", &Answers::txtWebSiteSuccessATC),
        textKey("txtCancelATC", &Answers::txtCancelATC),
        linesKey("txtAdvancedDON", &Answers::txtAdvancedDON),
    };
    // The Advanced variables dialog's box.
    static constexpr auto kAdvanced = &Answers::txtAdvancedDON;
    static constexpr auto kWrite = &writeDonate;
    static constexpr auto kCheck = &checkDonate;
};

struct Subscribe {
    using Answers = SubscribeAnswers;
    static constexpr std::string_view kName = "subscribe";
    static constexpr std::string_view kTitle = "Subscriptions";
    static constexpr std::string_view kSuffix = "SUB";
    static constexpr std::array<std::string_view, 8> kPictures = {
        "x-click-but20.gif",           "x-click-but30.gif", "x-click-but31.gif",
        "x-click-butcc-subscribe.gif", "x-click-butcc.gif", "x-click-but24.gif",
        "x-click-but28.gif",           "x-click-but29.gif"};
    static constexpr std::array kKeys = {
        optionKey("optSUB", &Answers::optSUB, kPictures.size() + 1),
        textKey("txtButtonURLSUB", &Answers::txtButtonURLSUB),
        textKey("txtItemNameSUB", &Answers::txtItemNameSUB),
        textKey("txtItemIDSUB", &Answers::txtItemIDSUB),
        textKey("cmbCurrencySUB", &Answers::cmbCurrencySUB),
        textKey("txtOption1NameSUB", &Answers::txtOption1NameSUB),
        linesKey("txtOption1ChoicesSUB", &Answers::txtOption1ChoicesSUB),
        textKey("txtOption2NameSUB", &Answers::txtOption2NameSUB),
        linesKey("txtOption2ChoicesSUB", &Answers::txtOption2ChoicesSUB),
        textKey("txtOption3NameSUB", &Answers::txtOption3NameSUB),
        linesKey("txtOption3ChoicesSUB", &Answers::txtOption3ChoicesSUB),
        textKey("txtOption4NameSUB", &Answers::txtOption4NameSUB),
        linesKey("txtOption4ChoicesSUB", &Answers::txtOption4ChoicesSUB),
        textKey("txtOption5NameSUB", &Answers::txtOption5NameSUB),
        linesKey("txtOption5ChoicesSUB", &Answers::txtOption5ChoicesSUB),
        textKey("txtText1NameSUB", &Answers::txtText1NameSUB),
        textKey("txtText2NameSUB", &Answers::txtText2NameSUB),
        textKey("txtPriceSUB", &Answers::txtPriceSUB),
        textKey("cmbNumberSUB", &Answers::cmbNumberSUB),
        textKey("cmbTermSUB", &Answers::cmbTermSUB),
        optionKey("optRecurSUB", &Answers::optRecurSUB, 2),
        textKey("cmbStopSUB", &Answers::cmbStopSUB),
        textKey("txtPrice2SUB", &Answers::txtPrice2SUB),
        textKey("cmbNumber2SUB", &Answers::cmbNumber2SUB),
        textKey("cmbTerm2SUB", &Answers::cmbTerm2SUB),
        textKey("txtLogoBN", &Answers::txtLogoBN),
        textKey("txtWebSiteSuccessBN", &Answers::txtWebSiteSuccessBN),
        textKey("txtCancelBN", &Answers::txtCancelBN),
        linesKey("txtAdvancedSUB", &Answers::txtAdvancedSUB),
    };
    // The Item options dialog's boxes; PayPal takes at most six options on Subscribe buttons
    // and prices none of them.
    static constexpr ItemOptionKeys<Answers> kItemOptions = {
        .menuNames = {&Answers::txtOption1NameSUB, &Answers::txtOption2NameSUB,
                      &Answers::txtOption3NameSUB, &Answers::txtOption4NameSUB,
                      &Answers::txtOption5NameSUB},
        .menuChoices = {&Answers::txtOption1ChoicesSUB, &Answers::txtOption2ChoicesSUB,
                        &Answers::txtOption3ChoicesSUB, &Answers::txtOption4ChoicesSUB,
                        &Answers::txtOption5ChoicesSUB},
        .textBoxNames = {&Answers::txtText1NameSUB, &Answers::txtText2NameSUB},
        .pricedFirstMenu = false,
        .mostOptions = 6};
    // The Advanced variables dialog's box.
    static constexpr auto kAdvanced = &Answers::txtAdvancedSUB;
    static constexpr auto kWrite = &writeSubscribe;
    static constexpr auto kCheck = &checkSubscribe;
};

// A link around a picture or a text, to a payment link or button the seller made in the PayPal
// account. It is described as the button types are, so that ravelin-button reads, lists and
// checks its keys the same way, but it is no button type: no form, no account, no build code,
// no wizard tab (the wizard writes it in a dialog of its own), and it cannot be encrypted.
struct PaymentLink {
    using Answers = PaymentLinkAnswers;
    static constexpr std::string_view kName = "payment-link";
    static constexpr std::string_view kTitle = "PayPal payment link";
    static constexpr std::string_view kSuffix = "PL";
    // A payment link pays for something, so it offers the Buy Now pictures.
    static constexpr auto kPictures = BuyNow::kPictures;
    static constexpr std::array kKeys = {
        optionKey("optPL", &Answers::optPL, kPictures.size() + 1),
        textKey("txtButtonURLPL", &Answers::txtButtonURLPL),
        textKey("txtLinkURLPL", &Answers::txtLinkURLPL),
        textKey("txtLinkTextPL", &Answers::txtLinkTextPL),
    };
    static constexpr auto kWrite = &writePaymentLink;
    static constexpr auto kCheck = &checkPaymentLink;
};

// Every button type, in the order ravelin-button lists them.
using ButtonTypes = std::tuple<BuyNow, AddToCart, ViewCart, Donate, Subscribe>;

// Everything ravelin-button writes, in the order it lists them: the button types, then the
// payment link.
using CommandLineTypes = std::tuple<BuyNow, AddToCart, ViewCart, Donate, Subscribe, PaymentLink>;

inline constexpr std::size_t kButtonTypeCount = std::tuple_size_v<ButtonTypes>;

namespace detail {

template <typename Tuple, typename F> constexpr void forEachTypeOf(F&& f) {
    std::apply([&]<typename... Types>(Types...) { (f.template operator()<Types>(), ...); },
               Tuple{});
}

} // namespace detail

// Calls `f.template operator()<Type>()` for every type, in the order of ButtonTypes.
template <typename F> constexpr void forEachButtonType(F&& f) {
    detail::forEachTypeOf<ButtonTypes>(f);
}

// Calls `f.template operator()<Type>()` for every type of CommandLineTypes, in its order.
template <typename F> constexpr void forEachCommandLineType(F&& f) {
    detail::forEachTypeOf<CommandLineTypes>(f);
}

namespace detail {

// Calls `f.template operator()<Type>()` for the first type of `Tuple` that `matches`; false when
// none does.
template <typename Tuple, typename Matches, typename F>
bool withFirstTypeOf(Matches&& matches, F&& f) {
    bool found = false;
    forEachTypeOf<Tuple>([&]<typename Type>() {
        if (!found && matches.template operator()<Type>()) {
            found = true;
            f.template operator()<Type>();
        }
    });
    return found;
}

} // namespace detail

// Calls `f.template operator()<Type>()` for the type named `name` on the command line; false
// when no type has that name.
template <typename F> bool withButtonType(std::string_view name, F&& f) {
    return detail::withFirstTypeOf<ButtonTypes>(
        [&]<typename Type>() { return Type::kName == name; }, f);
}

// Calls `f.template operator()<Type>()` for the type of CommandLineTypes named `name`; false when
// none has that name.
template <typename F> bool withCommandLineType(std::string_view name, F&& f) {
    return detail::withFirstTypeOf<CommandLineTypes>(
        [&]<typename Type>() { return Type::kName == name; }, f);
}

// Calls `f.template operator()<Type>()` for the type whose wizard controls end in `suffix`;
// false when no type has that suffix.
template <typename F> bool withButtonTypeOfSuffix(std::string_view suffix, F&& f) {
    return detail::withFirstTypeOf<ButtonTypes>(
        [&]<typename Type>() { return Type::kSuffix == suffix; }, f);
}

// The picture option group of a type: its first key.
template <typename Type> constexpr const auto& pictureKey() {
    return Type::kKeys[0];
}

// The custom picture's address box of a type: its second key.
template <typename Type> constexpr const auto& pictureAddressKey() {
    return Type::kKeys[1];
}

// The control name of an answer, from its type's key table: keyName(&BuyNowAnswers::txtLogoBN)
// is "txtLogoBN". Worked out while compiling, so an answer that no key reads does not compile.
template <typename Answers, typename Value>
consteval std::string_view keyName(Value Answers::*member) {
    std::string_view name;
    forEachCommandLineType([&]<typename Type>() {
        if constexpr (std::is_same_v<typename Type::Answers, Answers>) {
            for (const auto& key : Type::kKeys) {
                if constexpr (std::is_same_v<Value, OptionIndex>) {
                    name = key.option == member ? key.name : name;
                } else {
                    name = key.text == member ? key.name : name;
                }
            }
        }
    });
    if (name.empty()) {
        throw "no answer key reads this member";
    }
    return name;
}

// The control name of a text answer of `Type`, as keyName gives it, looked up while running.
template <typename Type>
constexpr std::string_view controlName(std::string Type::Answers::*member) {
    for (const auto& key : Type::kKeys) {
        if (key.text == member) {
            return key.name;
        }
    }
    return {};
}

// The types whose buttons carry item options (Buy Now, Add to Cart, Subscriptions).
template <typename Type>
concept HasItemOptions = requires {
    Type::kItemOptions;
};

// Every description keeps to the shape the wizard and ravelin-button rely on.
static_assert([] {
    bool ok = true;
    forEachButtonType([&]<typename Type>() {
        ok = ok && pictureKey<Type>().option != nullptr &&
             pictureKey<Type>().options == static_cast<int>(Type::kPictures.size()) + 1 &&
             pictureAddressKey<Type>().text != nullptr && !Type::kName.empty() &&
             !Type::kSuffix.empty();
    });
    return ok;
}());

namespace detail {

// Whether keyName finds each key of `Type` again by its member: no answer is read by two keys.
template <typename Type> consteval bool eachAnswerHasOneKey() {
    for (const auto& key : Type::kKeys) {
        if ((key.text != nullptr ? keyName(key.text) : keyName(key.option)) != key.name) {
            return false;
        }
    }
    return true;
}

// Whether every box of the type's dialogs is read by a key.
template <typename Type> consteval bool dialogBoxesHaveKeys() {
    bool ok = !controlName<Type>(Type::kAdvanced).empty();
    if constexpr (HasItemOptions<Type>) {
        const auto& boxes = Type::kItemOptions;
        for (std::size_t i = 0; i < kMenuCount; ++i) {
            ok = ok && !controlName<Type>(boxes.menuNames[i]).empty() &&
                 !controlName<Type>(boxes.menuChoices[i]).empty();
        }
        for (const auto name : boxes.textBoxNames) {
            ok = ok && !controlName<Type>(name).empty();
        }
    }
    return ok;
}

} // namespace detail

static_assert([] {
    bool ok = true;
    forEachButtonType([&]<typename Type>() {
        ok = ok && detail::eachAnswerHasOneKey<Type>() && detail::dialogBoxesHaveKeys<Type>();
    });
    return ok;
}());
// The payment link keeps the button types' first two keys: its picture, then its own picture's
// address.
static_assert(detail::eachAnswerHasOneKey<PaymentLink>() &&
              PaymentLink::kKeys[0].options ==
                  static_cast<int>(PaymentLink::kPictures.size()) + 1 &&
              PaymentLink::kKeys[1].lines == false && PaymentLink::kKeys[1].options == 0);

} // namespace ravelin::buttons
