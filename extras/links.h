// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The addresses behind the wizard's fixed links: the maker's site, the merchant sign-up with
// the maker's referral, and the donation request. The payment service's overview, policy and
// developer pages are not here: the wizard's pages keep them in their link controls' Tag.
#pragma once

#include <QString>

class QObject;

namespace ravelin::extras {

// The payment service's main host.
inline constexpr char kServiceHost[] = "www.paypal.com";

// What a donation request asks for.
struct Donation {
    QString serviceHost; // the payment service's host, e.g. "www.paypal.com"
    QString salesEmail;  // the account that receives the money
    QString itemName;    // words joined by "+"
    QString webSite;     // where the payer returns to, also after cancelling
};

// The payment request of a 5.00 USD donation, the payer free to change the quantity:
// https://HOST/cgi-bin/webscr?bn=&cmd=_xclick&business=...&submit.y=20, with the web site
// percent-encoded in return and cancel_return.
QString donationRequest(const Donation& donation);

// The same for the maker's own donation details.
QString makerDonationRequest();

// The maker's home page as configured (the title logo's link).
QString makerHomePage();
// The maker's home page with a trailing "/" (the "Other Software" link).
QString otherSoftwarePage();
// The payment service's merchant sign-up page carrying the maker's referral.
QString merchantSignupPage();
// The maker's contact e-mail address.
QString makerEmail();

// The address a link control keeps in its "Tag" property, read at the moment of the click.
QString tagAddress(const QObject* control);

} // namespace ravelin::extras
