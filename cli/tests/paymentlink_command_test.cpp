// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-button payment-link as a user runs it.
#include "buttons/tests/expected.h"
#include "buttons/writers.h"
#include "cli/tests/command.h"

#include <gtest/gtest.h>

namespace ravelin::cli {
namespace {

constexpr const char* kLinkAnswers =
    R"({"txtLinkURLPL": "https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE&x=1",)"
    R"( "txtLinkTextPL": "Jetzt \"bezahlen\"", "optPL": 5})";

const std::string kLinkHtml =
    R"(<a href="https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE&amp;x=1">)"
    R"(<img src="https://www.paypal.com/images/x-click-butcc.gif" alt="Jetzt &quot;bezahlen&quot;")"
    R"( border="0"></a>)";

constexpr const char* kLookalike =
    R"({"txtLinkURLPL": "https://www.paypal.com.evil.example/ncp/payment/ABC123",)"
    R"( "txtLinkTextPL": "Pay"})";

const std::string kLookalikeLine =
    "error: txtLinkURLPL: The payment link leads to www.paypal.com.evil.example, not to PayPal: "
    "its host must be www.paypal.com, or www.sandbox.paypal.com for tests.";

TEST_F(Command, PaymentLinkWritesWhatTheWriterWritesWithTheExitStatusesOfTheButtons) {
    struct Case {
        QStringList arguments;
        const char* answers;
        int status;
        std::string out;
        std::string err;
    };
    buttons::PaymentLinkAnswers summarised;
    summarised.txtLinkURLPL = "https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE&x=1";
    summarised.txtLinkTextPL = "Jetzt \"bezahlen\"";
    summarised.optPL = 5;
    const Case cases[] = {
        {{"payment-link", "--answers", "-"}, kLinkAnswers, 0, kLinkHtml, ""},
        {{"payment-link", "--answers", "-", "--strict"}, kLinkAnswers, 0, kLinkHtml, ""},
        {{"payment-link", "--answers", "-", "--summary"},
         kLinkAnswers,
         0,
         buttons::writePaymentLink(summarised).summary,
         ""},
        {{"payment-link", "--answers", "-", "--check"}, kLinkAnswers, 0, "", ""},
        {{"payment-link", "--answers", "-", "--check", "--json"}, kLinkAnswers, 0, "[]\n", ""},
        // A refused address is told, and the link still written, as for the buttons.
        {{"payment-link", "--answers", "-"},
         kLookalike,
         0,
         R"(<a href="https://www.paypal.com.evil.example/ncp/payment/ABC123">Pay</a>)",
         "ravelin-button: " + kLookalikeLine + "\n"},
        {{"payment-link", "--answers", "-", "--strict"},
         kLookalike,
         3,
         "",
         "ravelin-button: " + kLookalikeLine + "\n"},
        {{"payment-link", "--answers", "-", "--check"}, kLookalike, 3, kLookalikeLine + "\n", ""},
        // Without answers: no address and no text.
        {{"payment-link", "--check"},
         "",
         3,
         "error: txtLinkURLPL: Paste the address PayPal gives for your payment link, such as "
         "https://www.paypal.com/ncp/payment/ABC123.\n"
         "error: txtLinkTextPL: With no link text and no picture, the link cannot be seen or "
         "clicked: give it a text or choose a picture.\n",
         ""},
        // What a link cannot carry is bad input.
        {{"payment-link", "--answers", "-", "--sandbox"},
         kLinkAnswers,
         2,
         "",
         "ravelin-button: --sandbox does not go with payment-link: a link on "
         "www.sandbox.paypal.com is the sandbox's\n"},
        {{"payment-link", "--answers", "-", "--account", "seller@example.com"},
         kLinkAnswers,
         2,
         "",
         "ravelin-button: --account does not go with payment-link: the link itself names the "
         "account\n"},
        {{"payment-link", "--answers", "-"},
         R"({"txtLinkURLPL": "https://www.paypal.com/ncp/payment/A1", "txtEmail": "a@b.example"})",
         2,
         "",
         "ravelin-button: payment-link has no answer key \"txtEmail\": the link itself names "
         "the account\n"},
        {{"payment-link", "--answers", "-"},
         R"({"txtLinkURL": "https://www.paypal.com/ncp/payment/A1"})",
         2,
         "",
         "ravelin-button: payment-link has no answer key \"txtLinkURL\"; did you mean "
         "txtLinkURLPL?\n"},
        {{"payment-link", "--answers", "-"},
         R"({"optPL": 9})",
         2,
         "",
         "ravelin-button: \"optPL\" is 9, outside its options 0 to 8\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " < " + c.answers);
        const Outcome result = run(c.arguments, c.answers);
        EXPECT_EQ(result.exitCode, c.status);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(Command, PaymentLinkIsNeverEncrypted) {
    const Outcome result = run({"payment-link", "--answers", "-", "--encrypt", "--cert-id", "A1",
                                "--key", "k.pem", "--cert", "c.pem", "--service-cert", "p.pem"},
                               kLinkAnswers);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(
        result.err,
        "ravelin-button: payment-link writes a link, not a form, so it cannot be encrypted\n");
}

TEST_F(Command, PaymentLinkKeysAreListedForHelp) {
    const Outcome result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* expected :
         {"\n  payment-link (PayPal payment link)\n", "    optPL ", "    txtButtonURLPL ",
          "    txtLinkURLPL ", "    txtLinkTextPL ", "ravelin-button payment-link"}) {
        EXPECT_TRUE(buttons::testing::contains(result.out, expected)) << expected;
    }
}

} // namespace
} // namespace ravelin::cli
