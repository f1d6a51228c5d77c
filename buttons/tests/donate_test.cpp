// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

using namespace testing;

TEST(Donate, WritesTheWorkedExampleToTheCharacter) {
    const Button button = writeDonate(workedExample<Donate>(), exampleContext());
    EXPECT_EQ(button.html, exampleButton<Donate>().html);
    EXPECT_EQ(button.summary, exampleButton<Donate>().summary);
}

TEST(Donate, WithAllDefaultsWritesAnEmptyLogoAndNoNote) {
    const Button button = writeDonate({}, exampleContext());
    EXPECT_EQ(fieldNames(button.html),
              (std::vector<std::string>{"bn", "cmd", "business", "item_name", "item_number",
                                        "amount", "currency_code", "image_url"}));
    EXPECT_EQ(fieldValue(button.html, "item_name"), "");
    EXPECT_EQ(fieldValue(button.html, "amount"), "");
    EXPECT_EQ(fieldValue(button.html, "currency_code"), "USD");
    EXPECT_EQ(fieldValue(button.html, "image_url"), "");
    EXPECT_TRUE(button.html.starts_with(kFormLine));
    EXPECT_EQ(imageSource(button.html), picture("x-click-but04.gif"));
    EXPECT_EQ(button.summary, summaryEntries({"PayPal Account: ACCOUNT", "Donation Name/Service: ",
                                              "Donation ID/Number: ", "Donation Amount: $",
                                              "Currency: US Dollar ($)", "Company Logo: "}));
}

TEST(Donate, WritesOptionalBoxesByTheSevenCharacterTest) {
    struct Case {
        const char* what;
        void (*answer)(DonateAnswers&);
        std::string_view field;
        std::optional<std::string> value;
        std::string_view entry;
    };
    const Case cases[] = {
        {"seven-character logo", [](DonateAnswers& a) { a.txtLogoATC = "a.b/c.d"; }, "image_url",
         std::nullopt, "Company Logo:"},
        {"typed logo", [](DonateAnswers& a) { a.txtLogoATC = "https://x.example/l.png"; },
         "image_url", "https://x.example/l.png", "Company Logo: https://x.example/l.png"},
        {"return of seven other characters",
         [](DonateAnswers& a) { a.txtWebSiteSuccessATC = "a.b/c.d"; }, "return", std::nullopt,
         "Return URL:"},
        {"return emptied", [](DonateAnswers& a) { a.txtWebSiteSuccessATC = ""; }, "return", "",
         "Return URL: \r\n"},
        {"cancel emptied", [](DonateAnswers& a) { a.txtCancelATC = ""; }, "cancel_return", "",
         "Cancel URL: \r\n"},
        {"note Yes left at its default", [](DonateAnswers& a) { a.optNoteDON = 0; }, "cn",
         "(optional instructions)", "Donator Note: Yes, (optional instructions)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DonateAnswers answers;
        c.answer(answers);
        const Button button = writeDonate(answers, exampleContext());
        EXPECT_EQ(fieldValue(button.html, c.field), c.value);
        EXPECT_EQ(contains(button.summary, c.entry), c.value.has_value());
    }
}

TEST(Donate, FormatsTheAmountButShowsItAsTyped) {
    DonateAnswers answers;
    answers.txtPriceDON = "5";
    const Button button = writeDonate(answers, exampleContext());
    EXPECT_EQ(fieldValue(button.html, "amount"), "5.00");
    EXPECT_TRUE(contains(button.summary, "Donation Amount: $5\r\n"));
}

TEST(Donate, WritesNeitherShippingNorQuantity) {
    const Button button = writeDonate(workedExample<Donate>(), exampleContext());
    EXPECT_FALSE(contains(button.html, "no_shipping"));
    EXPECT_FALSE(contains(button.html, "undefined_quantity"));
}

TEST(Donate, WritesTheCustomImageAsTyped) {
    DonateAnswers answers;
    answers.optDON = 4;
    const Button button = writeDonate(answers, exampleContext());
    EXPECT_EQ(imageSource(button.html), "https://");
    EXPECT_TRUE(button.summary.ends_with("Custom Button: https://\r\n\r\n"));
}

TEST(Donate, EscapesAQuotedNameSoTheAttributeStaysWhole) {
    DonateAnswers answers;
    answers.txtItemNameDON = R"(The "Roof" Fund)";
    const Button button = writeDonate(answers, exampleContext());
    EXPECT_TRUE(
        contains(button.html,
                 R"(<input type="hidden" name="item_name" value="The &quot;Roof&quot; Fund">)"));
}

TEST(Donate, WritesAYenAmountAsAWholeNumber) {
    DonateAnswers answers;
    answers.txtPriceDON = "1000";
    answers.cmbCurrencyDON = "Japanese Yen (¥)";
    EXPECT_EQ(fieldValue(writeDonate(answers, exampleContext()).html, "amount"), "1000");
}

} // namespace
} // namespace ravelin::buttons
