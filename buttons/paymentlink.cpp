// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The payment link: a plain HTML link to a payment link or button made in the PayPal account.
#include "buttons/buttontypes.h"
#include "buttons/escape.h"
#include "buttons/pieces.h"
#include "buttons/writers.h"

#include <optional>
#include <string>
#include <utility>

namespace ravelin::buttons {

Button writePaymentLink(const PaymentLinkAnswers& a) {
    std::string summary;
    const auto entry = [&summary](std::string_view label, std::string_view value) {
        summary.append(label).append(value).append("\r\n\r\n");
    };
    if (isSandboxLink(a.txtLinkURLPL)) {
        entry("Sandbox: Yes", "");
    }
    entry("Payment Link: ", a.txtLinkURLPL);
    entry("Link Text: ", a.txtLinkTextPL);

    std::string html = "<a href=\"";
    appendAttribute(html, a.txtLinkURLPL);
    html += "\">";
    std::optional<std::string> picture;
    switch (pictureChoice(a.optPL, PaymentLink::kPictures.size())) {
    case PictureChoice::Standard:
        // Over https, so that pages served over https show it; the same picture for a link
        // on the test host.
        picture = Endpoints{}.subscriptionImages +
                  std::string(PaymentLink::kPictures[static_cast<std::size_t>(*a.optPL)]);
        break;
    case PictureChoice::Custom:
        entry("Custom Button: ", a.txtButtonURLPL);
        picture = a.txtButtonURLPL;
        break;
    case PictureChoice::None:
        break;
    }
    if (picture) {
        html += "<img src=\"";
        appendAttribute(html, *picture);
        html += "\" alt=\"";
        appendAttribute(html, a.txtLinkTextPL);
        html += "\" border=\"0\">";
    } else {
        appendText(html, a.txtLinkTextPL);
    }
    html += "</a>";
    Button link;
    link.summary = std::move(summary);
    link.html = std::move(html);
    return link;
}

} // namespace ravelin::buttons
