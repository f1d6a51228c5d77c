// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/pieces.h"
#include "buttons/tests/expected.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace ravelin::buttons {
namespace {

TEST(Currency, IsACaptionComparedExactlyOrExactlyACode) {
    struct Case {
        std::string_view text;
        std::string_view code;
    };
    const Case cases[] = {
        {"US Dollar ($)", "USD"},
        {"British Pound Sterling (£)", "GBP"},
        {"Euro (EUR)", "EUR"},
        {"Canadian Dollar (C$)", "CAD"},
        {"Japanese Yen (¥)", "JPY"},
        {"Swiss Franc (CHF)", "CHF"},
        {"New Taiwan Dollar (TWD)", "TWD"},
        {"EUR", "EUR"},
        {"CHF", "CHF"},
        {"us dollar ($)", ""},
        {"US Dollar ($) ", ""},
        {"eur", ""},
        {"EUR ", ""},
        {"Euro", ""},
        {"$", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(codeOf(findCurrency(c.text)), c.code);
    }
}

TEST(Currency, TheFiveCaptionsComeFirstInTheirOrderThenTwentyFourInAll) {
    const std::vector<std::string_view> first = {"US Dollar ($)", "British Pound Sterling (£)",
                                                 "Euro (EUR)", "Canadian Dollar (C$)",
                                                 "Japanese Yen (¥)"};
    ASSERT_EQ(kCurrencies.size(), 24U);
    std::set<std::string_view> codes;
    for (std::size_t i = 0; i < kCurrencies.size(); ++i) {
        const Currency& c = kCurrencies[i];
        SCOPED_TRACE(c.caption);
        if (i < first.size()) {
            EXPECT_EQ(c.caption, first[i]);
        } else {
            // English name (CODE), shown by its code.
            EXPECT_TRUE(c.caption.ends_with(" (" + std::string(c.code) + ")"));
            EXPECT_TRUE(c.sign.empty());
        }
        EXPECT_EQ(c.code.size(), 3U);
        EXPECT_TRUE(codes.insert(c.code).second) << "each code once";
        EXPECT_EQ(findCurrency(c.caption), &c);
        EXPECT_EQ(findCurrency(c.code), &c);
        const bool whole = c.code == "JPY" || c.code == "HUF" || c.code == "TWD";
        EXPECT_EQ(c.decimals, whole ? 0 : 2);
    }
}

TEST(PriceLabels, ShowTheSignTheCodeOrTheDollarOfOld) {
    struct Case {
        std::string_view currency;
        std::string_view price;
        std::string_view shown;
    };
    const Case cases[] = {
        {"US Dollar ($)", "12.50", "$12.50"},
        {"British Pound Sterling (£)", "12.50", "£12.50"},
        {"Euro (EUR)", "12.50", "€12.50"},
        {"Canadian Dollar (C$)", "12.50", "C$12.50"},
        {"Japanese Yen (¥)", "1200", "¥1200"},
        {"Euro (EUR)", "", "€"},
        {"EUR", "12,50", "€12,50"}, // a bare code, and the price as typed
        {"Swiss Franc (CHF)", "12.50", "12.50 CHF"},
        {"CHF", "9", "9 CHF"},
        {"Swiss Franc (CHF)", "", ""}, // nothing typed, nothing follows the label
        {"Francs", "12.50", "$12.50"}, // no currency: the dollar stays
        {"", "", "$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.currency) + " " + std::string(c.price));
        EXPECT_EQ(shownPrice(findCurrency(c.currency), c.price), c.shown);
    }
}

TEST(CurrencyAnswer, WritesTheCodeAndShowsTheTextOrTheCaptionOfABareCode) {
    struct Case {
        std::string_view text;
        std::string_view shown;
        std::string_view code;
    };
    const Case cases[] = {
        {"Euro (EUR)", "Euro (EUR)", "EUR"},
        {"EUR", "Euro (EUR)", "EUR"},
        {"PLN", "Polish Zloty (PLN)", "PLN"},
        {"Zloty", "Zloty", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Form form;
        Summary summary("A");
        writeCurrency(form, summary, c.text, findCurrency(c.text));
        EXPECT_EQ(summary.text(),
                  "PayPal Account: A\r\n\r\nCurrency: " + std::string(c.shown) + "\r\n\r\n");
        const auto fields = form.hiddenFields();
        ASSERT_EQ(fields.size(), 1U);
        EXPECT_EQ(fields[0].name, "currency_code");
        EXPECT_EQ(fields[0].value, c.code);
    }
}

TEST(OpeningFields, PutExtraFieldsBetweenCommandAndTheSpacedBusinessField) {
    Form form;
    const Context context{"ACCOUNT", "BUILD", {}};
    writeOpeningFields(form, context, "_cart", {{"add", "1"}});
    const auto lines = testing::splitLines(form.render("E"));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         R"(<form action="E" target="paypal" method="post">)",
                         R"(<input type="hidden" name="bn" value="BUILD">)",
                         R"(<input type="hidden" name="cmd" value="_cart">)",
                         R"(<input type="hidden" name="add" value="1">)",
                         R"(<input type="hidden" name="business" value="ACCOUNT" > )",
                         "</form>",
                     }));
}

TEST(ImageChoice, PicksTheStandardPictureTheCustomAddressOrNothing) {
    constexpr std::array<std::string_view, 2> names = {"zero.gif", "one.gif"};
    struct Case {
        OptionIndex selected;
        std::optional<std::string> source;
        std::string_view summary;
    };
    const Case cases[] = {
        {0, "F/zero.gif", ""},
        {1, "F/one.gif", ""},
        {2, "https://", "Custom Button: https://\r\n\r\n"}, // the index after the pictures
        {std::nullopt, std::nullopt, ""},
        {3, std::nullopt, ""},
        {-1, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected.value_or(-99));
        Form form;
        Summary summary("A");
        chooseImage(form, summary, c.selected, names, "F/", "https://");
        EXPECT_EQ(testing::imageSource(form.render("E")), c.source);
        EXPECT_EQ(summary.text(), "PayPal Account: A\r\n\r\n" + std::string(c.summary));
    }
}

} // namespace
} // namespace ravelin::buttons
