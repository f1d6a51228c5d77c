// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The answer checker: what the payment service will refuse or misread in a button, and what
// works but is probably not what the seller meant. It looks at the values a writer would put
// into the button (after the money format, and only the fields the writer writes), says what is
// wrong in one plain sentence per control, and never changes the answers. README.md lists the
// rules and where each comes from.
#pragma once

#include "buttons/answers.h"
#include "buttons/translatable.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin::buttons {

enum class Severity {
    Error,   // the payment service will refuse or misread the button
    Warning, // it works, but probably isn't what the seller meant
};

// One argument of a finding's sentence: the seller's own text or a number, as it stands, or a
// word of the checker's own (a noun, a currency's plural), which the windows translate too.
struct Argument {
    std::string text;     // the seller's text or a number; for a word, what fills its %1
    std::string_view key; // a word's English text, with %1 for `text`; empty for none

    friend bool operator==(const Argument&, const Argument&) = default;
};

struct Finding {
    Severity severity;
    std::string_view control; // the wizard control (the answer key) the finding is about
    std::string message;      // one short plain sentence, in English: `key` with `arguments`
    // The sentence's English text with %1, %2 ... where its arguments go, and its key in the
    // windows' translations (context kCheckContext).
    std::string_view key;
    std::vector<Argument> arguments;

    friend bool operator==(const Finding&, const Finding&) = default;
};

using Findings = std::vector<Finding>;

// The control that holds the account address: the Setup page's box, and ravelin-button's key.
inline constexpr std::string_view kAccountControl = "txtEmail";

// The findings of one button type's answers and the account address, in page order: the
// account first, then the controls in the order of the type's answer keys.
Findings checkBuyNow(const BuyNowAnswers& answers, std::string_view account);
Findings checkAddToCart(const AddToCartAnswers& answers, std::string_view account);
Findings checkViewCart(const ViewCartAnswers& answers, std::string_view account);
Findings checkDonate(const DonateAnswers& answers, std::string_view account);
Findings checkSubscribe(const SubscribeAnswers& answers, std::string_view account);

// The findings of a payment link, in the order of its keys. Only PayPal's payment-link
// addresses are taken: https://www.paypal.com/ncp/payment/ID or the same on
// www.sandbox.paypal.com, ID being letters and digits, with or without a query such as
// ?locale.x=de_DE; nothing else (no other host, not paypal.com without www, no user name, port,
// further path or #fragment). A link of no text and no picture is an error too.
Findings checkPaymentLink(const PaymentLinkAnswers& answers);

// "error" or "warning".
std::string_view severityName(Severity severity);

bool hasErrors(std::span<const Finding> findings);

} // namespace ravelin::buttons
