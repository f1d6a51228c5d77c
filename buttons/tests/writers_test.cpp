// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/currency.h"
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <type_traits>

namespace ravelin::buttons {
namespace {

TEST(BuildCode, JoinsTheThreeReleaseNumbersWithoutSeparators) {
    EXPECT_EQ(buildCode(3, 0, 1), "KORVANEX.301");
    EXPECT_EQ(buildCode(3, 10, 2), "KORVANEX.3102");
    EXPECT_EQ(buildCode(10, 0, 0), "KORVANEX.1000");
}

TEST(Endpoints, PostToTheLiveServiceByDefault) {
    const Endpoints live;
    EXPECT_EQ(live.webscr, "https://www.paypal.com/cgi-bin/webscr");
    EXPECT_EQ(live.images, "http://images.paypal.com/images/");
    EXPECT_EQ(live.subscriptionImages, "https://www.paypal.com/images/");
}

TEST(Endpoints, SandboxMovesTheEndpointAndBothPictureFoldersToTheSandboxHost) {
    const Endpoints sandbox = Endpoints::sandbox();
    EXPECT_EQ(sandbox.webscr, "https://www.sandbox.paypal.com/cgi-bin/webscr");
    EXPECT_EQ(sandbox.images, "http://www.sandbox.paypal.com/images/");
    EXPECT_EQ(sandbox.subscriptionImages, "https://www.sandbox.paypal.com/images/");
    EXPECT_TRUE(sandbox.isSandbox);
    EXPECT_FALSE(Endpoints{}.isSandbox);
}

// Each worked example written live and in the sandbox.
TEST(Sandbox, MovesTheActionAndPicturesToTheSandboxHostAndChangesNothingElse) {
    using namespace testing;
    forEachButtonType([]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        Context sandbox = exampleContext();
        sandbox.endpoints = Endpoints::sandbox();
        const Button live = Type::kWrite(workedExample<Type>(), exampleContext());
        const Button tried = Type::kWrite(workedExample<Type>(), sandbox);

        std::string moved = live.html;
        for (const std::string_view host : {"//www.paypal.com/", "//images.paypal.com/"}) {
            for (std::size_t at = moved.find(host); at != std::string::npos;
                 at = moved.find(host, at + 1)) {
                moved.replace(at, host.size(), "//www.sandbox.paypal.com/");
            }
        }
        EXPECT_NE(tried.html, live.html);
        EXPECT_EQ(tried.html, moved);
        EXPECT_TRUE(
            contains(tried.html, "action=\"https://www.sandbox.paypal.com/cgi-bin/webscr\""));
        EXPECT_TRUE(imageSource(tried.html)->find("://www.sandbox.paypal.com/images/") !=
                    std::string::npos);
        EXPECT_EQ(tried.summary, "Sandbox: Yes\r\n\r\n" + live.summary);
        EXPECT_EQ(tried.action, "https://www.sandbox.paypal.com/cgi-bin/webscr");
    });
}

// The form a button carries beside its HTML, for writing it another way, holds its own texts.
TEST(Writers, KeepTheFormOfTheirHtmlAfterTheAnswersAreGone) {
    using namespace testing;
    forEachButtonType([]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        std::optional<Button> button;
        {
            auto answers = workedExample<Type>();
            Context context = exampleContext();
            button = Type::kWrite(answers, context);
        }
        EXPECT_EQ(button->form.render(button->action), button->html);
        const Button copy = *button;
        button.reset();
        EXPECT_EQ(copy.form.render(copy.action), copy.html);
        EXPECT_EQ(fieldNames(copy.html).size(), copy.form.hiddenFields().size());
    });
}

// A currency box holding a code alone writes the button of its caption, byte for byte, in every
// type that has one.
TEST(Writers, TakeABareCurrencyCodeAsTheCaptionItStandsFor) {
    using namespace testing;
    forEachButtonType([]<typename Type>() {
        for (const auto& key : Type::kKeys) {
            if (key.text == nullptr || !key.name.starts_with("cmbCurrency")) {
                continue;
            }
            for (const Currency& currency : kCurrencies) {
                SCOPED_TRACE(std::string(Type::kName) + " " + std::string(currency.code));
                auto byCaption = workedExample<Type>();
                auto byCode = byCaption;
                byCaption.*key.text = currency.caption;
                byCode.*key.text = currency.code;
                const Button expected = Type::kWrite(byCaption, exampleContext());
                const Button written = Type::kWrite(byCode, exampleContext());
                EXPECT_EQ(written.html, expected.html);
                EXPECT_EQ(written.summary, expected.summary);
                EXPECT_EQ(fieldValue(written.html, "currency_code"), currency.code);
            }
        }
    });
}

// The price labels of every type with a price, for each kind of currency text.
struct PriceLabelCase {
    std::string_view currency;
    std::string_view price;
    std::string_view shown; // between the label and the end of the line or entry
};

const PriceLabelCase kPriceLabelCases[] = {
    {"US Dollar ($)", "12.50", "$12.50"},
    {"British Pound Sterling (£)", "7", "£7"},
    {"Euro (EUR)", "12.50", "€12.50"},
    {"Canadian Dollar (C$)", "3.5", "C$3.5"},
    {"Japanese Yen (¥)", "1200", "¥1200"},
    {"Swiss Franc (CHF)", "12.50", "12.50 CHF"},
    {"Swiss Franc (CHF)", "", ""},
    {"PLN", "40", "40 PLN"},
    {"EUR", "12.50", "€12.50"},
    {"Francs", "12.50", "$12.50"},
    {"", "12.50", "$12.50"},
};

// Sets every text answer whose key starts with `prefix`: the currency, or the prices (the
// Subscriptions trial price too).
template <typename Type>
void setAnswers(typename Type::Answers& a, std::string_view prefix, std::string_view text) {
    for (const auto& key : Type::kKeys) {
        if (key.text != nullptr && key.name.starts_with(prefix)) {
            a.*key.text = text;
        }
    }
}

// `describe`: the label of the description line; `entries`: the labels of the summary entries,
// each followed by the price as shown (an empty trial price writes no trial entry).
template <typename Type>
void expectPriceLabels(std::optional<std::string_view> describe,
                       std::initializer_list<std::string_view> entries) {
    using namespace testing;
    for (const PriceLabelCase& c : kPriceLabelCases) {
        SCOPED_TRACE(std::string(Type::kName) + " " + std::string(c.currency) + " " +
                     std::string(c.price));
        auto answers = workedExample<Type>();
        setAnswers<Type>(answers, "cmbCurrency", c.currency);
        setAnswers<Type>(answers, "txtPrice", c.price);
        const Button button = Type::kWrite(answers, exampleContext());
        if (describe) {
            EXPECT_TRUE(
                contains(button.html, std::string(*describe) + std::string(c.shown) + "<br>\r\n"));
        }
        for (std::string_view entry : entries) {
            const std::string expected =
                "\r\n" + std::string(entry) + std::string(c.shown) + "\r\n";
            const bool trial = entry.starts_with("Trail");
            EXPECT_EQ(contains(button.summary, expected), !(trial && c.price.empty())) << entry;
        }
    }
}

TEST(Writers, ShowPricesInTheSignOrTheCodeOfTheirCurrency) {
    expectPriceLabels<BuyNow>("Price: ", {"Item Price: "});
    expectPriceLabels<AddToCart>("Price: ", {"Item Price: "});
    expectPriceLabels<Donate>(std::nullopt, {"Donation Amount: "});
    expectPriceLabels<Subscribe>(std::nullopt, {"Subscription Price: ", "Trail or Setup Price: "});
}

} // namespace
} // namespace ravelin::buttons
