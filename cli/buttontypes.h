// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The button types the command writes, each in one place: its name on the command line, its
// answer keys (the wizard's control names) and its writer. The help text, the reading of an
// answers file and the defaults all come from these tables.
#pragma once

#include "buttons/answerkeys.h"
#include "buttons/answers.h"
#include "buttons/writers.h"

#include <array>
#include <string>
#include <string_view>
#include <tuple>

namespace ravelin::cli {

using buttons::AnswerKey;
using buttons::OptionIndex;

// The Setup page box that gives the account address, accepted by every type.
inline constexpr std::string_view kEmailKey = "txtEmail";

struct BuyNow {
    using Answers = buttons::BuyNowAnswers;
    static constexpr std::string_view kName = "buy-now";
    static constexpr std::string_view kTitle = "Buy Now";
    static constexpr auto kWrite = &buttons::writeBuyNow;
    static constexpr const auto& kKeys = buttons::kBuyNowKeys;
};

struct AddToCart {
    using Answers = buttons::AddToCartAnswers;
    static constexpr std::string_view kName = "add-to-cart";
    static constexpr std::string_view kTitle = "Add to Cart";
    static constexpr auto kWrite = &buttons::writeAddToCart;
    static constexpr const auto& kKeys = buttons::kAddToCartKeys;
};

struct ViewCart {
    using Answers = buttons::ViewCartAnswers;
    static constexpr std::string_view kName = "view-cart";
    static constexpr std::string_view kTitle = "View Cart";
    static constexpr auto kWrite = &buttons::writeViewCart;
    static constexpr const auto& kKeys = buttons::kViewCartKeys;
};

struct Donate {
    using Answers = buttons::DonateAnswers;
    static constexpr std::string_view kName = "donate";
    static constexpr std::string_view kTitle = "Donations";
    static constexpr auto kWrite = &buttons::writeDonate;
    static constexpr const auto& kKeys = buttons::kDonateKeys;
};

struct Subscribe {
    using Answers = buttons::SubscribeAnswers;
    static constexpr std::string_view kName = "subscribe";
    static constexpr std::string_view kTitle = "Subscriptions";
    static constexpr auto kWrite = &buttons::writeSubscribe;
    static constexpr const auto& kKeys = buttons::kSubscribeKeys;
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
