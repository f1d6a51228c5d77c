// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/buttontypes.h"
#include "buttons/check.h"
#include "buttons/writers.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin::buttons {

// PrintTo(const Finding&) is check_test.cpp's.
void PrintTo(const Finding& f, std::ostream* os);

namespace {

constexpr std::string_view kLink = "https://www.paypal.com/ncp/payment/ABC123";

PaymentLinkAnswers textLink(std::string_view address, std::string_view text = "Pay now") {
    PaymentLinkAnswers a;
    a.txtLinkURLPL = address;
    a.txtLinkTextPL = text;
    return a;
}

// The findings of one control.
Findings findingsOf(const Findings& findings, std::string_view control) {
    Findings of;
    for (const Finding& f : findings) {
        if (f.control == control) {
            of.push_back(f);
        }
    }
    return of;
}

TEST(PaymentLinkAddress, TakesPayPalsLinksOnly) {
    struct Case {
        std::string_view address;
        bool accepted;
        std::string_view said = {}; // a piece of the finding's sentence
    };
    const Case cases[] = {
        {"https://www.paypal.com/ncp/payment/ABC123", true},
        {"https://www.sandbox.paypal.com/ncp/payment/7QK2LMZ9X4", true},
        {"https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE", true},
        {"https://www.paypal.com/ncp/payment/ABC123?", true},
        {"https://www.paypal.com/ncp/payment/ABC123?locale.x=ja_JP&country.x=JP", true},
        {"https://www.paypal.com/ncp/payment/ABC123?a=%C3%BC/b:c@d?e", true},
        // Scheme and host compare without letter case, as browsers do.
        {"HTTPS://WWW.PayPal.com/ncp/payment/ABC123", true},
        {"", false, "Paste the address"},
        {"http://www.paypal.com/ncp/payment/ABC123", false, "https://"},
        {"ftp://www.paypal.com/ncp/payment/ABC123", false, "https://"},
        {"www.paypal.com/ncp/payment/ABC123", false, "https://"},
        {"//www.paypal.com/ncp/payment/ABC123", false, "https://"},
        {"https:www.paypal.com/ncp/payment/ABC123", false, "https://"},
        {"https://paypal.com/ncp/payment/ABC123", false, "www.paypal.com"},
        {"https://sandbox.paypal.com/ncp/payment/ABC123", false, "www.sandbox.paypal.com"},
        {"https://www.paypal.com.evil.example/ncp/payment/ABC123", false,
         "www.paypal.com.evil.example, not to PayPal"},
        {"https://evil.example/www.paypal.com/ncp/payment/ABC123", false, "evil.example"},
        {"https://www.paypal.co/ncp/payment/ABC123", false, "not to PayPal"},
        {"https://www.paypal.com./ncp/payment/ABC123", false, "not to PayPal"},
        {"https://www.paypal.com@evil.example/ncp/payment/ABC123", false, "user name"},
        {"https://user:pw@www.paypal.com/ncp/payment/ABC123", false, "user name"},
        {"https://www.paypal.com\\@evil.example/ncp/payment/ABC123", false, "user name"},
        {"https://www.paypal.com:443/ncp/payment/ABC123", false, "port"},
        {"https://www.paypal.com/ncp/payment/ABC123#pay", false, "#"},
        {"https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE#x", false, "#"},
        {"https://www.paypal.com/ncp/payment/", false, "no ID"},
        {"https://www.paypal.com/ncp/payment", false, "not a payment link"},
        {"https://www.paypal.com/ncp/payment?ABC123", false, "not a payment link"},
        {"https://www.paypal.com/cgi-bin/webscr?cmd=_xclick", false, "not a payment link"},
        {"https://www.paypal.com/NCP/payment/ABC123", false, "not a payment link"},
        {"https://www.paypal.com/ncp/payment/ABC123/", false, "goes on after its ID"},
        {"https://www.paypal.com/ncp/payment/ABC123/extra", false, "goes on after its ID"},
        {"https://www.paypal.com/ncp/payment/ABC-123", false, "letters and digits"},
        {"https://www.paypal.com/ncp/payment/ABC%31", false, "letters and digits"},
        {"https://www.paypal.com/ncp/payment/ABC\"onclick=x", false, "letters and digits"},
        {"https://www.paypal.com/ncp/payment/ABC 123", false, "blanks"},
        {" https://www.paypal.com/ncp/payment/ABC123", false, "blanks"},
        {"https://www.paypal.com/ncp/payment/ABC123\n", false, "blanks"},
        {"javascript:alert(1)//www.paypal.com/ncp/payment/ABC123", false, "https://"},
        {"https://www.paypal.com/ncp/payment/ABC123?a=\"<b>\"", false, "query"},
        {"https://www.paypal.com/ncp/payment/ABC123?a=%4", false, "query"},
        {"https://www.paypal.com/ncp/payment/ABC123?a=%zz", false, "query"},
        {"https://www.paypal.com/ncp/payment/ABC123?a=ü", false, "query"},
        {"https://www.paypal.com/ncp/payment/ABC123?a={b}", false, "query"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const Findings found = findingsOf(checkPaymentLink(textLink(c.address)), "txtLinkURLPL");
        if (c.accepted) {
            EXPECT_EQ(found, Findings{});
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].severity, Severity::Error);
        EXPECT_NE(found[0].message.find(c.said), std::string::npos) << found[0].message;
    }
}

TEST(PaymentLinkText, NeedsWordsOrAPicture) {
    // A finding as the command line shows it.
    struct Shown {
        Severity severity;
        std::string_view control;
        std::string message;
        bool operator==(const Shown&) const = default;
    };
    struct Case {
        OptionIndex picture;
        std::string_view text;
        std::string_view ownPicture;
        std::vector<Shown> expected;
    };
    const std::string_view unseen = "With no link text and no picture, the link cannot be seen "
                                    "or clicked: give it a text or choose a picture.";
    const std::string_view unheard =
        "With no link text, those who cannot see the picture hear nothing of what it does: "
        "give it a text such as \"Pay with PayPal\".";
    const Case cases[] = {
        {std::nullopt, "Pay now", "https://", {}},
        {std::nullopt, "", "https://", {{Severity::Error, "txtLinkTextPL", std::string(unseen)}}},
        {std::nullopt,
         " \t",
         "https://",
         {{Severity::Error, "txtLinkTextPL", std::string(unseen)}}},
        {0, "Pay now", "https://", {}},
        {0, "", "https://", {{Severity::Warning, "txtLinkTextPL", std::string(unheard)}}},
        {8, "Pay now", "https://shop.example/pay.png", {}},
        {8,
         "Pay now",
         "",
         {{Severity::Error, "txtButtonURLPL", "No address is given for your own button picture."}}},
        {8,
         "",
         "http://shop.example/pay.png",
         {{Severity::Warning, "txtButtonURLPL",
           "The button picture address starts with http://, so secure pages may not show the "
           "picture; use https://."},
          {Severity::Warning, "txtLinkTextPL", std::string(unheard)}}},
        // An index past the own picture chooses nothing, as for the buttons.
        {9, "", "https://", {{Severity::Error, "txtLinkTextPL", std::string(unseen)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture.value_or(-1) << " " << c.text);
        PaymentLinkAnswers a = textLink(kLink, c.text);
        a.optPL = c.picture;
        a.txtButtonURLPL = c.ownPicture;
        std::vector<Shown> shown;
        for (const Finding& finding : checkPaymentLink(a)) {
            shown.push_back({finding.severity, finding.control, finding.message});
        }
        EXPECT_TRUE(shown == c.expected);
    }
}

TEST(PaymentLinkWriter, WritesALinkAroundTheTextOrThePicture) {
    struct Case {
        OptionIndex picture;
        std::string_view address;
        std::string_view text;
        std::string_view html;
    };
    const Case cases[] = {
        {std::nullopt, kLink, "Pay now",
         R"(<a href="https://www.paypal.com/ncp/payment/ABC123">Pay now</a>)"},
        {0, kLink, "Pay now",
         R"(<a href="https://www.paypal.com/ncp/payment/ABC123"><img src="https://www.paypal.com/images/x-click-but01.gif" alt="Pay now" border="0"></a>)"},
        {7, kLink, "",
         R"(<a href="https://www.paypal.com/ncp/payment/ABC123"><img src="https://www.paypal.com/images/x-click-but6.gif" alt="" border="0"></a>)"},
        {8, kLink, "Pay now",
         R"(<a href="https://www.paypal.com/ncp/payment/ABC123"><img src="https://shop.example/a.png?x=1&amp;y=&quot;2&quot;" alt="Pay now" border="0"></a>)"},
        // Escaped as every writer escapes: & < > in the text, and the double quote as well in
        // an attribute.
        {std::nullopt, "https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE&a=\"<b>\"",
         "Fish & \"Chips\" <now>",
         R"(<a href="https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE&amp;a=&quot;&lt;b&gt;&quot;">Fish &amp; "Chips" &lt;now&gt;</a>)"},
        {2, kLink, "Fish & \"Chips\" <now>",
         R"(<a href="https://www.paypal.com/ncp/payment/ABC123"><img src="https://www.paypal.com/images/x-click-but02.gif" alt="Fish &amp; &quot;Chips&quot; &lt;now&gt;" border="0"></a>)"},
        // Written as typed, whatever the checker says of it.
        {std::nullopt, "", "", R"(<a href=""></a>)"},
        {std::nullopt, kLink, "Grüße €",
         "<a href=\"https://www.paypal.com/ncp/payment/ABC123\">Grüße €</a>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        PaymentLinkAnswers a = textLink(c.address, c.text);
        a.optPL = c.picture;
        a.txtButtonURLPL = "https://shop.example/a.png?x=1&y=\"2\"";
        EXPECT_EQ(writePaymentLink(a).html, c.html);
    }
}

TEST(PaymentLinkWriter, SummaryNamesTheLinkAndASandboxHost) {
    PaymentLinkAnswers a = textLink("https://www.sandbox.paypal.com/ncp/payment/Z9", "Pay");
    EXPECT_EQ(writePaymentLink(a).summary,
              "Sandbox: Yes\r\n\r\nPayment Link: https://www.sandbox.paypal.com/ncp/payment/Z9"
              "\r\n\r\nLink Text: Pay\r\n\r\n");
    a = textLink(kLink, "Pay");
    a.optPL = 8;
    a.txtButtonURLPL = "https://shop.example/a.png";
    EXPECT_EQ(writePaymentLink(a).summary,
              "Payment Link: https://www.paypal.com/ncp/payment/ABC123\r\n\r\nLink Text: "
              "Pay\r\n\r\nCustom Button: https://shop.example/a.png\r\n\r\n");
}

} // namespace
} // namespace ravelin::buttons
