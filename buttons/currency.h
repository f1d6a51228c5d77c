// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The currencies PayPal takes, each described once: the caption every currency box offers, the
// code written as `currency_code`, the sign the price labels show, the decimals of the money
// format, and the words the answer checker uses. The wizard's boxes, ravelin-button's help, the
// writers and the checker all take them from here.
#pragma once

#include "buttons/translatable.h"

#include <array>
#include <string_view>

namespace ravelin::buttons {

struct Currency {
    std::string_view caption; // as the currency boxes offer it, compared exactly
    std::string_view code;    // PayPal's ISO 4217 code
    // Shown before a typed price ("€12.50"); empty for a currency shown by its code after the
    // price ("12.50 CHF").
    std::string_view sign;
    int decimals; // of its amounts: 2, or 0 where PayPal refuses any
    // Its units in a sentence: "Japanese yen"; marked, as the country is, for the windows'
    // translations of the checker's sentences.
    std::string_view plural;
    // The country whose accounts alone PayPal takes it for; empty where any account may.
    std::string_view onlyFor;
};

// In the order the currency boxes list them: the five captions the wizard has always offered,
// then PayPal's further currencies by their English names. Source: PayPal's currency codes
// (https://developer.paypal.com/reference/currency-codes/).
inline constexpr std::array<Currency, 24> kCurrencies = {{
    {"US Dollar ($)", "USD", "$", 2, RAVELIN_TR_NOOP("Check", "US dollars"), ""},
    {"British Pound Sterling (£)", "GBP", "£", 2, RAVELIN_TR_NOOP("Check", "pounds sterling"), ""},
    {"Euro (EUR)", "EUR", "€", 2, RAVELIN_TR_NOOP("Check", "euros"), ""},
    {"Canadian Dollar (C$)", "CAD", "C$", 2, RAVELIN_TR_NOOP("Check", "Canadian dollars"), ""},
    {"Japanese Yen (¥)", "JPY", "¥", 0, RAVELIN_TR_NOOP("Check", "Japanese yen"), ""},
    {"Australian Dollar (AUD)", "AUD", "", 2, RAVELIN_TR_NOOP("Check", "Australian dollars"), ""},
    {"Brazilian Real (BRL)", "BRL", "", 2, RAVELIN_TR_NOOP("Check", "Brazilian reais"),
     RAVELIN_TR_NOOP("Check", "Brazil")},
    {"Chinese Renminbi (CNY)", "CNY", "", 2, RAVELIN_TR_NOOP("Check", "Chinese renminbi"),
     RAVELIN_TR_NOOP("Check", "China")},
    {"Czech Koruna (CZK)", "CZK", "", 2, RAVELIN_TR_NOOP("Check", "Czech korunas"), ""},
    {"Danish Krone (DKK)", "DKK", "", 2, RAVELIN_TR_NOOP("Check", "Danish kroner"), ""},
    {"Hong Kong Dollar (HKD)", "HKD", "", 2, RAVELIN_TR_NOOP("Check", "Hong Kong dollars"), ""},
    {"Hungarian Forint (HUF)", "HUF", "", 0, RAVELIN_TR_NOOP("Check", "Hungarian forints"), ""},
    {"Israeli New Shekel (ILS)", "ILS", "", 2, RAVELIN_TR_NOOP("Check", "Israeli new shekels"), ""},
    {"Malaysian Ringgit (MYR)", "MYR", "", 2, RAVELIN_TR_NOOP("Check", "Malaysian ringgits"),
     RAVELIN_TR_NOOP("Check", "Malaysia")},
    {"Mexican Peso (MXN)", "MXN", "", 2, RAVELIN_TR_NOOP("Check", "Mexican pesos"), ""},
    {"New Zealand Dollar (NZD)", "NZD", "", 2, RAVELIN_TR_NOOP("Check", "New Zealand dollars"), ""},
    {"Norwegian Krone (NOK)", "NOK", "", 2, RAVELIN_TR_NOOP("Check", "Norwegian kroner"), ""},
    {"Philippine Peso (PHP)", "PHP", "", 2, RAVELIN_TR_NOOP("Check", "Philippine pesos"), ""},
    {"Polish Zloty (PLN)", "PLN", "", 2, RAVELIN_TR_NOOP("Check", "Polish zlotys"), ""},
    {"Singapore Dollar (SGD)", "SGD", "", 2, RAVELIN_TR_NOOP("Check", "Singapore dollars"), ""},
    {"Swedish Krona (SEK)", "SEK", "", 2, RAVELIN_TR_NOOP("Check", "Swedish kronor"), ""},
    {"Swiss Franc (CHF)", "CHF", "", 2, RAVELIN_TR_NOOP("Check", "Swiss francs"), ""},
    {"New Taiwan Dollar (TWD)", "TWD", "", 0, RAVELIN_TR_NOOP("Check", "New Taiwan dollars"), ""},
    {"Thai Baht (THB)", "THB", "", 2, RAVELIN_TR_NOOP("Check", "Thai baht"), ""},
}};

// The currency a currency box's text stands for: one of the captions, compared exactly, or
// exactly one of the codes ("EUR"), which the writers take as its caption. nullptr for any other
// text.
constexpr const Currency* findCurrency(std::string_view text) {
    for (const Currency& currency : kCurrencies) {
        if (text == currency.caption || text == currency.code) {
            return &currency;
        }
    }
    return nullptr;
}

} // namespace ravelin::buttons
