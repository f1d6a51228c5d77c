// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/pieces.h"
#include "buttons/tests/expected.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

TEST(CurrencyCode, MatchesTheFiveCaptionsExactly) {
    struct Case {
        std::string_view caption;
        std::string_view code;
    };
    const Case cases[] = {
        {"US Dollar ($)", "USD"},
        {"British Pound Sterling (£)", "GBP"},
        {"Euro (EUR)", "EUR"},
        {"Canadian Dollar (C$)", "CAD"},
        {"Japanese Yen (¥)", "JPY"},
        {"us dollar ($)", ""},
        {"US Dollar ($) ", ""},
        {"USD", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(currencyCode(c.caption), c.code);
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
