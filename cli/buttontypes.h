// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The button types the command writes, each in one place: its name on the command line, its
// answer keys (the wizard's control names) and its writer. The help text, the reading of an
// answers file and the defaults all come from these tables.
#pragma once

#include "buttons/answers.h"
#include "buttons/writers.h"

#include <array>
#include <string>
#include <string_view>
#include <tuple>

namespace ravelin::cli {

using buttons::OptionIndex;

// One answer key: a text box or combo box (a string), or an option group (an index or null).
template <typename Answers> struct AnswerKey {
    std::string_view name;
    std::string Answers::*text = nullptr;
    OptionIndex Answers::*option = nullptr;
    int options = 0;   // an option group's number of options
    int maxLength = 0; // a box's limit in characters; 0 for none
};

template <typename Answers>
constexpr AnswerKey<Answers> text(std::string_view name, std::string Answers::*member,
                                  int maxLength = 0) {
    return {name, member, nullptr, 0, maxLength};
}

template <typename Answers>
constexpr AnswerKey<Answers> option(std::string_view name, OptionIndex Answers::*member,
                                    std::size_t options) {
    return {name, nullptr, member, static_cast<int>(options), 0};
}

// The Setup page box that gives the account address, accepted by every type.
inline constexpr std::string_view kEmailKey = "txtEmail";

struct BuyNow {
    using Answers = buttons::BuyNowAnswers;
    static constexpr std::string_view kName = "buy-now";
    static constexpr std::string_view kTitle = "Buy Now";
    static constexpr auto kWrite = &buttons::writeBuyNow;
    static constexpr std::array kKeys = {
        option("optBN", &Answers::optBN, buttons::kImgBN.size() + 1),
        text("txtButtonURLBN", &Answers::txtButtonURLBN),
        text("txtItemNameBN", &Answers::txtItemNameBN),
        text("txtItemIDBN", &Answers::txtItemIDBN),
        text("txtPriceBN", &Answers::txtPriceBN),
        text("cmbCurrencyBN", &Answers::cmbCurrencyBN),
        option("optExtraBN", &Answers::optExtraBN, 2),
        text("txtBaseShippingBN", &Answers::txtBaseShippingBN),
        text("txtExtraShippingBN", &Answers::txtExtraShippingBN),
        text("txtHandlingBN", &Answers::txtHandlingBN),
        text("txtLogoBN", &Answers::txtLogoBN),
        text("txtWebSiteSuccessBN", &Answers::txtWebSiteSuccessBN),
        text("txtCancelBN", &Answers::txtCancelBN),
    };
};

struct AddToCart {
    using Answers = buttons::AddToCartAnswers;
    static constexpr std::string_view kName = "add-to-cart";
    static constexpr std::string_view kTitle = "Add to Cart";
    static constexpr auto kWrite = &buttons::writeAddToCart;
    static constexpr std::array kKeys = {
        option("optImageButtonATC", &Answers::optImageButtonATC,
               buttons::kImgImageButtonATC.size() + 1),
        text("txtButtonURLATC", &Answers::txtButtonURLATC),
        text("txtItemNameATC", &Answers::txtItemNameATC),
        text("txtItemIDATC", &Answers::txtItemIDATC),
        text("txtPriceATC", &Answers::txtPriceATC),
        text("cmbCurrencyATC", &Answers::cmbCurrencyATC),
        option("optNoteATC", &Answers::optNoteATC, 2),
        text("txtNoteATC", &Answers::txtNoteATC, 30),
        text("txtLogoATC", &Answers::txtLogoATC),
        text("txtWebSiteSuccessATC", &Answers::txtWebSiteSuccessATC),
        text("txtCancelATC", &Answers::txtCancelATC),
    };
};

struct ViewCart {
    using Answers = buttons::ViewCartAnswers;
    static constexpr std::string_view kName = "view-cart";
    static constexpr std::string_view kTitle = "View Cart";
    static constexpr auto kWrite = &buttons::writeViewCart;
    static constexpr std::array kKeys = {
        option("optVC", &Answers::optVC, buttons::kImgVC.size() + 1),
        text("txtButtonURLVC", &Answers::txtButtonURLVC),
    };
};

struct Donate {
    using Answers = buttons::DonateAnswers;
    static constexpr std::string_view kName = "donate";
    static constexpr std::string_view kTitle = "Donations";
    static constexpr auto kWrite = &buttons::writeDonate;
    static constexpr std::array kKeys = {
        option("optDON", &Answers::optDON, buttons::kImgDON.size() + 1),
        text("txtButtonURLDON", &Answers::txtButtonURLDON),
        text("txtItemNameDON", &Answers::txtItemNameDON),
        text("txtItemIDDON", &Answers::txtItemIDDON),
        text("txtPriceDON", &Answers::txtPriceDON),
        text("cmbCurrencyDON", &Answers::cmbCurrencyDON),
        option("optNoteDON", &Answers::optNoteDON, 2),
        text("txtNoteDON", &Answers::txtNoteDON),
        text("txtLogoATC", &Answers::txtLogoATC),
        text("txtWebSiteSuccessATC", &Answers::txtWebSiteSuccessATC),
        text("txtCancelATC", &Answers::txtCancelATC),
    };
};

struct Subscribe {
    using Answers = buttons::SubscribeAnswers;
    static constexpr std::string_view kName = "subscribe";
    static constexpr std::string_view kTitle = "Subscriptions";
    static constexpr auto kWrite = &buttons::writeSubscribe;
    static constexpr std::array kKeys = {
        option("optSUB", &Answers::optSUB, buttons::kImgSUB.size() + 1),
        text("txtButtonURLSUB", &Answers::txtButtonURLSUB),
        text("txtItemNameSUB", &Answers::txtItemNameSUB),
        text("txtItemIDSUB", &Answers::txtItemIDSUB),
        text("cmbCurrencySUB", &Answers::cmbCurrencySUB),
        text("txtPriceSUB", &Answers::txtPriceSUB),
        text("cmbNumberSUB", &Answers::cmbNumberSUB),
        text("cmbTermSUB", &Answers::cmbTermSUB),
        option("optRecurSUB", &Answers::optRecurSUB, 2),
        text("cmbStopSUB", &Answers::cmbStopSUB),
        text("txtPrice2SUB", &Answers::txtPrice2SUB),
        text("cmbNumber2SUB", &Answers::cmbNumber2SUB),
        text("cmbTerm2SUB", &Answers::cmbTerm2SUB),
        text("txtLogoBN", &Answers::txtLogoBN),
        text("txtWebSiteSuccessBN", &Answers::txtWebSiteSuccessBN),
        text("txtCancelBN", &Answers::txtCancelBN),
    };
};

using ButtonTypes = std::tuple<BuyNow, AddToCart, ViewCart, Donate, Subscribe>;

// Calls `f.template operator()<Type>()` for the type named `name`; false when none is.
template <typename F> bool withButtonType(std::string_view name, F&& f) {
    return std::apply(
        [&]<typename... Types>(Types...) {
            return ((name == Types::kName ? (f.template operator()<Types>(), true) : false) || ...);
        },
        ButtonTypes{});
}

// Calls `f.template operator()<Type>()` for every type, in command-line order.
template <typename F> void forEachButtonType(F&& f) {
    std::apply([&]<typename... Types>(Types...) { (f.template operator()<Types>(), ...); },
               ButtonTypes{});
}

} // namespace ravelin::cli
