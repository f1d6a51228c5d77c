// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The five button writers and the payment link's: pure functions from one tab's answers to the
// summary shown on the result page and the HTML pasted into the page.
#pragma once

#include "buttons/answers.h"
#include "buttons/form.h"

#include <string>
#include <string_view>

namespace ravelin::buttons {

// Where the buttons post and where the standard button pictures live.
struct Endpoints {
    std::string webscr = "https://www.paypal.com/cgi-bin/webscr";
    // Standard image folder of the Buy Now, Add to Cart, View Cart and Donations buttons.
    std::string images = "http://images.paypal.com/images/";
    // The Subscriptions buttons' own image folder, on the host of the endpoint.
    std::string subscriptionImages = "https://www.paypal.com/images/";
    // True for the service's test environment: the summary then opens with "Sandbox: Yes".
    bool isSandbox = false;

    // The payment service's test environment: the same paths on its sandbox host.
    static Endpoints sandbox();
};

// The two values every writer reads besides its tab's answers.
struct Context {
    std::string account;   // the seller's payment-account e-mail address
    std::string buildCode; // written as the "bn" field, e.g. "KORVANEX.301"
    Endpoints endpoints;
};

// What a writer produces: the summary box text and the HTML box text. The HTML uses CRLF
// between lines and ends with "</form>"; the summary's entries each end with CRLF CRLF.
struct Button {
    std::string summary;
    std::string html;
    // What the HTML was rendered from, and where its form posts, for writing the same button
    // another way (the encrypted button).
    Form form = {};
    std::string action = {};
};

Button writeBuyNow(const BuyNowAnswers& answers, const Context& context);
Button writeAddToCart(const AddToCartAnswers& answers, const Context& context);
Button writeViewCart(const ViewCartAnswers& answers, const Context& context);
Button writeDonate(const DonateAnswers& answers, const Context& context);
Button writeSubscribe(const SubscribeAnswers& answers, const Context& context);

// A payment link: `<a href="ADDRESS">TEXT</a>`, or the link around one of the Buy Now pictures
// or the seller's own, with the text as the picture's alternative text; one line, no form, so
// it works without JavaScript and whatever the page's scripts do. The summary names the link,
// its text and an own picture, opened by "Sandbox: Yes" for a link on PayPal's test host. Only
// `html` and `summary` are set.
Button writePaymentLink(const PaymentLinkAnswers& answers);

// What every build code of ours begins with: the reader tells our buttons by it.
inline constexpr std::string_view kBuildCodePrefix = "KORVANEX.";

// kBuildCodePrefix followed by the three release numbers with nothing between them:
// buildCode(3, 0, 1) is "KORVANEX.301", buildCode(3, 10, 2) is "KORVANEX.3102".
std::string buildCode(int major, int minor, int revision);

} // namespace ravelin::buttons
