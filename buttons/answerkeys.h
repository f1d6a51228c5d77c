// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where each answer comes from: for every button type, the wizard controls whose names key its
// answers, in page order. The wizard reads its controls through these tables and
// ravelin-button reads its answers files through them, so both know the same keys.
#pragma once

#include "buttons/answers.h"
#include "buttons/writers.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ravelin::buttons {

// One answer key: a text box or combo box (a string), or an option group (an index or none).
template <typename Answers> struct AnswerKey {
    std::string_view name;
    std::string Answers::*text = nullptr;
    OptionIndex Answers::*option = nullptr;
    int options = 0;   // an option group's number of options
    int maxLength = 0; // a box's limit in characters; 0 for none
};

template <typename Answers>
constexpr AnswerKey<Answers> textKey(std::string_view name, std::string Answers::*member,
                                     int maxLength = 0) {
    return {name, member, nullptr, 0, maxLength};
}

template <typename Answers>
constexpr AnswerKey<Answers> optionKey(std::string_view name, OptionIndex Answers::*member,
                                       std::size_t options) {
    return {name, nullptr, member, static_cast<int>(options), 0};
}

inline constexpr std::array kBuyNowKeys = {
    optionKey("optBN", &BuyNowAnswers::optBN, kImgBN.size() + 1),
    textKey("txtButtonURLBN", &BuyNowAnswers::txtButtonURLBN),
    textKey("txtItemNameBN", &BuyNowAnswers::txtItemNameBN),
    textKey("txtItemIDBN", &BuyNowAnswers::txtItemIDBN),
    textKey("txtPriceBN", &BuyNowAnswers::txtPriceBN),
    textKey("cmbCurrencyBN", &BuyNowAnswers::cmbCurrencyBN),
    optionKey("optExtraBN", &BuyNowAnswers::optExtraBN, 2),
    textKey("txtBaseShippingBN", &BuyNowAnswers::txtBaseShippingBN),
    textKey("txtExtraShippingBN", &BuyNowAnswers::txtExtraShippingBN),
    textKey("txtHandlingBN", &BuyNowAnswers::txtHandlingBN),
    textKey("txtLogoBN", &BuyNowAnswers::txtLogoBN),
    textKey("txtWebSiteSuccessBN", &BuyNowAnswers::txtWebSiteSuccessBN),
    textKey("txtCancelBN", &BuyNowAnswers::txtCancelBN),
};

inline constexpr std::array kAddToCartKeys = {
    optionKey("optImageButtonATC", &AddToCartAnswers::optImageButtonATC,
              kImgImageButtonATC.size() + 1),
    textKey("txtButtonURLATC", &AddToCartAnswers::txtButtonURLATC),
    textKey("txtItemNameATC", &AddToCartAnswers::txtItemNameATC),
    textKey("txtItemIDATC", &AddToCartAnswers::txtItemIDATC),
    textKey("txtPriceATC", &AddToCartAnswers::txtPriceATC),
    textKey("cmbCurrencyATC", &AddToCartAnswers::cmbCurrencyATC),
    optionKey("optNoteATC", &AddToCartAnswers::optNoteATC, 2),
    textKey("txtNoteATC", &AddToCartAnswers::txtNoteATC, 30),
    textKey("txtLogoATC", &AddToCartAnswers::txtLogoATC),
    textKey("txtWebSiteSuccessATC", &AddToCartAnswers::txtWebSiteSuccessATC),
    textKey("txtCancelATC", &AddToCartAnswers::txtCancelATC),
};

inline constexpr std::array kViewCartKeys = {
    optionKey("optVC", &ViewCartAnswers::optVC, kImgVC.size() + 1),
    textKey("txtButtonURLVC", &ViewCartAnswers::txtButtonURLVC),
};

inline constexpr std::array kDonateKeys = {
    optionKey("optDON", &DonateAnswers::optDON, kImgDON.size() + 1),
    textKey("txtButtonURLDON", &DonateAnswers::txtButtonURLDON),
    textKey("txtItemNameDON", &DonateAnswers::txtItemNameDON),
    textKey("txtItemIDDON", &DonateAnswers::txtItemIDDON),
    textKey("txtPriceDON", &DonateAnswers::txtPriceDON),
    textKey("cmbCurrencyDON", &DonateAnswers::cmbCurrencyDON),
    optionKey("optNoteDON", &DonateAnswers::optNoteDON, 2),
    textKey("txtNoteDON", &DonateAnswers::txtNoteDON),
    textKey("txtLogoATC", &DonateAnswers::txtLogoATC),
    textKey("txtWebSiteSuccessATC", &DonateAnswers::txtWebSiteSuccessATC),
    textKey("txtCancelATC", &DonateAnswers::txtCancelATC),
};

inline constexpr std::array kSubscribeKeys = {
    optionKey("optSUB", &SubscribeAnswers::optSUB, kImgSUB.size() + 1),
    textKey("txtButtonURLSUB", &SubscribeAnswers::txtButtonURLSUB),
    textKey("txtItemNameSUB", &SubscribeAnswers::txtItemNameSUB),
    textKey("txtItemIDSUB", &SubscribeAnswers::txtItemIDSUB),
    textKey("cmbCurrencySUB", &SubscribeAnswers::cmbCurrencySUB),
    textKey("txtPriceSUB", &SubscribeAnswers::txtPriceSUB),
    textKey("cmbNumberSUB", &SubscribeAnswers::cmbNumberSUB),
    textKey("cmbTermSUB", &SubscribeAnswers::cmbTermSUB),
    optionKey("optRecurSUB", &SubscribeAnswers::optRecurSUB, 2),
    textKey("cmbStopSUB", &SubscribeAnswers::cmbStopSUB),
    textKey("txtPrice2SUB", &SubscribeAnswers::txtPrice2SUB),
    textKey("cmbNumber2SUB", &SubscribeAnswers::cmbNumber2SUB),
    textKey("cmbTerm2SUB", &SubscribeAnswers::cmbTerm2SUB),
    textKey("txtLogoBN", &SubscribeAnswers::txtLogoBN),
    textKey("txtWebSiteSuccessBN", &SubscribeAnswers::txtWebSiteSuccessBN),
    textKey("txtCancelBN", &SubscribeAnswers::txtCancelBN),
};

} // namespace ravelin::buttons
